#include "app/input.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <istream>
#include <ostream>
#include <utility>

namespace geometrija {

namespace {

const char* const QUESTION =
    "Da li koordinate tacaka zelite uneti preko standardnog ulaza ili procitati iz tekstualnog "
    "fajla? ( u / f) : \n";
const char* const COUNT_PROMPT = "Unesi broj tacaka: \n";
const char* const COORDINATES_PROMPT = "Unesi koordinate tacki: \n";
const char* const FILE_PROMPT = "Unesite ime fajla\n";
const char* const END_OF_INPUT = "neocekivan kraj standardnog ulaza";

// White space as scanf sees it in the C locale.
bool isSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A token as it goes into a message: quoted, non-printable bytes escaped, and
// cut after 40 characters so that one line stays one readable line.
std::string quoted(const std::string& token) {
    constexpr std::size_t LIMIT = 40;
    std::string s = "'";
    for (std::size_t i = 0; i < token.size() && i < LIMIT; ++i) {
        const unsigned char c = static_cast<unsigned char>(token[i]);
        if (c >= 0x20 && c < 0x7f && c != '\\' && c != '\'') {
            s += static_cast<char>(c);
        } else {
            static const char HEX[] = "0123456789abcdef";
            s += "\\x";
            s += HEX[c >> 4];
            s += HEX[c & 15];
        }
    }
    if (token.size() > LIMIT) {
        s += "...";
    }
    return s + "'";
}

// Reads white-space-delimited words and keeps the line number of each.  The
// white space after a word is left in the stream.
class Scanner {
public:
    explicit Scanner(std::istream& in) : in_(in) {}

    // Skips white space and reads one word; false at the end of the input.
    bool next(std::string& word, int& line) {
        int c = in_.get();
        while (c != EOF && isSpace(c)) {
            noteChar(c);
            c = in_.get();
        }
        if (c == EOF) {
            return false;
        }
        word.clear();
        line = line_;
        while (c != EOF && !isSpace(c)) {
            noteChar(c);
            word += static_cast<char>(c);
            c = in_.peek();
            if (c == EOF || isSpace(c)) {
                break;
            }
            c = in_.get();
        }
        return true;
    }

    // Discards the rest of the current line, its line break included.
    void skipLine() {
        int c = in_.get();
        while (c != EOF && c != '\n') {
            c = in_.get();
        }
        if (c == '\n') {
            noteChar(c);
        }
    }

    // The last line that holds anything, for messages about the end of a file.
    int lastLine() const { return (lastWasNewline_ && line_ > 1) ? line_ - 1 : line_; }

private:
    void noteChar(int c) {
        lastWasNewline_ = (c == '\n');
        if (c == '\n') {
            ++line_;
        }
    }

    std::istream& in_;
    int line_ = 1;
    bool lastWasNewline_ = false;
};

// Checks a count as "%d" would read it, and its range 0..99.  Returns the
// message for a bad count, or an empty string.
std::string checkCount(const std::string& word, int& n) {
    const char* begin = word.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (word.empty() || end != begin + word.size()) {
        return "broj tacaka nije ceo broj: " + quoted(word);
    }
    if (value < 0) {
        return "broj tacaka ne moze biti negativan: " + quoted(word);
    }
    if (errno == ERANGE || value > MAX_POINTS) {
        return "broj tacaka je veci od " + std::to_string(MAX_POINTS) + ": " + quoted(word);
    }
    n = static_cast<int>(value);
    return std::string();
}

// Checks a coordinate as "%f" would read it; nan and the infinities (an
// overflowing literal included) are refused.  Returns the message or "".
std::string checkCoordinate(const std::string& word, float& v) {
    const char* begin = word.c_str();
    char* end = nullptr;
    const float value = std::strtof(begin, &end);
    if (word.empty() || end != begin + word.size()) {
        return "koordinata nije broj: " + quoted(word);
    }
    if (!std::isfinite(value)) {
        return "koordinata nije konacan broj: " + quoted(word);
    }
    v = value;
    return std::string();
}

std::string at(const std::string& fileName, int line, const std::string& what) {
    return fileName + ":" + std::to_string(line) + ": " + what;
}

}  // namespace

bool readPointFile(std::istream& in, const std::string& fileName, Par* a, int& n,
                   std::string& error) {
    Scanner scanner(in);
    std::string word;
    int line = 1;
    if (!scanner.next(word, line)) {
        error = at(fileName, scanner.lastLine(), "nedostaje broj tacaka");
        return false;
    }
    int count = 0;
    std::string what = checkCount(word, count);
    if (!what.empty()) {
        error = at(fileName, line, what);
        return false;
    }
    // Coordinates are read up to the end of the file whatever the count says;
    // only the first 99 pairs are stored.
    long coordinates = 0;
    int halfPairLine = 0;
    float x = 0;
    std::string halfPair;
    while (scanner.next(word, line)) {
        float v = 0;
        what = checkCoordinate(word, v);
        if (!what.empty()) {
            error = at(fileName, line, what);
            return false;
        }
        const long pair = coordinates / 2;
        if (coordinates % 2 == 0) {
            x = v;
            halfPair = word;
            halfPairLine = line;
        } else if (pair < MAX_POINTS) {
            a[pair].x = x;
            a[pair].y = v;
        }
        ++coordinates;
    }
    if (coordinates % 2 != 0) {
        error = at(fileName, halfPairLine,
                   "nepotpun par koordinata: x = " + quoted(halfPair) + " nema y");
        return false;
    }
    const long pairs = coordinates / 2;
    if (pairs < count) {
        error = at(fileName, scanner.lastLine(),
                   "fajl ima " + std::to_string(pairs) + " parova koordinata, a broj tacaka je " +
                       std::to_string(count));
        return false;
    }
    n = count;
    return true;
}

bool loadPointFile(const std::string& fileName, Par* a, int& n, std::string& error) {
    std::ifstream in(fileName, std::ios::in | std::ios::binary);
    if (!in) {
        const int reason = errno;
        error = fileName + ": fajl ne moze da se otvori (" + std::strerror(reason) + ")";
        return false;
    }
    return readPointFile(in, fileName, a, n, error);
}

DialogueResult runDialogue(std::istream& in, std::ostream& out, std::ostream& err,
                           const char* program, Par* a, int& n, std::string& fileName,
                           std::string& error) {
    // Every character counts as an answer, a line break included: a wrong
    // one-letter answer and Enter bring the question twice.
    out << QUESTION << std::flush;
    int s = in.get();
    while (s != 'f' && s != 'u') {
        if (s == EOF) {
            error = END_OF_INPUT;
            return DialogueResult::Failed;
        }
        out << QUESTION << std::flush;
        s = in.get();
    }
    Scanner scanner(in);
    std::string word;
    int line = 0;
    if (s == 'f') {
        out << FILE_PROMPT << std::flush;
        if (!scanner.next(word, line)) {
            error = END_OF_INPUT;
            return DialogueResult::Failed;
        }
        fileName = word;
        return DialogueResult::FileNamed;
    }

    // Reads one answer to `prompt` until `check` accepts it; a refused answer
    // is reported and the rest of its line dropped.
    auto ask = [&](const char* prompt, auto check) {
        for (;;) {
            out << prompt << std::flush;
            if (!scanner.next(word, line)) {
                error = END_OF_INPUT;
                return false;
            }
            const std::string what = check(word);
            if (what.empty()) {
                return true;
            }
            err << program << ": " << what << '\n' << std::flush;
            scanner.skipLine();
        }
    };

    int count = 0;
    if (!ask(COUNT_PROMPT, [&](const std::string& w) { return checkCount(w, count); })) {
        return DialogueResult::Failed;
    }
    out << COORDINATES_PROMPT << std::flush;
    for (int i = 0; i < count; ++i) {
        if (!ask("x:", [&](const std::string& w) { return checkCoordinate(w, a[i].x); }) ||
            !ask("y:", [&](const std::string& w) { return checkCoordinate(w, a[i].y); })) {
            return DialogueResult::Failed;
        }
    }
    n = count;
    return DialogueResult::Typed;
}

void sortByX(Par* pairs, int n) {
    // j starts at 1 for every i: position 0 ends with a smallest x and the
    // rest in non-increasing x.  Equal x values are never exchanged.
    for (int i = 0; i < n; ++i) {
        for (int j = 1; j < n; ++j) {
            if (pairs[j].x < pairs[i].x) {
                std::swap(pairs[i], pairs[j]);
            }
        }
    }
}

}  // namespace geometrija
