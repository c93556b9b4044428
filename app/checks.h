// What a count and a coordinate may be, as the point file and the dialogue
// both check them, and where the accepted pairs go.
#pragma once

#include <string>

#include "app/result.h"

namespace geometrija {

constexpr int MAX_POINTS = 99;  // capacity of the driver's arrays

// One raw coordinate pair as read.
struct Par {
    float x;
    float y;
};

// Checks a count as "%d" would read it, and its range 0..99.
Result<int> checkCount(const std::string& word);

// Checks a coordinate as "%f" would read it; nan and the infinities (an
// overflowing literal included) are refused.
Result<float> checkCoordinate(const std::string& word);

}  // namespace geometrija
