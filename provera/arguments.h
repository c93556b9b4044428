// The checker's command line:
//   geometrija-provera [--vreme SEKUNDE] [--sazetak] VEKTORI PROGRAM [ARGUMENTI...]
// No I/O: what is wrong comes back in words.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace geometrija {
namespace provera {

constexpr const char* USAGE =
    "upotreba: geometrija-provera [--vreme SEKUNDE] [--sazetak] VEKTORI PROGRAM [ARGUMENTI...]";

struct Options {
    double seconds = 60;               // the program's time over all the cases
    std::size_t maxOutput = 64 << 20;  // what it may write
    bool summary = false;              // one line for a script (provera/report.h)
    std::string vectors;               // the vectors file
    std::vector<std::string> command;  // the program and its own arguments
};

// The options, or none with `why` the line to show (empty: the usage alone).
std::optional<Options> parseArguments(const std::vector<std::string>& args, std::string& why);

}  // namespace provera
}  // namespace geometrija
