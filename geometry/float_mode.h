// The floating-point mode the toolkit's arithmetic is exact in, whatever
// the calling program set.  For the library's own code only: not installed.
#pragma once

namespace geometrija {
namespace detail {

// Subnormal floats and doubles as IEEE 754 has them, for the lifetime of the
// object.  A program linked with -ffast-math starts with the processor's
// flush-to-zero and denormals-are-zero modes set (MXCSR's FTZ and DAZ on
// x86-64, FPCR.FZ on aarch64), and a tiny coordinate, difference or product
// would then become 0 and change a result's bits.  The mode is changed only
// when it differs, and the caller's is given back at the end, the flags
// raised meanwhile kept.  Both happen in calls into another file, which the
// compiler cannot see into, so no arithmetic of the guarded function moves
// across them.  Elsewhere (the browser) there is no such mode: nothing is done.
class ExactFloatMode {
public:
    ExactFloatMode() noexcept : saved_(enter()) {}
    ~ExactFloatMode() { leave(saved_); }
    ExactFloatMode(const ExactFloatMode&) = delete;
    ExactFloatMode& operator=(const ExactFloatMode&) = delete;

private:
    static unsigned long long enter() noexcept;
    static void leave(unsigned long long saved) noexcept;
    unsigned long long saved_;
};

}  // namespace detail
}  // namespace geometrija
