// Runs a program as a child process with real pipes for its standard input,
// output and error, in a chosen working directory.
#pragma once

#include <sys/types.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_dir.h"

namespace support {

class Process {
public:
    // Starts `program` with `args` (argv[0] is the program itself) in `cwd`.
    // With `stdinPath`, standard input is that file instead of a pipe.  With
    // `closed` (0, 1 or 2), the program starts with that descriptor closed,
    // as a shell's `2>&-` starts it.
    Process(const std::string& program, const std::vector<std::string>& args,
            const std::string& cwd, const std::string& stdinPath = "", int closed = -1);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // Writes to the child's standard input and, with `close`, closes it.
    void write(const std::string& text, bool close = true);
    // Waits up to timeoutMs for the child to end; its exit status, -1 if it
    // is still running, or 128 + signal if a signal ended it.
    int wait(int timeoutMs);
    bool running();
    std::string out();
    std::string err();
    pid_t pid() const { return pid_; }
    // The child's peak resident memory in KiB, once it has ended.
    long peakKb() const { return peakKb_; }

private:
    void finishReaders();

    pid_t pid_ = -1;
    int in_ = -1;
    int status_ = -1;
    long peakKb_ = -1;
    std::mutex mutex_;
    std::string out_;
    std::string err_;
    std::thread outReader_;
    std::thread errReader_;
};

}  // namespace support
