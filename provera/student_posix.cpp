// The student runner on POSIX systems: the program leads a process group of
// its own, so that it and every process it starts are stopped together, and
// its status is read by waitpid whatever the checker inherited.
#ifndef _WIN32

#include <fcntl.h>
#include <poll.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <thread>

#include "provera/student_os.h"

namespace geometrija {
namespace provera {
namespace os {

struct Child {
    pid_t pid = -1;       // the program, leader of its group
    int out = -1;         // the reading end of its standard output
    bool reaped = false;  // its status has been read, or cannot be
    int status = 0;       // as waitpid gave it
    int waitError = 0;    // errno of a waitpid that failed
};

namespace {

// The group being run, stopped too if the checker is stopped by a signal
// (the program is not in the terminal's group: Ctrl-C reaches only the checker).
volatile std::sig_atomic_t runningGroup = 0;
constexpr int STOPPING[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
struct sigaction before[std::size(STOPPING)];

extern "C" void stopGroupAndEnd(int sig) {
    const pid_t group = static_cast<pid_t>(runningGroup);
    if (group > 0) {
        kill(-group, SIGKILL);
    }
    signal(sig, SIG_DFL);
    raise(sig);
}

void catchStoppingSignals() {
    for (std::size_t i = 0; i < std::size(STOPPING); ++i) {
        sigaction(STOPPING[i], nullptr, &before[i]);
        if (before[i].sa_handler != SIG_IGN) {
            struct sigaction stop {};
            stop.sa_handler = stopGroupAndEnd;
            sigemptyset(&stop.sa_mask);
            sigaction(STOPPING[i], &stop, nullptr);
        }
    }
}

void restoreStoppingSignals() {
    for (std::size_t i = 0; i < std::size(STOPPING); ++i) {
        sigaction(STOPPING[i], &before[i], nullptr);
    }
}

// Reaps what has ended of the group: with the checker the subreaper, the
// processes the program left become its children when their parents end.
void reapGroup(pid_t group) {
    while (waitpid(-group, nullptr, WNOHANG) > 0) {
    }
}

bool groupRuns(pid_t group) {
    return kill(-group, 0) == 0 || errno == EPERM;
}

std::string reason(int error) {
    return std::string(" (") + std::strerror(error) + ")";
}

// In the child: its own group, the signals as the checker got them, the
// pipes in place, then the program (found on PATH when named without a folder).
[[noreturn]] void becomeProgram(std::vector<char*>& argv, std::FILE* in, const int out[2],
                                const int ready[2]) {
    setpgid(0, 0);
    restoreStoppingSignals();
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    dup2(fileno(in), 0);
    dup2(out[1], 1);
    close(out[1]);
    close(ready[0]);
    execvp(argv[0], argv.data());
    const int error = errno;
    (void)!write(ready[1], &error, sizeof error);
    _exit(127);
}

}  // namespace

void ChildDeleter::operator()(Child* child) const {
    if (child->out >= 0) {
        close(child->out);
    }
    delete child;
    runningGroup = 0;
    restoreStoppingSignals();
}

ChildPtr start(const std::vector<std::string>& command, const std::string& input,
               std::string& why) {
    // With SIGCHLD ignored the system would reap the program unseen, and its
    // status could not be read.
    signal(SIGCHLD, SIG_DFL);
#ifdef __linux__
    // What the program leaves behind comes to the checker, not to an init
    // that may never reap it: an ended process leaves the group at once.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
#endif
    std::FILE* in = std::tmpfile();
    // `ready` is closed by a successful exec, or carries exec's errno, so that
    // a name that cannot run gets the system's reason, not status 127.
    int out[2] = {-1, -1};
    int ready[2] = {-1, -1};
    if (in == nullptr || std::fwrite(input.data(), 1, input.size(), in) != input.size() ||
        std::fflush(in) != 0 || pipe(out) != 0 || pipe(ready) != 0) {
        why = "privremeni fajl ili cev ne moze da se napravi" + reason(errno);
        if (in != nullptr) {
            std::fclose(in);
        }
        for (const int fd : {out[0], out[1]}) {
            if (fd >= 0) {
                close(fd);
            }
        }
        return nullptr;
    }
    std::rewind(in);
    fcntl(out[0], F_SETFD, FD_CLOEXEC);
    fcntl(ready[1], F_SETFD, FD_CLOEXEC);
    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    for (const std::string& a : command) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    catchStoppingSignals();
    const pid_t pid = fork();
    if (pid == 0) {
        becomeProgram(argv, in, out, ready);
    }
    const int forkError = errno;
    if (pid > 0) {
        setpgid(pid, pid);  // before anything is done to the group, whoever is first
        runningGroup = pid;
    }
    close(out[1]);
    close(ready[1]);
    std::fclose(in);
    ChildPtr child(new Child{pid, out[0]});
    if (pid < 0) {
        why = "program ne moze da se pokrene" + reason(forkError);
        close(ready[0]);
        return nullptr;
    }
    int error = 0;
    ssize_t n = 0;
    while ((n = read(ready[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(ready[0]);
    if (n == static_cast<ssize_t>(sizeof error)) {
        why = "program ne moze da se pokrene" + reason(error);
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        return nullptr;
    }
    return child;
}

Output readOutput(Child& child, int ms, char* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    pollfd p{child.out, POLLIN, 0};
    if (poll(&p, 1, ms) <= 0) {
        return Output::Open;  // nothing yet, or a signal: looked at again
    }
    const ssize_t n = read(child.out, buffer, size);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
        return Output::Open;
    }
    if (n <= 0) {
        return Output::End;
    }
    got = static_cast<std::size_t>(n);
    return Output::Open;
}

bool mainEnded(Child& child) {
    if (!child.reaped) {
        int st = 0;
        const pid_t r = waitpid(child.pid, &st, WNOHANG);
        if (r == child.pid) {
            child.reaped = true;
            child.status = st;
        } else if (r < 0 && errno != EINTR) {
            child.reaped = true;  // never taken for a clean end
            child.waitError = errno;
        }
    }
    return child.reaped;
}

bool othersRun(const Child& child) {
    // The group keeps its number while it has a member, so it names no other.
    reapGroup(child.pid);
    return groupRuns(child.pid);
}

void stopAll(Child& child) {
    kill(-child.pid, SIGKILL);
    if (!child.reaped) {
        kill(child.pid, SIGKILL);  // in case it left the group
    }
}

std::string status(Child& child, bool& zero) {
    zero = false;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!mainEnded(child) && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // Then the rest of the group, stopped, is gone before the checker goes on.
    while (child.reaped && groupRuns(child.pid) && std::chrono::steady_clock::now() < until) {
        reapGroup(child.pid);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!child.reaped) {
        return "status nije procitan (program se nije zaustavio)";
    }
    if (child.waitError != 0) {
        return "status nije procitan" + reason(child.waitError);
    }
    if (WIFEXITED(child.status)) {
        zero = WEXITSTATUS(child.status) == 0;
        return "status " + std::to_string(WEXITSTATUS(child.status));
    }
    if (WIFSIGNALED(child.status)) {
        const int sig = WTERMSIG(child.status);
        return "signal " + std::to_string(sig) + " (" + strsignal(sig) + ")";
    }
    return "status nije procitan";
}

}  // namespace os
}  // namespace provera
}  // namespace geometrija

#endif
