// Runs a student's program once over all the cases: the cases on its
// standard input (from a temporary file), its standard output read through a
// pipe and handed on as it comes, bounded in size and in time.  Its standard
// error is the checker's.  The program and every process it starts are
// stopped when the run is over, whatever they do with their output.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace geometrija {
namespace provera {

struct Run {
    bool started = false;     // false: could not be started (`how` says why)
    bool timedOut = false;    // stopped at the time limit
    bool tooMuch = false;     // stopped after writing more than maxOutput bytes
    bool leftBehind = false;  // it ended, but a process it started still ran or held
                              // its output; that process was stopped
    std::string how;          // how it ended, in words ("status 0", "signal 11 (...)")
    bool cleanExit = false;   // ended by itself with status 0, nothing left behind,
                              // not stopped
};

// The program's output goes to `sink` as it comes, in chunks; nothing is kept here.
Run runStudent(const std::vector<std::string>& command, const std::string& input, double seconds,
               std::size_t maxOutput,
               const std::function<void(const char* data, std::size_t size)>& sink);

}  // namespace provera
}  // namespace geometrija
