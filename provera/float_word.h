// A word of a student's answer read as a float, the way the grading takes
// it: the word must name one float exactly.  No I/O, no reliance on the C
// library's conversions for the decision (their digits differ between
// libraries): the exact value is compared digit by digit.
#pragma once

#include <string>

namespace geometrija {
namespace provera {

enum class WordKind {
    Float,      // names exactly `value`
    NotFloat,   // a number, but one no float has; `value` is the nearest float
    NotNumber,  // not a number at all
};

struct FloatWord {
    WordKind kind = WordKind::NotNumber;
    float value = 0;
    bool outOfRange = false;  // NotFloat: beyond the largest float
    bool underflow = false;   // NotFloat: nonzero, but below the smallest float's half
    bool asDouble = false;    // NotFloat: the digits of a double that equals the float
                              // `value` (a float printed as a double, 17 digits)
};

// Taken: a hexadecimal literal whose value is exactly a float; a decimal
// whose value is exactly a float; a decimal of at most 9 significant digits
// that rounds to a finite float other than a zero it does not equal (what
// `%.9g` of a float, or a shortest float32 form, writes); inf, infinity, nan
// in any case, with either sign.  Either sign on any number.
FloatWord readFloatWord(const std::string& word);

// The most significant digits a decimal may have and still be taken as the
// float it rounds to.
constexpr std::size_t FLOAT_DIGITS = 9;

}  // namespace provera
}  // namespace geometrija
