// The Geometrija toolkit for one's own exercises, without the window: the
// value types Tacka, Duz, Prava and Krug with the colour codes, the scene
// (points, segments, lines, circles, minCorner, maxCorner and their adders),
// the intersections, distance, normal and bisector, the triangulation, and
// the programs' point-file reader.
// Link Geometrija::toolkit (pkg-config: geometrija-toolkit); no OpenGL is
// needed.  The draw() members and applyColor are declared with the types;
// only a program that links the window (geometrija.h) may call them.
#pragma once

#include "draw.h"
#include "intersect.h"
#include "point_file.h"
#include "primitives.h"
#include "scene.h"
#include "triangulate.h"
