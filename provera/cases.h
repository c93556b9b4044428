// The toolkit's operations as text: one case a line, its operation and
// inputs, and the answer (a result code and float outputs), every float as a
// C99 hexadecimal literal, so that a case reads back to the same bits in any
// language.  Shared by the test-vector generator and the checker.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace geometrija {
namespace provera {

enum class Op {
    Distance,                // ax ay bx by = d
    IntersectLines,          // px py dx dy qx qy ex ey rx ry = code x y
    IntersectSegments,       // ax ay bx by cx cy dx dy rx ry = code x y
    Normal,                  // px py rpx rpy rdx rdy = px py dx dy
    Bisector,                // ax ay bx by = mx my dx dy
    Circumcircle,            // ax ay bx by cx cy kx ky kr = code kx ky kr
    HasPointInCircumcircle,  // ax ay bx by cx cy n x1 y1 ... = code x1 y1 ...
};

// The operation's name in the text, as the toolkit's function is named.
const char* opName(Op op);
std::optional<Op> opNamed(const std::string& name);
// Its float inputs (for HasPointInCircumcircle, those before the count),
// and whether its answer starts with a result code.
int fixedInputs(Op op);
bool hasCode(Op op);

// A case: the operation and its float inputs.  For HasPointInCircumcircle,
// the count n stands between the triple and the points, as an integer.
struct Case {
    Op op;
    std::vector<float> in;
};

// An answer: the result code (none for Distance, Normal and Bisector) and
// the float outputs.
struct Answer {
    std::optional<int> code;
    std::vector<float> out;
};

// Two answers agree when their codes are equal and each output has the same
// bits; any NaN agrees with any NaN (its sign and payload are the platform's).
bool agree(const Answer& a, const Answer& b);

// The toolkit's own answer.
Answer fromLibrary(const Case& c);

// Text, as the vectors file and the protocol carry it.
std::string hexFloat(float f);  // the same text on every platform
std::string caseText(const Case& c);
std::string answerText(const Answer& a);
// The inputs in decimal, for people (9 significant digits: the float again).
std::string decimalInputs(const Case& c);

// Reads a case ("OP INPUTS") or an answer for an operation; nullopt when the
// text is not one, with `why` saying what is wrong.
std::optional<Case> parseCase(const std::string& text, std::string& why);
std::optional<Answer> parseAnswer(Op op, const std::string& text, std::string& why);

// A hasPointInCircumcircle case's count of points (0 for other operations).
std::size_t pointsOf(const Case& c);

// A student's answer line read for its case: as many words as the case
// calls for (every point of a hasPointInCircumcircle case), each naming a
// float exactly (provera/float_word.h).
struct Reading {
    std::optional<Answer> answer;  // the answer, when every word is a float
    std::string why;               // otherwise what is wrong, its words escaped
    bool notFloat = false;         // a number that no float has
    bool asDouble = false;         // each such number a float printed as a double
    Answer nearest;                // then: the answer with each number's nearest float
};
Reading readAnswer(const Case& c, const std::string& text);

}  // namespace provera
}  // namespace geometrija
