#include "app/point_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <istream>
#include <iterator>

#include "app/platform.h"

namespace geometrija {

namespace {

// DOS's end-of-file mark, which Windows' text mode still honours.
constexpr int CTRL_Z = 0x1a;

// White space as scanf sees it in the C locale.
bool isSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isLineEnd(int c) {
    return c == '\n' || c == '\r';
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

// The file's next word.  A Ctrl-Z that ends the file, with nothing but white
// space after it, is the file's end, as Windows' text mode reads it; a word
// that holds a Ctrl-Z anywhere else is refused as any bad word is.
Scanner::Status nextInFile(Scanner& scanner, std::string& word, std::int64_t& line) {
    const Scanner::Status status = scanner.next(word, line);
    if (status != Scanner::WORD || word.back() != CTRL_Z) {
        return status;
    }
    std::string after;
    std::int64_t afterLine = 0;
    if (scanner.next(after, afterLine) != Scanner::END) {
        return Scanner::WORD;  // not the end: the word, Ctrl-Z and all, is checked
    }
    word.pop_back();
    return word.empty() ? Scanner::END : Scanner::WORD;
}

}  // namespace

// Reads straight from the stream's buffer, which reports a failed read by
// throwing (the stream would turn that into its bad bit, and into EOF for
// the caller); errno still holds the read's reason there.
int Scanner::read(bool consume) {
    if (pending_.empty()) {
        return fromStream(consume);
    }
    const int c = static_cast<unsigned char>(pending_[0]);
    if (consume) {
        pending_.erase(0, 1);
    }
    return c;
}

int Scanner::fromStream(bool consume) {
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

Scanner::Mark Scanner::byteOrderMark() {
    // Up to four bytes are looked at; they are read again, unless they start
    // with a UTF-8 mark.
    while (pending_.size() < 4) {
        const int c = fromStream(true);
        if (c == EOF) {
            break;
        }
        pending_ += static_cast<char>(c);
    }
    static const unsigned char UTF8[] = {0xef, 0xbb, 0xbf};
    static const unsigned char UTF32_LE[] = {0xff, 0xfe, 0, 0};
    static const unsigned char UTF32_BE[] = {0, 0, 0xfe, 0xff};
    static const unsigned char UTF16_LE[] = {0xff, 0xfe};
    static const unsigned char UTF16_BE[] = {0xfe, 0xff};
    const auto starts = [this](const auto& bytes) {
        return pending_.size() >= sizeof bytes &&
               std::equal(
                   std::begin(bytes), std::end(bytes), pending_.begin(),
                   [](unsigned char b, char c) { return b == static_cast<unsigned char>(c); });
    };
    if (starts(UTF8)) {
        pending_.erase(0, sizeof UTF8);
        return UTF8_MARK;
    }
    if (starts(UTF32_LE) || starts(UTF32_BE)) {
        return UTF32_MARK;
    }
    if (starts(UTF16_LE) || starts(UTF16_BE)) {
        return UTF16_MARK;
    }
    // UTF-16 saved without a mark: the count's first digit, or white space
    // before it, beside a zero byte.
    const auto textByte = [](char c) { return (c >= '0' && c <= '9') || isSpace(c) || c == '-'; };
    if (pending_.size() >= 2 && ((textByte(pending_[0]) && pending_[1] == '\0') ||
                                 (pending_[0] == '\0' && textByte(pending_[1])))) {
        return UTF16_MARK;
    }
    return NO_MARK;
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
    // A Ctrl-Z that ends a file is its end, not content.
    if (!isSpace(c) && c != CTRL_Z) {
        contentLine_ = line_;
    }
}

Scanner::Status Scanner::readUntil(bool (*ends)(int), std::string& text, std::int64_t& line) {
    int c = get();
    while (c != EOF && isSpace(c)) {
        note(c);
        c = get();
    }
    if (c == EOF) {
        return failed() ? READ_ERROR : END;
    }
    text.clear();
    line = line_;
    for (;;) {
        note(c);
        if (text.size() == MAX_WORD) {
            return TOO_LONG;
        }
        text += static_cast<char>(c);
        c = peek();
        if (c == EOF) {
            // A failed read cuts the text: never take the part before it.
            return failed() ? READ_ERROR : WORD;
        }
        if (ends(c)) {
            return WORD;
        }
        c = get();
    }
}

Scanner::Status Scanner::next(std::string& word, std::int64_t& line) {
    return readUntil(isSpace, word, line);
}

Scanner::Status Scanner::nextLine(std::string& text, std::int64_t& line) {
    const Status status = readUntil(isLineEnd, text, line);
    if (status == WORD) {
        while (isSpace(static_cast<unsigned char>(text.back()))) {
            text.pop_back();
        }
    }
    return status;
}

bool Scanner::skipLine() {
    for (std::size_t skipped = 0; skipped < MAX_WORD; ++skipped) {
        const int c = get();
        if (c == EOF) {
            return true;
        }
        note(c);
        if (isLineEnd(c)) {
            return true;
        }
    }
    return false;
}

Result<int> checkCount(const std::string& word) {
    const char* begin = word.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (word.empty() || end != begin + word.size()) {
        return Result<int>::refused("broj tacaka nije ceo broj: " + quoted(word));
    }
    if (value < 0) {
        return Result<int>::refused("broj tacaka ne moze biti negativan: " + quoted(word));
    }
    if (errno == ERANGE || value > MAX_POINTS) {
        return Result<int>::refused("broj tacaka je veci od " + std::to_string(MAX_POINTS) + ": " +
                                    quoted(word));
    }
    return Result<int>{static_cast<int>(value), ""};
}

Result<float> checkCoordinate(const std::string& word) {
    const char* begin = word.c_str();
    char* end = nullptr;
    const float value = std::strtof(begin, &end);
    if (word.empty() || end != begin + word.size()) {
        return Result<float>::refused("koordinata nije broj: " + quoted(word));
    }
    if (!std::isfinite(value)) {
        return Result<float>::refused("koordinata nije konacan broj: " + quoted(word));
    }
    return Result<float>{value, ""};
}

std::string tooLong(const std::string& start) {
    return "rec je duza od " + std::to_string(MAX_WORD) + " bajtova: " + quoted(start);
}

Result<int> readPointFile(std::istream& in, const std::string& fileName, Par* a) {
    const auto refused = [&](std::int64_t line, const std::string& what) {
        return Result<int>::refused(at(fileName, line, what));
    };
    Scanner scanner(in);
    const Scanner::Mark mark = scanner.byteOrderMark();
    if (mark == Scanner::UTF16_MARK || mark == Scanner::UTF32_MARK) {
        const std::string encoding = mark == Scanner::UTF16_MARK ? "UTF-16" : "UTF-32";
        return refused(1, "fajl je sacuvan kao " + encoding +
                              "; sacuvajte ga kao obican tekst (UTF-8 ili ASCII)");
    }
    std::string word;
    std::int64_t line = 1;
    Scanner::Status status = nextInFile(scanner, word, line);
    if (status == Scanner::END) {
        return refused(scanner.lastLine(), "nedostaje broj tacaka");
    }
    if (status != Scanner::WORD) {
        return Result<int>::refused(failure(fileName, status, word, line, scanner));
    }
    Result<int> count = checkCount(word);
    if (!count.ok()) {
        return refused(line, count.error);
    }
    // Coordinates are read up to the end of the file whatever the count says;
    // only the first 99 pairs are stored.
    std::int64_t coordinates = 0;
    std::int64_t halfPairLine = 0;
    float x = 0;
    std::string halfPair;
    while ((status = nextInFile(scanner, word, line)) == Scanner::WORD) {
        const Result<float> v = checkCoordinate(word);
        if (!v.ok()) {
            return refused(line, v.error);
        }
        const std::int64_t pair = coordinates / 2;
        if (coordinates % 2 == 0) {
            x = *v.value;
            halfPair = word;
            halfPairLine = line;
        } else if (pair < MAX_POINTS) {
            a[pair].x = x;
            a[pair].y = *v.value;
        }
        ++coordinates;
    }
    if (status != Scanner::END) {
        return Result<int>::refused(failure(fileName, status, word, line, scanner));
    }
    if (coordinates % 2 != 0) {
        return refused(halfPairLine,
                       "nepotpun par koordinata: x = " + quoted(halfPair) + " nema y");
    }
    const std::int64_t pairs = coordinates / 2;
    if (pairs < *count.value) {
        return refused(scanner.lastLine(), "fajl ima " + std::to_string(pairs) + " " +
                                               plural(pairs, "par", "para", "parova") +
                                               " koordinata, a broj tacaka je " +
                                               std::to_string(*count.value));
    }
    return count;
}

Result<int> loadPointFile(const std::string& fileName, Par* a) {
    // The system takes a name up to its first NUL byte: such a name would
    // open another file than the one named.
    if (fileName.find('\0') != std::string::npos) {
        return Result<int>::refused(escaped(fileName) + ": ime fajla sadrzi bajt NUL");
    }
    if (isDeviceName(fileName)) {
        return Result<int>::refused(escaped(fileName) +
                                    ": fajl ne moze da se otvori (ime uredjaja u Windowsu)");
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
        return Result<int>::refused(escaped(fileName) + ": fajl ne moze da se otvori (" +
                                    std::strerror(reason) + ")");
    }
    return readPointFile(in, fileName, a);
}

}  // namespace geometrija
