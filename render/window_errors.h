// What the programs say when GLUT fails to make the window (freeglut's error
// callbacks), shared by the X and the Windows window checks.  Not installed.
#pragma once

#include <cstdarg>
#include <string>

namespace geometrija {
namespace detail {

// The start of every line that says the window cannot open.
constexpr const char* CANNOT = "prozor ne moze da se otvori (";

// The lines said when the window's creation fails, composed before it: the
// error callbacks that say them run inside GLUT or Xlib and end the program
// there, so they only write a line made earlier.
struct Lines {
    std::string display, visual, context;
};
extern Lines lines;

// Writes `line` on standard error and ends the program with status 1.
[[noreturn]] void sayAndEnd(const std::string& line);

// freeglut's fatal errors (it would print its own text and exit): the line
// for a display, a visual, or else a context.
void glutError(const char* format, va_list args);

// freeglut's warnings while the window is made are its business, not the
// student's: nothing is printed.
void glutWarning(const char* format, va_list args);

}  // namespace detail
}  // namespace geometrija
