// Grading a student's answers against the vectors, and the rule that names
// the likeliest cause of the disagreements.  No I/O: the report writes what
// is decided here.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "provera/lines.h"
#include "provera/variants.h"
#include "provera/vectors_file.h"

namespace geometrija {
namespace provera {

// Disagreements told in full, and case numbers listed where no cause
// explains them.
constexpr std::size_t SHOWN = 5;
constexpr std::size_t LISTED = 10;

// One disagreement with an answer line.
struct Disagreement {
    std::size_t index = 0;        // of the case, from 0
    std::string line;             // the answer line as written (bounded)
    std::optional<Answer> given;  // the answer, when the line is one
    std::string why;              // otherwise what is wrong with it
    bool notFloat = false;        // a number of it is no float
    bool asDouble = false;        // each such number a float printed as a double
    std::vector<Variant> causes;  // the known variants that give this answer
                                  // (rounded to float, when it is not)
};

struct OpCount {
    int agreeing = 0;
    int all = 0;
    int wrong = 0;  // answered and disagreeing
};

struct Grade {
    std::size_t total = 0;
    int agreeing = 0;
    std::size_t answered = 0;  // lines the program wrote, kept or not
    int wrong = 0;             // disagreements among the cases answered
    int notFloat = 0;          // of them, answers with a number no float has
    int asDouble = 0;          // and of those, floats printed as doubles
    std::map<Op, OpCount> byOp;
    std::map<Variant, int> explained;     // disagreements each variant gives
    std::map<Variant, int> contradicted;  // agreeing cases each variant would
                                          // have got wrong
    std::vector<Disagreement> first;      // the first SHOWN disagreements
    std::vector<std::size_t> firstCases;  // the first LISTED, by index
};

Grade grade(const std::vector<Vector>& vectors, const AnswerLines& answers);

// A cause the report may name: a known variant, or (no variant) answers
// that are no float at all: the final rounding to float missing, or (with
// asDouble) a float printed with a double's digits.
struct Cause {
    std::optional<Variant> variant;
    int explains = 0;
    int contradicts = 0;  // right answers it would have changed
    bool asDouble = false;
};

// The likeliest cause: named when it explains more than half of the
// disagreements and more than any other.  A cause that would also have
// changed answers the program got right is that much less likely: causes are
// ranked by the disagreements they explain less the right answers they
// contradict (exchanged result codes explain every wrong 0 or 2, but would
// have turned the right ones too).  Tied when several share the top; else
// none.
struct Likeliest {
    enum class Kind { None, Named, Tied } kind = Kind::None;
    std::vector<Cause> causes;  // the named one, or the tied ones
};

Likeliest likeliest(const Grade& g);

// The cause's name for scripts, and its words for a person.
const char* causeName(const Cause& c);
const char* causeStory(const Cause& c);

}  // namespace provera
}  // namespace geometrija
