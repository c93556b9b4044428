// The entries of the four programs: obtain the points, then the common phase,
// which builds the scene (app/scene_build.h) and opens the window.
#pragma once

namespace geometrija {

// Kalvera: the console dialogue, then the common phase.
int runInteractive(int argc, char** argv);

// A fixed-file program (cmake/programs.cmake): its file in the working
// directory, then the common phase.  Prints nothing unless the file is bad.
int runFixedFile(const char* program, const char* fileName, int argc, char** argv);

}  // namespace geometrija
