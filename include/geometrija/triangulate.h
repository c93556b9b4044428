// Delaunay triangulation by brute force: a triangle of three input points is
// accepted when no other input point lies strictly inside its circumcircle.
#pragma once

#include <functional>

#include "primitives.h"

namespace geometrija {

// Added to the x of a point found exactly on a circumcircle, in double, the
// sum stored back as float.  It moves the point only where |x| < 32 or so;
// beyond, the sum rounds back to x.
constexpr double COCIRCULAR_NUDGE = 1e-6;

// 1 when some point of pts[0..n-1] other than P1, P2, P3 lies strictly inside
// the circle through them, else 0.  May nudge pts[t].x of a point found
// exactly on the circle.
int hasPointInCircumcircle(Tacka P1, Tacka P2, Tacka P3, Tacka* pts, int n);

// Tests every triple i < j < k and adds the sides of each accepted one to the
// scene in black.
void triangulate(Tacka* pts, int n);

// The same, and calls accepted(i, j, k) for each accepted triple, in the order
// it is found, right after its sides are added: pts[i], pts[j] and pts[k]
// then hold the triangle's points as they were tested (a later nudge may
// still move them).  The scene and the nudges are those of triangulate(pts, n).
void triangulate(Tacka* pts, int n, const std::function<void(int i, int j, int k)>& accepted);

// The circle through a, b and c as the triangulation builds it: its centre
// where two perpendicular bisectors cross (intersectLines), those of ab and
// ac, or, when they count as parallel (a thin triangle's angle at a under
// about 0.18 degrees), those of bc and ba, then of ca and cb; its radius the
// distance from the vertex they start at.  ONE_POINT with result's centre
// (x and y) and radius written; otherwise the first pair's result, NO_POINT
// or INFINITELY_MANY (the three collinear within the tolerance, or two of
// them equal), with result untouched.  Adds nothing to the scene.
int circumcircle(Tacka a, Tacka b, Tacka c, Krug* result);

}  // namespace geometrija
