// Bit-for-bit comparison of floats, for results that must be exact: it tells
// -0 from 0 and matches a NaN with the same NaN, where == does neither.
#pragma once

#include <cstring>

#include "geometrija/primitives.h"

namespace support {

inline bool sameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The same bits in x and in y; the colour code is not compared.
inline bool sameBits(const geometrija::Tacka& a, const geometrija::Tacka& b) {
    return sameBits(a.x, b.x) && sameBits(a.y, b.y);
}

}  // namespace support
