// A fused multiply-add, a * b + c rounded once, worked out with plain
// additions and multiplications.  The C library's fma is not correctly
// rounded everywhere (mingw-w64's is not), and the models of a student's
// fused arithmetic must give the same bits on every platform.  For reckoner.h.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace geometrija {
namespace provera {
namespace detail {

// x + y rounded to odd: the sum when it is exact, else of the two doubles
// around it the one whose last bit is 1.  Rounding that once more to a
// narrower format gives what rounding the exact sum would.
inline double sumToOdd(double x, double y) {
    const double s = x + y;
    if (!std::isfinite(s)) {
        return s;
    }
    const double back = s - x;
    const double error = (x - (s - back)) + (y - back);  // x + y - s, exactly
    std::uint64_t bits = 0;
    std::memcpy(&bits, &s, sizeof bits);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wfloat-equal"
    if (error == 0 || (bits & 1U) != 0) {
        return s;
    }
#pragma GCC diagnostic pop
    const double inf = std::numeric_limits<double>::infinity();
    return std::nextafter(s, error > 0 ? inf : -inf);
}

// a * b + c for floats, rounded once to float: the product of two floats is
// exact in double, and the sum rounded to odd in double rounds to float as
// the exact sum does.
inline float fusedFloat(float a, float b, float c) {
    return static_cast<float>(sumToOdd(static_cast<double>(a) * b, c));
}

// a * b + c for doubles, rounded once: the product split exactly into a
// high and a low part (Dekker), the sum of the high part and c exactly
// into two, the small parts added rounded to odd, and the whole rounded to
// nearest once (Boldo and Melquiond's emulation).  For the magnitudes of a
// distance's differences: nothing here overflows or underflows.
inline double fusedDouble(double a, double b, double c) {
    const double high = a * b;
    if (!std::isfinite(high) || !std::isfinite(c)) {
        return high + c;
    }
    constexpr double SPLIT = 134217729.0;  // 2^27 + 1
    const auto split = [](double x, double& hi, double& lo) {
        const double t = SPLIT * x;
        hi = t - (t - x);
        lo = x - hi;
    };
    double ah = 0;
    double al = 0;
    double bh = 0;
    double bl = 0;
    split(a, ah, al);
    split(b, bh, bl);
    const double low = ((ah * bh - high) + ah * bl + al * bh) + al * bl;  // a * b - high
    const double th = c + high;
    const double back = th - c;
    const double tl = (c - (th - back)) + (high - back);  // c + high - th
    return th + sumToOdd(tl, low);
}

}  // namespace detail
}  // namespace provera
}  // namespace geometrija
