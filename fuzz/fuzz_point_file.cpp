// Any bytes as a point file: either points or one line of error, never a
// crash, a hang or a read or write outside the arrays.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/point_file.h"

using namespace geometrija;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    Par* a = new Par[MAX_POINTS];  // exactly 99: the sanitizer sees any write past them
    const Result<int> r = readPointFile(in, "f.txt", a);
    const std::string& error = r.error;
    if (r.ok()) {
        if (*r.value < 0 || *r.value > MAX_POINTS || !error.empty()) std::abort();
    } else {
        // "f.txt:LINE: WHAT", on one line.
        if (error.compare(0, 6, "f.txt:") != 0 || error.find('\n') != std::string::npos ||
            error.find(": ", 6) == std::string::npos) {
            std::abort();
        }
    }
    delete[] a;
    return 0;
}
