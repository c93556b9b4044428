#include "scene/scene.h"

namespace geometrija {

// Initialised in this order: corners first, then the lists.  The corners start
// at the window's size and at the origin, not at the infinities.
Tacka minCorner(WINDOW_WIDTH, WINDOW_HEIGHT);
Tacka maxCorner(0, 0);
std::list<Tacka> points;
std::list<Duz> segments;
std::list<Prava> lines;
std::list<Krug> circles;

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
    t.color = color;
    points.push_back(t);
    widen(t.x, t.y, t.x, t.y);
}

void addSegment(Duz s, int color) {
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
    c.color = color;
    circles.push_back(c);
    const float lowX = static_cast<float>(static_cast<double>(c.center.x) - c.radius);
    const float lowY = static_cast<float>(static_cast<double>(c.center.y) - c.radius);
    const float highX = static_cast<float>(static_cast<double>(c.center.x) + c.radius);
    const float highY = static_cast<float>(static_cast<double>(c.center.y) + c.radius);
    widen(lowX, lowY, highX, highY);
}

}  // namespace geometrija
