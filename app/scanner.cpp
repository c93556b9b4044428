#include "app/scanner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <istream>
#include <iterator>

#include "text/messages.h"

namespace geometrija {

namespace {

bool isLineEnd(int c) {
    return c == '\n' || c == '\r';
}

}  // namespace

// Reads straight from the stream's buffer, which reports a failed read by
// throwing (the stream would turn that into its bad bit, and into EOF for
// the caller); errno still holds the read's reason there.
bool Scanner::fill() {
    if (failed()) {
        return false;
    }
    constexpr std::streamsize CHUNK = 1 << 16;
    try {
        std::streambuf& buffer = *in_.rdbuf();
        if (buffer.in_avail() <= 0 && buffer.sgetc() == EOF) {
            return false;
        }
        // What the buffer holds is taken without another read of the file.
        const std::streamsize held = std::min(buffer.in_avail(), CHUNK);
        pending_.resize(static_cast<std::size_t>(held));
        pending_.resize(static_cast<std::size_t>(buffer.sgetn(pending_.data(), held)));
        next_ = 0;
        return !pending_.empty();
    } catch (...) {
        noteFailure(errno);
        pending_.clear();
        next_ = 0;
        return false;
    }
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
        return Mark::Utf8;
    }
    if (starts(UTF32_LE) || starts(UTF32_BE)) {
        return Mark::Utf32;
    }
    if (starts(UTF16_LE) || starts(UTF16_BE)) {
        return Mark::Utf16;
    }
    // UTF-16 saved without a mark: the count's first digit, or white space
    // before it, beside a zero byte.
    const auto textByte = [](char c) { return (c >= '0' && c <= '9') || isSpace(c) || c == '-'; };
    if (pending_.size() >= 2 && ((textByte(pending_[0]) && pending_[1] == '\0') ||
                                 (pending_[0] == '\0' && textByte(pending_[1])))) {
        return Mark::Utf16;
    }
    return Mark::None;
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
        return failed() ? Status::ReadError : Status::End;
    }
    text.clear();
    line = line_;
    for (;;) {
        note(c);
        if (text.size() == MAX_WORD) {
            return Status::TooLong;
        }
        text += static_cast<char>(c);
        c = peek();
        if (c == EOF) {
            // A failed read cuts the text: never take the part before it.
            return failed() ? Status::ReadError : Status::Word;
        }
        if (ends(c)) {
            return Status::Word;
        }
        c = get();
    }
}

Scanner::Status Scanner::next(std::string& word, std::int64_t& line) {
    return readUntil(isSpace, word, line);
}

Scanner::Status Scanner::nextLine(std::string& text, std::int64_t& line) {
    const Status status = readUntil(isLineEnd, text, line);
    if (status == Status::Word) {
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

std::string tooLong(const std::string& start) {
    return "rec je duza od " + std::to_string(MAX_WORD) + " bajtova: " + geometrija::quoted(start);
}

}  // namespace geometrija
