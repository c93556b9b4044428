// Intersections, distance and the perpendicular constructions: the cases with
// hand-derived results, then properties over many seeded random inputs.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <sstream>

#include "geometrija/intersect.h"
#include "geometrija/scene.h"
#include "support/bits.h"
#include "support/fresh_scene.h"

using namespace geometrija;

namespace {

Prava line(float px, float py, float dx, float dy) {
    return Prava(Tacka(px, py), Tacka(dx, dy));
}
Duz seg(float ax, float ay, float bx, float by) {
    return Duz(Tacka(ax, ay), Tacka(bx, by));
}

// A result point that no routine would produce, to see whether it was touched.
Tacka sentinel() {
    Tacka t(-12345.5f, 777.25f);
    t.color = 42;
    return t;
}

// The result point as the caller gave it: every bit and the colour code.
bool untouched(const Tacka& r) {
    return support::sameBits(r, sentinel()) && r.color == sentinel().color;
}

std::string hex(float v) {
    std::ostringstream s;
    s << std::hexfloat << v;
    return s.str();
}

std::string describe(const Tacka& a, const Tacka& b, const Tacka& c, const Tacka& d) {
    return "(" + hex(a.x) + "," + hex(a.y) + ") (" + hex(b.x) + "," + hex(b.y) + ") (" + hex(c.x) +
           "," + hex(c.y) + ") (" + hex(d.x) + "," + hex(d.y) + ")";
}

struct Expect {
    int code;
    float x, y;
};

// Runs an intersection routine on a result point it must not touch but for
// x and y, and only on code 1.
template <class T>
void expectIntersection(int (*routine)(T, T, Tacka*), const T& a, const T& b, Expect e,
                        const std::string& input) {
    Tacka r = sentinel();
    const int code = routine(a, b, &r);
    EXPECT_EQ(code, e.code) << input;
    if (code == 1) {
        EXPECT_EQ(r.x, e.x) << input;
        EXPECT_EQ(r.y, e.y) << input;
        EXPECT_EQ(r.color, 42);
    } else {
        EXPECT_TRUE(untouched(r)) << input;
    }
}

void expectLines(const Prava& a, const Prava& b, Expect e) {
    expectIntersection(intersectLines, a, b, e, describe(a.point, a.dir, b.point, b.dir));
}

void expectSegments(const Duz& a, const Duz& b, Expect e) {
    expectIntersection(intersectSegments, a, b, e, describe(a.start, a.end, b.start, b.end));
}

}  // namespace

TEST(IntersectLines, CrossingParallelAndTheSameLine) {
    expectLines(line(0, 0, 1, 0), line(2, -1, 0, 1), {1, 2, 0});
    expectLines(line(0, 0, 1, 0), line(0, 1, 2, 0), {0, 0, 0});
    expectLines(line(0, 0, 1, 0), line(5, 0, 3, 0), {2, 0, 0});
}

TEST(IntersectLines, TheParallelThresholdIsAboutAFifthOfADegree) {
    // sin^2 of the angle: 9e-6 is under 1e-5 (parallel), 1.6e-5 is over.
    expectLines(line(0, 0, 1, 0), line(0, 1, 1, 0.003f), {0, 0, 0});
    expectLines(line(0, 0, 1, 0), line(0, 1, 1, 0.004f), {1, -249.99998f, 0});
    // Right at the threshold, the tolerance's product must stay in double:
    // with eps * |d1|^2 rounded to float these directions would cross.
    expectLines(line(0, 0, 0x1.d4ba56p+1f, -0x1.a5b438p+2f),
                line(0, 1, 0x1.2a5a94p-3f, -0x1.0a6f3ap-2f), {0, 0, 0});
}

TEST(IntersectLines, TheZeroOrTwoDecisionIsAngularAndWeightedByTheFirstLength) {
    // The same direction through points 0.01 apart: seen steeply apart (0),
    // or nearly along the line from 1000 units away (2).
    expectLines(line(0, 0, 1, 0), line(0, 0.01f, 1, 0), {0, 0, 0});
    expectLines(line(0, 0, 1, 0), line(1000, 0.01f, 1, 0), {2, 0, 0});
    // num is formed with the second direction, weighed with the first's length.
    expectLines(line(0, 0, 1000, 0), line(0, 0.0001f, 1, 0), {2, 0, 0});
    expectLines(line(0, 0, 1, 0), line(0, 0.0001f, 1000, 0), {0, 0, 0});
}

TEST(IntersectLines, ZeroDirections) {
    // A zero first direction: 0 when PQ x d2 is non-zero, 2 when it is zero.
    expectLines(line(0, 0, 0, 0), line(0, 1, 1, 0), {0, 0, 0});
    expectLines(line(0, 0, 0, 0), line(3, 0, 1, 0), {2, 0, 0});
    // A zero second direction always gives 2: num is 0 then.
    expectLines(line(0, 0, 1, 0), line(0, 5, 0, 0), {2, 0, 0});
    expectLines(line(0, 0, 0, 0), line(7, 9, 0, 0), {2, 0, 0});
}

TEST(IntersectLines, NanFailsEveryTest) {
    const float nan = std::nanf("");
    // The crossing test fails, then the 0 test fails too: 2, untouched.
    expectLines(line(0, 0, nan, 0), line(0, 1, 0, 1), {2, 0, 0});
    // A NaN point with crossing directions: code 1, the NaN carried into x only.
    Tacka r = sentinel();
    EXPECT_EQ(intersectLines(line(nan, 0, 1, 0), line(0, 1, 0, 1), &r), 1);
    EXPECT_TRUE(std::isnan(r.x));
    EXPECT_TRUE(std::isnan(r.y));  // t = num / den is NaN as well
    EXPECT_EQ(r.color, 42);
}

TEST(IntersectSegments, CrossingAndTouching) {
    expectSegments(seg(0, 0, 2, 2), seg(0, 2, 2, 0), {1, 1, 1});
    expectSegments(seg(0, 0, 2, 0), seg(1, 0, 1, 2), {1, 1, 0});
    expectSegments(seg(0, 0, 2, 0), seg(2, 0, 3, 1), {1, 2, 0});  // both ends included
    // A segment that ends on the other, at s = 1 and, mirrored, at t = 1.
    expectSegments(seg(0, 0, 2, 0), seg(1, 1, 1, 0), {1, 1, 0});
    expectSegments(seg(1, 1, 1, 0), seg(0, 0, 2, 0), {1, 1, 0});
    expectSegments(seg(0, 0, 1, 1), seg(3, 0, 2, 1), {0, 0, 0});  // lines cross outside
    expectSegments(seg(0, 0, 2, 0), seg(0, 1, 2, 1), {0, 0, 0});  // distinct parallel lines
}

TEST(IntersectSegments, CollinearSegmentsAreComparedByTheirExtents) {
    expectSegments(seg(0, 0, 2, 0), seg(1, 0, 3, 0), {2, 0, 0});
    expectSegments(seg(0, 0, 1, 0), seg(2, 0, 3, 0), {0, 0, 0});
    expectSegments(seg(0, 0, 4, 0), seg(1, 0, 2, 0), {2, 0, 0});   // containing
    expectSegments(seg(1, 0, 2, 0), seg(0, 0, 4, 0), {2, 0, 0});   // contained
    expectSegments(seg(2, 0, 0, 0), seg(3, 0, 1, 0), {2, 0, 0});   // reversed ends
    expectSegments(seg(2, 0, 0, 0), seg(-2, 0, 1, 0), {2, 0, 0});  // first reversed, overlapping
    expectSegments(seg(3, 0, 4, 0), seg(0, 0, 1, 0), {0, 0, 0});   // second wholly before
}

TEST(IntersectSegments, SharedEndpointsAreAsymmetric) {
    expectSegments(seg(0, 0, 1, 0), seg(1, 0, 2, 0), {0, 0, 0});
    expectSegments(seg(1, 0, 2, 0), seg(0, 0, 1, 0), {2, 0, 0});
}

TEST(IntersectSegments, VerticalAndZeroLengthSegmentsAreComparedAlongY) {
    expectSegments(seg(0, 0, 0, 2), seg(0, 1, 0, 3), {2, 0, 0});
    expectSegments(seg(0, 0, 0, 1), seg(0, 2, 0, 3), {0, 0, 0});
    expectSegments(seg(5, 5, 5, 5), seg(0, 0, 10, 0), {0, 0, 0});
    expectSegments(seg(5, 5, 5, 5), seg(0, 0, 0, 10), {2, 0, 0});
    expectSegments(seg(0, 0, 2, 0), seg(1, 0, 1, 0), {2, 0, 0});
}

TEST(Distance, ExactValuesAndSymmetry) {
    EXPECT_EQ(distance(Tacka(0, 0), Tacka(3, 4)), 5);
    EXPECT_EQ(distance(Tacka(1.5f, -2), Tacka(1.5f, -2)), 0);
    Tacka a(1, 1);
    a.color = 3;
    EXPECT_EQ(distance(a, Tacka(4, 5)), 5);  // colours play no part
    // Pinned values, checked apart from this code, each of which one wrong
    // rounding would change by an ulp.
    struct Pin {
        Tacka a, b;
        float d;
    };
    const Pin pins[] = {
        // The sum of squares is rounded to float before the root (a root of
        // the double sum gives 0x1.3ff17p+2).
        {Tacka(0x1.45fe44p+2f, -0x1.59987ap+0f), Tacka(0x1.caf5dcp+2f, -0x1.796726p+2f),
         0x1.3ff172p+2f},
        // The differences stay in double (rounded to float they give
        // 0x1.e7c4c6p+3).
        {Tacka(0x1.11af9p+3f, -0x1.71c29p+3f), Tacka(0x1.a8754ap+3f, 0x1.787c54p+1f),
         0x1.e7c4c8p+3f},
    };
    for (const Pin& p : pins) {
        EXPECT_TRUE(support::sameBits(distance(p.a, p.b), p.d)) << hex(distance(p.a, p.b));
        EXPECT_TRUE(support::sameBits(distance(p.b, p.a), p.d));
    }
}

TEST(Constructions, NormalTurnsTheDirectionAQuarterAndKeepsTheResultsColours) {
    support::freshScene();
    Prava r;
    r.color = 4;
    r.dir.color = 6;
    addNormal(Tacka(1, 2), line(9, 9, 3, 4), &r);
    EXPECT_EQ(r.point.x, 1);
    EXPECT_EQ(r.point.y, 2);
    EXPECT_EQ(r.dir.x, -4);
    EXPECT_EQ(r.dir.y, 3);
    EXPECT_EQ(r.color, 4);
    EXPECT_EQ(r.dir.color, 6);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines.back().color, 7);
    EXPECT_EQ(lines.back().dir.x, -4);
    EXPECT_TRUE(points.empty());
    EXPECT_EQ(minCorner.x, 1024);  // lines leave the box alone
    EXPECT_EQ(maxCorner.x, 0);
}

TEST(Constructions, BisectorAddsTheBlueMidpointThenThePurpleLine) {
    support::freshScene();
    Prava r;
    addBisector(Tacka(1, 1), Tacka(3, 2), &r);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points.front().x, 2);
    EXPECT_EQ(points.front().y, 1.5f);
    EXPECT_EQ(points.front().color, 2);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines.front().point.x, 2);
    EXPECT_EQ(lines.front().point.y, 1.5f);
    EXPECT_EQ(lines.front().dir.x, -1);
    EXPECT_EQ(lines.front().dir.y, 2);
    EXPECT_EQ(lines.front().color, 7);
    EXPECT_EQ(r.dir.x, -1);
    // The box grows by the midpoint only.
    EXPECT_EQ(minCorner.x, 2);
    EXPECT_EQ(minCorner.y, 1.5f);
    EXPECT_EQ(maxCorner.x, 2);
    EXPECT_EQ(maxCorner.y, 1.5f);
}

// ---- Properties over seeded random inputs --------------------------------

namespace {

constexpr double FLOAT_EPS = 1.0 / (1 << 24);  // half an ulp of 1 in float

// Kinds of input: ordinary small coordinates, tiny and huge magnitudes, exact
// duplicates and near-parallel directions.
class Inputs {
public:
    explicit Inputs(unsigned seed) : rng_(seed) {}

    float coordinate(double scale) { return static_cast<float>(uniform(-scale, scale)); }

    double uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // Two lines (or their endpoints) of one of the kinds.  Returns false for
    // coordinates so tiny that float products underflow into subnormals,
    // where no bound relative to the magnitudes holds.
    bool pair(Tacka& p1, Tacka& d1, Tacka& p2, Tacka& d2) {
        const double scales[] = {10, 1e-15, 1e15, 1, 1e-21};
        const double s = scales[pick(5)];
        p1 = Tacka(coordinate(s), coordinate(s));
        d1 = Tacka(coordinate(s), coordinate(s));
        p2 = Tacka(coordinate(s), coordinate(s));
        d2 = Tacka(coordinate(s), coordinate(s));
        switch (pick(5)) {
            case 0:  // exact duplicates
                p2 = p1;
                d2 = d1;
                break;
            case 1: {  // near-parallel: d1 turned by a tiny angle, rescaled
                const double a = uniform(-0.01, 0.01);
                const double k = uniform(0.1, 10);
                d2 = Tacka(static_cast<float>(k * (d1.x * std::cos(a) - d1.y * std::sin(a))),
                           static_cast<float>(k * (d1.x * std::sin(a) + d1.y * std::cos(a))));
                break;
            }
            case 2:  // the second point on the first line, roughly
                p2 = Tacka(static_cast<float>(p1.x + 0.5 * d1.x),
                           static_cast<float>(p1.y + 0.5 * d1.y));
                break;
            default:
                break;
        }
        return s > 1e-18;
    }

private:
    std::mt19937 rng_;
};

long double crossL(long double ux, long double uy, long double vx, long double vy) {
    return ux * vy - uy * vx;
}

// Distance of (x, y) from the line through p with direction d, in long double.
long double offLine(long double x, long double y, const Tacka& p, const Tacka& d) {
    const long double len =
        std::sqrt(static_cast<long double>(d.x) * d.x + static_cast<long double>(d.y) * d.y);
    return std::fabs(crossL(x - p.x, y - p.y, d.x, d.y)) / len;
}

long double mag(const Tacka& t) {
    return std::fabs(static_cast<long double>(t.x)) + std::fabs(static_cast<long double>(t.y));
}

// Runs 200000 seeded random inputs of every kind (see Inputs) through an
// intersection routine with a sentinel result.  Checks what holds for every
// call (the code is 0, 1 or 2; on 1 the colour stays, on 0 and 2 the whole
// result) and hands each case to `check`, which asserts the routine's own
// properties.  Gives how often each code came.
template <class Call, class Check>
std::array<int, 3> randomIntersections(unsigned seed, Call call, Check check) {
    Inputs in(seed);
    std::array<int, 3> counts{};
    for (int i = 0; i < 200000; ++i) {
        Tacka a, b, c, d;
        const bool normal = in.pair(a, b, c, d);
        Tacka r = sentinel();
        const int code = call(a, b, c, d, &r);
        const std::string input = describe(a, b, c, d);
        EXPECT_TRUE(code >= 0 && code <= 2) << input;
        if (code < 0 || code > 2) {
            break;
        }
        ++counts[code];
        if (code == 1) {
            EXPECT_EQ(r.color, 42) << input;
        } else {
            EXPECT_TRUE(untouched(r)) << input;
        }
        check(code, normal, a, b, c, d, r, input);
        if (::testing::Test::HasFailure()) {
            break;
        }
    }
    return counts;
}

}  // namespace

TEST(IntersectProperties, LinesPointsLieOnBothAndTwoOnlyForOneCarrier) {
    const auto call = [](Tacka p1, Tacka d1, Tacka p2, Tacka d2, Tacka* r) {
        return intersectLines(Prava(p1, d1), Prava(p2, d2), r);
    };
    const auto check = [](int code, bool normal, const Tacka& p1, const Tacka& d1, const Tacka& p2,
                          const Tacka& d2, const Tacka& r, const std::string& input) {
        if (code == 1 && normal) {
            // Every rounding is relative to the magnitudes involved: bound the
            // error by a few float ulps of their sum.
            const long double t = (static_cast<long double>(r.x) - p1.x) / (d1.x != 0 ? d1.x : 1);
            const long double size =
                mag(p1) + mag(p2) + mag(Tacka(r.x, r.y)) + std::fabs(t) * mag(d1);
            const long double bound = 16 * FLOAT_EPS * size;
            ASSERT_LE(offLine(r.x, r.y, p1, d1), bound) << input;
            ASSERT_LE(offLine(r.x, r.y, p2, d2), bound) << input;
        }
        if (code == 2) {
            // The directions are parallel within the tolerance, and the second
            // point is seen along the carrier from the first (weighted by the
            // ratio of the directions' lengths, as the test is built).
            const long double l1 =
                static_cast<long double>(d1.x) * d1.x + static_cast<long double>(d1.y) * d1.y;
            const long double l2 =
                static_cast<long double>(d2.x) * d2.x + static_cast<long double>(d2.y) * d2.y;
            const long double c = crossL(d1.x, d1.y, d2.x, d2.y);
            ASSERT_LE(c * c, 1.001e-5L * l1 * l2 + 1e-60L) << input;
            const long double qx = static_cast<long double>(p2.x) - p1.x;
            const long double qy = static_cast<long double>(p2.y) - p1.y;
            const long double n = crossL(qx, qy, d2.x, d2.y);
            ASSERT_LE(n * n, 1.001e-5L * l1 * (qx * qx + qy * qy) + 1e-60L) << input;
        }
    };
    const std::array<int, 3> counts = randomIntersections(20261208, call, check);
    // Every kind of result was reached.
    EXPECT_GT(counts[0], 1000);
    EXPECT_GT(counts[1], 1000);
    EXPECT_GT(counts[2], 1000);
}

TEST(IntersectProperties, SegmentPointsLieInsideBothSegments) {
    const auto call = [](Tacka a0, Tacka a1, Tacka b0, Tacka b1, Tacka* r) {
        return intersectSegments(Duz(a0, a1), Duz(b0, b1), r);
    };
    const auto check = [](int code, bool normal, const Tacka& a0, const Tacka& a1, const Tacka& b0,
                          const Tacka& b1, const Tacka& r, const std::string& input) {
        if (code == 2) {
            // Collinear within the tolerance: both the segments' directions
            // and the step from a0 to b0 lie along the first segment.
            const long double px = static_cast<long double>(a1.x) - a0.x;
            const long double py = static_cast<long double>(a1.y) - a0.y;
            const long double qx = static_cast<long double>(b1.x) - b0.x;
            const long double qy = static_cast<long double>(b1.y) - b0.y;
            const long double sx = static_cast<long double>(b0.x) - a0.x;
            const long double sy = static_cast<long double>(b0.y) - a0.y;
            const long double lp = px * px + py * py;
            const long double c = crossL(px, py, qx, qy);
            const long double e = crossL(sx, sy, px, py);
            ASSERT_LE(c * c, 1.001e-5L * lp * (qx * qx + qy * qy) + 1e-60L) << input;
            ASSERT_LE(e * e, 1.001e-5L * lp * (sx * sx + sy * sy) + 1e-60L) << input;
        }
        if (code != 1 || !normal) {
            return;
        }
        const Tacka p(a1.x - a0.x, a1.y - a0.y);
        const Tacka q(b1.x - b0.x, b1.y - b0.y);
        const long double size = mag(a0) + mag(a1) + mag(b0) + mag(b1);
        const long double bound = 16 * FLOAT_EPS * size;
        ASSERT_LE(offLine(r.x, r.y, a0, p), bound) << input;
        ASSERT_LE(offLine(r.x, r.y, b0, q), bound) << input;
        // Inside each segment's box, within the same bound.
        for (const Duz& s : {Duz(a0, a1), Duz(b0, b1)}) {
            ASSERT_GE(r.x, std::fmin(s.start.x, s.end.x) - bound) << input;
            ASSERT_LE(r.x, std::fmax(s.start.x, s.end.x) + bound) << input;
            ASSERT_GE(r.y, std::fmin(s.start.y, s.end.y) - bound) << input;
            ASSERT_LE(r.y, std::fmax(s.start.y, s.end.y) + bound) << input;
        }
    };
    const std::array<int, 3> counts = randomIntersections(4242, call, check);
    EXPECT_GT(counts[0], 1000);
    EXPECT_GT(counts[1], 1000);
    EXPECT_GT(counts[2], 100);
}
