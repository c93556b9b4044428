// The four value types that everything is computed with and drawn from, and
// the table of colour codes.  All types are plain values with public fields,
// copied member by member.
#pragma once

namespace geometrija {

// The colour codes: plain ints that index the colour table (primitives.cpp).
constexpr int COLOR_RED = 0;  // input points
constexpr int COLOR_GREEN = 1;
constexpr int COLOR_BLUE = 2;  // a bisector's midpoint
constexpr int COLOR_YELLOW = 3;
constexpr int COLOR_ORANGE = 4;
constexpr int COLOR_MAGENTA = 5;
constexpr int COLOR_CYAN = 6;
constexpr int COLOR_PURPLE = 7;  // a normal line
constexpr int COLOR_WHITE = 8;
constexpr int COLOR_BLACK = 9;  // triangle sides
constexpr int COLOR_COUNT = 10;
// Colour code that every constructor gives.
constexpr int DEFAULT_COLOR = COLOR_BLACK;

// The colours by what they show, in the programs' picture and the library's
// constructions: change a role's colour here alone.
constexpr int COLOR_INPUT_POINT = COLOR_RED;      // the points read or typed
constexpr int COLOR_TRIANGLE_SIDE = COLOR_BLACK;  // a side of an accepted triangle
constexpr int COLOR_MIDPOINT = COLOR_BLUE;        // a bisector's midpoint (addBisector)
constexpr int COLOR_NORMAL_LINE = COLOR_PURPLE;   // a normal or bisector (addNormal, addBisector)
// What must stay apart to be told apart in one picture.
static_assert(COLOR_INPUT_POINT != COLOR_MIDPOINT, "points and midpoints must differ in colour");
static_assert(COLOR_TRIANGLE_SIDE != COLOR_NORMAL_LINE,
              "triangle sides and bisectors must differ in colour");

// A point of the plane; also serves as a 2-D vector.
struct Tacka {
    float x;
    float y;
    int color;

    constexpr Tacka() : x(0), y(0), color(DEFAULT_COLOR) {}
    constexpr Tacka(float x_, float y_) : x(x_), y(y_), color(DEFAULT_COLOR) {}

    // x*x + y*y formed in double and rounded to float (in primitives.cpp:
    // no arithmetic in this header, so a caller's flags change nothing).
    float squaredLength() const;
    // Each type's draw() is defined in render/draw.cpp: the value types stay
    // free of OpenGL, which only the renderer links.
    void draw() const;
};

// The segment from start to end.
struct Duz {
    Tacka start;
    Tacka end;
    int color;

    constexpr Duz(const Tacka& a, const Tacka& b) : start(a), end(b), color(DEFAULT_COLOR) {}
    void draw() const;  // in render/draw.cpp
};

// The infinite line through point with direction dir (dir is not normalised).
struct Prava {
    Tacka point;
    Tacka dir;
    int color;

    constexpr Prava() : color(DEFAULT_COLOR) {}
    constexpr Prava(const Tacka& a, const Tacka& b) : point(a), dir(b), color(DEFAULT_COLOR) {}
    void draw() const;  // in render/draw.cpp
};

// A circle; filled field by field.
struct Krug {
    Tacka center;
    float radius;
    int color;

    void draw() const;  // in render/draw.cpp
};

// One entry of the colour table.
struct Rgb {
    float r;
    float g;
    float b;
};

// Looks up a colour code.  Returns false, and leaves out untouched, for any
// code outside 0..9 (negative codes included): such a code sets no colour.
bool lookupColor(int code, Rgb& out);

}  // namespace geometrija
