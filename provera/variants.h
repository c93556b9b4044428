// The toolkit's arithmetic written out step by step, and the usual ways a
// student's version of it differs: each variant does exactly one step another
// way (a rounding left out, the step in float, a comparison of the other
// strictness, another formula or order).  The checker tells which variant, if
// any, gives a student's wrong answer.
#pragma once

#include <array>
#include <cstddef>

#include "provera/cases.h"

namespace geometrija {
namespace provera {

// In the order the report lists them; each one's name, story and operations
// are in the table of variants.cpp.
enum class Variant {
    Exact,  // the toolkit's own steps
    // A rounding to float left out.
    CrossUnrounded,        // the cross product
    ParameterUnrounded,    // the parameter t (and s)
    SumUnrounded,          // distance's sum of squares before the root
    LengthsUnrounded,      // the squared lengths of the tolerance test
    DifferencesUnrounded,  // PQ, p, q and a bisector's direction
    // The arithmetic in float.
    FloatOnly,           // every step in float
    Fused,               // in float, each product fused into the next sum
    FusedInDouble,       // distance's dx * dx fused with dy * dy, in double
    DifferencesInFloat,  // distance's differences subtracted in float, then widened
    // A comparison of the other strictness.
    ToleranceNotStrict,  // the tolerance test >= instead of >
    RangeStrict,         // the segments' range test 0 < s < 1
    OverlapStrictness,   // the collinear overlap test's > and <= swapped in
    InsideNotStrict,     // the point test's d <= r
    // The tolerance's weight.
    ToleranceAbsolute,  // den^2 > eps, unweighted
    SwappedWeight,      // the parallel case weighed by the other length
    // The nudge.
    NudgeInFloat,  // x + 1e-6f
    NudgeOnY,      // y + 1e-6
    NudgeMissing,  // no nudge
    // The midpoint's formula.
    MidpointHalfDifference,  // a + (b - a) / 2
    // The circumcentre's fallback.
    NoFallback,       // only the bisectors from the first vertex
    FallbackOrder,    // the third vertex tried before the second
    RadiusFromFirst,  // the radius measured from the first vertex
    // The result.
    CodesSwapped,  // result codes 0 and 2 exchanged
    WritesOnMiss,  // the result written on codes 0 and 2 too
    ShortPrint,    // each float printed with 6 significant digits (%g)
    Count_,        // not a variant: the number of them
};

constexpr std::size_t VARIANT_COUNT = static_cast<std::size_t>(Variant::Count_);

// Every wrong variant, in the order of the enumeration.
constexpr std::array<Variant, VARIANT_COUNT - 1> wrongVariants() {
    std::array<Variant, VARIANT_COUNT - 1> all{};
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i] = static_cast<Variant>(i + 1);
    }
    return all;
}
constexpr std::array<Variant, VARIANT_COUNT - 1> WRONG_VARIANTS = wrongVariants();

// The variant's name on the command line and in the tests, and what it
// says to a student: the step and how it was done.
const char* variantName(Variant v);
const char* variantStory(Variant v);
// Whether the operation has the step the variant changes.
bool actsOn(Variant v, Op op);

// The answer the toolkit's arithmetic gives with the variant's one change.
Answer model(const Case& c, Variant v);

}  // namespace provera
}  // namespace geometrija
