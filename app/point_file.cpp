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
#include "app/unicode_tables.h"

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

// Whether cp lies in one of the table's ranges.
template <std::size_t N>
bool within(const char32_t (&table)[N][2], char32_t cp) {
    return std::any_of(std::begin(table), std::end(table),
                       [cp](const char32_t* r) { return cp >= r[0] && cp <= r[1]; });
}

// Decodes the UTF-8 character that starts at text[i] into `cp` and gives its
// length, or 0 when the bytes there are no character (invalid UTF-8, an
// overlong form, a surrogate, past U+10FFFF) or start with an ASCII byte.
std::size_t decode(const std::string& text, std::size_t i, char32_t& cp) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0xc2 || lead > 0xf4) {
        return 0;
    }
    const std::size_t length = lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
    if (i + length > text.size()) {
        return 0;
    }
    cp = lead & (0x7fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xc0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (c & 0x3fu);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[length] || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff)) {
        return 0;
    }
    return length;
}

// The length of the visible UTF-8 letter that starts at text[i], or 0 when
// the bytes there are no character, a C1 control, a character that shows as
// nothing (Unicode's default-ignorable code points, format characters, line
// and paragraph separators) or a space that is not U+0020: shown as
// themselves they would hide text, or pass for something else, in a message.
std::size_t visibleLetter(const std::string& text, std::size_t i) {
    char32_t cp = 0;
    const std::size_t length = decode(text, i, cp);
    if (length == 0 || cp < 0xa0 || within(unicode::INVISIBLE, cp) || within(unicode::SPACES, cp)) {
        return 0;
    }
    return length;
}

// The length of the combining mark that starts at text[i], or 0.
std::size_t combiningMark(const std::string& text, std::size_t i) {
    char32_t cp = 0;
    const std::size_t length = decode(text, i, cp);
    return length > 0 && within(unicode::MARKS, cp) ? length : 0;
}

// Shown as itself: printable ASCII but the quote that delimits a word in a
// message, and the backslash that starts an escape, except on Windows, where
// it separates the folders of a path.
bool plainAscii(unsigned char c) {
#ifdef _WIN32
    const bool backslashShown = true;
#else
    const bool backslashShown = false;
#endif
    return c >= 0x20 && c < 0x7f && c != '\'' && (c != '\\' || backslashShown);
}

}  // namespace

std::string escaped(const std::string& text) {
    // Printable ASCII and visible UTF-8 letters (a Serbian name reads as
    // itself) pass; every other byte becomes \xNN.  Cut after 40 characters
    // as a reader counts them: a letter with the combining marks that follow
    // it (at most MAX_MARKS, so that the line stays bounded) or an escaped
    // byte each.
    constexpr std::size_t LIMIT = 40;
    constexpr int MAX_MARKS = 30;
    std::string s;
    std::size_t i = 0;
    for (std::size_t shown = 0; i < text.size() && shown < LIMIT; ++shown) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t letter = visibleLetter(text, i);
        if (plainAscii(c)) {
            s += static_cast<char>(c);
            ++i;
        } else if (letter > 0) {
            s.append(text, i, letter);
            i += letter;
        } else {
            static const char HEX[] = "0123456789abcdef";
            s += "\\x";
            s += HEX[c >> 4];
            s += HEX[c & 15];
            ++i;
            continue;
        }
        std::size_t mark = 0;
        for (int k = 0; k < MAX_MARKS && (mark = combiningMark(text, i)) > 0; ++k) {
            s.append(text, i, mark);
            i += mark;
        }
    }
    if (i < text.size()) {
        s += "...";
    }
    return s;
}

std::string trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    char32_t cp = 0;
    std::size_t length = 0;
    for (;;) {
        if (begin < end && isSpace(static_cast<unsigned char>(text[begin]))) {
            ++begin;
        } else if (begin < end && (length = decode(text, begin, cp)) > 0 &&
                   within(unicode::SPACES, cp)) {
            begin += length;
        } else {
            break;
        }
    }
    for (;;) {
        if (end > begin && isSpace(static_cast<unsigned char>(text[end - 1]))) {
            --end;
            continue;
        }
        // A space's UTF-8 form ends here when one starts 2 to 4 bytes back.
        bool trimmedSpace = false;
        for (std::size_t back = 2; back <= 4 && end >= begin + back; ++back) {
            if ((length = decode(text, end - back, cp)) == back && within(unicode::SPACES, cp)) {
                end -= back;
                trimmedSpace = true;
                break;
            }
        }
        if (!trimmedSpace) {
            break;
        }
    }
    return text.substr(begin, end - begin);
}

std::string plural(std::int64_t n, const std::string& one, const std::string& few,
                   const std::string& many) {
    const std::int64_t last = n % 10;
    const std::int64_t lastTwo = n % 100;
    if (last == 1 && lastTwo != 11) {
        return one;
    }
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
        return few;
    }
    return many;
}

std::string quoted(const std::string& word) {
    return "'" + escaped(word) + "'";
}

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
