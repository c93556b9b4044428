// A student's program that uses the toolkit without a window: it prints the
// results of every toolkit call on seeded inputs, bit for bit.  Built plain
// and with -O3 -march=native -ffast-math against the installed library, the
// two outputs must be identical: every rounding happens in the library, and
// the library keeps subnormals even where -ffast-math's start-up code set
// the processor to flush them to zero.  Its inputs are multiples of 1/128,
// made without rounding, then tiny values that make subnormal differences,
// products and results; everything is printed as its bits, since the
// program's own conversions would flush subnormals under -ffast-math.
#include <geometrija/toolkit.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

using namespace geometrija;

namespace {

unsigned state = 20261208;

unsigned next() {
    state = state * 1103515245u + 12345u;
    return state >> 8;
}

float coordinate() {
    return static_cast<float>(static_cast<int>(next() % 4001) - 2000) * 0.0078125f;
}

// Around float's smallest normal (1.2e-38) and below it, and values whose
// squares and products fall there.
constexpr float TINY[] = {0.0f,      0x1p-149f, -0x1p-149f,  0x1.8p-140f, 0x1p-127f, -0x1.4p-130f,
                          0x1p-126f, 0x1p-70f,  -0x1.8p-66f, 0x1p-64f,    3e-20f,    -1e-19f};

float tiny() {
    return TINY[next() % (sizeof TINY / sizeof TINY[0])];
}

Tacka point() {
    const float x = coordinate();
    return Tacka(x, coordinate());
}

Tacka tinyPoint() {
    const float x = tiny();
    return Tacka(x, tiny());
}

unsigned bits(float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

void print(const char* what, const Tacka& t) {
    std::printf("%s %08x %08x\n", what, bits(t.x), bits(t.y));
}

void everyOperation(const Tacka& a, const Tacka& b, const Tacka& c, const Tacka& d) {
    Tacka r;
    std::printf("lines %d ", intersectLines(Prava(a, b), Prava(c, d), &r));
    print("", r);
    std::printf("segments %d ", intersectSegments(Duz(a, b), Duz(c, d), &r));
    print("", r);
    std::printf("distance %08x length %08x\n", bits(distance(a, c)), bits(b.squaredLength()));
    Prava bisector;
    addBisector(a, b, &bisector);
    print("bisector", bisector.point);
    print("direction", bisector.dir);
    Prava normal;
    addNormal(c, bisector, &normal);
    print("normal", normal.dir);
    Tacka triple[4] = {a, b, c, d};
    std::printf("inside %d\n", hasPointInCircumcircle(a, b, c, triple, 4));
    Krug k;
    k.center = Tacka(7, 7);
    k.radius = 7;
    std::printf("circle %d ", circumcircle(a, b, c, &k));
    print("", k.center);
    std::printf("radius %08x\n", bits(k.radius));
}

}  // namespace

int main() {
    for (int i = 0; i < 3000; ++i) {
        const Tacka a = point();
        const Tacka b = point();
        const Tacka c = point();
        everyOperation(a, b, c, point());
    }
    for (int i = 0; i < 2000; ++i) {
        const Tacka a = tinyPoint();
        const Tacka b = tinyPoint();
        const Tacka c = tinyPoint();
        everyOperation(a, b, c, tinyPoint());
    }
    Tacka pts[60];
    for (Tacka& p : pts) {
        p = point();
    }
    triangulate(pts, 60);
    for (const Duz& s : segments) {
        print("side", s.start);
        print("to", s.end);
    }
    print("min", minCorner);
    print("max", maxCorner);
    return 0;
}
