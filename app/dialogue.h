// The console dialogue of Kalvera: typed points or the name of a point file.
// It works on streams only, so that it can be tested without a terminal.
#pragma once

#include <iosfwd>
#include <string>

#include "app/checks.h"

namespace geometrija {

// Wrong answers in a row at one prompt after which the dialogue gives up: no
// person types that many, and it stops a runaway pipe (`yes | Kalvera`).
constexpr int MAX_WRONG_ANSWERS = 1000;

enum class DialogueEnd {
    Typed,      // the points were typed in: a[] holds n of them
    FileNamed,  // the user named a file: fileName holds the name
    Failed,     // the input ended or failed, or too many wrong answers: see error
};

struct DialogueResult {
    DialogueEnd end = DialogueEnd::Failed;
    int n = 0;
    std::string fileName;
    std::string error;  // one line, without the program's name
};

// The file name in a typed line: without white space at its ends (Unicode's
// spaces included), and without one pair of matching quotes around it.
std::string typedFileName(const std::string& line);

// Prompts go to `out`, flushed before every read; a prompt that cannot be
// written ends the dialogue.  A wrong count or coordinate is reported on
// `err` as "PROGRAM: WHAT", the rest of that line is discarded and the same
// prompt comes again.  With `outputIsTerminal`, an input that ends right
// after "x:" or "y:" leaves the cursor on a fresh line for the message.
DialogueResult runDialogue(std::istream& in, std::ostream& out, std::ostream& err,
                           const char* program, Par* a, bool outputIsTerminal = false);

}  // namespace geometrija
