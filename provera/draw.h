// The seeded blocks' values, made the same way on every platform:
// mt19937's sequence is the same everywhere, and every value is made from
// its raw words here (the standard distributions are not), without libm.
// Each block draws from an engine of its own, so that a block added or
// changed leaves every other block's cases as they were.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "provera/cases.h"

namespace geometrija {
namespace provera {
namespace detail {

constexpr float TINY = std::numeric_limits<float>::denorm_min();

class Draw {
public:
    explicit Draw(std::uint32_t seed) : random_(seed) {}

    std::uint32_t word() { return static_cast<std::uint32_t>(random_()); }
    float unit() {  // [0, 1) in steps of 2^-24
        return static_cast<float>(random_() >> 8) * 0x1p-24f;
    }
    float between(float lo, float hi) { return lo + unit() * (hi - lo); }
    // A coordinate as people type them: up to two decimals within +-100.
    float typed() {
        return static_cast<float>(static_cast<int>(random_() % 20001) - 10000) / 100.0f;
    }
    float sign() { return random_() % 2 ? -1.0f : 1.0f; }
    // Any magnitude from 2^-30 to 2^30, either sign.
    float anyScale() {
        const float m = 1 + unit();
        const int e = static_cast<int>(random_() % 61) - 30;
        return sign() * std::ldexp(m, e);
    }
    float subnormal() {
        const float s = sign();
        return s * TINY * static_cast<float>(1 + random_() % 5000000);
    }

private:
    std::mt19937 random_;
};

// A case of the operation; the intersections and the circle get the result's
// usual starting value (rx ry, kx ky kr) after the inputs given.
Case withStart(Op op, std::vector<float> in);

// The blocks added after the first release's cases, each from its own seed.
void searchedBlocks(std::vector<Case>& cases);

}  // namespace detail
}  // namespace provera
}  // namespace geometrija
