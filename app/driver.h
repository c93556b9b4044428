// The entries of the four programs: obtain the points, then the common phase.
#pragma once

#include "app/point_file.h"
#include "geometry/primitives.h"

namespace geometrija {

// Orders the first n pairs in place: afterwards position 0 holds a pair of
// smallest x and the rest follow in non-increasing x.
void sortByX(Par* pairs, int n);

// The common phase up to the window: orders the pairs, copies them into A
// and adds them to the scene in red, then triangulates A (which may nudge
// some A[i].x, never the scene's copies).
void buildScene(Par* a, int n, Tacka* A);

// Kalvera: the console dialogue, then the common phase.
int runInteractive(int argc, char** argv);

// tovrin1, srce, viroda: the fixed file in the working directory, then the
// common phase.  Prints nothing unless the file is bad.
int runFixedFile(const char* program, const char* fileName, int argc, char** argv);

}  // namespace geometrija
