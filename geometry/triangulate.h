// Delaunay triangulation by brute force: a triangle of three input points is
// accepted when no other input point lies strictly inside its circumcircle.
#pragma once

#include "../geometry/primitives.h"

namespace geometrija {

// 1 when some point of pts[0..n-1] other than P1, P2, P3 lies strictly inside
// the circle through them, else 0.  May nudge pts[t].x of a point found
// exactly on the circle.
int hasPointInCircumcircle(Tacka P1, Tacka P2, Tacka P3, Tacka* pts, int n);

// Tests every triple i < j < k and adds the sides of each accepted one to the
// scene in black.
void triangulate(Tacka* pts, int n);

}  // namespace geometrija
