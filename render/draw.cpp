// How each primitive draws itself: immediate-mode OpenGL in the plane z = 0.
#include <GL/gl.h>

#include "geometrija/draw.h"
#include "geometrija/primitives.h"
#include "render/camera.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/html5.h>

#include <cmath>
#endif

namespace geometrija {

namespace {

#ifdef __EMSCRIPTEN__
// In a page the canvas has as many pixels as the screen shows it with: at a
// pixel ratio of 3 a one-pixel line is a third of the page's pixel, and
// WebGL often draws no wider line.  So points grow by the ratio and lines
// are drawn again, shifted by whole pixels, as wide as the ratio rounded
// (at ratio 1 once, as in a window).
double pixelRatio() {
    const double ratio = emscripten_get_device_pixel_ratio();
    return ratio > 1 ? ratio : 1;
}

float pointSize() {
    return static_cast<float>(POINT_SIZE * pixelRatio());
}

// Runs drawLines once for every pixel of a round pen as wide as the ratio,
// with the projection shifted by that pixel in the viewport: a translation
// applied after the projection moves clip coordinates by w times it, which
// is a fixed shift on the screen.
template <class Draw>
void stroked(Draw drawLines) {
    const int width = static_cast<int>(std::lround(pixelRatio()));
    if (width <= 1) {
        drawLines();
        return;
    }
    GLint mode = GL_PROJECTION;
    GLint viewport[4] = {0, 0, 1, 1};
    GLfloat projection[16];
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glMatrixMode(GL_PROJECTION);
    const double centre = (width - 1) / 2.0;
    const double radius = width / 2.0;
    for (int i = 0; i < width; ++i) {
        for (int j = 0; j < width; ++j) {
            const double dx = i - centre;
            const double dy = j - centre;
            if (dx * dx + dy * dy > radius * radius) {
                continue;
            }
            glLoadIdentity();
            glTranslatef(static_cast<float>(2 * std::floor(dx) / viewport[2]),
                         static_cast<float>(2 * std::floor(dy) / viewport[3]), 0);
            glMultMatrixf(projection);
            drawLines();
        }
    }
    glLoadMatrixf(projection);
    glMatrixMode(static_cast<GLenum>(mode));
}
#else
// In a window: points of POINT_SIZE and lines of OpenGL's one pixel.
float pointSize() {
    return POINT_SIZE;
}

template <class Draw>
void stroked(Draw drawLines) {
    drawLines();
}
#endif

}  // namespace

void applyColor(int code) {
    Rgb c{};
    if (lookupColor(code, c)) {
        glColor3f(c.r, c.g, c.b);
    }
}

void Tacka::draw() const {
    applyColor(color);
    glPointSize(pointSize());
    glBegin(GL_POINTS);
    glVertex2f(x, y);
    glEnd();
}

void Duz::draw() const {
    // The segment, then its two endpoints as dots in the same colour.
    glPointSize(pointSize());
    applyColor(color);
    stroked([this] {
        glBegin(GL_LINES);
        glVertex2f(start.x, start.y);
        glVertex2f(end.x, end.y);
        glEnd();
    });
    glBegin(GL_POINTS);
    glVertex2f(start.x, start.y);
    glVertex2f(end.x, end.y);
    glEnd();
}

void Prava::draw() const {
    Tacka first;
    Tacka second;
    lineEnds(*this, first, second);
    applyColor(color);
    stroked([&first, &second] {
        glBegin(GL_LINES);
        glVertex2f(first.x, first.y);
        glVertex2f(second.x, second.y);
        glEnd();
    });
}

void Krug::draw() const {
    applyColor(color);
    stroked([this] {
        glBegin(GL_LINE_LOOP);
        for (int i = 0; i < CIRCLE_VERTICES; ++i) {
            const Tacka v = circleVertex(*this, i);
            glVertex2f(v.x, v.y);
        }
        glEnd();
    });
}

}  // namespace geometrija
