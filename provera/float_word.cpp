#include "provera/float_word.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace geometrija {
namespace provera {

namespace {

// A decimal exactly: the integer `digits` (no leading or trailing zeros;
// empty for zero) times 10 to `exponent`.
struct Decimal {
    std::string digits;
    long exponent = 0;
};

Decimal normalised(std::string digits, long exponent) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return {};
    }
    digits.erase(0, first);
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<long>(digits.size() - last - 1);
    digits.resize(last + 1);
    return {digits, exponent};
}

// Compares two non-negative decimals: first by the place of the leading
// digit, then digit by digit (trailing zeros are gone, so a longer tail with
// the same start is the larger).
int compare(const Decimal& a, const Decimal& b) {
    if (a.digits.empty() || b.digits.empty()) {
        return static_cast<int>(!a.digits.empty()) - static_cast<int>(!b.digits.empty());
    }
    const long lead = static_cast<long>(a.digits.size()) + a.exponent;
    const long other = static_cast<long>(b.digits.size()) + b.exponent;
    if (lead != other) {
        return lead < other ? -1 : 1;
    }
    const int c = a.digits.compare(b.digits);
    return (c > 0) - (c < 0);
}

// The exact decimal of a non-negative finite double, m * 2^e written as
// m * 2^e (e >= 0) or m * 5^-e * 10^e: an integer in base 1e9, least
// significant limb first, multiplied up one factor at a time.
Decimal exactly(double x) {
    if (!(x > 0)) {
        return {};
    }
    int e = 0;
    auto m = static_cast<std::uint64_t>(std::ldexp(std::frexp(x, &e), 53));
    e -= 53;
    while ((m & 1) == 0) {
        m >>= 1;
        ++e;
    }
    constexpr std::uint32_t BASE = 1000000000;
    std::vector<std::uint32_t> limbs;
    for (; m > 0; m /= BASE) {
        limbs.push_back(static_cast<std::uint32_t>(m % BASE));
    }
    const std::uint32_t factor = e >= 0 ? 2 : 5;
    for (int k = 0; k < std::abs(e); ++k) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint64_t v = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(v % BASE);
            carry = v / BASE;
        }
        if (carry > 0) {
            limbs.push_back(static_cast<std::uint32_t>(carry));
        }
    }
    std::string digits = std::to_string(limbs.back());
    for (std::size_t i = limbs.size() - 1; i-- > 0;) {
        const std::string limb = std::to_string(limbs[i]);
        digits += std::string(9 - limb.size(), '0') + limb;
    }
    return normalised(digits, e >= 0 ? 0 : e);
}

std::uint32_t bitsOf(float f) {
    std::uint32_t u = 0;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

// Whether the positive decimal v rounds to the positive finite float c:
// strictly between c's neighbouring midpoints, or on one with c even.  Each
// midpoint of two floats is exact in double.
bool roundsTo(const Decimal& v, float c) {
    const double below = static_cast<double>(c) - std::nextafter(c, 0.0f);
    const double half = below / 2;
    const double above =
        !(c < FLT_MAX) ? half : (static_cast<double>(std::nextafter(c, FLT_MAX)) - c) / 2;
    const bool even = (bitsOf(c) & 1) == 0;
    const int low = compare(v, exactly(c - half));
    const int high = compare(v, exactly(c + above));
    return (low > 0 || (low == 0 && even)) && (high < 0 || (high == 0 && even));
}

// Past the float's range (rounds to infinity) or below its smallest half
// (rounds to zero): the nearest float is infinity or zero.
FloatWord beyond(bool large, bool negative) {
    FloatWord w;
    w.kind = WordKind::NotFloat;
    w.outOfRange = large;
    w.underflow = !large;
    const float magnitude = large ? std::numeric_limits<float>::infinity() : 0.0f;
    w.value = negative ? -magnitude : magnitude;
    return w;
}

FloatWord decimalWord(const Decimal& v, std::size_t significant, double approx, bool negative) {
    FloatWord w;
    if (v.digits.empty()) {
        w.kind = WordKind::Float;
        w.value = negative ? -0.0f : 0.0f;
        return w;
    }
    // The C library's reading only proposes: the float it gives or a
    // neighbour (a double rounding is off by one at most) is checked exactly.
    const float guess = approx > FLT_MAX ? FLT_MAX : static_cast<float>(approx);
    const float candidates[] = {guess, std::nextafter(guess, 0.0f), std::nextafter(guess, FLT_MAX)};
    for (const float c : candidates) {
        if (!(c > 0) || !roundsTo(v, c)) {
            continue;
        }
        const bool exact = compare(v, exactly(c)) == 0;
        w.kind = exact || significant <= FLOAT_DIGITS ? WordKind::Float : WordKind::NotFloat;
        w.value = negative ? -c : c;
        // Only a hint for the message: the C library's double of the word.
        const double widened = c;
        w.asDouble = w.kind == WordKind::NotFloat && !(widened < approx) && !(approx < widened);
        return w;
    }
    return beyond(compare(v, exactly(FLT_MAX)) > 0, negative);
}

FloatWord hexWord(const char* p, bool negative) {
    // Up to 56 significant bits kept; a nonzero bit past them makes a value
    // no float has (its significant bits span more than 24).
    std::uint64_t m = 0;
    long e = 0;
    bool sticky = false;
    bool fraction = false;
    bool digit = false;
    for (;; ++p) {
        if (*p == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (std::isxdigit(static_cast<unsigned char>(*p)) == 0) {
            break;
        }
        digit = true;
        const auto d = static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(*p)) != 0
                                                 ? *p - '0'
                                                 : std::tolower(*p) - 'a' + 10);
        if ((m >> 56) == 0) {
            m = m * 16 + d;
            e -= fraction ? 4 : 0;
        } else {
            e += fraction ? 0 : 4;
            sticky = sticky || d != 0;
        }
    }
    if (!digit) {
        return {};
    }
    if (*p == 'p' || *p == 'P') {
        const bool minus = p[1] == '-';
        p += (p[1] == '-' || p[1] == '+') ? 2 : 1;
        if (std::isdigit(static_cast<unsigned char>(*p)) == 0) {
            return {};
        }
        long x = 0;
        for (; std::isdigit(static_cast<unsigned char>(*p)) != 0; ++p) {
            x = std::min(x * 10 + (*p - '0'), 100000L);
        }
        e += minus ? -x : x;
    }
    if (*p != '\0') {
        return {};
    }
    FloatWord w;
    if (m == 0) {
        w.kind = WordKind::Float;
        w.value = negative ? -0.0f : 0.0f;
        return w;
    }
    for (; (m & 1) == 0; m >>= 1) {
        ++e;
    }
    long width = 0;
    for (std::uint64_t r = m; r > 0; r >>= 1) {
        ++width;
    }
    if (width + e > 128) {
        return beyond(true, negative);
    }
    // Half the smallest float and below round to zero.
    const double value =
        width + e < -200 ? 0.0 : std::ldexp(static_cast<double>(m), static_cast<int>(e));
    if (value <= std::ldexp(1.0, -150)) {
        return beyond(false, negative);
    }
    w.kind = !sticky && width <= 24 && e >= -149 ? WordKind::Float : WordKind::NotFloat;
    const float nearest =
        value > FLT_MAX ? std::numeric_limits<float>::infinity() : static_cast<float>(value);
    w.outOfRange = std::isinf(nearest);
    w.value = negative ? -nearest : nearest;
    return w;
}

}  // namespace

FloatWord readFloatWord(const std::string& word) {
    const bool negative = !word.empty() && word[0] == '-';
    const std::size_t start = !word.empty() && (word[0] == '-' || word[0] == '+') ? 1 : 0;
    std::string lower;
    for (std::size_t i = start; i < word.size(); ++i) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(word[i])));
    }
    FloatWord w;
    if (lower == "inf" || lower == "infinity") {
        w.kind = WordKind::Float;
        w.value = negative ? -std::numeric_limits<float>::infinity()
                           : std::numeric_limits<float>::infinity();
        return w;
    }
    if (lower == "nan") {
        w.kind = WordKind::Float;
        w.value = std::numeric_limits<float>::quiet_NaN();
        return w;
    }
    if (lower.size() > 2 && lower[0] == '0' && lower[1] == 'x') {
        return hexWord(lower.c_str() + 2, negative);
    }
    // [digits][.digits][e[sign]digits], at least one digit before the e.
    std::string digits;
    long point = 0;
    bool fraction = false;
    std::size_t i = 0;
    for (; i < lower.size(); ++i) {
        if (lower[i] == '.' && !fraction) {
            fraction = true;
        } else if (std::isdigit(static_cast<unsigned char>(lower[i])) != 0) {
            digits += lower[i];
            point -= fraction ? 1 : 0;
        } else {
            break;
        }
    }
    if (digits.empty()) {
        return w;
    }
    if (i < lower.size() && lower[i] == 'e') {
        const bool minus = i + 1 < lower.size() && lower[i + 1] == '-';
        i += i + 1 < lower.size() && (lower[i + 1] == '-' || lower[i + 1] == '+') ? 2 : 1;
        if (i == lower.size()) {
            return w;
        }
        long x = 0;
        for (; i < lower.size() && std::isdigit(static_cast<unsigned char>(lower[i])) != 0; ++i) {
            x = std::min(x * 10 + (lower[i] - '0'), 100000000L);
        }
        point += minus ? -x : x;
    }
    if (i != lower.size()) {
        return w;
    }
    const Decimal v = normalised(digits, point);
    return decimalWord(v, v.digits.size(), std::strtod(lower.c_str(), nullptr), negative);
}

}  // namespace provera
}  // namespace geometrija
