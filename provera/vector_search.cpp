// The blocks of cases that reach the steps the first release's cases left
// unexercised.  Each block draws candidates from an engine of its own and
// keeps those that the cause it aims at gets wrong, until it has enough or
// its attempts run out; new blocks go after the last, with a seed of their
// own, so that no published case moves.
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "provera/draw.h"
#include "provera/variants.h"

namespace geometrija {
namespace provera {
namespace detail {

namespace {

constexpr std::size_t WANTED = 8;  // cases a block keeps for its cause
constexpr int ATTEMPTS = 4000;     // candidates it draws at most
// The tangent of the tolerance's angle (its squared sine 1e-5), about 0.18
// degrees: sqrt(1e-5 / (1 - 1e-5)).
constexpr float EDGE = 0x1.9e7cf6p-9f;

using Make = std::function<Case(Draw&)>;

void block(std::vector<Case>& cases, std::uint32_t seed, Variant cause, const Make& make,
           int attempts = ATTEMPTS) {
    Draw d(seed);
    std::set<std::string> kept;
    for (int i = 0; i < attempts && kept.size() < WANTED; ++i) {
        const Case c = make(d);
        if (!agree(model(c, cause), fromLibrary(c)) && kept.insert(caseText(c)).second) {
            cases.push_back(c);
        }
    }
}

// A tangent near the tolerance's angle, low to high times it, either way.
// Every draw is a statement of its own: the order in which a compiler
// evaluates a call's arguments or an operator's operands is not fixed, and
// the cases must be the same whatever compiled them.
float nearEdge(Draw& d, float low, float high) {
    const float size = d.between(low, high);
    return EDGE * size * d.sign();
}

// (x, y) turned by the angle whose tangent is s, and scaled.
std::pair<float, float> turned(float x, float y, float s, float scale) {
    return {(x - s * y) * scale, (y + s * x) * scale};
}

// Two lines whose directions are near the tolerance's angle apart.
Case nearParallelLines(Draw& d) {
    const float dx = d.typed();
    const float dy = d.typed();
    const float scale = d.between(0.1f, 10.0f);
    const auto [ex, ey] = turned(dx, dy, nearEdge(d, 0.99999f, 1.00001f), scale);
    return withStart(Op::IntersectLines,
                     {d.typed(), d.typed(), dx, dy, d.typed(), d.typed(), ex, ey});
}

// Two segments crossing at their middles near the tolerance's angle.
Case nearParallelSegments(Draw& d) {
    const float ax = d.typed();
    const float ay = d.typed();
    const float px = d.typed();
    const float py = d.typed();
    const float scale = d.between(0.1f, 10.0f);
    const auto [qx, qy] = turned(px, py, nearEdge(d, 0.99999f, 1.00001f), scale);
    const float bx = ax + px / 2 - qx / 2;
    const float by = ay + py / 2 - qy / 2;
    return withStart(Op::IntersectSegments, {ax, ay, ax + px, ay + py, bx, by, bx + qx, by + qy});
}

// A triangle with an angle near the tolerance's at its first vertex.
std::vector<float> thinAtFirst(Draw& d, float low, float high) {
    const float ax = d.typed();
    const float ay = d.typed();
    const float ux = d.typed();
    const float uy = d.typed();
    const float scale = d.between(0.3f, 3);
    const auto [vx, vy] = turned(ux, uy, nearEdge(d, low, high), scale);
    return {ax, ay, ax + ux, ay + uy, ax + vx, ay + vy};
}

// A flat triangle with angles near the tolerance's at its first and second
// vertex (their sum above it): its centre comes from the third vertex.
std::vector<float> thinAtFirstTwo(Draw& d) {
    const float ax = d.typed();
    const float ay = d.typed();
    const float ux = d.typed();
    const float uy = d.typed();
    const float along = d.between(0.3f, 0.7f);
    const float h = nearEdge(d, 0.6f, 0.95f);
    const float first = along;
    const float second = 1 - along;
    // The apex over the base at `along`, its height making both base angles
    // thin: tangents h * min(first, second) / first and ... / second.
    const float lift = h * (first < second ? first : second);
    return {ax, ay, ax + ux, ay + uy, ax + along * ux - lift * uy, ay + along * uy + lift * ux};
}

Case circle(std::vector<float> in) {
    return withStart(Op::Circumcircle, std::move(in));
}

// A triple and points on or near its circle, as the library finds it, and
// the triple's own vertices' neighbours.
Case aroundCircle(Draw& d, const std::vector<float>& triple, int points) {
    Case c{Op::HasPointInCircumcircle, triple};
    const Answer k = fromLibrary(circle(triple));
    c.in.push_back(static_cast<float>(points));
    for (int i = 0; i < points; ++i) {
        const float t = d.between(-3, 3);
        const float n = 1 + t * t;
        const float r = k.code == 1 ? k.out[2] : 1.0f;
        c.in.push_back(k.out[0] + r * (1 - t * t) / n);
        c.in.push_back(k.out[1] + r * 2 * t / n);
    }
    return c;
}

// A triple on a circle of any size, the rational points of the seeded block.
std::vector<float> onCircle(Draw& d, float r) {
    const float cx = d.typed();
    const float cy = d.typed();
    std::vector<float> in;
    for (int i = 0; i < 3; ++i) {
        const float t = d.between(-3, 3);
        const float n = 1 + t * t;
        in.push_back(cx + r * (1 - t * t) / n);
        in.push_back(cy + r * 2 * t / n);
    }
    return in;
}

}  // namespace

void searchedBlocks(std::vector<Case>& cases) {
    using V = Variant;
    // The squared lengths' rounding decides a test at the tolerance's edge.
    // One candidate in a thousand or so is that close: more attempts.
    constexpr int CLOSE = 25 * ATTEMPTS;
    block(cases, 1001, V::LengthsUnrounded, nearParallelLines, CLOSE);
    block(cases, 1002, V::LengthsUnrounded, nearParallelSegments, CLOSE);
    block(
        cases, 1003, V::LengthsUnrounded,
        [](Draw& d) { return circle(thinAtFirst(d, 0.99999f, 1.00001f)); }, CLOSE);
    block(
        cases, 1004, V::LengthsUnrounded,
        [](Draw& d) { return aroundCircle(d, thinAtFirst(d, 0.99999f, 1.00001f), 3); }, CLOSE);
    // The circumcentre through its second and its third pair of bisectors.
    // Every seed is written out: none may change when the list of causes does.
    const std::pair<V, std::uint32_t> fallbacks[] = {
        {V::NoFallback, 1030}, {V::FallbackOrder, 1031}, {V::RadiusFromFirst, 1032}};
    for (const auto& [cause, seed] : fallbacks) {
        block(cases, seed, cause, [](Draw& d) { return circle(thinAtFirst(d, 0.3f, 0.9f)); });
        block(cases, seed + 100, cause, [](Draw& d) { return circle(thinAtFirstTwo(d)); });
        block(
            cases, seed + 200, cause,
            [](Draw& d) {
                const int points = static_cast<int>(d.word() % 3);
                const std::vector<float> triple =
                    d.word() % 2 ? thinAtFirst(d, 0.3f, 0.9f) : thinAtFirstTwo(d);
                return aroundCircle(d, triple, points);
            },
            5 * ATTEMPTS);
    }
    // Points near a circle of any size: each rounding of the centre and the
    // radius decides some of them.
    const std::pair<V, std::uint32_t> nearCircle[] = {{V::ParameterUnrounded, 1302},
                                                      {V::DifferencesUnrounded, 1305},
                                                      {V::DifferencesInFloat, 1308},
                                                      {V::ToleranceAbsolute, 1314},
                                                      {V::CrossUnrounded, 1301},
                                                      {V::SumUnrounded, 1303},
                                                      {V::Fused, 1307}};
    for (const auto& [cause, seed] : nearCircle) {
        block(cases, seed, cause, [](Draw& d) {
            const float r = d.word() % 2 ? d.between(0.5f, 50.0f) : d.between(1e-4f, 1e-2f);
            return aroundCircle(d, onCircle(d, r), 4);
        });
    }
    // The nudge x + 1e-6 in double and in float round apart for some x near
    // zero: a point there exactly on a circle about the origin.
    block(cases, 1400, V::NudgeInFloat, [](Draw& d) {
        const float r = static_cast<float>(1 + d.word() % 8);
        const float side = d.sign();
        const float x = side * d.between(1e-9f, 1e-7f);
        return Case{Op::HasPointInCircumcircle, {r, 0, -r, 0, 0, -r, 1, x, r}};
    });
    // The midpoint of two -0: (a + b) / 2 keeps the sign, a + (b - a) / 2 not.
    const auto small = [](Draw& d) {
        const std::uint32_t w = d.word() % 6;
        return w == 0 ? -0.0f : static_cast<float>(static_cast<int>(w) - 3);
    };
    block(cases, 1500, V::MidpointHalfDifference, [&small](Draw& d) {
        return withStart(Op::Bisector, {-0.0f, small(d), -0.0f, small(d)});
    });
    // A centre on a -0 midpoint: the right angle at the third vertex.
    block(cases, 1501, V::MidpointHalfDifference, [](Draw& d) {
        const auto whole = [&d] { return static_cast<float>(static_cast<int>(d.word() % 7) - 3); };
        return circle({-0.0f, whole(), -0.0f, whole(), whole(), whole()});
    });
    // Sums past float's range: a midpoint of two huge coordinates, which
    // the arithmetic in float makes infinite.
    const auto huge = [](Draw& d) {
        const float side = d.sign();
        return side * d.between(1.8e38f, 3.4e38f);
    };
    block(cases, 1510, V::FloatOnly, [&huge](Draw& d) {
        const float x = huge(d);
        return withStart(Op::Bisector, {x, d.typed(), x * d.between(0.6f, 1), d.typed()});
    });
    block(cases, 1511, V::FloatOnly, [&huge](Draw& d) {
        const float x = huge(d);
        return circle({x, d.typed(), x, d.typed(), x, d.typed()});
    });
    // Two or three equal vertices: zero directions, 0 against 0.
    block(cases, 1520, V::ToleranceNotStrict, [](Draw& d) {
        const float x = d.typed();
        const float y = d.typed();
        return circle({x, y, x, y, d.word() % 2 ? x : d.typed(), d.word() % 2 ? y : d.typed()});
    });
    // Segments meeting at an end: s or t exactly 0 or 1.
    block(cases, 1530, V::RangeStrict, [](Draw& d) {
        const float ax = d.typed();
        const float ay = d.typed();
        const float bx = d.typed();
        const float by = d.typed();
        return withStart(Op::IntersectSegments, {ax, ay, bx, by, bx, by, d.typed(), d.typed()});
    });
    // Collinear segments touching at an end, on a line with whole coordinates.
    block(cases, 1540, V::OverlapStrictness, [](Draw& d) {
        const auto whole = [&d] {
            return static_cast<float>(static_cast<int>(d.word() % 21) - 10);
        };
        const float px = whole();
        const float py = whole();
        const float ux = whole();
        const float uy = whole();
        const float t[3] = {whole(), whole(), whole()};
        const auto x = [&](float s) { return px + s * ux; };
        const auto y = [&](float s) { return py + s * uy; };
        return d.word() % 2
                   ? withStart(Op::IntersectSegments, {x(t[0]), y(t[0]), x(t[1]), y(t[1]), x(t[1]),
                                                       y(t[1]), x(t[2]), y(t[2])})
                   : withStart(Op::IntersectSegments, {x(t[0]), y(t[0]), x(t[1]), y(t[1]), x(t[2]),
                                                       y(t[2]), x(t[0]), y(t[0])});
    });
    // The parallel segments' second test, weighed by the other length.
    block(cases, 1550, V::SwappedWeight, [](Draw& d) {
        const float ax = d.typed();
        const float ay = d.typed();
        const float ux = d.typed();
        const float uy = d.typed();
        const float k = d.word() % 2 ? 1e-3f : 1e3f;
        const float off = d.between(-1e-2f, 1e-2f);
        return withStart(Op::IntersectSegments, {ax, ay, ax + ux, ay + uy, ax - uy * off,
                                                 ay + ux * off, ax + ux * k, ay + uy * k});
    });
    // A collinear triple with its third vertex near the first: the first
    // pair's 0 or 2 depends on the weight.
    block(cases, 1551, V::SwappedWeight, [](Draw& d) {
        const auto whole = [&d] {
            return static_cast<float>(static_cast<int>(d.word() % 21) - 10);
        };
        const float px = whole();
        const float py = whole();
        const float ux = whole();
        const float uy = whole();
        const float k = d.word() % 2 ? 1000.0f : -1000.0f;
        return circle({px, py, px + k * ux, py + k * uy, px + ux, py + uy});
    });
    // A distance whose sum of squares lies within a double's last bit of
    // the midpoint between two floats: whether dx * dx is rounded before dy *
    // dy is added decides the float.  dx has bits below a float's (a tiny
    // first x), and dy is chosen to bring the sum to the midpoint.
    block(
        cases, 1600, V::FusedInDouble,
        [](Draw& d) {
            const float bx = d.between(1, 2);
            const float ax = -d.between(1, 2) * 0x1p-25f;
            const double dx = static_cast<double>(bx) - ax;
            const double squared = dx * dx;
            const float near = static_cast<float>(squared);
            const double ulp = std::nextafter(near, 4.0f) - static_cast<double>(near);
            const double midpoint = static_cast<double>(near) + 1.5 * ulp;
            const float by = static_cast<float>(std::sqrt(midpoint - squared));
            return Case{Op::Distance, {ax, 0, bx, by}};
        },
        CLOSE);
}

}  // namespace detail
}  // namespace provera
}  // namespace geometrija
