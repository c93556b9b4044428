// A student's program that uses the toolkit without a window: it prints the
// results of every toolkit call on seeded inputs, bit for bit (hex floats).
// Built plain and with -O3 -march=native -ffast-math against the installed
// library, the two outputs must be identical: every rounding happens in the
// library.  Its inputs are multiples of 1/128, made without rounding.
#include <geometrija/toolkit.h>

#include <cstdio>

using namespace geometrija;

namespace {

unsigned state = 20261208;

float coordinate() {
    state = state * 1103515245u + 12345u;
    return static_cast<float>(static_cast<int>((state >> 8) % 4001) - 2000) * 0.0078125f;
}

Tacka point() {
    const float x = coordinate();
    return Tacka(x, coordinate());
}

void print(const char* what, const Tacka& t) {
    std::printf("%s %a %a\n", what, static_cast<double>(t.x), static_cast<double>(t.y));
}

}  // namespace

int main() {
    for (int i = 0; i < 3000; ++i) {
        const Tacka a = point();
        const Tacka b = point();
        const Tacka c = point();
        const Tacka d = point();
        Tacka r;
        std::printf("lines %d ", intersectLines(Prava(a, b), Prava(c, d), &r));
        print("", r);
        std::printf("segments %d ", intersectSegments(Duz(a, b), Duz(c, d), &r));
        print("", r);
        std::printf("distance %a length %a\n", static_cast<double>(distance(a, c)),
                    static_cast<double>(b.squaredLength()));
        Prava bisector;
        addBisector(a, b, &bisector);
        print("bisector", bisector.point);
        print("direction", bisector.dir);
        Prava normal;
        addNormal(c, bisector, &normal);
        print("normal", normal.dir);
        Tacka triple[4] = {a, b, c, d};
        std::printf("inside %d\n", hasPointInCircumcircle(a, b, c, triple, 4));
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
