#include "app/console_text.h"

#include "text/messages.h"

namespace geometrija {

namespace {

constexpr char32_t REPLACEMENT = 0xfffd;
constexpr char16_t CTRL_Z_UNIT = 0x1a;

void appendUtf8(std::string& out, char32_t cp) {
    const auto byte = [&out](char32_t b) { out += static_cast<char>(b); };
    if (cp < 0x80) {
        byte(cp);
    } else if (cp < 0x800) {
        byte(0xc0 | (cp >> 6));
        byte(0x80 | (cp & 0x3f));
    } else if (cp < 0x10000) {
        byte(0xe0 | (cp >> 12));
        byte(0x80 | ((cp >> 6) & 0x3f));
        byte(0x80 | (cp & 0x3f));
    } else {
        byte(0xf0 | (cp >> 18));
        byte(0x80 | ((cp >> 12) & 0x3f));
        byte(0x80 | ((cp >> 6) & 0x3f));
        byte(0x80 | (cp & 0x3f));
    }
}

void appendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        out += static_cast<char16_t>(0xd800 + ((cp - 0x10000) >> 10));
        out += static_cast<char16_t>(0xdc00 + ((cp - 0x10000) & 0x3ff));
    }
}

bool isHigh(char16_t u) {
    return u >= 0xd800 && u <= 0xdbff;
}

bool isLow(char16_t u) {
    return u >= 0xdc00 && u <= 0xdfff;
}

// The length a UTF-8 character that starts with `lead` would have, 0 for
// a byte that starts none.
std::size_t expectedLength(unsigned char lead) {
    if (lead >= 0xc2 && lead <= 0xdf) {
        return 2;
    }
    if (lead >= 0xe0 && lead <= 0xef) {
        return 3;
    }
    return lead >= 0xf0 && lead <= 0xf4 ? 4 : 0;
}

}  // namespace

bool ConsoleReader::take(const std::u16string& units, std::string& utf8) {
    for (const char16_t u : units) {
        if (high_ != 0) {
            const char16_t high = high_;
            high_ = 0;
            if (isLow(u)) {
                appendUtf8(utf8,
                           0x10000 + ((char32_t{high} & 0x3ffu) << 10) + (char32_t{u} & 0x3ffu));
                lineStart_ = false;
                continue;
            }
            appendUtf8(utf8, REPLACEMENT);
            lineStart_ = false;
        }
        if (u == CTRL_Z_UNIT && lineStart_) {
            return false;  // its line, Enter included, goes with the read
        }
        if (isHigh(u)) {
            high_ = u;
            continue;
        }
        appendUtf8(utf8, isLow(u) ? REPLACEMENT : char32_t{u});
        lineStart_ = (u == u'\n' || u == u'\r');
    }
    return true;
}

std::u16string ConsoleWriter::take(const char* bytes, std::size_t size) {
    std::string text = held_;
    text.append(bytes, size);
    held_.clear();
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        char32_t cp = 0;
        const std::size_t length = c < 0x80 ? 0 : decodeUtf8(text, i, cp);
        if (c < 0x80) {
            out += static_cast<char16_t>(c);
            ++i;
        } else if (length > 0) {
            appendUtf16(out, cp);
            i += length;
        } else if (i + expectedLength(c) > text.size()) {
            // Its start may be whole when the rest comes; held only if every
            // byte after the lead is a continuation byte.
            bool start = true;
            for (std::size_t k = i + 1; k < text.size(); ++k) {
                start = start && (static_cast<unsigned char>(text[k]) & 0xc0) == 0x80;
            }
            if (!start) {
                appendUtf16(out, REPLACEMENT);
                ++i;
                continue;
            }
            held_ = text.substr(i);
            break;
        } else {
            appendUtf16(out, REPLACEMENT);
            ++i;
        }
    }
    return out;
}

}  // namespace geometrija
