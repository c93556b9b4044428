// Every crossing of a set of segments, marked as a red point.
#include <geometrija/geometrija.h>

using namespace geometrija;

int main(int argc, char** argv) {
    const Duz s[] = {
        Duz(Tacka(0, 0), Tacka(10, 8)), Duz(Tacka(0, 8), Tacka(10, 0)),
        Duz(Tacka(1, 3), Tacka(9, 3)),  Duz(Tacka(5, 0), Tacka(5, 9)),
        Duz(Tacka(2, 7), Tacka(8, 9)),  Duz(Tacka(6, 1), Tacka(9, 2)),
    };
    const int n = sizeof s / sizeof s[0];
    for (int i = 0; i < n; ++i) {
        addSegment(s[i], COLOR_BLACK);
    }
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            // 1: one common point, written to x; 0: none; 2: they overlap.
            Tacka x;
            if (intersectSegments(s[i], s[j], &x) == 1) {
                addPoint(x, COLOR_RED);
            }
        }
    }
    startGraphics(argc, argv);
    return 0;
}
