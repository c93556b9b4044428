// A student's program for the checker's tests: answers each case with the
// step-by-step arithmetic of one variant (its name the first argument), or
// misbehaves as a student's program may: "visi" hangs after ten answers,
// "pada" aborts after ten, "smece" writes a line of garbage third,
// "pada-na-kraju" aborts after answering every case right.  "A+B" mixes two
// variants: A on odd cases, B on even ones.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "provera/cases.h"
#include "provera/variants.h"

using namespace geometrija::provera;

namespace {

Variant named(const std::string& name) {
    for (const Variant v : WRONG_VARIANTS) {
        if (name == variantName(v)) {
            return v;
        }
    }
    return Variant::Exact;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "tacno";
    const std::size_t plus = mode.find('+');
    const Variant odd = named(mode.substr(0, plus));
    const Variant even = plus == std::string::npos ? odd : named(mode.substr(plus + 1));
    std::string line;
    for (int n = 1; std::getline(std::cin, line); ++n) {
        if (n == 11 && mode == "visi") {
            std::cout.flush();
            std::this_thread::sleep_for(std::chrono::hours(1));
        }
        if (n == 11 && mode == "pada") {
            std::cout.flush();
            std::abort();
        }
        std::string why;
        const std::optional<Case> c = parseCase(line, why);
        if ((n == 3 && mode == "smece") || !c) {
            std::cout << "#!?\n";
            continue;
        }
        std::cout << answerText(model(*c, n % 2 ? odd : even)) << '\n';
    }
    if (mode == "pada-na-kraju") {
        std::cout.flush();
        std::abort();
    }
    return 0;
}
