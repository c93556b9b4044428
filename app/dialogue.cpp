#include "app/dialogue.h"

#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>

#include "app/scanner.h"
#include "text/messages.h"

namespace geometrija {

namespace {

const char* const QUESTION =
    "Da li koordinate tacaka zelite uneti preko standardnog ulaza ili procitati iz tekstualnog "
    "fajla? ( u / f) : \n";
const char* const COUNT_PROMPT = "Unesi broj tacaka: \n";
const char* const COORDINATES_PROMPT = "Unesi koordinate tacki: \n";
const char* const FILE_PROMPT = "Unesite ime fajla\n";

// Why no answer came: the end of standard input, its failure, or a word
// too long (`status` other than Word).
std::string noAnswer(Scanner::Status status, const std::string& word, const Scanner& scanner) {
    if (status == Scanner::Status::TooLong) {
        return tooLong(word);
    }
    if (scanner.failed()) {
        return "standardni ulaz ne moze da se procita (" + scanner.readError() + ")";
    }
    return "neocekivan kraj standardnog ulaza";
}

std::string tooManyWrong() {
    return std::to_string(MAX_WRONG_ANSWERS) + " pogresnih odgovora zaredom";
}

// A dialogue under way: its streams, the scanner over its input, and, once it
// has failed, why.
struct Dialogue {
    Scanner scanner;
    std::ostream& out;
    std::ostream& err;
    const char* program;
    bool outputIsTerminal;
    std::string error;
};

// Writes a prompt and flushes it before the next read.  One that cannot be
// written ends the dialogue (false), since nobody would see it.
bool say(Dialogue& d, const char* text) {
    errno = 0;
    d.out << text << std::flush;
    if (!d.out) {
        // A stream can fail without a system call's reason.
        d.error = "standardni izlaz ne moze da se pise (" +
                  std::string(std::strerror(errno != 0 ? errno : EIO)) + ")";
    }
    return static_cast<bool>(d.out);
}

// The first question, until it is answered 'u' or 'f'; 0 when the dialogue
// ends.  Every character counts as an answer, a line break included: a
// wrong one-letter answer and Enter bring the question twice.
int askInputKind(Dialogue& d) {
    for (int wrong = 0;; ++wrong) {
        if (wrong == MAX_WRONG_ANSWERS) {
            d.error = tooManyWrong();
            return 0;
        }
        if (!say(d, QUESTION)) {
            return 0;
        }
        const int s = d.scanner.nextChar();
        if (s == 'u' || s == 'f') {
            return s;
        }
        if (s == EOF) {
            d.error = noAnswer(Scanner::Status::End, std::string(), d.scanner);
            return 0;
        }
    }
}

// The name is the rest of the first line that holds anything, so that it
// may hold spaces: "f data.txt" and "f", Enter, "my dir/p.txt".  A line that
// holds no name once trimmed and unquoted (a no-break space, '') is passed
// over as a blank line is.
bool askFileName(Dialogue& d, std::string& name) {
    if (!say(d, FILE_PROMPT)) {
        return false;
    }
    std::string text;
    std::int64_t line = 0;
    do {
        const Scanner::Status status = d.scanner.nextLine(text, line);
        if (status != Scanner::Status::Word) {
            d.error = noAnswer(status, text, d.scanner);
            return false;
        }
        name = typedFileName(text);
    } while (name.empty());
    return true;
}

// Reads one answer to `prompt` until `check` accepts it into `value`; a
// refused answer is reported and the rest of its line dropped.  A line that
// goes on past MAX_WORD bytes counts as one more wrong answer for each such
// stretch.
template <class T>
bool askValue(Dialogue& d, const char* prompt, Result<T> (*check)(const std::string&), T& value) {
    std::string word;
    std::int64_t line = 0;
    for (int wrong = 0;;) {
        if (!say(d, prompt)) {
            return false;
        }
        const Scanner::Status status = d.scanner.next(word, line);
        if (status != Scanner::Status::Word) {
            // On a terminal the cursor still stands after "x:" when the
            // input ends there (Ctrl-D): the message gets a line of its own.
            if (d.outputIsTerminal && prompt[std::strlen(prompt) - 1] != '\n') {
                d.out << '\n' << std::flush;
            }
            d.error = noAnswer(status, word, d.scanner);
            return false;
        }
        const Result<T> checked = check(word);
        if (checked.ok()) {
            value = *checked.value;
            return true;
        }
        d.err << d.program << ": " << checked.error << '\n' << std::flush;
        do {
            if (++wrong == MAX_WRONG_ANSWERS) {
                d.error = tooManyWrong();
                return false;
            }
        } while (!d.scanner.skipLine());
    }
}

// The count, then x and y of each point.
bool askPoints(Dialogue& d, Par* a, int& n) {
    int count = 0;
    if (!askValue(d, COUNT_PROMPT, checkCount, count) || !say(d, COORDINATES_PROMPT)) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        if (!askValue(d, "x:", checkCoordinate, a[i].x) ||
            !askValue(d, "y:", checkCoordinate, a[i].y)) {
            return false;
        }
    }
    n = count;
    return true;
}

}  // namespace

std::string typedFileName(const std::string& line) {
    // A file dragged onto a console window arrives quoted when its path holds
    // a space: "C:\Users\Ana\moje tacke.txt" on Windows, '/home/ana/x y.txt'
    // in common Linux terminals.
    std::string name = trimmed(line);
    if (name.size() >= 2 && (name[0] == '"' || name[0] == '\'') && name.back() == name[0]) {
        name = name.substr(1, name.size() - 2);
    }
    return name;
}

DialogueResult runDialogue(std::istream& in, std::ostream& out, std::ostream& err,
                           const char* program, Par* a, bool outputIsTerminal) {
    Dialogue d{Scanner(in), out, err, program, outputIsTerminal, std::string()};
    DialogueResult result;
    const int kind = askInputKind(d);
    if (kind == 'f' && askFileName(d, result.fileName)) {
        result.end = DialogueEnd::FileNamed;
    } else if (kind == 'u' && askPoints(d, a, result.n)) {
        result.end = DialogueEnd::Typed;
    } else {
        result.end = DialogueEnd::Failed;
        result.error = d.error;
    }
    return result;
}

}  // namespace geometrija
