#include "geometry/float_mode.h"

#if defined(__x86_64__)
#include <xmmintrin.h>
#endif

namespace geometrija {
namespace detail {

#if defined(__x86_64__)

namespace {
// MXCSR's flush-to-zero (bit 15) and denormals-are-zero (bit 6).
constexpr unsigned FLUSH = 0x8040u;
}  // namespace

unsigned long long ExactFloatMode::enter() noexcept {
    const unsigned mode = _mm_getcsr();
    if ((mode & FLUSH) != 0) {
        _mm_setcsr(mode & ~FLUSH);
    }
    return mode;
}

void ExactFloatMode::leave(unsigned long long saved) noexcept {
    const unsigned flush = static_cast<unsigned>(saved) & FLUSH;
    if (flush != 0) {
        _mm_setcsr(_mm_getcsr() | flush);
    }
}

#elif defined(__aarch64__)

namespace {
// FPCR's flush-to-zero (bit 24).
constexpr unsigned long long FLUSH = 1ull << 24;
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
    if ((mode & FLUSH) != 0) {
        writeFpcr(mode & ~FLUSH);
    }
    return mode;
}

void ExactFloatMode::leave(unsigned long long saved) noexcept {
    if ((saved & FLUSH) != 0) {
        writeFpcr(readFpcr() | FLUSH);
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
