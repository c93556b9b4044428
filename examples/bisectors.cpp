// A triangle's three perpendicular bisectors meet in one point, the centre
// of the circle through its corners.
#include <geometrija/geometrija.h>

using namespace geometrija;

int main(int argc, char** argv) {
    const Tacka A(1, 1);
    const Tacka B(9, 2);
    const Tacka C(4, 8);
    addSegment(Duz(A, B), COLOR_BLACK);
    addSegment(Duz(B, C), COLOR_BLACK);
    addSegment(Duz(C, A), COLOR_BLACK);

    // Each bisector adds its side's midpoint (blue) and itself (purple).
    Prava ab;
    Prava bc;
    Prava ca;
    addBisector(A, B, &ab);
    addBisector(B, C, &bc);
    addBisector(C, A, &ca);

    // Two of them are enough to find the centre; the third passes through it.
    Tacka O;
    if (intersectLines(ab, bc, &O) == 1) {
        Krug k;
        k.center = O;
        k.radius = distance(O, A);
        addCircle(k, COLOR_GREEN);
        addPoint(O, COLOR_RED);
    }
    for (const Tacka& corner : {A, B, C}) {
        addPoint(corner, COLOR_BLACK);
    }
    startGraphics(argc, argv);
    return 0;
}
