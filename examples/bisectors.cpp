// A triangle's three perpendicular bisectors meet in one point, the centre
// of the circle through its corners.
#include <geometrija/geometrija.h>

using namespace geometrija;

// This picture's own colours: the circle and its centre, apart from the
// bisectors' midpoints and lines, which addBisector colours.
constexpr int CIRCLE = COLOR_GREEN;
constexpr int CENTRE = COLOR_RED;
constexpr int CORNER = COLOR_BLACK;
static_assert(CENTRE != COLOR_MIDPOINT && CORNER != COLOR_MIDPOINT,
              "the centre and the corners must show apart from the midpoints");
static_assert(CIRCLE != COLOR_NORMAL_LINE, "the circle must show apart from the bisectors");

int main(int argc, char** argv) {
    const Tacka A(1, 1);
    const Tacka B(9, 2);
    const Tacka C(4, 8);
    addSegment(Duz(A, B), COLOR_TRIANGLE_SIDE);
    addSegment(Duz(B, C), COLOR_TRIANGLE_SIDE);
    addSegment(Duz(C, A), COLOR_TRIANGLE_SIDE);

    // Each bisector adds its side's midpoint (COLOR_MIDPOINT) and itself
    // (COLOR_NORMAL_LINE).
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
        addCircle(k, CIRCLE);
        addPoint(O, CENTRE);
    }
    for (const Tacka& corner : {A, B, C}) {
        addPoint(corner, CORNER);
    }
    startGraphics(argc, argv);
    return 0;
}
