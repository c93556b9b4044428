// The Delaunay triangulation of a point file with every triangle's
// circumcircle drawn: no circle holds another point inside.
//   circumcircles [FILE]     (default tacke.txt: a point file, a count and
//                            x y pairs, read as the programs read theirs)
#include <geometrija/geometrija.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace geometrija;

// The circles' own colour, apart from the sides'.
constexpr int CIRCLE = COLOR_CYAN;
static_assert(CIRCLE != COLOR_TRIANGLE_SIDE, "the circles must show apart from the sides");

int main(int argc, char** argv) {
    const char* name = argc > 1 ? argv[1] : "tacke.txt";
    // Read as the programs read their files: a file they refuse is refused
    // here with their message, under this program's name.
    Tacka A[MAX_POINTS];
    int n = 0;
    const std::string error = readPoints("circumcircles", name, A, &n);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    for (int i = 0; i < n; ++i) {
        addPoint(A[i], COLOR_INPUT_POINT);
    }

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
    // Sent now: to a pipe or a file, the counts would otherwise wait in the
    // buffer until the window is closed.
    std::fflush(stdout);
    startGraphics(argc, argv);
    return 0;
}
