// Whether a window can be opened at all, asked before the program asks its
// user for anything, so that nobody types points for a window that cannot
// come.  On Windows there is always a desktop, and nothing is checked.
#pragma once

#include <string>

namespace geometrija {

// The X display GLUT would use: the NAME of a "-display NAME" among the
// arguments, else `environment` (the DISPLAY variable; null when unset).
std::string displayName(int argc, char** argv, const char* environment);

// Opens that display and an OpenGL context of the window's kind on it.  The
// context is destroyed again; the connection, when all went well, is kept
// until the process ends.  Empty when that works, else "WHAT (details)" for
// the program's one-line message.  Call it once.
std::string windowUnavailable(int argc, char** argv);

}  // namespace geometrija
