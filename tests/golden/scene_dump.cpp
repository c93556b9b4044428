// scene_dump: reads a point file as the programs do, builds the scene (sort,
// red points, triangulation) and prints every point and segment of it with
// exact hexadecimal floats, so that builds can be compared bit for bit.
//   scene_dump FILE
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "app/point_file.h"
#include "app/scene_build.h"
#include "geometrija/scene.h"

using namespace geometrija;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: scene_dump FILE\n");
        return 2;
    }
#ifdef _WIN32
    // The dump is compared byte for byte: no CR before each LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    Par a[MAX_POINTS];
    const Result<int> file = loadPointFile(argv[1], a);
    if (!file.ok()) {
        std::fprintf(stderr, "scene_dump: %s\n", file.error.c_str());
        return 1;
    }
    const int n = *file.value;
    Tacka A[MAX_POINTS];
    buildScene(a, n, A);
    std::printf("points %zu\n", points.size());
    for (const Tacka& t : points) {
        std::printf("%a %a %d\n", t.x, t.y, t.color);
    }
    std::printf("segments %zu\n", segments.size());
    for (const Duz& d : segments) {
        std::printf("%a %a %a %a %d\n", d.start.x, d.start.y, d.end.x, d.end.y, d.color);
    }
    std::printf("nudged\n");
    for (int i = 0; i < n; ++i) {
        std::printf("%a %a\n", A[i].x, A[i].y);
    }
    std::printf("box %a %a %a %a\n", minCorner.x, minCorner.y, maxCorner.x, maxCorner.y);
    return 0;
}
