// Where a camera puts a plane point on the screen, and pixel checks on a
// picture read back from a real window.  The camera itself (view centre and
// distance) is stated by each test, worked out by hand from the points.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "geometrija/primitives.h"
#include "render/window.h"
#include "support/xwindow.h"

namespace support {

// The camera looking at (cx, cy) from `dist` in a window of w x h pixels.
// By the picture's rule the centre is the middle of the scene's box and the
// distance twice the larger of |min| + max in x and in y; the box starts at
// (1024, 700)-(0, 0), so a scene within that range has its true extremes.
struct Framing {
    double cx, cy, dist;
    int width, height;

    Framing(double x, double y, double d, int w, int h)
        : cx(x), cy(y), dist(d), width(w), height(h) {}
    // Pixels per plane unit: the visible half-height is dist * tan(22.5 deg).
    double scale() const { return height / (2 * dist * std::tan(22.5 * std::acos(-1.0) / 180)); }
    // Window coordinates with the origin at the top left, as in an Image.
    double column(double x) const { return width / 2.0 + (x - cx) * scale(); }
    double row(double y) const { return height / 2.0 - (y - cy) * scale(); }
};

inline bool near(const std::uint8_t* p, int r, int g, int b, int tolerance = 2) {
    return std::abs(p[0] - r) <= tolerance && std::abs(p[1] - g) <= tolerance &&
           std::abs(p[2] - b) <= tolerance;
}
inline bool isBeige(const std::uint8_t* p) {
    return near(p, geometrija::CLEAR_PIXEL[0], geometrija::CLEAR_PIXEL[1],
                geometrija::CLEAR_PIXEL[2]);
}
inline bool isRed(const std::uint8_t* p) {
    return near(p, 255, 0, 0);
}
inline bool isBlack(const std::uint8_t* p) {
    return near(p, 0, 0, 0);
}

// Counts the pixels of colour (r, g, b) in the whole picture.
inline int countColour(const Image& im, int r, int g, int b) {
    int n = 0;
    for (int y = 0; y < im.height; ++y) {
        for (int x = 0; x < im.width; ++x) {
            n += near(im.at(x, y), r, g, b) ? 1 : 0;
        }
    }
    return n;
}
// Pixels that show only the clear colour.
inline int countBackground(const Image& im) {
    return countColour(im, geometrija::CLEAR_PIXEL[0], geometrija::CLEAR_PIXEL[1],
                       geometrija::CLEAR_PIXEL[2]);
}

// Counts the pixels of colour (r, g, b) in the square of half-size `half`
// around the pixel (col, row).
inline int countAround(const Image& im, int col, int row, int half, int r, int g, int b) {
    int n = 0;
    for (int y = row - half; y <= row + half; ++y) {
        for (int x = col - half; x <= col + half; ++x) {
            if (x >= 0 && y >= 0 && x < im.width && y < im.height && near(im.at(x, y), r, g, b)) {
                ++n;
            }
        }
    }
    return n;
}

// True when the picture shows a 4 x 4 dot of the colour `code` on the pixel
// that holds the plane point (x, y), and nothing else of it right around.
inline bool dotAt(const Image& im, const Framing& f, double x, double y, int code) {
    geometrija::Rgb c{};
    if (!geometrija::lookupColor(code, c)) {
        return false;
    }
    const int r = static_cast<int>(std::lround(c.r * 255));
    const int g = static_cast<int>(std::lround(c.g * 255));
    const int b = static_cast<int>(std::lround(c.b * 255));
    const int col = static_cast<int>(std::floor(f.column(x)));
    const int row = static_cast<int>(std::floor(f.row(y)));
    if (col < 0 || row < 0 || col >= im.width || row >= im.height) {
        return false;
    }
    return near(im.at(col, row), r, g, b) && countAround(im, col, row, 4, r, g, b) == 16;
}

}  // namespace support
