// Where the camera rule puts a plane point on the screen, computed here from
// the rule itself (not from the code under test), and pixel checks on a
// picture read back from a real window.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/xwindow.h"

namespace xtest {

// The camera of a box: view centre and distance, twice the larger of
// |min| + max in x and in y, each rounded to float as the picture's rule says.
struct Framing {
    double cx, cy, dist;
    int width, height;

    Framing(float minX, float minY, float maxX, float maxY, int w, int h) : width(w), height(h) {
        cx = static_cast<float>((static_cast<double>(minX) + maxX) / 2);
        cy = static_cast<float>((static_cast<double>(minY) + maxY) / 2);
        const float ex = static_cast<float>(std::fabs(static_cast<double>(minX)) + maxX);
        const float ey = static_cast<float>(std::fabs(static_cast<double>(minY)) + maxY);
        dist = static_cast<float>(2.0 * (ex < ey ? ey : ex));
    }
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
    return near(p, 230, 230, 204);
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

// True when the picture shows a 4 x 4 red dot on the pixel that holds the
// plane point (x, y), and nothing else red right around it.
inline bool redDotAt(const Image& im, const Framing& f, double x, double y) {
    const int col = static_cast<int>(std::floor(f.column(x)));
    const int row = static_cast<int>(std::floor(f.row(y)));
    if (col < 0 || row < 0 || col >= im.width || row >= im.height) {
        return false;
    }
    return isRed(im.at(col, row)) && countAround(im, col, row, 4, 255, 0, 0) == 16;
}

}  // namespace xtest
