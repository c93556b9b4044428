#include "provera/student.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "provera/student_os.h"

namespace geometrija {
namespace provera {

namespace {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::milliseconds;

// How often the runner looks whether the program has ended while it waits
// for its output.
constexpr Millis TICK{20};
// How long the output may stay open and silent after the program has ended:
// longer, and it is held by a process the program started.
constexpr Millis GRACE{200};

}  // namespace

Run runStudent(const std::vector<std::string>& command, const std::string& input, double seconds,
               std::size_t maxOutput,
               const std::function<void(const char* data, std::size_t size)>& sink) {
    Run run;
    const os::ChildPtr child = os::start(command, input, run.how);
    if (!child) {
        return run;
    }
    run.started = true;
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(seconds));
    std::vector<char> buffer(std::size_t{1} << 16);
    std::size_t total = 0;
    bool open = true;         // its output has not ended
    bool ended = false;       // the program itself has ended
    Clock::time_point heard;  // its last output after it ended, or its end
    for (;;) {
        if (!ended && os::mainEnded(*child)) {
            ended = true;
            heard = Clock::now();
        }
        if (ended && !open) {
            break;
        }
        const auto now = Clock::now();
        if (now >= deadline) {
            run.timedOut = true;
            break;
        }
        if (ended && now - heard >= GRACE) {
            break;  // a process it started holds the output
        }
        const auto wait = std::min<Clock::duration>(deadline - now, TICK);
        const int ms = std::max(1, static_cast<int>(std::chrono::ceil<Millis>(wait).count()));
        if (!open) {
            std::this_thread::sleep_for(Millis(ms));
            continue;
        }
        std::size_t got = 0;
        if (os::readOutput(*child, ms, buffer.data(), buffer.size(), got) == os::Output::End) {
            open = false;
            continue;
        }
        if (got == 0) {
            continue;
        }
        heard = Clock::now();
        const std::size_t kept = std::min(got, maxOutput - total);
        if (kept > 0) {
            sink(buffer.data(), kept);
        }
        total += kept;
        if (kept < got) {
            run.tooMuch = true;
            break;
        }
    }
    if (ended && open) {
        run.leftBehind = true;
    } else if (ended) {
        // Its output has ended with it; a process it started may still run
        // without it (a just-ended one is gone after a moment).
        const auto until = Clock::now() + GRACE;
        while (os::othersRun(*child) && Clock::now() < until) {
            std::this_thread::sleep_for(Millis(5));
        }
        run.leftBehind = os::othersRun(*child);
    }
    os::stopAll(*child);
    bool zero = false;
    run.how = os::status(*child, zero);
    run.cleanExit = zero && !run.timedOut && !run.tooMuch && !run.leftBehind;
    return run;
}

}  // namespace provera
}  // namespace geometrija
