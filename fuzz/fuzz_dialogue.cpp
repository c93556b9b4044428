// Any standard input for the Kalvera dialogue: it ends with typed points, a
// file name, or the end-of-input error; never a crash, a hang or a write
// outside the arrays.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/input.h"

using namespace geometrija;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    Par* a = new Par[MAX_POINTS];
    int n = -1;
    std::string fileName;
    std::string error;
    switch (runDialogue(in, out, err, "Kalvera", a, n, fileName, error)) {
        case DialogueResult::Typed:
            if (n < 0 || n > MAX_POINTS) std::abort();
            break;
        case DialogueResult::FileNamed:
            if (fileName.empty()) std::abort();
            break;
        case DialogueResult::Failed:
            if (error != "neocekivan kraj standardnog ulaza") std::abort();
            break;
    }
    delete[] a;
    return 0;
}
