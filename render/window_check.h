// Whether a window can be opened, decided on exactly what GLUT will use: the
// arguments as glutInit reads them and the display they name.  The check
// says it in one line before anything is asked; what only the window's own
// creation can show is caught there and said in the same way.
#pragma once

#include <string>

namespace geometrija {

// The command line as glutInit reads it: DISPLAY, then each "-display NAME"
// in turn (the last one counts; an empty NAME leaves Xlib to DISPLAY), and
// "-direct" or "-indirect", which force a kind of OpenGL context.  `error`
// names an argument glutInit would refuse, ending the program: a
// "-display" or "-geometry" without its value, "-direct" with "-indirect".
struct GlutArguments {
    std::string display;
    bool direct = false;
    bool indirect = false;
    std::string error;
};
GlutArguments glutArguments(int argc, char** argv, const char* environment);

// How far the check goes before the window is made.
enum class WindowCheck {
    Display,  // the display opens and has GLX; nothing that loads the OpenGL driver
    Context,  // also a visual and a trial context of the kind GLUT will make
};

// Empty when the window can be tried, else "prozor ne moze da se otvori
// (WHY)" for the program's one line.  A display that does not answer within
// DISPLAY_TIMEOUT_S seconds ends the program with that line, after
// "PROGRAM: ", and status 1.
// The connection, when all went well, is kept until windowCreated(), so
// that GLUT's own does not follow one just closed.  Call it once.  On
// Windows only the arguments are checked: there is always a desktop.
std::string windowUnavailable(const char* program, int argc, char** argv, WindowCheck depth);

constexpr unsigned DISPLAY_TIMEOUT_S = 10;

// Until windowCreated(), what freeglut or Xlib report while GLUT opens its
// display and makes the window (a refused context, no visual, a display that
// stops answering) ends the program with "PROGRAM: prozor ne moze da se
// otvori (WHY)" and status 1, instead of their own reports.  On Windows it
// keeps a DISPLAY variable, which means nothing there, from freeglut.
void guardWindowCreation(const char* program, int argc, char** argv);
void windowCreated();

}  // namespace geometrija
