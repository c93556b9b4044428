#include "app/dialogue.h"

#include <istream>
#include <ostream>

namespace geometrija {

namespace {

const char* const QUESTION =
    "Da li koordinate tacaka zelite uneti preko standardnog ulaza ili procitati iz tekstualnog "
    "fajla? ( u / f) : \n";
const char* const COUNT_PROMPT = "Unesi broj tacaka: \n";
const char* const COORDINATES_PROMPT = "Unesi koordinate tacki: \n";
const char* const FILE_PROMPT = "Unesite ime fajla\n";

// Why no answer came: the end of standard input, its failure, or a word
// too long (`status` other than WORD).
std::string noAnswer(Scanner::Status status, const std::string& word, const Scanner& scanner) {
    if (status == Scanner::TOO_LONG) {
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

}  // namespace

DialogueResult runDialogue(std::istream& in, std::ostream& out, std::ostream& err,
                           const char* program, Par* a) {
    DialogueResult result;
    Scanner scanner(in);
    auto fail = [&](const std::string& what) {
        result.end = DialogueEnd::Failed;
        result.error = what;
        return result;
    };

    std::string word;
    std::int64_t line = 0;

    // Every character counts as an answer, a line break included: a wrong
    // one-letter answer and Enter bring the question twice.
    out << QUESTION << std::flush;
    int s = scanner.nextChar();
    for (int wrong = 1; s != 'f' && s != 'u'; ++wrong) {
        if (s == EOF) {
            return fail(noAnswer(Scanner::END, word, scanner));
        }
        if (wrong == MAX_WRONG_ANSWERS) {
            return fail(tooManyWrong());
        }
        out << QUESTION << std::flush;
        s = scanner.nextChar();
    }
    if (s == 'f') {
        out << FILE_PROMPT << std::flush;
        const Scanner::Status status = scanner.next(word, line);
        if (status != Scanner::WORD) {
            return fail(noAnswer(status, word, scanner));
        }
        result.end = DialogueEnd::FileNamed;
        result.fileName = word;
        return result;
    }

    // Reads one answer to `prompt` until `check` accepts it; a refused answer
    // is reported and the rest of its line dropped.
    auto ask = [&](const char* prompt, auto check) {
        for (int wrong = 1;; ++wrong) {
            out << prompt << std::flush;
            const Scanner::Status status = scanner.next(word, line);
            if (status != Scanner::WORD) {
                result.error = noAnswer(status, word, scanner);
                return false;
            }
            const std::string what = check(word);
            if (what.empty()) {
                return true;
            }
            err << program << ": " << what << '\n' << std::flush;
            if (wrong == MAX_WRONG_ANSWERS) {
                result.error = tooManyWrong();
                return false;
            }
            scanner.skipLine();
        }
    };

    int count = 0;
    if (!ask(COUNT_PROMPT, [&](const std::string& w) { return checkCount(w, count); })) {
        return result;
    }
    out << COORDINATES_PROMPT << std::flush;
    for (int i = 0; i < count; ++i) {
        if (!ask("x:", [&](const std::string& w) { return checkCoordinate(w, a[i].x); }) ||
            !ask("y:", [&](const std::string& w) { return checkCoordinate(w, a[i].y); })) {
            return result;
        }
    }
    result.end = DialogueEnd::Typed;
    result.n = count;
    return result;
}

}  // namespace geometrija
