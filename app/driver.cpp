#include "app/driver.h"

#include <iostream>
#include <string>
#include <utility>

#include "app/dialogue.h"
#include "app/platform.h"
#include "geometry/triangulate.h"
#include "render/camera.h"
#include "render/graphics.h"
#include "render/window_check.h"
#include "scene/scene.h"

namespace geometrija {

void sortByX(Par* pairs, int n) {
    // j starts at 1 for every i: position 0 ends with a smallest x and the
    // rest in non-increasing x.  Equal x values are never exchanged.
    for (int i = 0; i < n; ++i) {
        for (int j = 1; j < n; ++j) {
            if (pairs[j].x < pairs[i].x) {
                std::swap(pairs[i], pairs[j]);
            }
        }
    }
}

void buildScene(Par* a, int n, Tacka* A) {
    sortByX(a, n);
    for (int i = 0; i < n; ++i) {
        A[i].x = a[i].x;
        A[i].y = a[i].y;
        addPoint(A[i], COLOR_RED);
    }
    triangulate(A, n);
}

namespace {

int fail(const char* program, const std::string& error) {
    std::cerr << program << ": " << error << '\n' << std::flush;
    return endProgram(1);
}

// The scene, then the graphics for good.  A[] lives in this frame for the
// rest of the process, since the main loop does not return.  A picture that
// will show nothing is announced first; the window opens all the same.
int commonPhase(const char* program, Par* a, int n, int argc, char** argv) {
    Tacka A[MAX_POINTS];
    buildScene(a, n, A);
    const std::string warning = n > 0 ? emptyPictureWarning(minCorner, maxCorner) : "";
    if (!warning.empty()) {
        std::cerr << program << ": " << warning << '\n' << std::flush;
    }
    startGraphics(argc, argv);
    return 0;
}

}  // namespace

int runInteractive(int argc, char** argv) {
    const char* const program = "Kalvera";
    guardStandardDescriptors();
    prepareConsole();
    // Nobody should type points for a window that cannot open.
    const std::string noWindow = windowUnavailable(argc, argv);
    if (!noWindow.empty()) {
        return fail(program, noWindow);
    }
    // Unsynchronised, std::cin reads through a file buffer, which tells a
    // failed read (bad) from the end of the input; the synchronised one
    // reports both as the end.
    std::ios::sync_with_stdio(false);
    Par a[MAX_POINTS];
    DialogueResult dialogue =
        runDialogue(std::cin, std::cout, std::cerr, program, a, outputIsTerminal());
    switch (dialogue.end) {
        case DialogueEnd::Failed:
            return fail(program, dialogue.error);
        case DialogueEnd::FileNamed:
            dialogue.fileName = nameFromConsole(dialogue.fileName);
            if (!loadPointFile(dialogue.fileName, a, dialogue.n, dialogue.error)) {
                return fail(program, dialogue.error);
            }
            break;
        case DialogueEnd::Typed:
            break;
    }
    return commonPhase(program, a, dialogue.n, argc, argv);
}

int runFixedFile(const char* program, const char* fileName, int argc, char** argv) {
    guardStandardDescriptors();
    prepareConsole();
    Par a[MAX_POINTS];
    int n = 0;
    std::string error;
    if (!loadPointFile(fileName, a, n, error)) {
        return fail(program, error);
    }
    // A bad file is reported first; then whether its picture can be shown.
    const std::string noWindow = windowUnavailable(argc, argv);
    if (!noWindow.empty()) {
        return fail(program, noWindow);
    }
    return commonPhase(program, a, n, argc, argv);
}

}  // namespace geometrija
