// The Delaunay triangulation of a point file with every triangle's
// circumcircle drawn: no circle holds another point inside.
//   circumcircles [FILE]     (default tacke.txt: a count, then x y pairs)
#include <geometrija/geometrija.h>

#include <cstdio>
#include <vector>

using namespace geometrija;

// The circles' own colour, apart from the sides'.
constexpr int CIRCLE = COLOR_CYAN;
static_assert(CIRCLE != COLOR_TRIANGLE_SIDE, "the circles must show apart from the sides");

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
        addPoint(A[i], COLOR_INPUT_POINT);
    }
    std::fclose(f);

    // The triangulation adds every accepted triangle's sides in black and
    // names each triangle as it accepts it, its points then as it tested
    // them: the circle it found empty is the library's circumcircle of them.
    std::vector<Krug> empty;
    triangulate(A, n, [&](int i, int j, int k) {
        Krug c;
        if (circumcircle(A[i], A[j], A[k], &c) == ONE_POINT) {
            empty.push_back(c);
        }
    });
    for (const Krug& c : empty) {
        addCircle(c, CIRCLE);
    }
    std::printf("%d triangles, %d circles\n", static_cast<int>(segments.size() / 3),
                static_cast<int>(empty.size()));
    startGraphics(argc, argv);
    return 0;
}
