#include "geometrija/intersect.h"

#include <utility>

#include "geometrija/scene.h"
#include "geometry/float_mode.h"
#include "geometry/intersect_detail.h"

namespace geometrija {

using namespace detail;

// Each public function that computes does so with subnormals kept, whatever
// mode the calling program runs in (ExactFloatMode).
int intersectLines(Prava first, Prava second, Tacka* result) {
    const ExactFloatMode mode;
    return linesMeet(first, second, result);
}

int intersectSegments(Duz first, Duz second, Tacka* result) {
    const ExactFloatMode mode;
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
    const float pLength = squaredLength(p);
    if (exceedsTolerance(den, pLength, squaredLength(q))) {
        const float s = quotient(PQxp, den);  // along the second segment
        const float t = quotient(PQxq, den);  // along the first
        if (0 <= s && s <= 1 && 0 <= t && t <= 1) {
            setAlong(a0, p, t, result);
            return ONE_POINT;
        }
        return NO_POINT;
    }
    if (exceedsTolerance(PQxp, pLength, squaredLength(PQ))) {
        return NO_POINT;  // distinct parallel lines
    }
    // Collinear: compare the extents along x, or along y when the first
    // segment is vertical (or has no length), on the local copies only.
    // Exactly vertical is meant: a nearly vertical one still has an extent.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wfloat-equal"
    const bool vertical = a0.x == a1.x;
#pragma GCC diagnostic pop
    if (vertical) {
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
    const ExactFloatMode mode;
    return distanceOf(a, b);
}

void addNormal(Tacka point, Prava reference, Prava* result) {
    result->point = point;
    const Tacka dir = quarterTurn(reference.dir);
    result->dir.x = dir.x;  // the direction's own colour stays
    result->dir.y = dir.y;
    addLine(*result, COLOR_NORMAL_LINE);
}

void addBisector(Tacka a, Tacka b, Prava* result) {
    const ExactFloatMode mode;
    // The midpoint and the normal to the line through a and b: the same
    // roundings as bisector(a, b).
    const Tacka Cn = midpoint(a, b);
    addPoint(Cn, COLOR_MIDPOINT);
    const Prava Pn(a, difference(b, a));
    addNormal(Cn, Pn, result);
}

}  // namespace geometrija
