// Opens the same window as the programs, clears it once and swaps: nothing
// can show its first picture sooner.  With the argument "draw" it also draws
// one 4-pixel point and one line, to show what the renderer's first use of
// points and lines costs by itself.
#include <GL/freeglut.h>

#include <cstring>

#include "render/window.h"

using namespace geometrija;

namespace {
bool drawToo = false;

void display() {
    glClearColor(CLEAR_COLOR[0], CLEAR_COLOR[1], CLEAR_COLOR[2], CLEAR_COLOR[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (drawToo) {
        glColor3f(0, 0, 0);
        glBegin(GL_LINES);
        glVertex2f(-0.5f, 0);
        glVertex2f(0.5f, 0);
        glEnd();
        glColor3f(1, 0, 0);
        glPointSize(4);
        glBegin(GL_POINTS);
        glVertex2f(0, 0);
        glEnd();
    }
    glFlush();
    glutSwapBuffers();
}
}  // namespace

int main(int argc, char** argv) {
    drawToo = argc > 1 && std::strcmp(argv[1], "draw") == 0;
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    glutInitWindowPosition(WINDOW_X, WINDOW_Y);
    glutCreateWindow(WINDOW_TITLE);
    glutDisplayFunc(display);
    glutMainLoop();
    return 0;
}
