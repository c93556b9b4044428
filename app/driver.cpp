#include "app/driver.h"

#include <iostream>
#include <string>

#include "app/dialogue.h"
#include "app/platform.h"
#include "app/point_file.h"
#include "app/scene_build.h"
#include "geometrija/graphics.h"
#include "geometrija/scene.h"
#include "render/camera.h"
#include "render/window_check.h"

namespace geometrija {

namespace {

// One line on standard error, "PROGRAM: WHAT".
void tell(const char* program, const std::string& what) {
    std::cerr << program << ": " << what << '\n' << std::flush;
}

int fail(const char* program, const std::string& error) {
    tell(program, error);
    return endProgram(1);
}

// The scene, then the graphics for good.  A[] lives in this frame for the
// rest of the process, since the main loop does not return.  A picture that
// will show nothing is announced by startGraphics; the window opens all the
// same.
int commonPhase(const char* program, Par* a, int n, int argc, char** argv) {
    Tacka A[MAX_POINTS];
    buildScene(a, n, A);
    guardWindowCreation(program, argc, argv);
    startGraphics(program, argc, argv);
    return 0;
}

}  // namespace

int runInteractive(int argc, char** argv) {
    const char* const program = "Kalvera";
    guardStandardDescriptors();
    // Unsynchronised, std::cin reads through a file buffer, which tells a
    // failed read (bad) from the end of the input; the synchronised one
    // reports both as the end.  Before the console is prepared, which may
    // give the streams buffers of its own.
    std::ios::sync_with_stdio(false);
    prepareConsole();
    // Nobody should type points for a window that cannot open: everything
    // the window will need is tried before the first question, while nobody
    // is waiting yet, and the OpenGL driver it loads is there for the window.
    const std::string noWindow = windowUnavailable(program, argc, argv, WindowCheck::Context);
    if (!noWindow.empty()) {
        return fail(program, noWindow);
    }
    Par a[MAX_POINTS];
    DialogueResult dialogue =
        runDialogue(std::cin, std::cout, std::cerr, program, a, outputIsTerminal());
    switch (dialogue.end) {
        case DialogueEnd::Failed:
            return fail(program, dialogue.error);
        case DialogueEnd::FileNamed: {
            const Result<int> file = loadPointFile(dialogue.fileName, a);
            if (!file.ok()) {
                return fail(program, file.error);
            }
            dialogue.n = *file.value;
            break;
        }
        case DialogueEnd::Typed:
            break;
    }
    return commonPhase(program, a, dialogue.n, argc, argv);
}

int runFixedFile(const char* program, const char* fileName, int argc, char** argv) {
    guardStandardDescriptors();
    prepareConsole();
    Par a[MAX_POINTS];
    const Result<int> file = loadPointFile(fileName, a);
    if (!file.ok()) {
        return fail(program, file.error);
    }
    // A bad file is reported first; then whether its picture can be shown,
    // as far as that is cheap: what only the window's creation can show
    // (a refused context) is said there, nobody having typed anything.
    const std::string noWindow = windowUnavailable(program, argc, argv, WindowCheck::Display);
    if (!noWindow.empty()) {
        return fail(program, noWindow);
    }
    return commonPhase(program, a, *file.value, argc, argv);
}

}  // namespace geometrija
