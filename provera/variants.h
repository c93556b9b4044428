// The toolkit's arithmetic written out step by step, and the usual ways a
// student's version of it differs: each variant changes one rounding step.
// The checker tells which variant, if any, gives a student's wrong answer.
#pragma once

#include "provera/cases.h"

namespace geometrija {
namespace provera {

enum class Variant {
    Exact,           // the toolkit's own roundings
    CrossUnrounded,  // a cross product kept in double, not rounded to float
    Fused,           // float arithmetic with each product fused into the next sum
    FloatOnly,       // float arithmetic where the toolkit works in double
    SwappedWeight,   // the parallel lines' second test weighed by the second line
    SumUnrounded,    // distance's sum of squares not rounded to float before the root
};

constexpr Variant WRONG_VARIANTS[] = {Variant::CrossUnrounded, Variant::Fused, Variant::FloatOnly,
                                      Variant::SwappedWeight, Variant::SumUnrounded};

// The variant's name on the command line and in the tests, and what it
// says to a student.
const char* variantName(Variant v);
const char* variantStory(Variant v);

// The answer the toolkit's arithmetic gives with the variant's one change.
Answer model(const Case& c, Variant v);

}  // namespace provera
}  // namespace geometrija
