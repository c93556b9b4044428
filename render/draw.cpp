// How each primitive draws itself: immediate-mode OpenGL in the plane z = 0.
#include <GL/gl.h>

#include "geometrija/draw.h"
#include "geometrija/primitives.h"
#include "render/camera.h"

namespace geometrija {

void applyColor(int code) {
    Rgb c{};
    if (lookupColor(code, c)) {
        glColor3f(c.r, c.g, c.b);
    }
}

void Tacka::draw() const {
    applyColor(color);
    glPointSize(POINT_SIZE);
    glBegin(GL_POINTS);
    glVertex2f(x, y);
    glEnd();
}

void Duz::draw() const {
    // The segment, then its two endpoints as dots in the same colour.
    glPointSize(POINT_SIZE);
    applyColor(color);
    glBegin(GL_LINES);
    glVertex2f(start.x, start.y);
    glVertex2f(end.x, end.y);
    glEnd();
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
    glBegin(GL_LINES);
    glVertex2f(first.x, first.y);
    glVertex2f(second.x, second.y);
    glEnd();
}

void Krug::draw() const {
    applyColor(color);
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < CIRCLE_VERTICES; ++i) {
        const Tacka v = circleVertex(*this, i);
        glVertex2f(v.x, v.y);
    }
    glEnd();
}

}  // namespace geometrija
