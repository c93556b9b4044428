// A student's global objects that use the scene before and after main: the
// scene is ready in the constructor of any global object, whatever the
// order in which the program's files are linked (this one comes first), and
// still there in its destructor.
#include <geometrija/toolkit.h>

#include <cstdio>

using namespace geometrija;

namespace {

const Tacka cornerAtStart = minCorner;

struct Setup {
    Setup() {
        addPoint(Tacka(1, 2), COLOR_RED);
        addSegment(Duz(Tacka(3, 4), Tacka(5, 6)), COLOR_BLACK);
    }
    ~Setup() { std::printf("after main: %d points\n", static_cast<int>(points.size())); }
} setup;

}  // namespace

int main() {
    std::printf("at start (%g, %g); %d points, %d segments; box (%g, %g) to (%g, %g)\n",
                static_cast<double>(cornerAtStart.x), static_cast<double>(cornerAtStart.y),
                static_cast<int>(points.size()), static_cast<int>(segments.size()),
                static_cast<double>(minCorner.x), static_cast<double>(minCorner.y),
                static_cast<double>(maxCorner.x), static_cast<double>(maxCorner.y));
    return 0;
}
