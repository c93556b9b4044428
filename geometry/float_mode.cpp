#include "geometry/float_mode.h"

#if defined(__x86_64__)
#include <xmmintrin.h>
#endif

namespace geometrija {
namespace detail {

#if defined(__x86_64__)

// Double arithmetic on x86-64 is SSE's, whose whole mode is MXCSR (the x87
// unit computes only long double, which the toolkit does not use).
namespace {
// MXCSR's rounding control (bits 13-14, 00 to nearest), flush-to-zero (bit
// 15) and denormals-are-zero (bit 6): all clear in the exact mode.
constexpr unsigned MODE = 0x6000u | 0x8000u | 0x0040u;
}  // namespace

unsigned long long ExactFloatMode::enter() noexcept {
    const unsigned mode = _mm_getcsr();
    if ((mode & MODE) != 0) {
        _mm_setcsr(mode & ~MODE);
    }
    return mode;
}

void ExactFloatMode::leave(unsigned long long saved) noexcept {
    const unsigned mode = static_cast<unsigned>(saved) & MODE;
    if (mode != 0) {
        _mm_setcsr((_mm_getcsr() & ~MODE) | mode);
    }
}

#elif defined(__aarch64__)

namespace {
// FPCR's rounding mode (RMode, bits 22-23, 00 to nearest) and flush-to-zero
// (FZ, bit 24): all clear in the exact mode.
constexpr unsigned long long MODE = (3ull << 22) | (1ull << 24);
unsigned long long readFpcr() {
    unsigned long long fpcr;
    __asm__ __volatile__("mrs %0, fpcr" : "=r"(fpcr));
    return fpcr;
}
void writeFpcr(unsigned long long fpcr) {
    __asm__ __volatile__("msr fpcr, %0" : : "r"(fpcr));
}
}  // namespace

unsigned long long ExactFloatMode::enter() noexcept {
    const unsigned long long mode = readFpcr();
    if ((mode & MODE) != 0) {
        writeFpcr(mode & ~MODE);
    }
    return mode;
}

void ExactFloatMode::leave(unsigned long long saved) noexcept {
    const unsigned long long mode = saved & MODE;
    if (mode != 0) {
        writeFpcr((readFpcr() & ~MODE) | mode);
    }
}

#else

unsigned long long ExactFloatMode::enter() noexcept {
    return 0;
}

void ExactFloatMode::leave(unsigned long long) noexcept {}

#endif

}  // namespace detail
}  // namespace geometrija
