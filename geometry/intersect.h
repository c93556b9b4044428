// Intersections, distance and the perpendicular constructions.  Arguments are
// taken by value; an out-parameter receives only the fields named below.
#pragma once

#include "geometry/primitives.h"

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
// Defined below, inline: the triangulation calls it for every triple.
int intersectLines(Prava first, Prava second, Tacka* result);

// The common point of two segments (both ends included).  Collinear segments
// never give a point: they are compared by their extents, 0 or 2.
int intersectSegments(Duz first, Duz second, Tacka* result);

// The distance between two points: the sum of squares formed in double from
// the float coordinates and rounded to float, then its square root in double
// rounded to float.  The triangulation compares these values exactly.
float distance(Tacka a, Tacka b);

// The sum of squares of distance(a, b) before its first rounding:
// (b.x - a.x)^2 + (b.y - a.y)^2 in double from the float coordinates.  The
// triangulation screens points on it; sharing it keeps both bit for bit the
// same expression.
inline double squaredDistance(const Tacka& a, const Tacka& b) {
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    return dx * dx + dy * dy;
}

// The line through `point` perpendicular to `reference`: result->point becomes
// `point` and result->dir the reference direction turned a quarter turn
// counter-clockwise; result's own colour and its dir's colour stay.  The line
// is added to the scene in purple.
void addNormal(Tacka point, Prava reference, Prava* result);

// The perpendicular bisector of a and b: their midpoint is added to the scene
// in blue (widening the box), then the line bisector(a, b), as addNormal adds
// it.
void addBisector(Tacka a, Tacka b, Prava* result);

// The perpendicular bisector of a and b without touching the scene: through
// their midpoint, with direction (-(b.y - a.y), b.x - a.x), every coordinate
// rounded to float.  Defined below; the triangulation builds its centres
// from it and addBisector adds the same line.
Prava bisector(Tacka a, Tacka b);

// The arithmetic shared by the intersection routines.
namespace detail {

// Every expression is evaluated in double from float operands and rounded to
// float where it is stored.

// a - b, each component rounded to float.
inline Tacka difference(const Tacka& a, const Tacka& b) {
    return Tacka(static_cast<float>(static_cast<double>(a.x) - b.x),
                 static_cast<float>(static_cast<double>(a.y) - b.y));
}

// u x v = u.x * v.y - u.y * v.x, rounded to float.
inline float cross(const Tacka& u, const Tacka& v) {
    return static_cast<float>(static_cast<double>(u.x) * v.y - static_cast<double>(u.y) * v.x);
}

// c^2 > eps * lengthA * lengthB, all in double, the right side multiplied
// from left to right.  False when anything is NaN.
inline bool exceedsTolerance(float c, float lengthA, float lengthB) {
    return static_cast<double>(c) * c >
           static_cast<double>(PARALLEL_EPSILON) * lengthA * static_cast<double>(lengthB);
}

// start + t * dir, each component rounded to float.
inline void setAlong(const Tacka& start, const Tacka& dir, float t, Tacka* result) {
    result->x = static_cast<float>(static_cast<double>(t) * dir.x + start.x);
    result->y = static_cast<float>(static_cast<double>(t) * dir.y + start.y);
}

inline float quotient(float num, float den) {
    return static_cast<float>(static_cast<double>(num) / den);
}

// ((a.x + b.x) / 2, (a.y + b.y) / 2), each rounded to float.
inline Tacka midpoint(const Tacka& a, const Tacka& b) {
    return Tacka(static_cast<float>((static_cast<double>(a.x) + b.x) / 2.0),
                 static_cast<float>((static_cast<double>(a.y) + b.y) / 2.0));
}

// v turned a quarter turn counter-clockwise, (-v.y, v.x): exact, not rescaled.
inline Tacka quarterTurn(const Tacka& v) {
    return Tacka(-v.y, v.x);
}

}  // namespace detail

inline Prava bisector(Tacka a, Tacka b) {
    return Prava(detail::midpoint(a, b), detail::quarterTurn(detail::difference(b, a)));
}

inline int intersectLines(Prava first, Prava second, Tacka* result) {
    const Tacka PQ = detail::difference(second.point, first.point);
    const float num = detail::cross(PQ, second.dir);
    const float den = detail::cross(first.dir, second.dir);
    const float firstLength = first.dir.squaredLength();
    if (detail::exceedsTolerance(den, firstLength, second.dir.squaredLength())) {
        detail::setAlong(first.point, first.dir, detail::quotient(num, den), result);
        return ONE_POINT;
    }
    // Parallel.  num was formed with the second direction but is weighed
    // against the first direction's length: the 0-or-2 decision depends on
    // the ratio of the two lengths and on the angle of PQ to the lines.
    if (detail::exceedsTolerance(num, firstLength, PQ.squaredLength())) {
        return NO_POINT;
    }
    return INFINITELY_MANY;
}

}  // namespace geometrija
