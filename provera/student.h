// Runs a student's program once over all the cases: the cases on its
// standard input (from a temporary file), its standard output read through a
// pipe, bounded in size and in time.  Its standard error is the checker's.
#pragma once

#include <string>
#include <vector>

namespace geometrija {
namespace provera {

struct Run {
    bool started = false;    // false: the program could not be started (`how` says why)
    bool timedOut = false;   // stopped after the time allowed
    bool tooMuch = false;    // stopped after writing more than allowed
    std::string output;      // what it wrote, up to the bound
    std::string how;         // how it ended, in words ("status 0", "signal 11 (...)")
    bool cleanExit = false;  // ended by itself with status 0
};

Run runStudent(const std::vector<std::string>& command, const std::string& input, double seconds,
               std::size_t maxOutput);

}  // namespace provera
}  // namespace geometrija
