// The arithmetic of the picture, kept apart from OpenGL so that it can be
// tested directly: the camera fitted to the scene's box, the projection that a
// window size gives, and the vertices that a line and a circle are drawn with.
#pragma once

#include <string>

#include "geometrija/primitives.h"

namespace geometrija {

constexpr float POINT_SIZE = 4.0f;    // drawn points and segment endpoints
constexpr double LINE_EXTENT = 100;   // a line is drawn from point-100*dir to point+100*dir
constexpr int CIRCLE_VERTICES = 100;  // vertices of a drawn circle
constexpr double TWO_PI = 6.283185307179586;

// The camera that is fitted once to the box: view centre (cx, cy), extents
// (|min| + max, not the width) and the viewing distance.
struct Camera {
    float cx;
    float cy;
    float ex;
    float ey;
    float dist;
};

// Each of cx, cy, ex, ey is formed in double and rounded to float once; dist
// is twice the larger rounded extent, rounded to float.
Camera cameraFor(const Tacka& minC, const Tacka& maxC);

// The vertical field of view of reshape's projection, in degrees.
constexpr double FIELD_OF_VIEW = 45;

// The nearest and farthest plane of reshape's projection: the scene shows
// only while the camera's distance lies between them.
constexpr double NEAR_PLANE = 1;
constexpr double FAR_PLANE = 1000;

// Whether the plane z = 0, seen from `dist` away through reshape's
// projection, lies inside OpenGL's clip volume, decided in float as the
// pipeline clips it: from exactly NEAR_PLANE up to a little past FAR_PLANE
// (1000.02191, the last float before 1000.02197), as Mesa's llvmpipe and
// softpipe both draw it.
bool planeShows(float dist);

// When the plane does not show from the camera fitted to the box, the window
// will show the background only: the one-line warning that says so and what
// to do.  Empty when the picture shows.
std::string emptyPictureWarning(const Tacka& minC, const Tacka& maxC);

// What reshape hands to OpenGL: a height of 0 becomes 1 for the viewport and
// the aspect alike; aspect = width * 1.0 / height rounded to float.
struct Projection {
    int width;
    int height;
    float aspect;
};
Projection projectionFor(int width, int height);

// The two drawn ends of a line: point + 100*dir first, then point - 100*dir.
void lineEnds(const Prava& l, Tacka& first, Tacka& second);

// Vertex i (0..99) of a drawn circle, counter-clockwise from angle 0.
Tacka circleVertex(const Krug& c, int i);

}  // namespace geometrija
