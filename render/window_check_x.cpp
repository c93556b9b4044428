// The window check on an X display: the display opens and answers within
// DISPLAY_TIMEOUT_S, has GLX and, for Kalvera, gives a visual and a trial
// context of the kind GLUT will make; then the guards around the window's
// creation, which say its failures in the programs' words.
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "render/glut.h"
#include "render/window_check.h"
#include "render/window_errors.h"
#include "render/x_display.h"
#include "text/messages.h"

namespace geometrija {

using detail::CANNOT;

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
    detail::sayAndEnd(detail::lines.context);
}

int connectionLost(Display*) {
    detail::sayAndEnd(detail::lines.display);
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
    detail::lines.display = prefix + cannotOpen(name) + "\n";
    detail::lines.visual = prefix + noVisual(name) + "\n";
    detail::lines.context = prefix + contextRefused(name) + "\n";
    glutInitErrorFunc(detail::glutError);
    glutInitWarningFunc(detail::glutWarning);
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

}  // namespace geometrija
