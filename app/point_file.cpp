#include "app/point_file.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <istream>

#include "app/platform.h"

namespace geometrija {

namespace {

// White space as scanf sees it in the C locale.
bool isSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string at(const std::string& fileName, std::int64_t line, const std::string& what) {
    return escaped(fileName) + ":" + std::to_string(line) + ": " + what;
}

// The message for a scanner status other than a word or the end: a word
// too long, on its own line, or a failed read, where the reading stopped.
std::string failure(const std::string& fileName, Scanner::Status status, const std::string& word,
                    std::int64_t wordLine, const Scanner& scanner) {
    if (status == Scanner::TOO_LONG) {
        return at(fileName, wordLine, tooLong(word));
    }
    return at(fileName, scanner.line(), "fajl ne moze da se procita (" + scanner.readError() + ")");
}

}  // namespace

std::string escaped(const std::string& text) {
    constexpr std::size_t LIMIT = 40;
    std::string s;
    for (std::size_t i = 0; i < text.size() && i < LIMIT; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7f && c != '\\' && c != '\'') {
            s += static_cast<char>(c);
        } else {
            static const char HEX[] = "0123456789abcdef";
            s += "\\x";
            s += HEX[c >> 4];
            s += HEX[c & 15];
        }
    }
    if (text.size() > LIMIT) {
        s += "...";
    }
    return s;
}

std::string quoted(const std::string& word) {
    return "'" + escaped(word) + "'";
}

// Reads straight from the stream's buffer, which reports a failed read by
// throwing (the stream would turn that into its bad bit, and into EOF for
// the caller); errno still holds the read's reason there.
int Scanner::read(bool consume) {
    if (failed()) {
        return EOF;
    }
    try {
        return consume ? in_.rdbuf()->sbumpc() : in_.rdbuf()->sgetc();
    } catch (...) {
        noteFailure(errno);
        return EOF;
    }
}

void Scanner::noteFailure(int reason) {
    readError_ = std::strerror(reason != 0 ? reason : EIO);
}

int Scanner::nextChar() {
    const int c = get();
    if (c != EOF) {
        note(c);
    }
    return c;
}

void Scanner::note(int c) {
    // CR LF is one line end; a lone CR or LF is one too.
    if (c == '\r' || (c == '\n' && !lastWasCr_)) {
        ++line_;
    }
    lastWasCr_ = (c == '\r');
    lastWasBreak_ = (c == '\r' || c == '\n');
}

Scanner::Status Scanner::next(std::string& word, std::int64_t& line) {
    int c = get();
    while (c != EOF && isSpace(c)) {
        note(c);
        c = get();
    }
    if (c == EOF) {
        return failed() ? READ_ERROR : END;
    }
    word.clear();
    line = line_;
    for (;;) {
        note(c);
        if (word.size() == MAX_WORD) {
            return TOO_LONG;
        }
        word += static_cast<char>(c);
        c = peek();
        if (c == EOF) {
            // A failed read cuts the word: never take the part before it.
            return failed() ? READ_ERROR : WORD;
        }
        if (isSpace(c)) {
            return WORD;
        }
        c = get();
    }
}

void Scanner::skipLine() {
    int c = get();
    while (c != EOF && c != '\n') {
        note(c);
        c = get();
    }
    if (c == '\n') {
        note(c);
    }
}

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

std::string tooLong(const std::string& start) {
    return "rec je duza od " + std::to_string(MAX_WORD) + " bajtova: " + quoted(start);
}

bool readPointFile(std::istream& in, const std::string& fileName, Par* a, int& n,
                   std::string& error) {
    Scanner scanner(in);
    std::string word;
    std::int64_t line = 1;
    Scanner::Status status = scanner.next(word, line);
    if (status == Scanner::END) {
        error = at(fileName, scanner.lastLine(), "nedostaje broj tacaka");
        return false;
    }
    if (status != Scanner::WORD) {
        error = failure(fileName, status, word, line, scanner);
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
    std::int64_t coordinates = 0;
    std::int64_t halfPairLine = 0;
    float x = 0;
    std::string halfPair;
    while ((status = scanner.next(word, line)) == Scanner::WORD) {
        float v = 0;
        what = checkCoordinate(word, v);
        if (!what.empty()) {
            error = at(fileName, line, what);
            return false;
        }
        const std::int64_t pair = coordinates / 2;
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
    if (status != Scanner::END) {
        error = failure(fileName, status, word, line, scanner);
        return false;
    }
    if (coordinates % 2 != 0) {
        error = at(fileName, halfPairLine,
                   "nepotpun par koordinata: x = " + quoted(halfPair) + " nema y");
        return false;
    }
    const std::int64_t pairs = coordinates / 2;
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
    // The system takes a name up to its first NUL byte: such a name would
    // open another file than the one named.
    if (fileName.find('\0') != std::string::npos) {
        error = escaped(fileName) + ": ime fajla sadrzi bajt NUL";
        return false;
    }
    std::ifstream in;
    openForReading(in, fileName);
    int reason = errno;
    // Linux opens a directory and fails at the first read; Windows refuses
    // it with "Permission denied".  Both are told as what they are.
    if (isDirectory(fileName)) {
        in.close();
        reason = EISDIR;
    }
    if (!in.is_open()) {
        error = escaped(fileName) + ": fajl ne moze da se otvori (" + std::strerror(reason) + ")";
        return false;
    }
    return readPointFile(in, fileName, a, n, error);
}

}  // namespace geometrija
