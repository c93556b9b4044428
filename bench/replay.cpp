// The programs' picture with nothing before it: reads a scene dump (as
// scene_dump writes it: points, then segments, in hex floats), puts those
// primitives into the scene and calls startGraphics.  No point file, no
// triangulation, no window check: the floor that a program's start to its
// first picture is measured against.
//   replay SCENE_DUMP [GLUT arguments]
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "geometrija/graphics.h"
#include "geometrija/scene.h"

using namespace geometrija;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: replay SCENE_DUMP [GLUT arguments]\n");
        return 2;
    }
    std::FILE* f = std::fopen(argv[1], "r");
    if (f == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    char what[16];
    int count = 0;
    while (std::fscanf(f, "%15s %d", what, &count) == 2) {
        const bool points = std::strcmp(what, "points") == 0;
        if (!points && std::strcmp(what, "segments") != 0) {
            break;
        }
        for (int i = 0; i < count; ++i) {
            float v[4];
            int colour = 0;
            const int values = points ? 2 : 4;
            for (int k = 0; k < values; ++k) {
                char word[64];
                if (std::fscanf(f, "%63s", word) != 1) {
                    return 1;
                }
                v[k] = std::strtof(word, nullptr);
            }
            if (std::fscanf(f, "%d", &colour) != 1) {
                return 1;
            }
            if (points) {
                addPoint(Tacka(v[0], v[1]), colour);
            } else {
                addSegment(Duz(Tacka(v[0], v[1]), Tacka(v[2], v[3])), colour);
            }
        }
    }
    std::fclose(f);
    // GLUT gets the arguments after the dump's name, as a program's own.
    argv[1] = argv[0];
    startGraphics(argc - 1, argv + 1);
    return 0;
}
