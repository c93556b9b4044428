// The bounded word scanner that every reader of input shares: words as
// scanf's white space separates them, the rest of a line, single characters,
// each with its line number, and never more than MAX_WORD bytes of a word in
// memory however long the input runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace geometrija {

// The longest word (count, coordinate, answer, file name) that is read.  No
// number or name a person writes comes near it, and it bounds what one word
// can take in memory however long the input runs without white space.
constexpr std::size_t MAX_WORD = 4096;

// DOS's end-of-file mark, which Windows' text mode still honours.
constexpr int CTRL_Z = 0x1a;

// Reads white-space-delimited words (white space as scanf sees it) and keeps
// the line number of each.  A line ends at LF, at CR LF and at a lone CR.
// The white space after a word is left in the stream.
class Scanner {
public:
    enum class Status {
        Word,       // a word was read
        End,        // the input ended before a word
        TooLong,    // the word passed MAX_WORD bytes; its start is in `word`
        ReadError,  // the input failed; readError() gives the system's reason
    };
    // What the first bytes of a file say of its encoding.
    enum class Mark {
        None,   // none: read as it is
        Utf8,   // EF BB BF, now skipped
        Utf16,  // FF FE, FE FF, or a digit, white space or '-' beside a zero byte
        Utf32,  // FF FE 00 00 or 00 00 FE FF: UTF-32
    };

    // With `readAhead`, the scanner takes what the stream has buffered in
    // chunks, past the word it reads: for a stream that nothing else reads
    // (a point file), whose size may run to hundreds of megabytes.  Without
    // it, nothing after the current word's next byte is taken from the
    // stream, which others may go on reading.
    explicit Scanner(std::istream& in, bool readAhead = false) : in_(in), readAhead_(readAhead) {}

    // Looks at the first bytes for a byte-order mark, or for UTF-16 saved
    // without one; skips a UTF-8 mark and leaves everything else to be read.
    // Call before anything else is read.
    Mark byteOrderMark();

    // Skips white space and reads one word, refusing it at its
    // (MAX_WORD + 1)-th byte.  `line` receives the word's line.
    Status next(std::string& word, std::int64_t& line);

    // Skips white space and line ends, then reads the rest of that line (up
    // to CR, LF or the end) without the white space at its end: a name that
    // may hold spaces.  Refused as TooLong at its (MAX_WORD + 1)-th byte.
    Status nextLine(std::string& text, std::int64_t& line);

    // Reads one character, white space included; EOF at the end or on failure.
    int nextChar();

    // Discards the rest of the current line, up to and including its line end
    // (LF or CR), but at most MAX_WORD bytes: false when the line goes on
    // past them, true at its end or at the end of the input.
    bool skipLine();

    // The last line that holds anything other than white space, for messages
    // about the end of a file.
    std::int64_t lastLine() const { return contentLine_; }
    std::int64_t line() const { return line_; }
    // Whether the input failed, and the system's reason for it.
    bool failed() const { return !readError_.empty(); }
    const std::string& readError() const { return readError_; }

private:
    // Skips white space, then reads up to a byte that `ends` (left in the
    // stream) or the end, refusing the text at its (MAX_WORD + 1)-th byte.
    Status readUntil(bool (*ends)(int), std::string& text, std::int64_t& line);
    int read(bool consume) {
        if (next_ < pending_.size()) {
            const int c = static_cast<unsigned char>(pending_[next_]);
            next_ += consume ? 1 : 0;
            return c;
        }
        return readAhead_ && fill() ? read(consume) : fromStream(consume);
    }
    bool fill();
    int fromStream(bool consume);
    int get() { return read(true); }
    int peek() { return read(false); }
    void noteFailure(int reason);
    void note(int c);

    std::istream& in_;
    bool readAhead_;
    // Bytes taken from the stream and not yet read: the ones looked at for a
    // mark, or a chunk read ahead; from next_ on.
    std::string pending_;
    std::size_t next_ = 0;
    std::int64_t line_ = 1;
    std::int64_t contentLine_ = 1;
    bool lastWasCr_ = false;
    std::string readError_;
};

// The message for a word that passed MAX_WORD bytes.
std::string tooLong(const std::string& start);

}  // namespace geometrija
