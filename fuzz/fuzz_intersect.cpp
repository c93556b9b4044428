// intersectLines and intersectSegments on arbitrary float bit patterns (NaN,
// infinities, subnormals): the code is 0, 1 or 2; for 0 and 2 the result
// point is untouched, for 1 only its x and y change.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "geometrija/intersect.h"

using namespace geometrija;

namespace {

Tacka point(const float* f) {
    return Tacka(f[0], f[1]);
}

void check(int code, const Tacka& before, const Tacka& after) {
    if (code < 0 || code > 2) std::abort();
    if (after.color != before.color) std::abort();
    if (code != 1 && (std::memcmp(&after.x, &before.x, sizeof(float)) != 0 ||
                      std::memcmp(&after.y, &before.y, sizeof(float)) != 0)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    float f[10] = {};
    std::memcpy(f, data, size < sizeof f ? size : sizeof f);
    Tacka r0(f[8], f[9]);
    r0.color = 1234;

    Tacka r = r0;
    const Prava a(point(f), point(f + 2));
    const Prava b(point(f + 4), point(f + 6));
    check(intersectLines(a, b, &r), r0, r);

    r = r0;
    const Duz s(point(f), point(f + 2));
    const Duz t(point(f + 4), point(f + 6));
    check(intersectSegments(s, t, &r), r0, r);
    return 0;
}
