#include "render/window_check.h"

#ifdef __EMSCRIPTEN__
#include <GL/glut.h>
#else
#include <GL/freeglut.h>
#endif

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "text/messages.h"

#if defined(_WIN32)
#include <stdlib.h>
#elif !defined(__EMSCRIPTEN__)
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include "render/x_display.h"

#include <csignal>
#endif

namespace geometrija {

GlutArguments glutArguments(int argc, char** argv, const char* environment) {
    GlutArguments g;
    g.display = environment != nullptr ? environment : "";
    std::string given;
    bool displayGiven = false;
    for (int i = 1; i < argc; ++i) {
        const bool display = std::strcmp(argv[i], "-display") == 0;
        if (display || std::strcmp(argv[i], "-geometry") == 0) {
            if (++i >= argc) {
                g.error = std::string("argument ") + argv[i - 1] + " nema vrednost";
                return g;
            }
            if (display) {
                given = argv[i];
                displayGiven = true;
            }
        } else if (std::strcmp(argv[i], "-direct") == 0) {
            g.direct = true;
        } else if (std::strcmp(argv[i], "-indirect") == 0) {
            g.indirect = true;
        }
    }
    if (g.direct && g.indirect) {
        g.error = "argumenti -direct i -indirect ne mogu zajedno";
    }
    // Xlib takes an empty name as no name: DISPLAY's.
    if (displayGiven && !given.empty()) {
        g.display = given;
    }
    return g;
}

namespace {

const char* const CANNOT = "prozor ne moze da se otvori (";

#ifndef __EMSCRIPTEN__

// The lines said when the window's creation fails, composed before it: the
// error callbacks that say them run inside GLUT or Xlib and end the program
// there, so they only write a line made earlier.
struct Lines {
    std::string display, visual, context;
};
Lines lines;

[[noreturn]] void sayAndEnd(const std::string& line) {
    std::fflush(stdout);
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// freeglut's fatal errors (it would print its own text and exit).
void glutError(const char* format, va_list args) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    if (std::strstr(text, "isplay") != nullptr) {
        sayAndEnd(lines.display);
    }
    sayAndEnd(std::strstr(text, "isual") != nullptr ? lines.visual : lines.context);
}

// freeglut's warnings while the window is made are its business, not the
// student's: nothing is printed.
void glutWarning(const char*, va_list) {}

#endif

}  // namespace

#if defined(__EMSCRIPTEN__) || defined(_WIN32)

// In a browser the page is the window, and Windows always has a desktop:
// only the arguments are checked.
std::string windowUnavailable(const char*, int argc, char** argv, WindowCheck) {
    const GlutArguments g = glutArguments(argc, argv, nullptr);
    return g.error.empty() ? std::string() : std::string(CANNOT) + g.error + ")";
}

#endif

#if defined(__EMSCRIPTEN__)

void guardWindowCreation(const char*, int, char**) {}

void windowCreated() {}

#elif defined(_WIN32)

void guardWindowCreation(const char* program, int argc, char** argv) {
    // freeglut for Windows takes DISPLAY as a device's name, and warns when
    // it is none; there is no X display on Windows.
    _putenv("DISPLAY=");
    (void)argc;
    (void)argv;
    lines.context =
        std::string(program) + ": " + CANNOT + "OpenGL kontekst ne moze da se napravi)\n";
    lines.display = lines.visual = lines.context;
    glutInitErrorFunc(glutError);
    glutInitWarningFunc(glutWarning);
}

void windowCreated() {}

#else

namespace {

// The one-line reasons, each naming the display as any input text is named.
std::string onDisplay(const std::string& name, const char* what) {
    return std::string(CANNOT) + "X ekran " + geometrija::quoted(name) + " " + what + ")";
}
std::string cannotOpen(const std::string& name) {
    return onDisplay(name, "ne moze da se otvori");
}
std::string noAnswer(const std::string& name) {
    return onDisplay(name, "ne odgovara");
}
std::string noGlx(const std::string& name) {
    return onDisplay(name, "nema GLX");
}
std::string noVisual(const std::string& name) {
    return onDisplay(name, "nema odgovarajuci OpenGL vizual");
}
std::string contextRefused(const std::string& name) {
    return std::string(CANNOT) + "na X ekranu " + geometrija::quoted(name) +
           " OpenGL kontekst ne moze da se napravi)";
}

// A display that accepts the connection and then says nothing (a hung
// server, a dead forwarded connection) would block Xlib for ever: after
// DISPLAY_TIMEOUT_S seconds this ends the program with the line.
char timeoutLine[256];

extern "C" void displayTimedOut(int) {
    const std::size_t length = std::strlen(timeoutLine);
    if (write(STDERR_FILENO, timeoutLine, length) < 0) {
        // Nothing more can be said.
    }
    _exit(1);
}

void armTimeout(const std::string& line) {
    std::snprintf(timeoutLine, sizeof timeoutLine, "%s", line.c_str());
    std::signal(SIGALRM, displayTimedOut);
    alarm(DISPLAY_TIMEOUT_S);
}

void disarmTimeout() {
    alarm(0);
    std::signal(SIGALRM, SIG_DFL);
}

// X errors while the trial context is made are counted here instead of
// ending the program with Xlib's default report.
int xErrors = 0;

int countError(Display*, XErrorEvent*) {
    ++xErrors;
    return 0;
}

// Xlib errors while GLUT makes the window: the display refused what was asked.
int creationError(Display*, XErrorEvent*) {
    sayAndEnd(lines.context);
}

int connectionLost(Display*) {
    sayAndEnd(lines.display);
}

// The check's connection, kept open until the window exists.
Display* held = nullptr;

XErrorHandler previousError = nullptr;
XIOErrorHandler previousIoError = nullptr;
bool guarded = false;

// The trial context: what GLUT's window will ask for, on `display`.
std::string tryContext(Display* display, const GlutArguments& g) {
    // An RGB, double-buffered visual with a depth buffer, as the window's.
    int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_DEPTH_SIZE, 1, None};
    XVisualInfo* visual = glXChooseVisual(display, DefaultScreen(display), attributes);
    if (visual == nullptr) {
        return noVisual(g.display);
    }
    std::string problem;
    xErrors = 0;
    const XErrorHandler previous = XSetErrorHandler(countError);
    GLXContext context = glXCreateContext(display, visual, nullptr, g.indirect ? False : True);
    XSync(display, False);
    if (context == nullptr || xErrors != 0 || (g.direct && !glXIsDirect(display, context))) {
        problem = contextRefused(g.display);
    }
    if (context != nullptr) {
        glXDestroyContext(display, context);
        XSync(display, False);
    }
    XSetErrorHandler(previous);
    XFree(visual);
    return problem;
}

}  // namespace

std::string windowUnavailable(const char* program, int argc, char** argv, WindowCheck depth) {
    const GlutArguments g = glutArguments(argc, argv, std::getenv("DISPLAY"));
    if (!g.error.empty()) {
        return std::string(CANNOT) + g.error + ")";
    }
    if (g.display.empty()) {
        return std::string(CANNOT) + "nije zadat X ekran: promenljiva DISPLAY je prazna)";
    }
    armTimeout(std::string(program) + ": " + noAnswer(g.display) + "\n");
    Display* display = openDisplay(g.display.c_str());
    std::string problem;
    int errorBase = 0;
    int eventBase = 0;
    if (display == nullptr) {
        problem = cannotOpen(g.display);
    } else if (!glXQueryExtension(display, &errorBase, &eventBase)) {
        problem = noGlx(g.display);
    } else if (depth == WindowCheck::Context) {
        problem = tryContext(display, g);
    }
    disarmTimeout();
    if (display == nullptr || !problem.empty()) {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
        return problem;
    }
    // The connection stays open until GLUT has made the window: GLUT opens
    // its own right after, which must not follow a connection just closed.
    held = display;
    return problem;
}

void guardWindowCreation(const char* program, int argc, char** argv) {
    const std::string name = glutArguments(argc, argv, std::getenv("DISPLAY")).display;
    const std::string prefix = std::string(program) + ": ";
    lines.display = prefix + cannotOpen(name) + "\n";
    lines.visual = prefix + noVisual(name) + "\n";
    lines.context = prefix + contextRefused(name) + "\n";
    glutInitErrorFunc(glutError);
    glutInitWarningFunc(glutWarning);
    previousError = XSetErrorHandler(creationError);
    previousIoError = XSetIOErrorHandler(connectionLost);
    guarded = true;
    armTimeout(prefix + noAnswer(name) + "\n");
}

void windowCreated() {
    if (held != nullptr) {
        XCloseDisplay(held);
        held = nullptr;
    }
    if (!guarded) {
        return;
    }
    // Errors for what the window's creation asked arrive by the next round
    // trip: they are seen here, still guarded.
    Display* display = glXGetCurrentDisplay();
    if (display != nullptr) {
        XSync(display, False);
    }
    disarmTimeout();
    XSetErrorHandler(previousError);
    XSetIOErrorHandler(previousIoError);
    guarded = false;
}

#endif

}  // namespace geometrija
