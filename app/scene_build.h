// From the points as read to the scene the window shows: the ordering by x,
// the red points and the triangulation.  No OpenGL here, so that a scene can
// be computed and checked without a display.
#pragma once

#include "app/checks.h"
#include "geometrija/primitives.h"

namespace geometrija {

// Orders the first n pairs in place: afterwards position 0 holds a pair of
// smallest x and the rest follow in non-increasing x.
void sortByX(Par* pairs, int n);

// The common phase up to the window: orders the pairs, copies them into A
// and adds them to the scene in red, then triangulates A (which may nudge
// some A[i].x, never the scene's copies).
void buildScene(Par* a, int n, Tacka* A);

}  // namespace geometrija
