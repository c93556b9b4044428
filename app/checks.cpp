#include "app/checks.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/messages.h"

// One float operation below must round to float, not to a wider type.
static_assert(FLT_EVAL_METHOD == 0, "float arithmetic must be evaluated in float");

namespace geometrija {

namespace {

// The plain decimals people write ("12", "-3.25", ".5", "7.", "0.50"),
// read without strtof: a significand of at most 2^24 digits' worth with at
// most ten decimals is an exact float divided by an exact power of ten, and
// one IEEE division rounds that quotient to nearest, as strtof rounds the
// decimal itself: the same bits.  False for anything else (exponents, hex,
// more digits), which strtof reads.  In a browser strtof costs about ten
// times what it costs here, and a big point file is nothing but such words.
bool plainDecimal(const std::string& word, float& value) {
    static const float POWERS[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                   1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    constexpr std::uint64_t MAX_SIGNIFICAND = std::uint64_t{1} << 24;
    constexpr int MAX_DECIMALS = 10;
    std::size_t i = 0;
    const bool negative = !word.empty() && word[0] == '-';
    if (negative || (!word.empty() && word[0] == '+')) {
        i = 1;
    }
    std::uint64_t significand = 0;
    int decimals = 0;
    int zeros = 0;  // zeros after the point not yet known to matter
    bool digits = false;
    bool point = false;
    for (; i < word.size(); ++i) {
        const char c = word[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') {
            return false;
        }
        digits = true;
        if (point && c == '0') {
            ++zeros;
            continue;
        }
        if (decimals + zeros + (point ? 1 : 0) > MAX_DECIMALS) {
            return false;
        }
        for (; zeros > 0; --zeros) {
            significand *= 10;
            ++decimals;
        }
        significand = significand * 10 + static_cast<unsigned>(c - '0');
        decimals += point ? 1 : 0;
        if (significand > MAX_SIGNIFICAND) {
            return false;
        }
    }
    if (!digits) {
        return false;
    }
    const float magnitude = static_cast<float>(significand) / POWERS[decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

// A decimal written with a comma, as a Serbian keyboard and locale write
// it ("3,5", "-0,25"): the word with a point in place of its one comma,
// when that comma stands between two digits; else empty.  A comma without
// a digit on both sides ("3,", "1,,2") is no decimal comma.
std::string withDecimalPoint(const std::string& word) {
    const std::size_t comma = word.find(',');
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (comma == std::string::npos || comma == 0 || comma + 1 >= word.size() ||
        word.find(',', comma + 1) != std::string::npos || !digit(word[comma - 1]) ||
        !digit(word[comma + 1])) {
        return std::string();
    }
    std::string point = word;
    point[comma] = '.';
    return point;
}

}  // namespace

Result<int> checkCount(const std::string& word) {
    const char* begin = word.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (word.empty() || end != begin + word.size()) {
        return Result<int>::refused("broj tacaka nije ceo broj: " + geometrija::quoted(word));
    }
    if (value < 0) {
        return Result<int>::refused("broj tacaka ne moze biti negativan: " +
                                    geometrija::quoted(word));
    }
    if (errno == ERANGE || value > MAX_POINTS) {
        return Result<int>::refused("broj tacaka je veci od " + std::to_string(MAX_POINTS) + ": " +
                                    geometrija::quoted(word));
    }
    return Result<int>{static_cast<int>(value), ""};
}

Result<float> checkCoordinate(const std::string& word) {
    float plain = 0;
    if (plainDecimal(word, plain)) {
        return Result<float>{plain, ""};
    }
    const char* begin = word.c_str();
    char* end = nullptr;
    const float value = std::strtof(begin, &end);
    if (word.empty() || end != begin + word.size()) {
        // The hint only where the point makes a coordinate of it.  The
        // word with a point has no comma: this goes one level deep.
        const std::string point = withDecimalPoint(word);
        const bool hint = !point.empty() && checkCoordinate(point).ok();
        return Result<float>::refused(
            "koordinata nije broj: " + geometrija::quoted(word) +
            (hint ? " (decimalni separator je tacka: pisite " + escaped(point) + ")" : ""));
    }
    if (!std::isfinite(value)) {
        return Result<float>::refused("koordinata nije konacan broj: " + geometrija::quoted(word));
    }
    return Result<float>{value, ""};
}

}  // namespace geometrija
