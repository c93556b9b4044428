// A file named by the user: opened for reading, and what its name means on
// this system (a device, a folder, a name looked for in the working
// folder).  Part of the toolkit, whose point-file reader opens files by
// name; the rest of the programs' platform code is app/platform.h's.
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

}  // namespace geometrija
