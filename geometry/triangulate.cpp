#include "geometrija/triangulate.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "geometrija/scene.h"
#include "geometry/float_mode.h"
#include "geometry/intersect_detail.h"
#include "scene/scene_detail.h"

namespace geometrija {

namespace {

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
// `first` is what the first construction's intersection gave.
// `bisector12` is detail::bisector(P1, P2), which the triangulation makes once
// for all the third vertices of a pair.
bool circumcentre(const Tacka& P1, const Tacka& P2, const Tacka& P3, const Prava& bisector12,
                  Tacka& O, Tacka& from, int* first = nullptr) {
    const Tacka* const orders[3][3] = {{&P1, &P2, &P3}, {&P2, &P3, &P1}, {&P3, &P1, &P2}};
    for (const auto& v : orders) {
        O = Tacka();
        const int found =
            detail::linesMeet(v[0] == &P1 ? bisector12 : detail::bisector(*v[0], *v[1]),
                              detail::bisector(*v[0], *v[2]), &O);
        if (first != nullptr && v[0] == &P1) {
            *first = found;
        }
        if (found == ONE_POINT) {
            from = *v[0];
            return true;
        }
    }
    return false;
}

// Exact float equality of the coordinates, as the vertex test wants it.
bool sameXY(const Tacka& a, const Tacka& b) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wfloat-equal"
    return a.x == b.x && a.y == b.y;
#pragma GCC diagnostic pop
}

// The points' coordinates in double, kept equal to the caller's array: the
// screening below reads them without converting each float again for every
// circle, and without the colour between them.  A nudge writes both; what
// a caller's callback may write is read again after it.
class Coordinates {
public:
    Coordinates(const Tacka* pts, int n)
        : x_(static_cast<std::size_t>(n > 0 ? n : 0)), y_(x_.size()) {
        load(pts);
    }
    void load(const Tacka* pts) {
        for (std::size_t t = 0; t < x_.size(); ++t) {
            x_[t] = pts[t].x;
            y_[t] = pts[t].y;
        }
    }
    // detail::squaredDistance(pts[t], O), from the copies.
    double squaredDistance(int t, double ox, double oy) const {
        const auto i = static_cast<std::size_t>(t);
        return detail::squaredDistance(x_[i], y_[i], ox, oy);
    }
    void setX(int t, float x) { x_[static_cast<std::size_t>(t)] = x; }

private:
    std::vector<double> x_;
    std::vector<double> y_;
};

// Whether some point other than the vertices lies strictly inside the circle
// about O through `from`: whether its distance(p, O) is less than
// r = distance(from, O).  A point found exactly on the circle before the
// first inside one is nudged in x, in the caller's array, and measured again;
// a point equal to a vertex (a duplicate at another index included) never
// counts, wherever the centre put it.  The points are taken in index order.
//
// The float distances are needed only near the circle.  Both come from sums
// of squares formed in double, dd and s (s rounded to float), by a rounding to
// float, a square root and a rounding again, each monotone and within 2^-24
// (6e-8) relative.  So dd < s * (1 - 1e-6) gives d < r by more than 3e-7
// relative: inside, and never equal (no nudge); dd > s * (1 + 1e-6) likewise
// gives d > r: outside.  The bounds hold for 1e-30 <= s <= 1e30, where
// float's relative rounding is that small; any other s (an overflow, NaN, a
// tiny circle) leaves the bounds open.
//
// Most circles are settled by the bounds at their first point that is not
// far outside.  At a point between the bounds r is formed, and from there on
// every point is compared exactly, through the edges of r
// (detail::radiusEdges), as circles with many points on them need.
bool anyInside(const Tacka& P1, const Tacka& P2, const Tacka& P3, const Tacka& O, const Tacka& from,
               Tacka* pts, int n, Coordinates& c) {
    const double ox = O.x;
    const double oy = O.y;
    const double s = static_cast<float>(detail::squaredDistance(from, O));
    double inside = -1;
    double outside = HUGE_VAL;
    if (s >= 1e-30 && s <= 1e30) {
        inside = s * (1 - 1e-6);
        outside = s * (1 + 1e-6);
    }
    int t = 0;
    for (; t < n; ++t) {
        const double dd = c.squaredDistance(t, ox, oy);
        if (dd > outside) {
            continue;  // surely outside, as a vertex would be passed over
        }
        const Tacka& p = pts[t];
        if (sameXY(p, P1) || sameXY(p, P2) || sameXY(p, P3)) {
            continue;
        }
        if (dd < inside) {
            return true;
        }
        break;
    }
    if (t >= n) {
        return false;
    }
    const float r = detail::rootOf(s);
    const detail::RadiusEdges edges = detail::radiusEdges(r);
    for (; t < n; ++t) {
        const double f = static_cast<float>(c.squaredDistance(t, ox, oy));
        if (f > edges.high) {
            continue;  // outside, as a vertex would be passed over
        }
        Tacka& p = pts[t];
        if (sameXY(p, P1) || sameXY(p, P2) || sameXY(p, P3)) {
            continue;
        }
        if (f < edges.low) {
            return true;
        }
        if (f >= edges.low) {
            // Exactly on the circle (NaN is not): moved in x, in the
            // caller's array, and measured again.
            p.x = static_cast<float>(p.x + COCIRCULAR_NUDGE);
            c.setX(t, p.x);
            if (detail::distanceOf(p, O) < r) {
                return true;
            }
        }
    }
    return false;
}

// The body of hasPointInCircumcircle, which triangulate's loop also calls
// directly: each call builds the triple's circumcentre anew.
inline int testTriple(const Tacka& P1, const Tacka& P2, const Tacka& P3, const Prava& bisector12,
                      Tacka* pts, int n, Coordinates& c) {
    Tacka O;
    Tacka from;
    if (!circumcentre(P1, P2, P3, bisector12, O, from)) {
        // No circle: the triple adds no side and nudges nothing.
        return 1;
    }
    return anyInside(P1, P2, P3, O, from, pts, n, c) ? 1 : 0;
}

}  // namespace

int hasPointInCircumcircle(Tacka P1, Tacka P2, Tacka P3, Tacka* pts, int n) {
    const detail::ExactFloatMode mode;
    Coordinates c(pts, n);
    return testTriple(P1, P2, P3, detail::bisector(P1, P2), pts, n, c);
}

int circumcircle(Tacka a, Tacka b, Tacka c, Krug* result) {
    const detail::ExactFloatMode mode;
    Tacka O;
    Tacka from;
    int first = NO_POINT;
    if (!circumcentre(a, b, c, detail::bisector(a, b), O, from, &first)) {
        return first;
    }
    result->center.x = O.x;
    result->center.y = O.y;
    result->radius = detail::distanceOf(from, O);
    return ONE_POINT;
}

void triangulate(Tacka* pts, int n) {
    triangulate(pts, n, nullptr);
}

void triangulate(Tacka* pts, int n, const std::function<void(int i, int j, int k)>& accepted) {
    // The exact mode once for the whole loop; the sides go into the scene
    // unguarded, and the caller's callback runs in the caller's mode.
    detail::ExactFloatMode mode;
    Coordinates c(pts, n);
    // Every triple i < j < k in increasing lexicographic order, with the
    // points as they are at that moment: an earlier nudge is seen.  pts[i]
    // and pts[j] stay as they are while k runs, since a test never nudges a
    // point equal to one of its vertices.
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const Tacka P1 = pts[i];
            const Tacka P2 = pts[j];
            const Prava bisector12 = detail::bisector(P1, P2);
            for (int k = j + 1; k < n; ++k) {
                if (testTriple(P1, P2, Tacka(pts[k]), bisector12, pts, n, c) == 0) {
                    const Duz d1(pts[i], pts[j]);
                    const Duz d2(pts[j], pts[k]);
                    const Duz d3(pts[i], pts[k]);
                    detail::appendSegment(d1, COLOR_TRIANGLE_SIDE);
                    detail::appendSegment(d2, COLOR_TRIANGLE_SIDE);
                    detail::appendSegment(d3, COLOR_TRIANGLE_SIDE);
                    if (accepted) {
                        const detail::ExactFloatMode::CallerMode caller(mode);
                        accepted(i, j, k);
                        c.load(pts);
                    }
                }
            }
        }
    }
}

}  // namespace geometrija
