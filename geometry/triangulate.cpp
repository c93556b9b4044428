#include "geometry/triangulate.h"

#include <cmath>

#include "geometry/intersect.h"
#include "scene/scene.h"

namespace geometrija {

namespace {

// Added to the x of a point found exactly on a circumcircle, in double, the
// sum stored back as float.  It moves the point only where |x| < 32 or so;
// beyond, the sum rounds back to x.
constexpr double COCIRCULAR_NUDGE = 1e-6;
constexpr int SIDE_COLOR = 9;

// The perpendicular bisector of a and b: through their midpoint, with
// direction (-(b.y - a.y), b.x - a.x), every coordinate rounded to float.
Prava bisector(const Tacka& a, const Tacka& b) {
    const Tacka mid(static_cast<float>((static_cast<double>(a.x) + b.x) / 2),
                    static_cast<float>((static_cast<double>(a.y) + b.y) / 2));
    const Tacka dir(static_cast<float>(-(static_cast<double>(b.y) - a.y)),
                    static_cast<float>(static_cast<double>(b.x) - a.x));
    return Prava(mid, dir);
}

// The centre of the circle through P1, P2, P3 as the crossing of two
// bisectors, built first from P1 (of P1P2 and P1P3).  The parallel
// tolerance of intersectLines looks only at the angle between the two
// bisectors, which is the triangle's angle at the vertex they start from: a
// thin triangle with an angle under about 0.18 degrees there counts as
// parallel although it has a perfectly good circumcircle.  So when the
// construction from P1 finds no single point, it is made again in the same
// way from P2 (bisectors of P2P3 and P2P1) and then from P3 (of P3P1 and
// P3P2).  The first that finds a point gives the centre, and `from` is the
// vertex it started at, the one the radius is measured from.  Only when all
// three fail (the three points are collinear within the tolerance, or two
// of them coincide) is there no circle: false.
bool circumcentre(const Tacka& P1, const Tacka& P2, const Tacka& P3, Tacka& O,
                  const Tacka*& from) {
    const Tacka* const orders[3][3] = {{&P1, &P2, &P3}, {&P2, &P3, &P1}, {&P3, &P1, &P2}};
    for (const auto& v : orders) {
        const Prava n1 = bisector(*v[0], *v[1]);
        const Prava n2 = bisector(*v[0], *v[2]);
        O = Tacka();
        if (intersectLines(n1, n2, &O) == ONE_POINT) {
            from = v[0];
            return true;
        }
    }
    return false;
}

// The squared distance from (x, y) to O, exact in double for float inputs of
// moderate size, rounded once to float: the first rounding of distance().
double squaredInDouble(const Tacka& p, const Tacka& O) {
    const double dx = static_cast<double>(O.x) - p.x;
    const double dy = static_cast<double>(O.y) - p.y;
    return dx * dx + dy * dy;
}

bool sameXY(const Tacka& a, const Tacka& b) { return a.x == b.x && a.y == b.y; }

}  // namespace

int hasPointInCircumcircle(Tacka P1, Tacka P2, Tacka P3, Tacka* pts, int n) {
    Tacka O;
    const Tacka* from = nullptr;
    if (!circumcentre(P1, P2, P3, O, from)) {
        // No circle: the triple adds no side and nudges nothing.
        return 1;
    }

    // The radius r = distance(from, O) is needed only for the few points
    // whose squared distance lies within a relative 1e-6 of the radius's
    // squared sum `s` (before its square root).  Outside that band the
    // comparison of the two float distances is decided by the double squares
    // alone: d = fl(sqrt(fl(dd))) and r = fl(sqrt(s)) with s = fl(rs), each
    // rounding monotone and within 2^-24 relative, so dd < s(1 - 1e-6) gives
    // d at least three float ulps under r (d < r, never equal), and
    // dd > s(1 + 1e-6) gives d over r.  NaN fails both bounds and takes the
    // exact path.  The bounds hold while s and the points' squares stay in
    // the normal float range, which 1e-30 <= s <= 1e30 leaves room for; any
    // other s (an overflow to infinity, NaN, a tiny circle) takes the exact
    // path for every point.
    const double s = static_cast<float>(squaredInDouble(*from, O));
    double inside = -1;
    double outside = HUGE_VAL;
    if (s >= 1e-30 && s <= 1e30) {
        inside = s * (1 - 1e-6);
        outside = s * (1 + 1e-6);
    }
    float r = 0;
    bool haveR = false;

    for (int t = 0; t < n; ++t) {
        Tacka& p = pts[t];
        // A point equal to a vertex (a duplicate at another index included)
        // never counts.
        if (sameXY(p, P1) || sameXY(p, P2) || sameXY(p, P3)) {
            continue;
        }
        const double dd = squaredInDouble(p, O);
        if (dd < inside) {
            return 1;
        }
        if (dd > outside) {
            continue;
        }
        if (!haveR) {
            r = distance(*from, O);
            haveR = true;
        }
        // On the circle exactly: nudge the point in x, in the caller's array,
        // and measure again.
        if (distance(p, O) == r) {
            p.x = static_cast<float>(p.x + COCIRCULAR_NUDGE);
        }
        if (distance(p, O) < r) {
            return 1;
        }
    }
    return 0;
}

void triangulate(Tacka* pts, int n) {
    // Every triple i < j < k in increasing lexicographic order, each tested
    // with the points as they are at that moment (earlier nudges included).
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            for (int k = j + 1; k < n; ++k) {
                if (hasPointInCircumcircle(pts[i], pts[j], pts[k], pts, n) == 0) {
                    const Duz d1(pts[i], pts[j]);
                    const Duz d2(pts[j], pts[k]);
                    const Duz d3(pts[i], pts[k]);
                    addSegment(d1, SIDE_COLOR);
                    addSegment(d2, SIDE_COLOR);
                    addSegment(d3, SIDE_COLOR);
                }
            }
        }
    }
}

}  // namespace geometrija
