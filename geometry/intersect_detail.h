// The inline arithmetic of the intersections, for the library's own code
// only (the triangulation's inner loop): every expression is evaluated in
// double from float operands and rounded to float where it is stored.  Not
// installed: a caller's flags must not reach it.  All of it is in `detail`,
// and calls within it are qualified, so that a public function of the same
// name (found by argument-dependent lookup) can never make one ambiguous.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

#include "geometrija/intersect.h"

namespace geometrija {
namespace detail {

// The sum of squares of distance(a, b) before its first rounding:
// (b.x - a.x)^2 + (b.y - a.y)^2 in double from the float coordinates.  The
// triangulation screens points on it, from coordinates it keeps in double;
// sharing it keeps both bit for bit the same expression.
inline double squaredDistance(double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    return dx * dx + dy * dy;
}

inline double squaredDistance(const Tacka& a, const Tacka& b) {
    return detail::squaredDistance(a.x, a.y, b.x, b.y);
}

// The perpendicular bisector of a and b without touching the scene: through
// their midpoint, with direction (-(b.y - a.y), b.x - a.x), every coordinate
// rounded to float.  Defined below; the triangulation builds its centres
// from it and addBisector adds the same line.
Prava bisector(Tacka a, Tacka b);

// The arithmetic shared by the intersection routines.

// x*x + y*y formed in double and rounded to float: Tacka::squaredLength.
inline float squaredLength(const Tacka& v) {
    return static_cast<float>(static_cast<double>(v.x) * v.x + static_cast<double>(v.y) * v.y);
}

// The distance from its sum of squares in double: the sum rounded to float,
// its square root formed in double and rounded to float.
inline float rootOf(double squared) {
    return static_cast<float>(std::sqrt(static_cast<double>(static_cast<float>(squared))));
}

// distance(a, b): the sum of squares rounded to float, its square root
// formed in double and rounded to float.
inline float distanceOf(const Tacka& a, const Tacka& b) {
    return detail::rootOf(detail::squaredDistance(a, b));
}

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

inline Prava bisector(Tacka a, Tacka b) {
    return Prava(detail::midpoint(a, b), detail::quarterTurn(detail::difference(b, a)));
}

// Where a distance falls against a radius r, told from the distance's float
// sum of squares f alone.  The distance, the float square root of f, is
// correctly rounded (the double root rounded to float is), so it equals r
// exactly when f lies between the squares of the midpoints from r to its two
// float neighbours, is less below them and more above.  Those squares are
// exact in double (a midpoint has 25 significant bits) and no float equals
// one (its square's odd significand has about 50), so comparing f with them
// gives what comparing the roots gives, without taking a root.
struct RadiusEdges {
    double low;   // f < low: the distance is less than r
    double high;  // low <= f <= high: equal to r; f > high: more
};

inline RadiusEdges radiusEdges(float r) {
    if (!(r > 0 && r < HUGE_VALF)) {
        // r = 0: only f = 0 gives it and nothing less; r infinite: every
        // finite f is less and only an infinite one equal; r NaN: no f
        // compares either way, as no distance does.
        return RadiusEdges{r, r};
    }
    // The float neighbours of a positive finite float are one step of its
    // bits away (nextafter's answer, without a call for every circle).
    std::uint32_t bits = 0;
    std::memcpy(&bits, &r, sizeof bits);
    const std::uint32_t neighbours[2] = {bits - 1, bits + 1};
    float below = 0;
    float above = 0;
    std::memcpy(&below, &neighbours[0], sizeof below);
    std::memcpy(&above, &neighbours[1], sizeof above);
    const double low = (static_cast<double>(below) + r) / 2;
    const double high = (static_cast<double>(r) + above) / 2;
    return RadiusEdges{low * low, high * high};
}

// intersectLines, inline for the triangulation, which calls it for every
// triple; intersectLines itself is this, compiled once.
inline int linesMeet(Prava first, Prava second, Tacka* result) {
    const Tacka PQ = detail::difference(second.point, first.point);
    const float num = detail::cross(PQ, second.dir);
    const float den = detail::cross(first.dir, second.dir);
    const float firstLength = detail::squaredLength(first.dir);
    if (detail::exceedsTolerance(den, firstLength, detail::squaredLength(second.dir))) {
        detail::setAlong(first.point, first.dir, detail::quotient(num, den), result);
        return ONE_POINT;
    }
    // Parallel.  num was formed with the second direction but is weighed
    // against the first direction's length: the 0-or-2 decision depends on
    // the ratio of the two lengths and on the angle of PQ to the lines.
    if (detail::exceedsTolerance(num, firstLength, detail::squaredLength(PQ))) {
        return NO_POINT;
    }
    return INFINITELY_MANY;
}

}  // namespace detail
}  // namespace geometrija
