// Puts the scene back into its start-up state between test cases.
#pragma once

#include "geometrija/scene.h"

namespace support {

inline void freshScene() {
    using namespace geometrija;
    minCorner = Tacka(WINDOW_WIDTH, WINDOW_HEIGHT);
    maxCorner = Tacka(0, 0);
    points.clear();
    segments.clear();
    lines.clear();
    circles.clear();
}

}  // namespace support
