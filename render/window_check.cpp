#include "render/window_check.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#ifndef _WIN32
#include <GL/glx.h>
#include <X11/Xlib.h>
#endif

namespace geometrija {

std::string displayName(int argc, char** argv, const char* environment) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-display") == 0) {
            return argv[i + 1];
        }
    }
    return environment != nullptr ? environment : "";
}

#ifdef _WIN32

std::string windowUnavailable(int, char**) {
    return std::string();
}

#else

namespace {

// X errors while the context is tried (a display that refuses the context,
// as an indirect one often is) are counted here instead of ending the
// program with Xlib's default report.
int xErrors = 0;

int countError(Display*, XErrorEvent*) {
    ++xErrors;
    return 0;
}

}  // namespace

std::string windowUnavailable(int argc, char** argv) {
    const std::string name = displayName(argc, argv, std::getenv("DISPLAY"));
    const std::string what = "prozor ne moze da se otvori (";
    if (name.empty()) {
        return what + "nije zadat X ekran: promenljiva DISPLAY je prazna)";
    }
    // A few tries: Xvfb was seen to refuse now and then a connection made
    // right after another one closed.  A display that is not there fails
    // them all within a tenth of a second.
    Display* display = nullptr;
    for (int attempt = 0; attempt < 5 && display == nullptr; ++attempt) {
        if (attempt > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        display = XOpenDisplay(name.c_str());
    }
    if (display == nullptr) {
        return what + "X ekran '" + name + "' ne moze da se otvori)";
    }
    std::string problem;
    int errorBase = 0;
    int eventBase = 0;
    if (!glXQueryExtension(display, &errorBase, &eventBase)) {
        problem = what + "X ekran '" + name + "' nema GLX)";
    } else {
        // An RGB, double-buffered visual with a depth buffer, as the window's.
        int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_DEPTH_SIZE, 1, None};
        XVisualInfo* visual = glXChooseVisual(display, DefaultScreen(display), attributes);
        if (visual == nullptr) {
            problem = what + "X ekran '" + name + "' nema odgovarajuci OpenGL vizual)";
        } else {
            xErrors = 0;
            XErrorHandler previous = XSetErrorHandler(countError);
            GLXContext context = glXCreateContext(display, visual, nullptr, True);
            XSync(display, False);
            if (context == nullptr || xErrors != 0) {
                problem =
                    what + "na X ekranu '" + name + "' OpenGL kontekst ne moze da se napravi)";
            }
            if (context != nullptr) {
                glXDestroyContext(display, context);
                XSync(display, False);
            }
            XSetErrorHandler(previous);
            XFree(visual);
        }
    }
    if (!problem.empty()) {
        XCloseDisplay(display);
        return problem;
    }
    // The connection stays open for the life of the process: GLUT opens its
    // own right after, which must not follow a connection just closed.
    static Display* const held = display;
    (void)held;
    return problem;
}

#endif

}  // namespace geometrija
