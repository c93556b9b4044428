// GLUT's header for the window code: freeglut's (its error callbacks and
// glutMainLoopEvent), or in the browser emscripten's classic one.
#pragma once

#ifdef __EMSCRIPTEN__
#include <GL/glut.h>
#else
#include <GL/freeglut.h>
#endif
