// The toolkit's test vectors: the documented edge cases, then seeded random
// ones, every value made the same way on every platform.
#include "provera/vector_set.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <vector>

#include "provera/draw.h"

namespace geometrija {
namespace provera {

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float INF = std::numeric_limits<float>::infinity();
using detail::TINY;

std::vector<Case> cases;

void add(Op op, std::initializer_list<float> in) {
    cases.push_back(detail::withStart(op, in));
}

// The edge cases of the toolkit's documentation.
void edges() {
    // distance: zero, -0, the overflow of the sum of squares, subnormals.
    for (const auto& [ax, ay, bx, by] :
         std::vector<std::array<float, 4>>{{0, 0, 3, 4},
                                           {1, 1, 1, 1},
                                           {-0.0f, 0, 0, -0.0f},
                                           {0, 0, 2e19f, 0},
                                           {-1e19f, 0, 1e19f, 0},
                                           {0, 0, TINY, 0},
                                           {0, 0, 3 * TINY, 4 * TINY},
                                           {0, 0, 1e-20f, 1e-20f},
                                           {NaN, 0, 1, 1},
                                           {INF, 0, 0, 0},
                                           {INF, 0, INF, 0},
                                           {0.1f, 0.2f, 0.3f, 0.4f},
                                           {1e-3f, 0, 0, 1e-3f},
                                           {3.4e38f, 0, -3.4e38f, 0}}) {
        add(Op::Distance, {ax, ay, bx, by});
    }
    // The parallel threshold: the squared sine of the angle between the
    // directions against 1e-5, for directions of several lengths.
    const float edge = std::sqrt(1e-5f);
    for (const float length : {1e-3f, 1.0f, 7.0f, 1e3f}) {
        for (int step = -4; step <= 4; ++step) {
            const float s = edge * (1 + static_cast<float>(step) * 1e-7f) * length;
            add(Op::IntersectLines, {0, 0, length, 0, 1, 1, length, s});
            add(Op::IntersectLines, {0, 0, length, 0, 0, 1, length, -s});
            add(Op::IntersectSegments, {0, 0, length, 0, 0, -s, length, s});
        }
    }
    // Parallel lines whose directions differ in length: the second test
    // weighs the cross product by the first direction's length.
    for (const float ratio : {1e-4f, 2e-3f, 3e-3f, 3.2e-3f, 4e-3f, 0.1f, 1.0f, 10.0f, 300.0f}) {
        add(Op::IntersectLines, {0, 0, 1, 0, 0, 1, ratio, 0});
        add(Op::IntersectLines, {0, 0, ratio, 0, 0, 1, 1, 0});
        add(Op::IntersectLines, {0, 0, 1, 1, 0, 0.01f, ratio, ratio});
    }
    // The same line, opposite directions, a zero direction, NaN, infinity.
    for (const auto& l : std::vector<std::array<float, 8>>{{0, 0, 1, 2, 2, 4, -3, -6},
                                                           {0, 0, 0, 0, 1, 1, 1, 0},
                                                           {0, 0, 0, 0, 0, 0, 0, 0},
                                                           {NaN, 0, 1, 0, 0, 0, 0, 1},
                                                           {0, 0, NaN, 0, 0, 0, 0, 1},
                                                           {0, 0, INF, 0, 0, 0, 0, 1},
                                                           {0, 0, 1, 0, INF, 0, 0, 1},
                                                           {0, 0, 2e19f, 0, 0, 0, 0, 2e19f},
                                                           {1, 1, TINY, 0, 0, 0, 0, TINY},
                                                           {0, 0, 1, 1, 1, 0, -1, 1}}) {
        add(Op::IntersectLines, {l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7]});
    }
    // Segments: crossing, touching at an end (ends included), apart, the
    // collinear cases both ways round, vertical, no length, NaN, infinity.
    for (const auto& s : std::vector<std::array<float, 8>>{{0, 0, 2, 2, 0, 2, 2, 0},
                                                           {0, 0, 2, 0, 2, 0, 2, 2},
                                                           {0, 0, 2, 0, 1, 0, 1, 5},
                                                           {0, 0, 2, 0, 1, 1e-7f, 1, 5},
                                                           {0, 0, 2, 0, 3, -1, 3, 1},
                                                           {0, 0, 4, 0, 2, 0, 6, 0},
                                                           {0, 0, 4, 0, 4, 0, 6, 0},
                                                           {0, 0, 4, 0, -2, 0, 0, 0},
                                                           {4, 0, 0, 0, 6, 0, 4, 0},
                                                           {2, 0, 0, 0, -2, 0, 1, 0},
                                                           {0, 0, 4, 0, 5, 0, 6, 0},
                                                           {0, 0, 0, 4, 0, 2, 0, 6},
                                                           {0, 4, 0, 0, 0, 5, 0, 6},
                                                           {3, 2, 3, 2, 0, 0, 0, 4},
                                                           {3, 2, 3, 2, 3, 2, 3, 2},
                                                           {0, 0, 4, 0, 2, 0, 2, 0},
                                                           {0, 0, 1, 1, 2, 2, 3, 3},
                                                           {0, 0, 1, 1, 0, 1, 1, 2},
                                                           {NaN, 0, 1, 1, 0, 1, 1, 0},
                                                           {0, 0, INF, 1, 0, 1, 1, 0},
                                                           {0, 0, 1, 1, 0, 1, 1, NaN},
                                                           {0, 0, 1e-3f, 1e-3f, 0, 1e-3f, 1e-3f, 0},
                                                           {0, 0, TINY, TINY, 0, TINY, TINY, 0}}) {
        add(Op::IntersectSegments, {s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]});
    }
    // Normals and bisectors: any direction, zero, -0, huge, NaN.
    for (const auto& n : std::vector<std::array<float, 6>>{{1, 2, 0, 0, 3, 4},
                                                           {0, 0, 5, 5, 0, 0},
                                                           {1, 1, 0, 0, -0.0f, 1},
                                                           {NaN, 0, 0, 0, 1, INF}}) {
        add(Op::Normal, {n[0], n[1], n[2], n[3], n[4], n[5]});
    }
    for (const auto& b : std::vector<std::array<float, 4>>{{0, 0, 4, 2},
                                                           {1, 1, 1, 1},
                                                           {3e38f, 3e38f, 3e38f, -3e38f},
                                                           {-1, 0.1f, 1, 0.3f},
                                                           {TINY, 0, 3 * TINY, 0},
                                                           {NaN, 0, 1, 1},
                                                           {0, 0, INF, 0}}) {
        add(Op::Bisector, {b[0], b[1], b[2], b[3]});
    }
    // Circumcircles: right, equilateral-ish, collinear, two points equal,
    // thin at the first vertex (the bisectors from the others), huge, NaN.
    for (const auto& t : std::vector<std::array<float, 6>>{{0, 0, 4, 0, 0, 3},
                                                           {0, 0, 1, 0, 0.5f, 0.8660254f},
                                                           {0, 0, 1, 1, 2, 2},
                                                           {0, 0, 0, 0, 1, 0},
                                                           {0, 0, 1, 0.001f, 1, -0.001f},
                                                           {0, 0, 100, 0.1f, 100, -0.1f},
                                                           {0, 0, 1e19f, 0, 0, 1e19f},
                                                           {0, 0, 1e-20f, 0, 0, 1e-20f},
                                                           {NaN, 0, 1, 0, 0, 1},
                                                           {1, 1, 1, 1, 1, 1},
                                                           {0, 0, 2, 0, 1, 1e-4f}}) {
        add(Op::Circumcircle, {t[0], t[1], t[2], t[3], t[4], t[5]});
    }
    // The empty-circle test: a point inside, outside, exactly on the circle
    // (nudged), a duplicate of a vertex, no circle, a grid's cell.
    add(Op::HasPointInCircumcircle, {0, 0, 4, 0, 0, 4, 2, 0, 0, 1, 1});
    add(Op::HasPointInCircumcircle, {0, 0, 4, 0, 0, 4, 1, 9, 9});
    add(Op::HasPointInCircumcircle, {0, 0, 4, 0, 0, 4, 1, 4, 4});
    add(Op::HasPointInCircumcircle, {0, 0, 4, 0, 0, 4, 3, 0, 0, 4, 0, 0, 4});
    add(Op::HasPointInCircumcircle, {0, 0, 1, 1, 2, 2, 1, 5, 5});
    add(Op::HasPointInCircumcircle, {0, 0, 1, 0, 0, 1, 4, 0, 0, 1, 0, 0, 1, 1, 1});
    add(Op::HasPointInCircumcircle, {100, 100, 101, 100, 100, 101, 1, 101, 101});
    add(Op::HasPointInCircumcircle, {0, 0, 0.1f, 0, 0, 0.1f, 1, 0.1f, 0.1f});
    add(Op::HasPointInCircumcircle, {0, 0, 4, 0, 0, 3, 2, 4, 3, 2, 1.5f});
    add(Op::HasPointInCircumcircle, {0, 0, 4, 0, 0, 3, 0});
}

// The first release's seeded cases, all from one engine.
void seeded() {
    detail::Draw d(20261209);
    for (int i = 0; i < 300; ++i) {
        add(Op::Distance, {d.typed(), d.typed(), d.typed(), d.typed()});
        add(Op::Distance, {d.anyScale(), d.anyScale(), d.anyScale(), d.anyScale()});
        add(Op::Distance, {d.subnormal(), d.subnormal(), d.subnormal(), d.subnormal()});
        add(Op::Bisector, {d.typed(), d.typed(), d.typed(), d.typed()});
        add(Op::Bisector, {d.anyScale(), d.anyScale(), d.subnormal(), d.anyScale()});
    }
    for (int i = 0; i < 100; ++i) {
        add(Op::Normal, {d.typed(), d.typed(), d.typed(), d.typed(), d.anyScale(), d.subnormal()});
    }
    for (int i = 0; i < 400; ++i) {
        add(Op::IntersectLines, {d.typed(), d.typed(), d.typed(), d.typed(), d.typed(), d.typed(),
                                 d.typed(), d.typed()});
        add(Op::IntersectSegments, {d.typed(), d.typed(), d.typed(), d.typed(), d.typed(),
                                    d.typed(), d.typed(), d.typed()});
        // Near-parallel: the second direction the first, slightly turned
        // and scaled, around the tolerance's angle.
        const float dx = d.anyScale();
        const float dy = d.anyScale();
        const float angle = d.between(0.5f, 1.5f) * 0x1.9e3779p-9f;
        const float turn = angle * d.sign();
        const float length = 1.0f + d.unit();
        const float scale = std::ldexp(length, static_cast<int>(d.word() % 21) - 10);
        add(Op::IntersectLines, {d.typed(), d.typed(), dx, dy, d.typed(), d.typed(),
                                 (dx - turn * dy) * scale, (dy + turn * dx) * scale});
        // Collinear and nearly collinear segments: four points along a line.
        const float ax = d.typed();
        const float ay = d.typed();
        const float ux = d.typed();
        const float uy = d.typed();
        const float off = i % 2 ? 0 : d.between(-1e-3f, 1e-3f);
        const float t[4] = {d.between(-1, 2), d.between(-1, 2), d.between(-1, 2), d.between(-1, 2)};
        add(Op::IntersectSegments,
            {ax + t[0] * ux, ay + t[0] * uy, ax + t[1] * ux, ay + t[1] * uy, ax + t[2] * ux + off,
             ay + t[2] * uy, ax + t[3] * ux, ay + t[3] * uy});
        add(Op::IntersectSegments, {d.subnormal(), d.subnormal(), d.subnormal(), d.subnormal(),
                                    d.subnormal(), d.subnormal(), d.subnormal(), d.subnormal()});
    }
    for (int i = 0; i < 400; ++i) {
        add(Op::Circumcircle, {d.typed(), d.typed(), d.typed(), d.typed(), d.typed(), d.typed()});
        // Thin triangles: the third point near the line of the first two.
        const float ax = d.typed();
        const float ay = d.typed();
        const float bx = d.typed();
        const float by = d.typed();
        const float t = d.between(-0.5f, 1.5f);
        add(Op::Circumcircle,
            {ax, ay, bx, by, ax + t * (bx - ax) + d.between(-1e-3f, 1e-3f), ay + t * (by - ay)});
    }
    for (int i = 0; i < 300; ++i) {
        // A triple and points on or near one circle, made without libm
        // (its sines differ between C libraries): the rational points
        // ((1 - t^2) / (1 + t^2), 2t / (1 + t^2)) scaled and moved.
        const float cx = d.typed();
        const float cy = d.typed();
        const float r = d.between(0.5f, 50.0f);
        Case c{Op::HasPointInCircumcircle, {}};
        const auto onCircle = [&](float wobble) {
            const float t = d.between(-3, 3);
            const float q = 1 + t * t;
            c.in.push_back(cx + r * (1 - t * t) / q + wobble);
            c.in.push_back(cy + r * 2 * t / q);
        };
        onCircle(0);
        onCircle(0);
        onCircle(0);
        const int n = 1 + static_cast<int>(d.word() % 4);
        c.in.push_back(static_cast<float>(n));
        for (int k = 0; k < n; ++k) {
            const float wobble = d.between(-1e-5f, 1e-5f) * r;
            onCircle(k % 2 ? 0 : wobble);
        }
        cases.push_back(c);
    }
    for (int i = 0; i < 300; ++i) {
        // A triple and up to six points, some on a small grid (cocircular
        // fours), some typed.
        const int n = static_cast<int>(d.word() % 7);
        Case c{Op::HasPointInCircumcircle, {}};
        const bool grid = i % 2 == 0;
        const auto coordinate = [&] {
            return grid ? static_cast<float>(d.word() % 4) * 0.5f : d.typed();
        };
        for (int k = 0; k < 6; ++k) {
            c.in.push_back(coordinate());
        }
        c.in.push_back(static_cast<float>(n));
        for (int k = 0; k < 2 * n; ++k) {
            c.in.push_back(coordinate());
        }
        cases.push_back(c);
    }
}

}  // namespace

namespace detail {

// The result's starting value of the intersections and the circle (the
// caller's point, and the circle's radius): the point as the call leaves it
// after codes 0 and 2 is graded too.
Case withStart(Op op, std::vector<float> in) {
    Case c{op, std::move(in)};
    if (op == Op::IntersectLines || op == Op::IntersectSegments || op == Op::Circumcircle) {
        c.in.push_back(1234.5f);
        c.in.push_back(-678.25f);
    }
    if (op == Op::Circumcircle) {
        c.in.push_back(99.5f);
    }
    return c;
}

}  // namespace detail

std::vector<Case> testVectors() {
    cases.clear();
    edges();
    seeded();
    detail::searchedBlocks(cases);
    return cases;
}

}  // namespace provera
}  // namespace geometrija
