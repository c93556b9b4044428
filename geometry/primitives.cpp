#include "geometrija/primitives.h"

#include "geometry/float_mode.h"

namespace geometrija {

namespace {
// Indexed by the codes of primitives.h: red, green, blue, yellow, orange,
// magenta, cyan, purple, white, black.
constexpr Rgb COLOR_TABLE[COLOR_COUNT] = {
    {1, 0, 0}, {0, 1, 0}, {0, 0, 1},       {1, 1, 0}, {1, 0.5f, 0},
    {1, 0, 1}, {0, 1, 1}, {0.5f, 0, 0.5f}, {1, 1, 1}, {0, 0, 0},
};
}  // namespace

float Tacka::squaredLength() const {
    const detail::ExactFloatMode mode;
    return static_cast<float>(static_cast<double>(x) * x + static_cast<double>(y) * y);
}

bool lookupColor(int code, Rgb& out) {
    // Compared as unsigned so that a negative code is out of range too.
    if (static_cast<unsigned>(code) >= static_cast<unsigned>(COLOR_COUNT)) {
        return false;
    }
    out = COLOR_TABLE[code];
    return true;
}

}  // namespace geometrija
