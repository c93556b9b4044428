// The floating-point mode the toolkit's arithmetic is exact in, whatever
// the calling program set.  For the library's own code only: not installed.
#pragma once

namespace geometrija {
namespace detail {

// Round-to-nearest and subnormal floats and doubles as IEEE 754 has them,
// for the lifetime of the object.  A program may have set another rounding
// direction (fesetround), and one linked with -ffast-math starts with the
// processor's flush-to-zero and denormals-are-zero modes set (MXCSR's FTZ
// and DAZ on x86-64, FPCR.FZ on aarch64): a rounding would then go the other
// way, or a tiny coordinate, difference or product become 0, and a result's
// bits change.  The mode is changed only when it differs, and the caller's
// is given back at the end, the flags raised meanwhile kept.  Both happen in
// calls into another file, which the compiler cannot see into, so no
// arithmetic of the guarded function moves across them.  Elsewhere (the
// browser) there is no such mode: nothing is done.
class ExactFloatMode {
public:
    ExactFloatMode() noexcept : saved_(enter()) {}
    ~ExactFloatMode() { leave(saved_); }
    ExactFloatMode(const ExactFloatMode&) = delete;
    ExactFloatMode& operator=(const ExactFloatMode&) = delete;

    // The caller's mode for the lifetime of the object, inside a guarded
    // function: for the caller's own code that the toolkit calls back.  The
    // exact mode is entered again at its end, and a mode the caller's code
    // set meanwhile is the one given back at the guard's end.
    class CallerMode {
    public:
        explicit CallerMode(ExactFloatMode& guard) noexcept : guard_(guard) {
            leave(guard_.saved_);
        }
        ~CallerMode() { guard_.saved_ = enter(); }
        CallerMode(const CallerMode&) = delete;
        CallerMode& operator=(const CallerMode&) = delete;

    private:
        ExactFloatMode& guard_;
    };

private:
    // Enters the exact mode; returns the mode found.
    static unsigned long long enter() noexcept;
    // Gives back the mode bits of `saved`, keeping the flags as they are.
    static void leave(unsigned long long saved) noexcept;
    unsigned long long saved_;
};

}  // namespace detail
}  // namespace geometrija
