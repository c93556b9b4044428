// The triangulation against the step-by-step formulas on many inputs
// (degenerate ones included), and the exact Delaunay triangulation of random
// point sets in general position.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <set>
#include <sstream>
#include <tuple>
#include <vector>

#include "app/point_file.h"
#include "app/scene_build.h"
#include "geometrija/scene.h"
#include "geometrija/triangulate.h"
#include "support/bits.h"
#include "support/fresh_scene.h"
#include "support/plain_triangulation.h"
#include "support/triangulate_test.h"

using namespace geometrija;
using support::listing;
using support::sameBits;
using support::sceneSides;
using support::TriangulateTest;

// ---- The same results as the step-by-step formulas -------------------------

namespace {

std::vector<Tacka> randomSet(std::mt19937& rng, int kind, int most) {
    auto uni = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    };
    const int n = std::uniform_int_distribution<int>(3, most)(rng);
    std::vector<Tacka> pts;
    switch (kind) {
        case 0:  // scattered
            for (int i = 0; i < n; ++i)
                pts.emplace_back(static_cast<float>(uni(-10, 10)),
                                 static_cast<float>(uni(-10, 10)));
            break;
        case 1: {  // a grid, many cells' corners exactly cocircular
            const int w = 2 + n % 6;
            const float step = static_cast<float>(std::vector<double>{1, 0.5, 3, 0.1, 7}[n % 5]);
            const float off = static_cast<float>(uni(-40, 20));
            for (int i = 0; i < n; ++i) pts.emplace_back(off + step * (i % w), step * (i / w));
            break;
        }
        case 2: {  // points on a circle
            const double r = uni(0.5, 20);
            for (int i = 0; i < n; ++i) {
                const double a = 2 * 3.141592653589793 * i / n;
                pts.emplace_back(static_cast<float>(r * std::cos(a)),
                                 static_cast<float>(r * std::sin(a)));
            }
            break;
        }
        case 3:  // duplicates and collinear runs
            for (int i = 0; i < n; ++i) {
                if (i > 0 && uni(0, 1) < 0.3) {
                    pts.push_back(pts[std::uniform_int_distribution<int>(0, i - 1)(rng)]);
                } else if (uni(0, 1) < 0.5) {
                    pts.emplace_back(static_cast<float>(std::floor(uni(-5, 5))), 2.0f);
                } else {
                    pts.emplace_back(static_cast<float>(std::floor(uni(-5, 5))),
                                     static_cast<float>(std::floor(uni(-5, 5))));
                }
            }
            break;
        case 4: {  // far out, tiny, or huge, where the shortcuts must step aside
            const double scale = std::vector<double>{1e3, 1e-18, 1e19, 1e-40, 3e38}[n % 5];
            for (int i = 0; i < n; ++i)
                pts.emplace_back(static_cast<float>(uni(-1, 1) * scale),
                                 static_cast<float>(uni(-1, 1) * scale));
            break;
        }
        default: {  // thin triangles and NaN
            for (int i = 0; i < n; ++i)
                pts.emplace_back(static_cast<float>(uni(-20, 20)),
                                 static_cast<float>(uni(-0.01, 0.01)));
            if (n % 7 == 0) pts[n / 2].y = std::nanf("");
            break;
        }
    }
    return pts;
}

}  // namespace

TEST_F(TriangulateTest, TheSameSegmentsAndNudgesAsTheStepByStepFormulas) {
    std::mt19937 rng(1208);
    int nudgedSets = 0;
    for (int set = 0; set < 3000; ++set) {
        support::freshScene();
        std::vector<Tacka> pts = randomSet(rng, set % 6, set % 10 == 9 ? 99 : 40);
        const std::vector<Tacka> input = pts;
        std::vector<Tacka> plain = pts;
        std::vector<Krug> expectedCircles;
        const std::vector<Duz> expected = support::plainTriangulation(
            plain.data(), static_cast<int>(plain.size()), &expectedCircles);
        // Each accepted triple, named as it is accepted, has the library's
        // circumcircle of its points then: the circle the test found empty.
        std::vector<Krug> circles;
        triangulate(pts.data(), static_cast<int>(pts.size()), [&](int i, int j, int k) {
            Krug c;
            c.radius = -1;
            EXPECT_EQ(
                circumcircle(pts[static_cast<std::size_t>(i)], pts[static_cast<std::size_t>(j)],
                             pts[static_cast<std::size_t>(k)], &c),
                1);
            circles.push_back(c);
        });
        const auto got = sceneSides();
        ASSERT_EQ(got.size(), expected.size()) << listing(input);
        ASSERT_EQ(circles.size() * 3, got.size()) << listing(input);
        for (std::size_t i = 0; i < circles.size(); ++i) {
            ASSERT_TRUE(sameBits(circles[i].center, expectedCircles[i].center) &&
                        sameBits(circles[i].radius, expectedCircles[i].radius))
                << "circle " << i << " of " << listing(input);
        }
        for (std::size_t i = 0; i < got.size(); ++i) {
            ASSERT_TRUE(sameBits(got[i].start, expected[i].start) &&
                        sameBits(got[i].end, expected[i].end))
                << "side " << i << " of " << listing(input);
        }
        bool nudged = false;
        for (std::size_t i = 0; i < pts.size(); ++i) {
            ASSERT_TRUE(sameBits(pts[i], plain[i])) << "point " << i << " of " << listing(input);
            nudged = nudged || !sameBits(pts[i], input[i]);
        }
        nudgedSets += nudged ? 1 : 0;
    }
    // The degenerate kinds do reach the nudge.
    EXPECT_GT(nudgedSets, 100);
}

TEST(HasPointInCircumcircle, EachTriplesVerdictAndNudgesAsTheStepByStepFormulas) {
    // Every triple in its own order, P1, P2, P3 as given: the centre is
    // built from P1's bisectors, so another order may round differently.
    std::mt19937 rng(2612);
    for (int set = 0; set < 240; ++set) {
        std::vector<Tacka> pts = randomSet(rng, set % 6, 14);
        const std::vector<Tacka> input = pts;
        std::vector<Tacka> plain = pts;
        const int n = static_cast<int>(pts.size());
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                for (int k = 0; k < n; ++k) {
                    if (i == j || j == k || i == k) continue;
                    const int got = hasPointInCircumcircle(pts[i], pts[j], pts[k], pts.data(), n);
                    const int want =
                        support::plainTest(plain[i], plain[j], plain[k], plain.data(), n);
                    ASSERT_EQ(got, want) << i << " " << j << " " << k << " of " << listing(input);
                }
            }
        }
        for (int t = 0; t < n; ++t) {
            ASSERT_TRUE(sameBits(pts[t], plain[t])) << "point " << t << " of " << listing(input);
        }
    }
}

// ---- The exact Delaunay triangulation --------------------------------------

namespace {

__extension__ typedef __int128 Big;

// Points with integer coordinates (the float coordinate times 64).
struct P64 {
    long long x, y;
};

Big orient(const P64& a, const P64& b, const P64& c) {
    return static_cast<Big>(b.x - a.x) * (c.y - a.y) - static_cast<Big>(b.y - a.y) * (c.x - a.x);
}

// > 0 when d is inside the circle through a, b, c (counter-clockwise).
Big incircle(const P64& a, const P64& b, const P64& c, const P64& d) {
    const Big adx = a.x - d.x, ady = a.y - d.y;
    const Big bdx = b.x - d.x, bdy = b.y - d.y;
    const Big cdx = c.x - d.x, cdy = c.y - d.y;
    const Big al = adx * adx + ady * ady, bl = bdx * bdx + bdy * bdy, cl = cdx * cdx + cdy * cdy;
    return adx * (bdy * cl - bl * cdy) - ady * (bdx * cl - bl * cdx) + al * (bdx * cdy - bdy * cdx);
}

// How far d is from the circle through a, b, c, relative to its radius,
// computed in long double from the exact data: |dist - r| / r.
long double relativeGap(const P64& a, const P64& b, const P64& c, const P64& d) {
    const long double bx = b.x - a.x, by = b.y - a.y, cx = c.x - a.x, cy = c.y - a.y;
    const long double den = 2 * (bx * cy - by * cx);
    const long double ux = (cy * (bx * bx + by * by) - by * (cx * cx + cy * cy)) / den;
    const long double uy = (bx * (cx * cx + cy * cy) - cx * (bx * bx + by * by)) / den;
    const long double r = std::sqrt(ux * ux + uy * uy);
    const long double dx = d.x - a.x - ux, dy = d.y - a.y - uy;
    return std::fabs(std::sqrt(dx * dx + dy * dy) - r) / r;
}

// The squared sine of the angle at a between ab and ac.  The two bisectors
// built from a meet at the same angle, so this is what the parallel tolerance
// of the circumcentre's construction from a sees.
long double sine2(const P64& a, const P64& b, const P64& c) {
    const long double o = static_cast<long double>(orient(a, b, c));
    const long double lb = static_cast<long double>(b.x - a.x) * (b.x - a.x) +
                           static_cast<long double>(b.y - a.y) * (b.y - a.y);
    const long double lc = static_cast<long double>(c.x - a.x) * (c.x - a.x) +
                           static_cast<long double>(c.y - a.y) * (c.y - a.y);
    return o * o / (lb * lc);
}

// The triangles that the program must accept: the Delaunay triangles
// (i < j < k) whose circle the construction finds, that is with a vertex, in
// the order i, j, k, whose angle is over the tolerance (sin^2 > 1e-5).  False
// when the set is not in general position for float arithmetic: four points
// exactly cocircular, a point too near the circle of an otherwise empty
// triangle (closer than the construction's rounding can be trusted, which
// grows as the angle at its vertex shrinks), or an angle too near the
// tolerance.
bool delaunay(const std::vector<P64>& p, std::set<std::tuple<int, int, int>>& out) {
    const int n = static_cast<int>(p.size());
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            for (int k = j + 1; k < n; ++k) {
                const Big o = orient(p[i], p[j], p[k]);
                if (o == 0) {
                    continue;
                }
                // The vertex the construction starts at: the first, in the order
                // i, j, k, whose angle is over the tolerance.
                const long double s2[3] = {sine2(p[i], p[j], p[k]), sine2(p[j], p[k], p[i]),
                                           sine2(p[k], p[i], p[j])};
                int from = 0;
                while (from < 3 && !(s2[from] > 1e-5L)) ++from;
                const long double gap = from < 3 ? 1e-6L / std::sqrt(s2[from]) : 1e-6L;
                bool inside = false;
                bool close = false;
                for (int t = 0; t < n && !inside; ++t) {
                    if (t == i || t == j || t == k) continue;
                    const Big c = incircle(p[i], p[j], p[k], p[t]) * (o > 0 ? 1 : -1);
                    if (c == 0) return false;  // exactly cocircular
                    if (relativeGap(p[i], p[j], p[k], p[t]) < gap) {
                        close = true;
                    } else {
                        inside = c > 0;
                    }
                }
                if (inside) continue;
                if (close) return false;
                for (int v = 0; v <= from && v < 3; ++v) {
                    if (s2[v] > 0.8e-5L && s2[v] < 1.2e-5L) return false;
                }
                if (from < 3) out.emplace(i, j, k);
            }
        }
    }
    return true;
}

}  // namespace

TEST_F(TriangulateTest, RandomSetsGiveTheExactDelaunayTriangulation) {
    std::mt19937 rng(64);
    int checked = 0;
    long totalPoints = 0;
    for (int attempt = 0; attempt < 1000 && checked < 300; ++attempt) {
        const int n =
            attempt < 40 ? 3 + attempt % 8 : std::uniform_int_distribution<int>(3, 99)(rng);
        std::vector<P64> exact;
        std::vector<Tacka> pts;
        std::set<std::pair<long long, long long>> seen;
        while (static_cast<int>(pts.size()) < n) {
            // Multiples of 1/64 in [-10, 10]: floats hold them exactly.
            const P64 q{std::uniform_int_distribution<long long>(-640, 640)(rng),
                        std::uniform_int_distribution<long long>(-640, 640)(rng)};
            if (!seen.insert({q.x, q.y}).second) continue;
            exact.push_back(q);
            pts.emplace_back(static_cast<float>(q.x / 64.0), static_cast<float>(q.y / 64.0));
        }
        std::set<std::tuple<int, int, int>> expected;
        if (!delaunay(exact, expected)) {
            continue;  // not in general position
        }
        ++checked;
        totalPoints += n;
        support::freshScene();
        std::vector<Tacka> work = pts;
        triangulate(work.data(), n);
        // Read the accepted triangles back from the sides, three at a time.
        std::set<std::tuple<int, int, int>> got;
        auto index = [&](const Tacka& t) {
            for (int i = 0; i < n; ++i) {
                if (pts[i].x == t.x && pts[i].y == t.y) return i;
            }
            return -1;
        };
        const auto s = sceneSides();
        ASSERT_EQ(s.size() % 3, 0u);
        for (std::size_t e = 0; e < s.size(); e += 3) {
            got.emplace(index(s[e].start), index(s[e].end), index(s[e + 1].end));
        }
        std::ostringstream diff;
        for (const auto& t : got) {
            if (!expected.count(t))
                diff << " extra (" << std::get<0>(t) << "," << std::get<1>(t) << ","
                     << std::get<2>(t) << ")";
        }
        for (const auto& t : expected) {
            if (!got.count(t))
                diff << " missing (" << std::get<0>(t) << "," << std::get<1>(t) << ","
                     << std::get<2>(t) << ")";
        }
        ASSERT_TRUE(got == expected) << diff.str() << "\n" << listing(pts);
    }
    EXPECT_GE(checked, 250);
    RecordProperty("sets", checked);
    RecordProperty("points", static_cast<int>(totalPoints));
    std::printf("exact Delaunay: %d sets, %ld points\n", checked, totalPoints);
}
