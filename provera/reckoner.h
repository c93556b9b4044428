// One variant's arithmetic: the toolkit's steps, each rounded as the
// toolkit rounds it unless the variant changes that step.  For variants.cpp
// alone.
#pragma once

#include <cmath>
#include <utility>
#include <vector>

#include "provera/variants.h"

namespace geometrija {
namespace provera {
namespace detail {

struct P {
    float x;
    float y;
};

// Exact equality, as the toolkit compares: the tests are meant to the bit.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wfloat-equal"
inline bool equal(float a, float b) {
    return a == b;
}
#pragma GCC diagnostic pop

class Reckoner {
public:
    explicit Reckoner(Variant v) : v_(v) {}

    P difference(P a, P b) const {
        if (inFloat()) {
            return {a.x - b.x, a.y - b.y};
        }
        return {static_cast<float>(static_cast<double>(a.x) - b.x),
                static_cast<float>(static_cast<double>(a.y) - b.y)};
    }
    // The cross product as the tolerance test and the quotient see it.
    double cross(P u, P v) const {
        switch (v_) {
            case Variant::CrossUnrounded:
                return static_cast<double>(u.x) * v.y - static_cast<double>(u.y) * v.x;
            case Variant::Fused:
                return std::fma(u.x, v.y, -(u.y * v.x));
            case Variant::FloatOnly:
                return u.x * v.y - u.y * v.x;
            default:
                return static_cast<float>(static_cast<double>(u.x) * v.y -
                                          static_cast<double>(u.y) * v.x);
        }
    }
    float squaredLength(P v) const {
        if (v_ == Variant::FloatOnly) {
            return v.x * v.x + v.y * v.y;
        }
        if (v_ == Variant::Fused) {
            return std::fma(v.x, v.x, v.y * v.y);
        }
        return static_cast<float>(static_cast<double>(v.x) * v.x + static_cast<double>(v.y) * v.y);
    }
    bool exceeds(double c, float a, float b) const {
        if (inFloat()) {
            const float f = static_cast<float>(c);
            return f * f > 1e-5f * a * b;
        }
        return c * c > static_cast<double>(1e-5f) * a * static_cast<double>(b);
    }
    float quotient(double num, double den) const {
        if (inFloat()) {
            return static_cast<float>(num) / static_cast<float>(den);
        }
        return static_cast<float>(num / den);
    }
    float along(float start, float dir, float t) const {
        if (v_ == Variant::FloatOnly) {
            return t * dir + start;
        }
        if (v_ == Variant::Fused) {
            return std::fma(t, dir, start);
        }
        return static_cast<float>(static_cast<double>(t) * dir + start);
    }
    P midpoint(P a, P b) const {
        if (inFloat()) {
            return {(a.x + b.x) / 2, (a.y + b.y) / 2};
        }
        return {static_cast<float>((static_cast<double>(a.x) + b.x) / 2.0),
                static_cast<float>((static_cast<double>(a.y) + b.y) / 2.0)};
    }
    double squaredDistance(P a, P b) const {
        if (inFloat()) {
            const float dx = b.x - a.x;
            const float dy = b.y - a.y;
            return v_ == Variant::Fused ? std::fma(dx, dx, dy * dy) : dx * dx + dy * dy;
        }
        const double dx = static_cast<double>(b.x) - a.x;
        const double dy = static_cast<double>(b.y) - a.y;
        return dx * dx + dy * dy;
    }
    float distance(P a, P b) const {
        const double squared = squaredDistance(a, b);
        if (v_ == Variant::SumUnrounded) {
            return static_cast<float>(std::sqrt(squared));
        }
        if (inFloat()) {
            return std::sqrt(static_cast<float>(squared));
        }
        return static_cast<float>(std::sqrt(static_cast<double>(static_cast<float>(squared))));
    }

    // intersectLines: the point, direction pairs (p, d) and (q, e).
    int lines(P p, P d, P q, P e, P* r) const {
        const P pq = difference(q, p);
        const double num = cross(pq, e);
        const double den = cross(d, e);
        const float dLength = squaredLength(d);
        const float eLength = squaredLength(e);
        if (exceeds(den, dLength, eLength)) {
            const float t = quotient(num, den);
            *r = {along(p.x, d.x, t), along(p.y, d.y, t)};
            return 1;
        }
        const float weight = v_ == Variant::SwappedWeight ? eLength : dLength;
        return exceeds(num, weight, squaredLength(pq)) ? 0 : 2;
    }

    int segments(P a0, P a1, P b0, P b1, P* r) const {
        const P pq = difference(b0, a0);
        const P p = difference(a1, a0);
        const P q = difference(b1, b0);
        const double pqxp = cross(pq, p);
        const double pqxq = cross(pq, q);
        const double den = cross(p, q);
        const float pLength = squaredLength(p);
        if (exceeds(den, pLength, squaredLength(q))) {
            const float s = quotient(pqxp, den);
            const float t = quotient(pqxq, den);
            if (0 <= s && s <= 1 && 0 <= t && t <= 1) {
                *r = {along(a0.x, p.x, t), along(a0.y, p.y, t)};
                return 1;
            }
            return 0;
        }
        if (exceeds(pqxp, pLength, squaredLength(pq))) {
            return 0;
        }
        if (equal(a0.x, a1.x)) {
            for (P* e : {&a0, &a1, &b0, &b1}) {
                std::swap(e->x, e->y);
            }
        }
        if (a1.x < a0.x) {
            std::swap(a0, a1);
        }
        if (b1.x < b0.x) {
            std::swap(b0, b1);
        }
        return ((b0.x >= a0.x && b0.x >= a1.x) || b1.x < a0.x) ? 0 : 2;
    }

    // The bisector of a and b: the midpoint, and b - a turned a quarter turn.
    std::pair<P, P> bisector(P a, P b) const {
        const P d = difference(b, a);
        return {midpoint(a, b), P{-d.y, d.x}};
    }

    // The circumcentre from the first vertex whose two bisectors cross.
    bool centre(const P (&v)[3], P& o, P& from, int* first) const {
        for (int i = 0; i < 3; ++i) {
            const P a = v[i];
            const auto [m1, d1] = bisector(a, v[(i + 1) % 3]);
            const auto [m2, d2] = bisector(a, v[(i + 2) % 3]);
            o = {0, 0};
            const int found = lines(m1, d1, m2, d2, &o);
            if (i == 0) {
                *first = found;
            }
            if (found == 1) {
                from = a;
                return true;
            }
        }
        return false;
    }

    int inCircle(const P (&v)[3], std::vector<P>& pts) const {
        P o{};
        P from{};
        int first = 0;
        if (!centre(v, o, from, &first)) {
            return 1;
        }
        const float r = distance(from, o);
        for (P& p : pts) {
            bool vertex = false;
            for (const P& w : v) {
                vertex = vertex || (equal(p.x, w.x) && equal(p.y, w.y));
            }
            if (vertex) {
                continue;
            }
            if (equal(distance(p, o), r)) {
                p.x = static_cast<float>(p.x + 1e-6);
            }
            if (distance(p, o) < r) {
                return 1;
            }
        }
        return 0;
    }

private:
    // Fused is float arithmetic too: in double, a product of two floats is
    // exact, and fusing it with the next sum changes nothing.
    bool inFloat() const { return v_ == Variant::FloatOnly || v_ == Variant::Fused; }

    Variant v_;
};

}  // namespace detail
}  // namespace provera
}  // namespace geometrija
