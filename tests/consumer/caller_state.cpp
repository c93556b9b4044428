// A student's file that is hard on the toolkit, linked first into a program
// built with -ffast-math (the checker's skeleton, which then answers the
// test vectors).  Its global object is made first of all (init_priority 101,
// the lowest a program may give) and uses the scene; it then sets the
// processor to round upward and to flush subnormals to zero, and leaves it
// so: every answer that follows is computed from that state.  Inside
// triangulate's callback the student's own state must hold, and the
// toolkit called from there must still give its bits; after every call the
// state must be the student's again.  A fault ends the program with a line
// on standard error before its first answer, which fails the check.
#include <geometrija/toolkit.h>

#include <cfenv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(__x86_64__)
#include <xmmintrin.h>
#endif

using namespace geometrija;

namespace {

void fail(const char* what) {
    std::fprintf(stderr, "caller_state: %s\n", what);
    std::_Exit(1);
}

std::uint32_t bits(float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

float fromBits(std::uint32_t u) {
    float f;
    std::memcpy(&f, &u, sizeof f);
    return f;
}

// Flush-to-zero and denormals-are-zero on, as -ffast-math's start-up code
// sets them (where the processor has them).
void flushSubnormals() {
#if defined(__x86_64__)
    _mm_setcsr(_mm_getcsr() | 0x8040u);
#elif defined(__aarch64__)
    unsigned long long fpcr;
    __asm__ __volatile__("mrs %0, fpcr" : "=r"(fpcr));
    fpcr |= 1ull << 24;
    __asm__ __volatile__("msr fpcr, %0" : : "r"(fpcr));
#endif
}

// Whether the state is the student's: upward, and a subnormal product
// flushed to 0 where the processor can flush.
bool studentState() {
#if defined(__x86_64__) || defined(__aarch64__)
    volatile float smallest = fromBits(0x00800000u);  // float's smallest normal
    const bool flushed = bits(smallest * 0.5f) == 0;
#else
    const bool flushed = true;
#endif
    return std::fegetround() == FE_UPWARD && flushed;
}

// 2^-64, whose square is subnormal, and the subnormal 2^-140 (made when
// used: a global's value would not be there yet for a global of priority
// 101).
float small() {
    return fromBits(0x1f800000u);
}
float subnormal() {
    return fromBits(0x00000200u);
}

int accepted = 0;

// The toolkit from inside the callback, against the plain build's bits.
void insideCallback(const Tacka* pts, int i, int j, int k) {
    ++accepted;
    if (!studentState()) {
        fail("the callback does not run in the caller's floating-point state");
    }
    Krug c{};
    const int code = circumcircle(pts[i], pts[j], pts[k], &c);
    if (code != ONE_POINT || bits(c.center.x) != 0x1f000000u || bits(c.center.y) != 0x1f000000u ||
        bits(c.radius) != 0x1f3504f3u) {
        std::fprintf(stderr, "caller_state: circumcircle %d %08x %08x %08x\n", code,
                     bits(c.center.x), bits(c.center.y), bits(c.radius));
        fail("circumcircle of subnormal points inside the callback is not the plain build's");
    }
    if (!studentState()) {
        fail("the callback's state changed by a toolkit call inside it");
    }
}

struct HardCaller {
    HardCaller() {
        // The scene, before anything else of the program ran.
        if (bits(minCorner.x) != bits(static_cast<float>(WINDOW_WIDTH)) ||
            bits(minCorner.y) != bits(static_cast<float>(WINDOW_HEIGHT)) ||
            bits(maxCorner.x) != 0 || bits(maxCorner.y) != 0 || !points.empty()) {
            fail("the scene is not ready for a global object of priority 101");
        }
        addPoint(Tacka(1, 2), COLOR_RED);
        addSegment(Duz(Tacka(3, 4), Tacka(5, 6)), COLOR_BLACK);
        if (points.size() != 1 || segments.size() != 1 || minCorner.x != 1 || minCorner.y != 2 ||
            maxCorner.x != 5 || maxCorner.y != 6) {
            fail("a global object of priority 101 cannot add to the scene");
        }
        std::fesetround(FE_UPWARD);
        flushSubnormals();
        if (!studentState()) {
            fail("the student's state cannot be set");
        }
        // distance(a, b) = 2^-64 in the plain build, through a subnormal
        // square; the bisector of a subnormal coordinate keeps it.
        const float d = distance(Tacka(0, 0), Tacka(small(), 0));
        Prava bisector;
        addBisector(Tacka(0, 0), Tacka(subnormal(), 0), &bisector);
        if (bits(d) != 0x1f800000u || bits(bisector.point.x) != 0x00000100u ||
            bits(bisector.dir.y) != 0x00000200u || !studentState()) {
            std::fprintf(stderr, "caller_state: distance %08x bisector %08x %08x\n", bits(d),
                         bits(bisector.point.x), bits(bisector.dir.y));
            fail("distance or bisector of tiny points, or the caller's state after them");
        }
        // (0, 0), (2^-64, 0), (0, 2^-64): their circumcircle passes through
        // subnormal products and exists only with subnormals kept.
        Tacka pts[3] = {Tacka(0, 0), Tacka(small(), 0), Tacka(0, small())};
        triangulate(pts, 3, [&pts](int i, int j, int k) { insideCallback(pts, i, j, k); });
        if (accepted != 1 || !studentState()) {
            fail("triangulate of three subnormal points, or the caller's state after it");
        }
        segments.clear();
        points.clear();
        lines.clear();
    }
} hardCaller __attribute__((init_priority(101)));

}  // namespace
