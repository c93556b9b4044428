// Any standard input for the Kalvera dialogue: it ends with typed points, a
// file name, or one line of error; never a crash, a hang or a write outside
// the arrays.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/dialogue.h"
#include "app/scanner.h"

using namespace geometrija;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    Par* a = new Par[MAX_POINTS];
    const DialogueResult r = runDialogue(in, out, err, "Kalvera", a);
    switch (r.end) {
        case DialogueEnd::Typed:
            if (r.n < 0 || r.n > MAX_POINTS) std::abort();
            break;
        case DialogueEnd::FileNamed:
            if (r.fileName.empty() || r.fileName.size() > MAX_WORD) std::abort();
            break;
        case DialogueEnd::Failed:
            if (r.error.empty() || r.error.find('\n') != std::string::npos) std::abort();
            break;
    }
    delete[] a;
    return 0;
}
