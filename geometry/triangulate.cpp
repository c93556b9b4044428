#include "geometry/triangulate.h"

#include <cmath>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
bool circumcentre(const Tacka& P1, const Tacka& P2, const Tacka& P3, Tacka& O, const Tacka*& from) {
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

bool sameXY(const Tacka& a, const Tacka& b) {
    return a.x == b.x && a.y == b.y;
}

// The points' coordinates side by side, so that eight squared distances are
// formed at once.  Kept equal to the points: a nudge updates it.
struct Columns {
    std::vector<float> x;
    std::vector<float> y;

    Columns(const Tacka* pts, int n) : x(padded(n)), y(padded(n)) {
        for (int t = 0; t < n; ++t) {
            x[t] = pts[t].x;
            y[t] = pts[t].y;
        }
    }
    static std::size_t padded(int n) { return static_cast<std::size_t>(n < 0 ? 0 : n) + 8; }

    long nudges = 0;  // how many points have been nudged so far
};

// The test of one triple against all points, once its centre is known.
//
// Only the few points whose squared distance dd (in double, as distance()
// forms it) lies within a relative 1e-6 of the radius's squared sum s (also
// as distance() forms it, rounded to float before its square root) need the
// exact float distances.  Outside that band the comparison of the two float
// distances is decided by the squares alone: d = fl(sqrt(fl(dd))) and
// r = fl(sqrt(s)), each rounding monotone and within 2^-24 relative, so
// dd < s(1 - 1e-6) gives d at least three float ulps under r (inside, and
// never equal: no nudge), and dd > s(1 + 1e-6) gives d over r (outside).
//
// The blocks of eight points go one step further and form dd in float: with
// both squares non-negative the float sum is within 2.4e-7 relative of dd
// (plus an absolute 3e-45 from underflow, far below s * 1e-6), so a float
// square under s(1 - 2e-6) is surely under s(1 - 1e-6), and one over
// s(1 + 2e-6) surely over s(1 + 1e-6).  An overflow to infinity in float
// means a true square over 1e38, beyond any s allowed here.
//
// The bounds hold while s stays in the normal float range with room to
// spare, 1e-30 <= s <= 1e30; any other s (an overflow to infinity, NaN, a
// tiny circle) sends every point down the exact path.  NaN fails every bound
// and takes the exact path too.
class CircleTest {
public:
    CircleTest(const Tacka& P1, const Tacka& P2, const Tacka& P3, const Tacka& O, const Tacka& from)
        : P1_(P1), P2_(P2), P3_(P3), O_(O), from_(from) {
        const double s = static_cast<float>(squaredDistance(from, O));
        if (s >= 1e-30 && s <= 1e30) {
            inside_ = s * (1 - 1e-6);
            outside_ = s * (1 + 1e-6);
            // Rounded to nearest: within 6e-8 of the products, still inside
            // the margins above.
            insideF_ = static_cast<float>(s * (1 - 2e-6));
            outsideF_ = static_cast<float>(s * (1 + 2e-6));
        }
    }

    // 1 when a point other than the vertices lies strictly inside, in the
    // order t = 0, 1, ..., n - 1, nudging on the way every point found
    // exactly on the circle; else 0.
    int run(Tacka* pts, int n, Columns& c) {
        const int result = scan(pts, n, c);
        c.nudges += nudges_;
        return result;
    }

private:
    int scan(Tacka* pts, int n, Columns& c) {
        int t = 0;
#if defined(__SSE2__)
        // Eight points at a time.  A point beyond the band is outside (and
        // never on the circle): it changes nothing and is passed over, as
        // the point-by-point loop would pass it.  The others are taken one at
        // a time, in order: a vertex (or its duplicate) is skipped, a point
        // surely inside ends the test, and the rest are measured exactly.
        const __m128 ox = _mm_set1_ps(O_.x);
        const __m128 oy = _mm_set1_ps(O_.y);
        const __m128 nearBound = _mm_set1_ps(insideF_);
        const __m128 farBound = _mm_set1_ps(outsideF_);
        for (; t + 8 <= n; t += 8) {
            const __m128 dx0 = _mm_sub_ps(ox, _mm_loadu_ps(&c.x[t]));
            const __m128 dy0 = _mm_sub_ps(oy, _mm_loadu_ps(&c.y[t]));
            const __m128 dx1 = _mm_sub_ps(ox, _mm_loadu_ps(&c.x[t + 4]));
            const __m128 dy1 = _mm_sub_ps(oy, _mm_loadu_ps(&c.y[t + 4]));
            const __m128 dd0 = _mm_add_ps(_mm_mul_ps(dx0, dx0), _mm_mul_ps(dy0, dy0));
            const __m128 dd1 = _mm_add_ps(_mm_mul_ps(dx1, dx1), _mm_mul_ps(dy1, dy1));
            int open = ~(_mm_movemask_ps(_mm_cmpgt_ps(dd0, farBound)) |
                         (_mm_movemask_ps(_mm_cmpgt_ps(dd1, farBound)) << 4)) &
                       255;
            if (open == 0) {
                continue;
            }
            const int inside = _mm_movemask_ps(_mm_cmplt_ps(dd0, nearBound)) |
                               (_mm_movemask_ps(_mm_cmplt_ps(dd1, nearBound)) << 4);
            for (; open != 0; open &= open - 1) {
                const int lane = __builtin_ctz(static_cast<unsigned>(open));
                Tacka& p = pts[t + lane];
                if (isVertex(p)) {
                    continue;
                }
                if ((inside & (1 << lane)) != 0 || exact(p, c.x[t + lane])) {
                    return 1;
                }
            }
        }
#endif
        for (; t < n; ++t) {
            if (!isVertex(pts[t]) && exact(pts[t], c.x[t])) {
                return 1;
            }
        }
        return 0;
    }

    // A point equal to a vertex (a duplicate at another index included)
    // never counts.
    bool isVertex(const Tacka& p) const {
        return sameXY(p, P1_) || sameXY(p, P2_) || sameXY(p, P3_);
    }

    // One step of the point-by-point loop for a point that is not a vertex:
    // true when it counts as inside.
    bool exact(Tacka& p, float& column) {
        const double dd = squaredDistance(p, O_);
        if (dd < inside_) {
            return true;
        }
        if (dd > outside_) {
            return false;
        }
        if (!haveR_) {
            r_ = distance(from_, O_);
            haveR_ = true;
        }
        // On the circle exactly: nudge the point in x, in the caller's
        // array, and measure again.
        if (distance(p, O_) == r_) {
            p.x = static_cast<float>(p.x + COCIRCULAR_NUDGE);
            column = p.x;
            ++nudges_;
        }
        return distance(p, O_) < r_;
    }

    const Tacka& P1_;
    const Tacka& P2_;
    const Tacka& P3_;
    const Tacka O_;
    const Tacka from_;
    double inside_ = -1;
    double outside_ = HUGE_VAL;
    float insideF_ = -1;
    float outsideF_ = HUGE_VALF;
    float r_ = 0;
    bool haveR_ = false;
    long nudges_ = 0;
};

// hasPointInCircumcircle with the columns of the same points at hand.
int testTriple(const Tacka& P1, const Tacka& P2, const Tacka& P3, Tacka* pts, int n, Columns& c) {
    Tacka O;
    const Tacka* from = nullptr;
    if (!circumcentre(P1, P2, P3, O, from)) {
        // No circle: the triple adds no side and nudges nothing.
        return 1;
    }
    return CircleTest(P1, P2, P3, O, *from).run(pts, n, c);
}

#if defined(__SSE2__)
// Each lane rounded to float and back: the rounding that storing a float
// performs (round to nearest, as every float conversion here), lane by lane.
__m128d roundToFloat(__m128d v) {
    return _mm_cvtps_pd(_mm_cvtpd_ps(v));
}

// The first construction of circumcentre() for the two triples (P1, P2, Q[0])
// and (P1, P2, Q[1]) at once: the bisectors of P1P2 (n1, its squared
// direction length l1) and of P1Q, crossed as intersectLines crosses them.
// Every operation is the scalar one, lane by lane, with the same roundings
// in the same places, so each lane's centre is bit for bit the scalar
// centre.  found[lane] is false where intersectLines would not give 1.
void centresFromFirst(const Tacka& P1, const Prava& n1, float l1, const Tacka Q[2], Tacka O[2],
                      bool found[2]) {
    const __m128d p1x = _mm_set1_pd(P1.x);
    const __m128d p1y = _mm_set1_pd(P1.y);
    const __m128d qx = _mm_set_pd(Q[1].x, Q[0].x);
    const __m128d qy = _mm_set_pd(Q[1].y, Q[0].y);
    const __m128d half = _mm_set1_pd(0.5);  // x / 2 and x * 0.5 are the same exact halving
    // n2 = bisector(P1, Q)
    const __m128d mx = roundToFloat(_mm_mul_pd(_mm_add_pd(p1x, qx), half));
    const __m128d my = roundToFloat(_mm_mul_pd(_mm_add_pd(p1y, qy), half));
    const __m128d dx =
        roundToFloat(_mm_xor_pd(_mm_sub_pd(qy, p1y), _mm_set1_pd(-0.0)));  // exact negation
    const __m128d dy = roundToFloat(_mm_sub_pd(qx, p1x));
    // intersectLines(n1, n2)
    const __m128d d1x = _mm_set1_pd(n1.dir.x);
    const __m128d d1y = _mm_set1_pd(n1.dir.y);
    const __m128d PQx = roundToFloat(_mm_sub_pd(mx, _mm_set1_pd(n1.point.x)));
    const __m128d PQy = roundToFloat(_mm_sub_pd(my, _mm_set1_pd(n1.point.y)));
    const __m128d num = roundToFloat(_mm_sub_pd(_mm_mul_pd(PQx, dy), _mm_mul_pd(PQy, dx)));
    const __m128d den = roundToFloat(_mm_sub_pd(_mm_mul_pd(d1x, dy), _mm_mul_pd(d1y, dx)));
    const __m128d l2 = roundToFloat(_mm_add_pd(_mm_mul_pd(dx, dx), _mm_mul_pd(dy, dy)));
    const __m128d bound = _mm_mul_pd(_mm_set1_pd(static_cast<double>(PARALLEL_EPSILON) * l1), l2);
    const int crossing = _mm_movemask_pd(_mm_cmpgt_pd(_mm_mul_pd(den, den), bound));
    const __m128d t = roundToFloat(_mm_div_pd(num, den));
    const __m128d ox = _mm_add_pd(_mm_mul_pd(t, d1x), _mm_set1_pd(n1.point.x));
    const __m128d oy = _mm_add_pd(_mm_mul_pd(t, d1y), _mm_set1_pd(n1.point.y));
    // The last rounding is the store into the floats of O.
    alignas(16) double x[2];
    alignas(16) double y[2];
    _mm_store_pd(x, ox);
    _mm_store_pd(y, oy);
    for (int lane = 0; lane < 2; ++lane) {
        found[lane] = (crossing & (1 << lane)) != 0;
        O[lane] = Tacka(static_cast<float>(x[lane]), static_cast<float>(y[lane]));
    }
}
#endif

void addSides(const Tacka* pts, int i, int j, int k) {
    const Duz d1(pts[i], pts[j]);
    const Duz d2(pts[j], pts[k]);
    const Duz d3(pts[i], pts[k]);
    addSegment(d1, SIDE_COLOR);
    addSegment(d2, SIDE_COLOR);
    addSegment(d3, SIDE_COLOR);
}

}  // namespace

int hasPointInCircumcircle(Tacka P1, Tacka P2, Tacka P3, Tacka* pts, int n) {
    Columns c(pts, n);
    return testTriple(P1, P2, P3, pts, n, c);
}

void triangulate(Tacka* pts, int n) {
    // Every triple i < j < k in increasing lexicographic order, each tested
    // as hasPointInCircumcircle tests it, with the points as they are at
    // that moment (earlier nudges included).  The points' columns are built
    // once for the whole run.  For a pair (i, j) the triples (i, j, k) and
    // (i, j, k + 1) get their centres together; the second is used only if
    // the first test nudged nothing (a nudge may have moved pts[k + 1]), else
    // it is built again from the points as they are then.  pts[i] and pts[j]
    // never move while k runs: a test never nudges a point equal to one of
    // its vertices.
    Columns columns(pts, n);
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const Tacka P1 = pts[i];
            const Tacka P2 = pts[j];
#if defined(__SSE2__)
            const Prava n1 = bisector(P1, P2);
            const float l1 = n1.dir.squaredLength();
#endif
#if defined(__SSE2__)
            for (int k = j + 1; k < n; k += 2) {
                const int lanes = (k + 1 < n) ? 2 : 1;
                const Tacka Q[2] = {pts[k], pts[k + lanes - 1]};
                Tacka O[2];
                bool found[2];
                centresFromFirst(P1, n1, l1, Q, O, found);
                const long before = columns.nudges;
                for (int lane = 0; lane < lanes; ++lane) {
                    int result = 0;
                    if (found[lane] && columns.nudges == before) {
                        result = CircleTest(P1, P2, Q[lane], O[lane], P1).run(pts, n, columns);
                    } else {
                        result = testTriple(P1, P2, Tacka(pts[k + lane]), pts, n, columns);
                    }
                    if (result == 0) {
                        addSides(pts, i, j, k + lane);
                    }
                }
            }
#else
            for (int k = j + 1; k < n; ++k) {
                if (testTriple(P1, P2, Tacka(pts[k]), pts, n, columns) == 0) {
                    addSides(pts, i, j, k);
                }
            }
#endif
        }
    }
}

}  // namespace geometrija
