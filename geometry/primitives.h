// The four value types that everything is computed with and drawn from, and
// the table of colour codes.  All types are plain values with public fields,
// copied member by member.
#pragma once

namespace geometrija {

// Colour code that every constructor gives: black.
constexpr int DEFAULT_COLOR = 9;

// A point of the plane; also serves as a 2-D vector.
struct Tacka {
    float x;
    float y;
    int color;

    Tacka() : x(0), y(0), color(DEFAULT_COLOR) {}
    Tacka(float x_, float y_) : x(x_), y(y_), color(DEFAULT_COLOR) {}

    // x*x + y*y formed in double and rounded to float.
    float squaredLength() const {
        return static_cast<float>(static_cast<double>(x) * x + static_cast<double>(y) * y);
    }
    void draw() const;
};

// The segment from start to end.
struct Duz {
    Tacka start;
    Tacka end;
    int color;

    Duz(const Tacka& a, const Tacka& b) : start(a), end(b), color(DEFAULT_COLOR) {}
    void draw() const;
};

// The infinite line through point with direction dir (dir is not normalised).
struct Prava {
    Tacka point;
    Tacka dir;
    int color;

    Prava() : color(DEFAULT_COLOR) {}
    Prava(const Tacka& a, const Tacka& b) : point(a), dir(b), color(DEFAULT_COLOR) {}
    void draw() const;
};

// A circle; filled field by field.
struct Krug {
    Tacka center;
    float radius;
    int color;

    void draw() const;
};

// One entry of the colour table.
struct Rgb {
    float r;
    float g;
    float b;
};

constexpr int COLOR_COUNT = 10;

// Looks up a colour code.  Returns false, and leaves out untouched, for any
// code outside 0..9 (negative codes included): such a code sets no colour.
bool lookupColor(int code, Rgb& out);

}  // namespace geometrija
