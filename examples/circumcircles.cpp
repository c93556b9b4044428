// The Delaunay triangulation of a point file with every triangle's
// circumcircle drawn: no circle holds another point inside.
//   circumcircles [FILE]     (default tacke.txt: a count, then x y pairs)
#include <geometrija/geometrija.h>

#include <cstdio>

using namespace geometrija;

// The perpendicular bisector of a and b: through their midpoint, at a
// quarter turn to ab.
Prava perpendicular(Tacka a, Tacka b) {
    return Prava(Tacka((a.x + b.x) / 2, (a.y + b.y) / 2), Tacka(a.y - b.y, b.x - a.x));
}

int main(int argc, char** argv) {
    const char* name = argc > 1 ? argv[1] : "tacke.txt";
    std::FILE* f = std::fopen(name, "r");
    int n = 0;
    if (f == nullptr || std::fscanf(f, "%d", &n) != 1 || n < 3 || n > 99) {
        std::fprintf(stderr, "circumcircles: %s: a count from 3 to 99 expected\n", name);
        return 1;
    }
    Tacka A[99];
    for (int i = 0; i < n; ++i) {
        if (std::fscanf(f, "%f %f", &A[i].x, &A[i].y) != 2) {
            std::fprintf(stderr, "circumcircles: %s: %d pairs expected\n", name, n);
            return 1;
        }
        addPoint(A[i], COLOR_RED);
    }
    std::fclose(f);

    // The triangulation adds every accepted triangle's sides in black.
    triangulate(A, n);

    // A triangle is accepted when no other point lies inside its circle
    // (hasPointInCircumcircle gives 0): draw that circle.
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            for (int k = j + 1; k < n; ++k) {
                Tacka O;
                if (hasPointInCircumcircle(A[i], A[j], A[k], A, n) == 0 &&
                    intersectLines(perpendicular(A[i], A[j]), perpendicular(A[i], A[k]), &O) == 1) {
                    Krug c;
                    c.center = O;
                    c.radius = distance(O, A[i]);
                    addCircle(c, COLOR_CYAN);
                }
            }
        }
    }
    startGraphics(argc, argv);
    return 0;
}
