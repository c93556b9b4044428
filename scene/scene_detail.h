// The scene's adders without the floating-point guard, for the toolkit's own
// code that is already in the exact mode (the triangulation's loop).  Not
// installed.
#pragma once

#include "geometrija/scene.h"

namespace geometrija {
namespace detail {

// addSegment's work: the copy, its colour, the box.
void appendSegment(Duz s, int color);

}  // namespace detail
}  // namespace geometrija
