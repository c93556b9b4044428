// What differs between Linux and Windows at the programs' edges: opening a
// named file, telling a directory, the console's character set, and the
// console that a double-clicked program gets of its own.  Everything else is
// the same code on both.
#pragma once

#include <fstream>
#include <string>

namespace geometrija {

// Opens a file by its name for reading in binary mode.  On Windows the name
// is taken as UTF-8 (what the dialogue hands over), so that letters such as
// č and š reach the file system intact.
void openForReading(std::ifstream& in, const std::string& name);

// Whether the last part of a path (after / or \\) names one of Windows'
// devices, alone or before an extension, in any case: CON, PRN, AUX,
// COM1 to COM9, LPT1 to LPT9 (with ¹, ² and ³ too), CONIN$ and CONOUT$.
// Opening one reads a console or a serial port instead of a file.  NUL is
// left out: it reads as an empty file.
bool isWindowsDeviceName(const std::string& name);

// Whether this system takes the name as a device rather than a file:
// isWindowsDeviceName on Windows, never elsewhere.
bool isDeviceName(const std::string& name);

// Whether the name is an existing directory.
bool isDirectory(const std::string& name);

// On Windows a name typed at a console arrives in the console's code page;
// this gives it as UTF-8.  Elsewhere, and for piped input, it is unchanged.
std::string nameFromConsole(const std::string& typed);

// Whether a program that ends with `status` should wait for Enter before
// its console closes: only after an error, only in a console of its own
// (started by a double-click, so that the window closes with the program),
// and only when standard input is that console, never a pipe or a file.
bool waitsForEnter(int status, bool ownConsole, bool inputIsConsole);

// Whether standard output is a terminal (a console on Windows).
bool outputIsTerminal();

// Opens /dev/null in place of a closed standard descriptor (0, 1 or 2), so
// that no file or X connection opened later takes its number and receives
// what is meant for the console.  Nothing to do on Windows.
void guardStandardDescriptors();

// Prepares the console for the program's messages (UTF-8 on Windows).
void prepareConsole();

// Ends a program with `status`: on Windows, where waitsForEnter says so, it
// first asks for Enter so that the message can be read.  Returns `status`.
int endProgram(int status);

}  // namespace geometrija
