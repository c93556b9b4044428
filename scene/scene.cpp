#include "geometrija/scene.h"

#include <new>

#include "geometry/float_mode.h"
#include "scene/scene_detail.h"

namespace geometrija {

// The scene is ready before any other global object of a program that links
// it, whatever the order of its files and the priority a program gives its
// own objects: a program's global constructor may add to the scene, and its
// destructor may still read it.  Nothing has to run for the corners: they
// are constants, written into the program (they start at the window's size
// and at the origin, not at the infinities).  The lists live in storage that
// is there from the start as well; they are made in it by a constructor
// function of priority 100, below the lowest a program may give (101), and
// taken apart by a destructor function of the same priority, which runs
// after every global object's destructor.
Tacka minCorner(WINDOW_WIDTH, WINDOW_HEIGHT);
Tacka maxCorner(0, 0);

namespace {

// Room for one list, which only makeScene and endScene make and take apart.
template <typename T>
union Room {
    constexpr Room() : none() {}
    ~Room() {}
    Room(const Room&) = delete;
    Room& operator=(const Room&) = delete;
    char none;
    std::list<T> list;
};
Room<Tacka> pointRoom;
Room<Duz> segmentRoom;
Room<Prava> lineRoom;
Room<Krug> circleRoom;

}  // namespace

std::list<Tacka>& points = pointRoom.list;
std::list<Duz>& segments = segmentRoom.list;
std::list<Prava>& lines = lineRoom.list;
std::list<Krug>& circles = circleRoom.list;

namespace {

#if defined(__GNUC__)
#define GEOMETRIJA_BEFORE_ALL(what) __attribute__((what(100)))
#pragma GCC diagnostic push
#if defined(__clang__)
#pragma GCC diagnostic ignored "-Wunknown-warning-option"
#endif
// Priorities up to 100 are the toolchain's, which GCC warns of: the scene
// takes 100 so as to come before every priority a program may use.
#pragma GCC diagnostic ignored "-Wprio-ctor-dtor"
#else
#define GEOMETRIJA_BEFORE_ALL(what)
#endif

GEOMETRIJA_BEFORE_ALL(constructor) void makeScene() {
    new (&pointRoom.list) std::list<Tacka>();
    new (&segmentRoom.list) std::list<Duz>();
    new (&lineRoom.list) std::list<Prava>();
    new (&circleRoom.list) std::list<Krug>();
}

GEOMETRIJA_BEFORE_ALL(destructor) void endScene() {
    circleRoom.list.~list();
    lineRoom.list.~list();
    segmentRoom.list.~list();
    pointRoom.list.~list();
}

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
#undef GEOMETRIJA_BEFORE_ALL

}  // namespace

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

void detail::appendSegment(Duz s, int color) {
    s.color = color;
    segments.push_back(s);
    widen(s.start.x, s.start.y, s.start.x, s.start.y);
    widen(s.end.x, s.end.y, s.end.x, s.end.y);
}

void addSegment(Duz s, int color) {
    const detail::ExactFloatMode mode;
    detail::appendSegment(s, color);
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
