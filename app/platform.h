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

// Whether a Windows name is looked for in the working folder: it starts
// with no drive ("C:") and no separator (\\ or /).  "C:x.txt" and
// "\\x.txt" are counted as absolute: they are looked for on a drive.
bool isRelativeWindowsName(const std::string& name);

// Whether this system looks for the name in the working folder:
// isRelativeWindowsName on Windows, no leading / elsewhere.
bool isRelativeName(const std::string& name);

// The folder the program runs in, as UTF-8; empty when the system cannot
// tell it (it was removed while the program ran).
std::string workingFolder();

// Whether the name is an existing directory.
bool isDirectory(const std::string& name);

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

// Prepares the console for the program's messages and input.  On Windows a
// console is read and written as Unicode text through the standard streams
// (app/console_streams.h), so that a name typed with č or ž reaches the file
// system and the messages with its letters, whatever the console's code
// page; what C's stdio writes there is taken as UTF-8.  Call after
// std::ios::sync_with_stdio, if at all.
void prepareConsole();

// Ends a program with `status`: on Windows, where waitsForEnter says so, it
// first asks for Enter so that the message can be read.  Returns `status`.
int endProgram(int status);

}  // namespace geometrija
