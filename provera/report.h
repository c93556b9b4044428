// What the checker says about a run, composed as text: the disagreements
// told in full, how the program ended, the score and the likeliest cause;
// or, for a script, one line.  No I/O: main writes it.
#pragma once

#include <string>
#include <vector>

#include "provera/arguments.h"
#include "provera/grading.h"
#include "provera/student.h"

namespace geometrija {
namespace provera {

// The report for a person: every line plain text, each word of the
// student's output or the vectors escaped.
std::string reportText(const Options& o, const std::vector<Vector>& vectors, const Run& run,
                       const Grade& g);

// The one status word of a run: ne-pokrece, vreme (stopped at the time
// limit), previse (stopped for writing too much), prekid (did not end by
// itself with status 0), razlike (ended well, some case disagrees), tacno.
const char* statusWord(const Run& run, const Grade& g);

// The line --sazetak prints, five fields separated by tabs:
//   PROGRAM  AGREEING  TOTAL  STATUS  CAUSE
// PROGRAM the command as given, words joined by spaces, control bytes and
// the backslash as \xNN; AGREEING and TOTAL cases as decimal integers;
// STATUS statusWord(); CAUSE the likeliest cause's name (a variant's name,
// nije-float for answers never rounded to float, ispis-double for floats
// printed with a double's digits), or - when none is named.  The line ends
// with LF.
std::string summaryLine(const Options& o, const Run& run, const Grade& g);

}  // namespace provera
}  // namespace geometrija
