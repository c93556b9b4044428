// One variant's arithmetic: the toolkit's steps, each rounded as the
// toolkit rounds it unless the variant changes that step.  Every quantity is
// held in double: a float value where the toolkit rounds, the unrounded one
// where a variant leaves the rounding out.  For variants.cpp alone.
#pragma once

#include <cmath>
#include <utility>
#include <vector>

#include "geometrija/intersect.h"
#include "geometrija/triangulate.h"
#include "provera/fused.h"
#include "provera/variants.h"

namespace geometrija {
namespace provera {
namespace detail {

struct V {
    double x;
    double y;
};

// Rounded to float, and the float again as a double.
inline double rounded(double x) {
    return static_cast<float>(x);
}
inline float f(double x) {
    return static_cast<float>(x);
}

// Exact equality, as the toolkit compares: the tests are meant to the bit.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wfloat-equal"
inline bool equal(double a, double b) {
    return a == b;
}
#pragma GCC diagnostic pop

class Reckoner {
public:
    explicit Reckoner(Variant v) : v_(v) {}

    // a - b: PQ, p, q, a bisector's direction.  In float it is the same:
    // a float difference rounded once either way.
    V difference(V a, V b) const {
        if (is(Variant::DifferencesUnrounded)) {
            return {a.x - b.x, a.y - b.y};
        }
        return {rounded(a.x - b.x), rounded(a.y - b.y)};
    }
    double cross(V u, V v) const {
        switch (v_) {
            case Variant::CrossUnrounded:
                return u.x * v.y - u.y * v.x;
            case Variant::Fused:
                return fusedFloat(f(u.x), f(v.y), -(f(u.y) * f(v.x)));
            case Variant::FloatOnly:
                return f(u.x) * f(v.y) - f(u.y) * f(v.x);
            default:
                return rounded(u.x * v.y - u.y * v.x);
        }
    }
    double squaredLength(V v) const {
        switch (v_) {
            case Variant::LengthsUnrounded:
                return v.x * v.x + v.y * v.y;
            case Variant::Fused:
                return fusedFloat(f(v.x), f(v.x), f(v.y) * f(v.y));
            case Variant::FloatOnly:
                return f(v.x) * f(v.x) + f(v.y) * f(v.y);
            default:
                return rounded(v.x * v.x + v.y * v.y);
        }
    }
    // The tolerance test: c^2 > eps * a * b, the right side from the left.
    bool exceeds(double c, double a, double b) const {
        const double eps = PARALLEL_EPSILON;
        switch (v_) {
            case Variant::ToleranceNotStrict:
                return c * c >= eps * a * b;
            case Variant::ToleranceAbsolute:
                return c * c > eps;
            case Variant::Fused:
            case Variant::FloatOnly:
                return f(c) * f(c) > PARALLEL_EPSILON * f(a) * f(b);
            default:
                return c * c > eps * a * b;
        }
    }
    double quotient(double num, double den) const {
        if (is(Variant::ParameterUnrounded)) {
            return num / den;
        }
        if (inFloat()) {
            return f(num) / f(den);
        }
        return rounded(num / den);
    }
    // start + t * dir.
    double along(double start, double dir, double t) const {
        if (is(Variant::FloatOnly)) {
            return f(t) * f(dir) + f(start);
        }
        if (is(Variant::Fused)) {
            return fusedFloat(f(t), f(dir), f(start));
        }
        return rounded(t * dir + start);
    }
    double half(double a, double b) const {
        if (is(Variant::MidpointHalfDifference)) {
            return rounded(a + (b - a) / 2.0);
        }
        if (inFloat()) {
            return (f(a) + f(b)) / 2;
        }
        return rounded((a + b) / 2.0);
    }
    double squaredDistance(V a, V b) const {
        if (inFloat() || is(Variant::DifferencesInFloat)) {
            const float dx = f(b.x) - f(a.x);
            const float dy = f(b.y) - f(a.y);
            if (is(Variant::FloatOnly)) {
                return dx * dx + dy * dy;
            }
            if (is(Variant::Fused)) {
                return fusedFloat(dx, dx, dy * dy);
            }
            return static_cast<double>(dx) * dx + static_cast<double>(dy) * dy;
        }
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        if (is(Variant::FusedInDouble)) {
            // The differences are not floats: dx * dx is not exact in
            // double, and fusing it into the sum changes the last bit.
            return fusedDouble(dx, dx, dy * dy);
        }
        return dx * dx + dy * dy;
    }
    double distance(V a, V b) const {
        const double squared = squaredDistance(a, b);
        if (is(Variant::SumUnrounded)) {
            return rounded(std::sqrt(squared));
        }
        if (inFloat()) {
            return std::sqrt(f(squared));
        }
        return rounded(std::sqrt(rounded(squared)));
    }

    // intersectLines: the point, direction pairs (p, d) and (q, e); the
    // result point r as the call leaves it.
    int lines(V p, V d, V q, V e, V& r) const {
        const V pq = difference(q, p);
        const double num = cross(pq, e);
        const double den = cross(d, e);
        const double dLength = squaredLength(d);
        const double eLength = squaredLength(e);
        const double t = quotient(num, den);
        if (exceeds(den, dLength, eLength)) {
            r = {along(p.x, d.x, t), along(p.y, d.y, t)};
            return ONE_POINT;
        }
        if (is(Variant::WritesOnMiss)) {
            r = {along(p.x, d.x, t), along(p.y, d.y, t)};
        }
        const double weight = is(Variant::SwappedWeight) ? eLength : dLength;
        return code(exceeds(num, weight, squaredLength(pq)) ? NO_POINT : INFINITELY_MANY);
    }

    int segments(V a0, V a1, V b0, V b1, V& r) const {
        const V pq = difference(b0, a0);
        const V p = difference(a1, a0);
        const V q = difference(b1, b0);
        const double pqxp = cross(pq, p);
        const double pqxq = cross(pq, q);
        const double den = cross(p, q);
        const double t = quotient(pqxq, den);  // along the first
        if (is(Variant::WritesOnMiss)) {
            r = {along(a0.x, p.x, t), along(a0.y, p.y, t)};
        }
        const double pLength = squaredLength(p);
        const double qLength = squaredLength(q);
        if (exceeds(den, pLength, qLength)) {
            const double s = quotient(pqxp, den);  // along the second
            if (inRange(s) && inRange(t)) {
                r = {along(a0.x, p.x, t), along(a0.y, p.y, t)};
                return ONE_POINT;
            }
            return code(NO_POINT);
        }
        const double weight = is(Variant::SwappedWeight) ? qLength : pLength;
        if (exceeds(pqxp, weight, squaredLength(pq))) {
            return code(NO_POINT);
        }
        if (equal(a0.x, a1.x)) {
            for (V* end : {&a0, &a1, &b0, &b1}) {
                std::swap(end->x, end->y);
            }
        }
        if (a1.x < a0.x) {
            std::swap(a0, a1);
        }
        if (b1.x < b0.x) {
            std::swap(b0, b1);
        }
        const bool apart = is(Variant::OverlapStrictness)
                               ? (b0.x > a0.x && b0.x > a1.x) || b1.x <= a0.x
                               : (b0.x >= a0.x && b0.x >= a1.x) || b1.x < a0.x;
        return code(apart ? NO_POINT : INFINITELY_MANY);
    }

    // The bisector of a and b: the midpoint, and b - a turned a quarter turn.
    std::pair<V, V> bisector(V a, V b) const {
        const V d = difference(b, a);
        return {V{half(a.x, b.x), half(a.y, b.y)}, V{-d.y, d.x}};
    }

    // The circumcentre from the first vertex whose two bisectors cross, and
    // the vertex the radius is measured from; `first` is what the first
    // pair's intersection gave.
    bool centre(const V (&v)[3], V& o, V& from, int& first) const {
        const int all[3] = {0, 1, 2};
        const int thirdFirst[3] = {0, 2, 1};
        const int tries = is(Variant::NoFallback) ? 1 : 3;
        for (int k = 0; k < tries; ++k) {
            const int i = is(Variant::FallbackOrder) ? thirdFirst[k] : all[k];
            const auto [m1, d1] = bisector(v[i], v[(i + 1) % 3]);
            const auto [m2, d2] = bisector(v[i], v[(i + 2) % 3]);
            o = {0, 0};
            const int found = lines(m1, d1, m2, d2, o);
            if (k == 0) {
                first = found;
            }
            if (found == ONE_POINT) {
                from = is(Variant::RadiusFromFirst) ? v[0] : v[i];
                return true;
            }
        }
        return false;
    }

    int inCircle(const V (&v)[3], std::vector<V>& pts) const {
        V o{};
        V from{};
        int first = 0;
        if (!centre(v, o, from, first)) {
            return 1;
        }
        const double r = distance(from, o);
        for (V& p : pts) {
            bool vertex = false;
            for (const V& w : v) {
                vertex = vertex || (equal(p.x, w.x) && equal(p.y, w.y));
            }
            if (vertex) {
                continue;
            }
            if (equal(distance(p, o), r)) {
                nudge(p);
            }
            const double d = distance(p, o);
            if (is(Variant::InsideNotStrict) ? d <= r : d < r) {
                return 1;
            }
        }
        return 0;
    }

    bool writesOnMiss() const { return is(Variant::WritesOnMiss); }

private:
    bool is(Variant v) const { return v_ == v; }
    // Fused is float arithmetic too.  In double, a product of two floats is
    // exact and fusing it with the next sum changes nothing; only distance's
    // squares of double differences are not (FusedInDouble).
    bool inFloat() const { return is(Variant::FloatOnly) || is(Variant::Fused); }
    bool inRange(double s) const {
        return is(Variant::RangeStrict) ? 0 < s && s < 1 : 0 <= s && s <= 1;
    }
    int code(int c) const {
        if (is(Variant::CodesSwapped) && c != ONE_POINT) {
            return c == NO_POINT ? INFINITELY_MANY : NO_POINT;
        }
        return c;
    }
    void nudge(V& p) const {
        switch (v_) {
            case Variant::NudgeInFloat:
                p.x = f(p.x) + static_cast<float>(COCIRCULAR_NUDGE);
                break;
            case Variant::NudgeOnY:
                p.y = rounded(p.y + COCIRCULAR_NUDGE);
                break;
            case Variant::NudgeMissing:
                break;
            default:
                p.x = rounded(p.x + COCIRCULAR_NUDGE);
        }
    }

    Variant v_;
};

}  // namespace detail
}  // namespace provera
}  // namespace geometrija
