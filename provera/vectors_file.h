// The test vectors as the checker reads them: one case a line with its
// expected answer, read in bounded pieces so that a file that is too long,
// endless, binary or no file at all is refused in one line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "provera/cases.h"
#include "provera/lines.h"

namespace geometrija {
namespace provera {

struct Vector {
    Case c;
    Answer expected;
    int line;  // in the file, counted from 1
};

// The most a vectors file may hold: bytes and cases.
constexpr std::size_t MAX_VECTORS_BYTES = 16 << 20;
constexpr std::size_t MAX_CASES = 200000;

// Reads the file's text as it comes, chunk by chunk.  Once the text is
// refused, `refused()` is true, `why()` says why and `line()` is the line
// to blame (0 when no one line is).
class VectorsReader {
public:
    VectorsReader();
    VectorsReader(const VectorsReader&) = delete;
    VectorsReader& operator=(const VectorsReader&) = delete;
    void feed(const char* data, std::size_t size);
    void finish();
    bool refused() const { return !why_.empty(); }
    const std::string& why() const { return why_; }
    int line() const { return blamed_; }
    std::vector<Vector>& vectors() { return vectors_; }

private:
    void take(const std::string& text, bool tooLong);

    std::vector<Vector> vectors_;
    std::string why_;
    std::size_t bytes_ = 0;
    int line_ = 0;
    int blamed_ = 0;
    LineSplitter splitter_;
};

// Reads the named file; false with `why` the line to show when it cannot
// be read or is refused.
bool readVectors(const std::string& name, std::vector<Vector>& vectors, std::string& why);

}  // namespace provera
}  // namespace geometrija
