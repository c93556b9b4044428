// The window check where there is no X display: in a browser the page is
// the window, and Windows always has a desktop; only the arguments are
// checked.  On Windows, freeglut's failures to make the window are said in
// the programs' words.
#include "render/glut.h"
#include "render/window_check.h"
#include "render/window_errors.h"

#if defined(_WIN32)
#include <stdlib.h>
#endif

namespace geometrija {

using detail::CANNOT;

std::string windowUnavailable(const char*, int argc, char** argv, WindowCheck) {
    const GlutArguments g = glutArguments(argc, argv, nullptr);
    return g.error.empty() ? std::string() : std::string(CANNOT) + g.error + ")";
}

#if defined(_WIN32)

void guardWindowCreation(const char* program, int argc, char** argv) {
    // freeglut for Windows takes DISPLAY as a device's name, and warns when
    // it is none; there is no X display on Windows.
    _putenv("DISPLAY=");
    (void)argc;
    (void)argv;
    // Every failure there is the pixel format's or the context's, which
    // freeglut reports through the one error: the context is what is missing.
    detail::lines.context =
        std::string(program) + ": " + CANNOT + "OpenGL kontekst ne moze da se napravi)\n";
    detail::lines.display = detail::lines.visual = detail::lines.context;
    glutInitErrorFunc(detail::glutError);
    glutInitWarningFunc(detail::glutWarning);
}

#else

void guardWindowCreation(const char*, int, char**) {}

#endif

void windowCreated() {}

}  // namespace geometrija
