#include "app/dialogue.h"

#include <cerrno>
#include <cstring>
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
    DialogueResult result;
    Scanner scanner(in);
    auto fail = [&](const std::string& what) {
        result.end = DialogueEnd::Failed;
        result.error = what;
        return result;
    };

    // Every prompt is flushed before the next read; one that cannot be
    // written ends the dialogue, since nobody would see it.
    std::string writeError;
    auto say = [&](const char* text) {
        errno = 0;
        out << text << std::flush;
        if (!out) {
            writeError = "standardni izlaz ne moze da se pise (" +
                         std::string(std::strerror(errno != 0 ? errno : EIO)) + ")";
        }
        return static_cast<bool>(out);
    };

    std::string word;
    std::int64_t line = 0;

    // Every character counts as an answer, a line break included: a wrong
    // one-letter answer and Enter bring the question twice.
    if (!say(QUESTION)) {
        return fail(writeError);
    }
    int s = scanner.nextChar();
    for (int wrong = 1; s != 'f' && s != 'u'; ++wrong) {
        if (s == EOF) {
            return fail(noAnswer(Scanner::END, word, scanner));
        }
        if (wrong == MAX_WRONG_ANSWERS) {
            return fail(tooManyWrong());
        }
        if (!say(QUESTION)) {
            return fail(writeError);
        }
        s = scanner.nextChar();
    }
    if (s == 'f') {
        // The name is the rest of the first line that holds anything, so
        // that it may hold spaces: "f data.txt" and "f", Enter, "my dir/p.txt".
        if (!say(FILE_PROMPT)) {
            return fail(writeError);
        }
        // A line that holds no name once trimmed and unquoted (a no-break
        // space, '') is passed over as a blank line is.
        do {
            const Scanner::Status status = scanner.nextLine(word, line);
            if (status != Scanner::WORD) {
                return fail(noAnswer(status, word, scanner));
            }
            result.fileName = typedFileName(word);
        } while (result.fileName.empty());
        result.end = DialogueEnd::FileNamed;
        return result;
    }

    // Reads one answer to `prompt` until `check` accepts it; a refused answer
    // is reported and the rest of its line dropped.  A line that goes on past
    // MAX_WORD bytes counts as one more wrong answer for each such stretch.
    auto ask = [&](const char* prompt, auto check) {
        int wrong = 0;
        for (;;) {
            if (!say(prompt)) {
                result.error = writeError;
                return false;
            }
            const Scanner::Status status = scanner.next(word, line);
            if (status != Scanner::WORD) {
                // On a terminal the cursor still stands after "x:" when the
                // input ends there (Ctrl-D): the message gets a line of its own.
                if (outputIsTerminal && prompt[std::strlen(prompt) - 1] != '\n') {
                    out << '\n' << std::flush;
                }
                result.error = noAnswer(status, word, scanner);
                return false;
            }
            const std::string what = check(word);
            if (what.empty()) {
                return true;
            }
            err << program << ": " << what << '\n' << std::flush;
            do {
                if (++wrong == MAX_WRONG_ANSWERS) {
                    result.error = tooManyWrong();
                    return false;
                }
            } while (!scanner.skipLine());
        }
    };

    // Each check gives the value or the message; the value is kept as it
    // is accepted.
    int count = 0;
    const auto keep = [](auto& into, auto checked) {
        if (checked.ok()) {
            into = *checked.value;
        }
        return checked.error;
    };
    if (!ask(COUNT_PROMPT, [&](const std::string& w) { return keep(count, checkCount(w)); })) {
        return result;
    }
    if (!say(COORDINATES_PROMPT)) {
        return fail(writeError);
    }
    for (int i = 0; i < count; ++i) {
        if (!ask("x:", [&](const std::string& w) { return keep(a[i].x, checkCoordinate(w)); }) ||
            !ask("y:", [&](const std::string& w) { return keep(a[i].y, checkCoordinate(w)); })) {
            return result;
        }
    }
    result.end = DialogueEnd::Typed;
    result.n = count;
    return result;
}

}  // namespace geometrija
