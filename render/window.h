// The window's fixed look, in one place for the programs and for every tool,
// benchmark and test that opens, finds or checks such a window.  No OpenGL
// here: the values only.
#pragma once

#include <cstdint>

#include "geometrija/scene.h"  // WINDOW_WIDTH, WINDOW_HEIGHT

namespace geometrija {

constexpr int WINDOW_X = 100;
constexpr int WINDOW_Y = 50;
constexpr const char* WINDOW_TITLE = "Geometrija - prikaz zadatka";

// The clear colour, light beige with alpha 0, as OpenGL is given it...
constexpr float CLEAR_COLOR[4] = {0.9f, 0.9f, 0.8f, 0.0f};
// ...and as an 8-bit-per-channel window holds it.
constexpr std::uint8_t CLEAR_PIXEL[3] = {230, 230, 204};

}  // namespace geometrija
