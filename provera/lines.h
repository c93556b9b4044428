// Text that arrives in chunks (a student's output from a pipe, a vectors
// file read block by block) cut into lines of bounded length, so that no
// input, however long its lines or however many, grows the checker's memory
// past a fixed bound.  No I/O: the callers feed the bytes.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace geometrija {
namespace provera {

// The longest line kept; a longer one is kept cut to this length and told.
constexpr std::size_t MAX_LINE = 65536;

// Cuts bytes into lines: LF ends one and a CR before it is dropped (a
// Windows program's text mode); the last line needs no LF.  A line longer
// than `bound` reaches the sink as soon as it is known to be, cut to its
// first `bound` bytes, `tooLong` set; its rest is skipped.
class LineSplitter {
public:
    using Sink = std::function<void(const std::string& line, bool tooLong)>;
    LineSplitter(std::size_t bound, Sink sink);
    void feed(const char* data, std::size_t size);
    void finish();

private:
    void end();

    std::size_t bound_;
    Sink sink_;
    std::string line_;
    bool skipping_ = false;  // the rest of a line already given as too long
    bool open_ = false;      // bytes of a line not yet ended
};

// One answer line of a student's program.
struct AnswerLine {
    std::string text;
    bool tooLong = false;
};

// A student's answers: the first `wanted` lines (one per case) kept, the
// lines beyond only counted.
class AnswerLines {
public:
    explicit AnswerLines(std::size_t wanted);
    AnswerLines(const AnswerLines&) = delete;
    AnswerLines& operator=(const AnswerLines&) = delete;
    void feed(const char* data, std::size_t size) { splitter_.feed(data, size); }
    void finish() { splitter_.finish(); }
    const std::vector<AnswerLine>& lines() const { return lines_; }
    // Every line the program wrote, kept or not.
    std::size_t count() const { return lines_.size() + beyond_; }

private:
    std::size_t wanted_;
    std::vector<AnswerLine> lines_;
    std::size_t beyond_ = 0;
    LineSplitter splitter_;
};

}  // namespace provera
}  // namespace geometrija
