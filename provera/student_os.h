// What the student runner needs of the system: a program started with its
// input and its output pipe, in a process group (POSIX) or job (Windows) of
// its own, so that everything it starts can be seen and stopped with it.
// One implementation for each system: student_posix.cpp, student_windows.cpp.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace geometrija {
namespace provera {
namespace os {

struct Child;
struct ChildDeleter {
    void operator()(Child* child) const;
};
using ChildPtr = std::unique_ptr<Child, ChildDeleter>;

// Starts `command` with `input` on its standard input; null, with the
// reason in `why`, when it cannot be started.
ChildPtr start(const std::vector<std::string>& command, const std::string& input, std::string& why);

enum class Output { Open, End };
// Waits up to `ms` for its output; what came (`got` bytes, 0 if nothing
// came yet) is in `buffer`.  End: every holder of the output has closed it.
Output readOutput(Child& child, int ms, char* buffer, std::size_t size, std::size_t& got);

// Whether the program itself has ended (its status is kept for `status`).
bool mainEnded(Child& child);

// Once the program has ended: whether a process it started still runs.
bool othersRun(const Child& child);

// Stops the program and every process it started.
void stopAll(Child& child);

// How the program ended, in words; `zero` when by itself with status 0.
// Waits a bounded time for it to end, after stopAll.
std::string status(Child& child, bool& zero);

}  // namespace os
}  // namespace provera
}  // namespace geometrija
