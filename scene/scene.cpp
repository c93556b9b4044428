#include "geometrija/scene.h"

#include "geometry/float_mode.h"

namespace geometrija {

// The scene is ready before any other global object of a program that links
// it, whatever the order of its files: a program's own global constructor
// may add to the scene, and its destructor may still read it.  The corners
// are constants, written into the program (they start at the window's size
// and at the origin, not at the infinities); the lists are made before every
// global of the default priority and destroyed after them.
#if defined(__GNUC__)
#define GEOMETRIJA_FIRST_OF_ALL __attribute__((init_priority(101)))
#else
#define GEOMETRIJA_FIRST_OF_ALL
#endif
Tacka minCorner(WINDOW_WIDTH, WINDOW_HEIGHT);
Tacka maxCorner(0, 0);
std::list<Tacka> points GEOMETRIJA_FIRST_OF_ALL;
std::list<Duz> segments GEOMETRIJA_FIRST_OF_ALL;
std::list<Prava> lines GEOMETRIJA_FIRST_OF_ALL;
std::list<Krug> circles GEOMETRIJA_FIRST_OF_ALL;

namespace {

// min(v, m) is m when m < v, else v; max(v, m) is m when v < m, else v.
// A NaN v therefore replaces the corner; equal values keep it.
float minOf(float v, float m) {
    return m < v ? m : v;
}
float maxOf(float v, float m) {
    return v < m ? m : v;
}

void widen(float minX, float minY, float maxX, float maxY) {
    minCorner.x = minOf(minX, minCorner.x);
    minCorner.y = minOf(minY, minCorner.y);
    maxCorner.x = maxOf(maxX, maxCorner.x);
    maxCorner.y = maxOf(maxY, maxCorner.y);
}

}  // namespace

void addPoint(Tacka t, int color) {
    const detail::ExactFloatMode mode;
    t.color = color;
    points.push_back(t);
    widen(t.x, t.y, t.x, t.y);
}

void addSegment(Duz s, int color) {
    const detail::ExactFloatMode mode;
    s.color = color;
    segments.push_back(s);
    widen(s.start.x, s.start.y, s.start.x, s.start.y);
    widen(s.end.x, s.end.y, s.end.x, s.end.y);
}

void addLine(Prava l, int color) {
    l.color = color;
    lines.push_back(l);
}

void addCircle(Krug c, int color) {
    const detail::ExactFloatMode mode;
    c.color = color;
    circles.push_back(c);
    const float lowX = static_cast<float>(static_cast<double>(c.center.x) - c.radius);
    const float lowY = static_cast<float>(static_cast<double>(c.center.y) - c.radius);
    const float highX = static_cast<float>(static_cast<double>(c.center.x) + c.radius);
    const float highY = static_cast<float>(static_cast<double>(c.center.y) + c.radius);
    widen(lowX, lowY, highX, highY);
}

}  // namespace geometrija
