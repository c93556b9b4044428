// The scene: what the window shows.  Four process-wide lists of primitives,
// appended to only through the four adders, and the bounding box that the
// camera is fitted to.
#pragma once

#include <list>

#include "primitives.h"

namespace geometrija {

// The window's size in pixels.  The window opens at this size, and the
// scene's box starts at it: minCorner begins at (WINDOW_WIDTH, WINDOW_HEIGHT).
constexpr int WINDOW_WIDTH = 1024;
constexpr int WINDOW_HEIGHT = 700;

extern Tacka minCorner;  // running minimum of x and of y; starts at the window size
extern Tacka maxCorner;  // running maximum of x and of y; starts at (0, 0)

// The lists themselves are made before any global object of a program,
// whatever its init_priority, and taken apart after the last is destroyed.
extern std::list<Tacka>& points;  // drawn last, on top
extern std::list<Duz>& segments;  // drawn third
extern std::list<Prava>& lines;   // drawn second
extern std::list<Krug>& circles;  // drawn first

// Each adder stores a copy with its outer colour set to `color`, appended at
// the end of its list, and widens the box (lines leave it alone).
void addPoint(Tacka t, int color);
void addSegment(Duz s, int color);
void addLine(Prava l, int color);
void addCircle(Krug c, int color);

}  // namespace geometrija
