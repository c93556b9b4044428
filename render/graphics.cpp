#include "geometrija/graphics.h"

#include <GL/glu.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "geometrija/scene.h"
#include "render/camera.h"
#include "render/glut.h"
#include "render/window.h"
#include "render/window_check.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

// The page says in words what the picture shows: it hears how many points
// and segments were drawn.
// clang-format off
EM_JS(void, geometrija_picture_shown, (int points, int segments), {
    if (Module['pictureShown']) Module['pictureShown'](points, segments);
});
// clang-format on
#endif

namespace geometrija {

void openWindow(int& argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    glutInitWindowPosition(WINDOW_X, WINDOW_Y);
    glutCreateWindow(WINDOW_TITLE);
    windowCreated();
    glClearColor(CLEAR_COLOR[0], CLEAR_COLOR[1], CLEAR_COLOR[2], CLEAR_COLOR[3]);
}

void fitCamera() {
    const Camera c = cameraFor(minCorner, maxCorner);
    // This projection is replaced by the first reshape before anything is
    // shown; the look-at describes the same eye as the translation below.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30, 1, 1, 20);
    gluLookAt(c.cx, c.cy, c.dist, c.cx, c.cy, 0, 0, 1, 0);
    // The only model-view transform ever set.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-c.cx, -c.cy, -c.dist);
}

namespace {

// argv[0] without its folder, as a program's messages begin.
std::string programName(int argc, char** argv) {
    if (argc < 1 || argv == nullptr || argv[0] == nullptr) {
        return "geometrija";
    }
    const char* name = argv[0];
    for (const char* c = argv[0]; *c != '\0'; ++c) {
        if (*c == '/' || *c == '\\') {
            name = c + 1;
        }
    }
    return *name == '\0' ? std::string("geometrija") : std::string(name);
}

}  // namespace

void startGraphics(int argc, char** argv) {
    startGraphics(programName(argc, argv).c_str(), argc, argv);
}

void startGraphics(const char* program, int argc, char** argv) {
    const bool somethingToShow =
        !points.empty() || !segments.empty() || !lines.empty() || !circles.empty();
    const std::string warning = somethingToShow ? emptyPictureWarning(minCorner, maxCorner) : "";
    if (!warning.empty()) {
        std::fprintf(stderr, "%s: %s\n", program, warning.c_str());
        std::fflush(stderr);
    }
    openWindow(argc, argv);
    fitCamera();
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutMainLoop();
}

void reshape(int width, int height) {
    const Projection p = projectionFor(width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, p.width, p.height);
    gluPerspective(FIELD_OF_VIEW, p.aspect, NEAR_PLANE, FAR_PLANE);
    // The projection matrix stays current from here on.
}

void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    // Later primitives cover earlier ones (no depth test, all at z = 0):
    // circles, then lines, then segments, then points on top.
    for (auto k = circles.begin(); k != circles.end(); ++k) {
        k->draw();
    }
    for (auto p = lines.begin(); p != lines.end(); ++p) {
        p->draw();
    }
    for (auto d = segments.begin(); d != segments.end(); ++d) {
        d->draw();
    }
    for (auto t = points.begin(); t != points.end(); ++t) {
        t->draw();
    }
    glPopMatrix();
    glFlush();
    glutSwapBuffers();
#ifdef __EMSCRIPTEN__
    geometrija_picture_shown(static_cast<int>(points.size()), static_cast<int>(segments.size()));
#endif
}

}  // namespace geometrija
