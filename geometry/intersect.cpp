#include "geometry/intersect.h"

#include <cmath>
#include <utility>

#include "scene/scene.h"

namespace geometrija {

namespace {

// Every expression is evaluated in double from float operands and rounded to
// float where it is stored.

// a - b, each component rounded to float.
Tacka difference(const Tacka& a, const Tacka& b) {
    return Tacka(static_cast<float>(static_cast<double>(a.x) - b.x),
                 static_cast<float>(static_cast<double>(a.y) - b.y));
}

// u x v = u.x * v.y - u.y * v.x, rounded to float.
float cross(const Tacka& u, const Tacka& v) {
    return static_cast<float>(static_cast<double>(u.x) * v.y - static_cast<double>(u.y) * v.x);
}

// c^2 > eps * lengthA * lengthB, all in double, the right side multiplied
// from left to right.  False when anything is NaN.
bool exceedsTolerance(float c, float lengthA, float lengthB) {
    return static_cast<double>(c) * c >
           static_cast<double>(PARALLEL_EPSILON) * lengthA * static_cast<double>(lengthB);
}

// start + t * dir, each component rounded to float.
void setAlong(const Tacka& start, const Tacka& dir, float t, Tacka* result) {
    result->x = static_cast<float>(static_cast<double>(t) * dir.x + start.x);
    result->y = static_cast<float>(static_cast<double>(t) * dir.y + start.y);
}

float quotient(float num, float den) {
    return static_cast<float>(static_cast<double>(num) / den);
}

}  // namespace

int intersectLines(Prava first, Prava second, Tacka* result) {
    const Tacka PQ = difference(second.point, first.point);
    const float num = cross(PQ, second.dir);
    const float den = cross(first.dir, second.dir);
    const float firstLength = first.dir.squaredLength();
    if (exceedsTolerance(den, firstLength, second.dir.squaredLength())) {
        setAlong(first.point, first.dir, quotient(num, den), result);
        return ONE_POINT;
    }
    // Parallel.  num was formed with the second direction but is weighed
    // against the first direction's length: the 0-or-2 decision depends on
    // the ratio of the two lengths and on the angle of PQ to the lines.
    if (exceedsTolerance(num, firstLength, PQ.squaredLength())) {
        return NO_POINT;
    }
    return INFINITELY_MANY;
}

int intersectSegments(Duz first, Duz second, Tacka* result) {
    Tacka a0 = first.start;
    Tacka a1 = first.end;
    Tacka b0 = second.start;
    Tacka b1 = second.end;
    const Tacka PQ = difference(b0, a0);
    const Tacka p = difference(a1, a0);
    const Tacka q = difference(b1, b0);
    const float PQxp = cross(PQ, p);
    const float PQxq = cross(PQ, q);
    const float den = cross(p, q);
    const float pLength = p.squaredLength();
    if (exceedsTolerance(den, pLength, q.squaredLength())) {
        const float s = quotient(PQxp, den);  // along the second segment
        const float t = quotient(PQxq, den);  // along the first
        if (0 <= s && s <= 1 && 0 <= t && t <= 1) {
            setAlong(a0, p, t, result);
            return ONE_POINT;
        }
        return NO_POINT;
    }
    if (exceedsTolerance(PQxp, pLength, PQ.squaredLength())) {
        return NO_POINT;  // distinct parallel lines
    }
    // Collinear: compare the extents along x, or along y when the first
    // segment is vertical (or has no length), on the local copies only.
    if (a0.x == a1.x) {
        for (Tacka* e : {&a0, &a1, &b0, &b1}) {
            std::swap(e->x, e->y);
        }
    }
    if (a1.x < a0.x) {
        std::swap(a0, a1);
    }
    if (b1.x < b0.x) {
        std::swap(b0, b1);
    }
    // Not symmetric at the ends: a second segment that starts where the
    // first ends is apart, one that ends where the first starts overlaps.
    if ((b0.x >= a0.x && b0.x >= a1.x) || b1.x < a0.x) {
        return NO_POINT;
    }
    return INFINITELY_MANY;
}

float distance(Tacka a, Tacka b) {
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    const float squared = static_cast<float>(dx * dx + dy * dy);
    return static_cast<float>(std::sqrt(static_cast<double>(squared)));
}

void addNormal(Tacka point, Prava reference, Prava* result) {
    result->point = point;
    result->dir.x = -reference.dir.y;
    result->dir.y = reference.dir.x;
    addLine(*result, 7);
}

void addBisector(Tacka a, Tacka b, Prava* result) {
    const Tacka Cn(static_cast<float>((static_cast<double>(a.x) + b.x) / 2.0),
                   static_cast<float>((static_cast<double>(a.y) + b.y) / 2.0));
    addPoint(Cn, 2);
    const Prava Pn(a, difference(b, a));
    addNormal(Cn, Pn, result);
}

}  // namespace geometrija
