// The programs' texts that the tests look for: the question written here
// once, independently of the product's copy; the title is the product's own.
#pragma once

#include <string>

#include "render/window.h"

namespace support {

// Kalvera's first question, with its trailing space and line break.
const std::string QUESTION =
    "Da li koordinate tacaka zelite uneti preko standardnog ulaza ili procitati iz tekstualnog "
    "fajla? ( u / f) : \n";

// The window's title, by which the tests find it.
const std::string TITLE = geometrija::WINDOW_TITLE;

}  // namespace support
