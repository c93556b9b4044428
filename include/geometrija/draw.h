// How the primitives draw themselves.  The draw() members of Tacka, Duz,
// Prava and Krug are declared with the value types in geometry/primitives.h
// and defined in draw.cpp beside this helper, so that only the renderer
// links OpenGL.
#pragma once

namespace geometrija {

// Sets the current OpenGL colour for a colour code; no call for codes
// outside 0..9, so the previous colour stays.
void applyColor(int code);

}  // namespace geometrija
