#include "support/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace support {

namespace {

void readAll(int fd, std::mutex& m, std::string& into) {
    char buf[4096];
    for (;;) {
        const ssize_t k = ::read(fd, buf, sizeof buf);
        if (k <= 0) {
            break;
        }
        std::lock_guard<std::mutex> lock(m);
        into.append(buf, static_cast<std::size_t>(k));
    }
    ::close(fd);
}

}  // namespace

Process::Process(const std::string& program, const std::vector<std::string>& args,
                 const std::string& cwd, const std::string& stdinPath, int closed) {
    int in[2];
    int out[2];
    int err[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe");
    }
    pid_ = fork();
    if (pid_ == 0) {
        if (stdinPath.empty()) {
            dup2(in[0], 0);
        } else {
            const int fd = open(stdinPath.c_str(), O_RDONLY);
            if (fd < 0 || dup2(fd, 0) != 0) {
                _exit(126);
            }
        }
        dup2(out[1], 1);
        dup2(err[1], 2);
        if (chdir(cwd.c_str()) != 0) {
            _exit(126);
        }
        if (closed >= 0) {
            ::close(closed);
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    in_ = in[1];
    signal(SIGPIPE, SIG_IGN);
    outReader_ = std::thread(readAll, out[0], std::ref(mutex_), std::ref(out_));
    errReader_ = std::thread(readAll, err[0], std::ref(mutex_), std::ref(err_));
}

Process::~Process() {
    if (running()) {
        kill(pid_, SIGKILL);
        wait(5000);
    }
    if (in_ >= 0) {
        ::close(in_);
    }
    finishReaders();
}

void Process::finishReaders() {
    if (outReader_.joinable()) {
        outReader_.join();
    }
    if (errReader_.joinable()) {
        errReader_.join();
    }
}

void Process::write(const std::string& text, bool close) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t k = ::write(in_, text.data() + done, text.size() - done);
        if (k <= 0) {
            break;
        }
        done += static_cast<std::size_t>(k);
    }
    if (close) {
        ::close(in_);
        in_ = -1;
    }
}

bool Process::running() {
    return wait(0) == -1 && status_ == -1;
}

int Process::wait(int timeoutMs) {
    if (status_ != -1) {
        return status_;
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int st = 0;
        struct rusage usage {};
        if (wait4(pid_, &st, WNOHANG, &usage) == pid_) {
            peakKb_ = usage.ru_maxrss;
            status_ = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
            finishReaders();
            return status_;
        }
        if (std::chrono::steady_clock::now() >= until) {
            return -1;
        }
        usleep(5000);
    }
}

std::string Process::out() {
    std::lock_guard<std::mutex> lock(mutex_);
    return out_;
}

std::string Process::err() {
    std::lock_guard<std::mutex> lock(mutex_);
    return err_;
}

}  // namespace support
