// Intersections, distance and the perpendicular constructions.  Arguments are
// taken by value; an out-parameter receives only the fields named below.
// Every rounding happens in the library's compiled code, none in this header,
// so that a caller's compiler flags cannot change a result.
#pragma once

#include "primitives.h"

namespace geometrija {

// The float nearest 1e-5.  A parallelism or collinearity test compares a
// squared cross product with PARALLEL_EPSILON times two squared lengths; for
// the cross product of the same two vectors this asks whether the squared
// sine of their angle exceeds 1e-5 (about 0.18 degrees).
constexpr float PARALLEL_EPSILON = 1e-5f;

// Result codes of the two intersection routines.
constexpr int NO_POINT = 0;         // result point untouched
constexpr int ONE_POINT = 1;        // only the result's x and y are written
constexpr int INFINITELY_MANY = 2;  // result point untouched

// The common point of two lines, sought as first.point + t * first.dir.
int intersectLines(Prava first, Prava second, Tacka* result);

// The common point of two segments (both ends included).  Collinear segments
// never give a point: they are compared by their extents, 0 or 2.
int intersectSegments(Duz first, Duz second, Tacka* result);

// The distance between two points: the sum of squares formed in double from
// the float coordinates and rounded to float, then its square root in double
// rounded to float.  The triangulation compares these values exactly.
float distance(Tacka a, Tacka b);

// The line through `point` perpendicular to `reference`: result->point becomes
// `point` and result->dir the reference direction turned a quarter turn
// counter-clockwise; result's own colour and its dir's colour stay.  The line
// is added to the scene in purple.
void addNormal(Tacka point, Prava reference, Prava* result);

// The perpendicular bisector of a and b: their midpoint is added to the scene
// in blue (widening the box), then the line bisector(a, b), as addNormal adds
// it.
void addBisector(Tacka a, Tacka b, Prava* result);

}  // namespace geometrija
