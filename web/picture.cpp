// web_picture: a program's picture as a small SVG for the pages' index.  It
// reads a point file as the programs do, builds the same scene (sorted red
// points, the triangulation's black sides) and draws it as the window shows
// it at its opening size: the camera fitted to the scene's box, the plane
// seen head-on through reshape's projection, the clear colour
// behind.  The SVG is a quarter of the window's size.
//   web_picture FILE OUTPUT.svg LABEL
#include <cmath>
#include <cstdio>
#include <set>
#include <string>

#include "app/point_file.h"
#include "app/scene_build.h"
#include "geometrija/scene.h"
#include "render/camera.h"
#include "render/window.h"

using namespace geometrija;

namespace {

// A scene point in the window's pixels, y down.
struct Place {
    double x;
    double y;
};

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

std::string colour(int code) {
    Rgb c{};
    lookupColor(code, c);
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<int>(std::lround(c.r * 255)),
                  static_cast<int>(std::lround(c.g * 255)),
                  static_cast<int>(std::lround(c.b * 255)));
    return text;
}

// What is not markup in an attribute's text.
std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: web_picture FILE OUTPUT.svg LABEL\n");
        return 2;
    }
    Par a[MAX_POINTS];
    const Result<int> file = loadPointFile(argv[1], a);
    if (!file.ok()) {
        std::fprintf(stderr, "web_picture: %s\n", file.error.c_str());
        return 1;
    }
    Tacka A[MAX_POINTS];
    buildScene(a, *file.value, A);

    // The visible rectangle of the plane, centred on the camera's centre.
    const Camera c = cameraFor(minCorner, maxCorner);
    const double halfHeight = c.dist * std::tan(FIELD_OF_VIEW / 2 * TWO_PI / 360);
    const double halfWidth = halfHeight * WINDOW_WIDTH / WINDOW_HEIGHT;
    const auto place = [&](const Tacka& t) {
        return Place{(t.x - c.cx) / halfWidth * WINDOW_WIDTH / 2 + WINDOW_WIDTH / 2.0,
                     WINDOW_HEIGHT / 2.0 - (t.y - c.cy) / halfHeight * WINDOW_HEIGHT / 2};
    };

    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(WINDOW_WIDTH / 4) + "\" height=\"" +
                      std::to_string(WINDOW_HEIGHT / 4) + "\" viewBox=\"0 0 " +
                      std::to_string(WINDOW_WIDTH) + " " + std::to_string(WINDOW_HEIGHT) +
                      "\" role=\"img\" aria-label=\"" + escaped(argv[3]) + "\">";
    char background[16];
    std::snprintf(background, sizeof background, "#%02x%02x%02x", CLEAR_PIXEL[0], CLEAR_PIXEL[1],
                  CLEAR_PIXEL[2]);
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"" + std::string(background) + "\"/>";
    // The sides as one path (a side shared by two triangles once), a
    // quarter-window pixel wide, as the window's one pixel is.
    std::set<std::string> sides;
    std::string path;
    for (const Duz& d : segments) {
        const Place p = place(d.start);
        const Place q = place(d.end);
        std::string side =
            "M" + number(p.x) + " " + number(p.y) + "L" + number(q.x) + " " + number(q.y);
        std::string back =
            "M" + number(q.x) + " " + number(q.y) + "L" + number(p.x) + " " + number(p.y);
        if (sides.count(side) == 0 && sides.count(back) == 0) {
            sides.insert(side);
            path += side;
        }
    }
    if (!path.empty()) {
        svg += "<path fill=\"none\" stroke=\"" + colour(segments.front().color) +
               "\" stroke-width=\"4\" d=\"" + path + "\"/>";
    }
    // The points on top, as squares a little larger than the window's
    // scaled down, so that they still show at this size.
    const double size = 3 * POINT_SIZE;
    for (const Tacka& t : points) {
        const Place p = place(t);
        svg += "<rect x=\"" + number(p.x - size / 2) + "\" y=\"" + number(p.y - size / 2) +
               "\" width=\"" + number(size) + "\" height=\"" + number(size) + "\" fill=\"" +
               colour(t.color) + "\"/>";
    }
    svg += "</svg>\n";

    std::FILE* out = std::fopen(argv[2], "wb");
    if (out == nullptr || std::fputs(svg.c_str(), out) < 0 || std::fclose(out) != 0) {
        std::fprintf(stderr, "web_picture: %s: ne moze da se upise\n", argv[2]);
        return 1;
    }
    return 0;
}
