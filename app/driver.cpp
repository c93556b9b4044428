#include "app/driver.h"

#include <iostream>
#include <string>

#include "app/input.h"
#include "geometry/triangulate.h"
#include "render/graphics.h"
#include "scene/scene.h"

namespace geometrija {

void buildScene(Par* a, int n, Tacka* A) {
    sortByX(a, n);
    for (int i = 0; i < n; ++i) {
        A[i].x = a[i].x;
        A[i].y = a[i].y;
        addPoint(A[i], 0);
    }
    triangulate(A, n);
}

namespace {

// The scene, then the graphics for good.  A[] lives in this frame for the
// rest of the process, since the main loop does not return.
int commonPhase(Par* a, int n, int argc, char** argv) {
    Tacka A[MAX_POINTS];
    buildScene(a, n, A);
    startGraphics(argc, argv);
    return 0;
}

int fail(const char* program, const std::string& error) {
    std::cerr << program << ": " << error << '\n' << std::flush;
    return 1;
}

}  // namespace

int runInteractive(int argc, char** argv) {
    const char* const program = "Kalvera";
    Par a[MAX_POINTS];
    int n = 0;
    std::string fileName;
    std::string error;
    switch (runDialogue(std::cin, std::cout, std::cerr, program, a, n, fileName, error)) {
        case DialogueResult::Failed:
            return fail(program, error);
        case DialogueResult::FileNamed:
            if (!loadPointFile(fileName, a, n, error)) {
                return fail(program, error);
            }
            break;
        case DialogueResult::Typed:
            break;
    }
    return commonPhase(a, n, argc, argv);
}

int runFixedFile(const char* program, const char* fileName, int argc, char** argv) {
    Par a[MAX_POINTS];
    int n = 0;
    std::string error;
    if (!loadPointFile(fileName, a, n, error)) {
        return fail(program, error);
    }
    return commonPhase(a, n, argc, argv);
}

}  // namespace geometrija
