// What a count and a coordinate may be, as the point file and the dialogue
// both check them, and where the accepted pairs go.
#pragma once

#include <string>

#include "app/result.h"
#include "geometrija/point_file.h"  // MAX_POINTS, the capacity of the driver's arrays

namespace geometrija {

// One raw coordinate pair as read.
struct Par {
    float x;
    float y;
};

// Checks a count: the whole word a base-10 integer (an optional sign, then
// digits; anything after them refuses it, where "%d" would stop there), in
// the range 0..99.
Result<int> checkCount(const std::string& word);

// Checks a coordinate: the whole word a number as "%f" reads one (anything
// after it refuses it); nan and the infinities (an overflowing literal
// included) are refused.
Result<float> checkCoordinate(const std::string& word);

}  // namespace geometrija
