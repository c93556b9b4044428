#include "text/messages.h"

#include <algorithm>
#include <iterator>

#include "text/unicode_tables.h"

namespace geometrija {

bool isSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

namespace {

// Whether cp lies in one of the table's ranges.
template <std::size_t N>
bool within(const char32_t (&table)[N][2], char32_t cp) {
    return std::any_of(std::begin(table), std::end(table),
                       [cp](const char32_t* r) { return cp >= r[0] && cp <= r[1]; });
}

// The length of the visible UTF-8 letter that starts at text[i], or 0 when
// the bytes there are no character, a C1 control, a character that shows as
// nothing (Unicode's default-ignorable code points, format characters, line
// and paragraph separators) or a space that is not U+0020: shown as
// themselves they would hide text, or pass for something else, in a message.
std::size_t visibleLetter(const std::string& text, std::size_t i) {
    char32_t cp = 0;
    const std::size_t length = decodeUtf8(text, i, cp);
    if (length == 0 || cp < 0xa0 || within(unicode::INVISIBLE, cp) || within(unicode::SPACES, cp)) {
        return 0;
    }
    return length;
}

// The length of the combining mark that starts at text[i], or 0.
std::size_t combiningMark(const std::string& text, std::size_t i) {
    char32_t cp = 0;
    const std::size_t length = decodeUtf8(text, i, cp);
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

std::size_t decodeUtf8(const std::string& text, std::size_t i, char32_t& cp) {
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
        } else if (begin < end && (length = decodeUtf8(text, begin, cp)) > 0 &&
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
            if ((length = decodeUtf8(text, end - back, cp)) == back &&
                within(unicode::SPACES, cp)) {
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

}  // namespace geometrija
