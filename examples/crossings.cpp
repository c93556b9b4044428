// Every crossing of a set of segments, marked as a point.
#include <geometrija/geometrija.h>

using namespace geometrija;

// The crossings' colour, apart from the segments'.
constexpr int CROSSING = COLOR_RED;
constexpr int SEGMENT = COLOR_BLACK;
static_assert(CROSSING != SEGMENT, "the crossings must show apart from the segments");

int main(int argc, char** argv) {
    const Duz s[] = {
        Duz(Tacka(0, 0), Tacka(10, 8)), Duz(Tacka(0, 8), Tacka(10, 0)),
        Duz(Tacka(1, 3), Tacka(9, 3)),  Duz(Tacka(5, 0), Tacka(5, 9)),
        Duz(Tacka(2, 7), Tacka(8, 9)),  Duz(Tacka(6, 1), Tacka(9, 2)),
    };
    const int n = sizeof s / sizeof s[0];
    for (int i = 0; i < n; ++i) {
        addSegment(s[i], SEGMENT);
    }
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            // 1: one common point, written to x; 0: none; 2: they overlap.
            Tacka x;
            if (intersectSegments(s[i], s[j], &x) == 1) {
                addPoint(x, CROSSING);
            }
        }
    }
    startGraphics(argc, argv);
    return 0;
}
