#include "provera/student.h"

#include <chrono>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace geometrija {
namespace provera {

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

#ifndef _WIN32

Run runStudent(const std::vector<std::string>& command, const std::string& input, double seconds,
               std::size_t maxOutput) {
    Run run;
    std::FILE* in = std::tmpfile();
    // The program's output comes through `out`; `ready` is closed by a
    // successful exec, or carries exec's errno, so that a name that cannot
    // run gets the system's reason, not a child's silent status 127.
    int out[2] = {-1, -1};
    int ready[2] = {-1, -1};
    if (in == nullptr || std::fwrite(input.data(), 1, input.size(), in) != input.size() ||
        std::fflush(in) != 0 || pipe(out) != 0 || pipe(ready) != 0) {
        run.how = std::string("privremeni fajl ili cev ne moze da se napravi (") +
                  std::strerror(errno) + ")";
        if (in != nullptr) {
            std::fclose(in);
        }
        for (const int fd : {out[0], out[1]}) {
            if (fd >= 0) {
                close(fd);
            }
        }
        return run;
    }
    std::rewind(in);
    fcntl(ready[1], F_SETFD, FD_CLOEXEC);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fileno(in), 0);
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        close(ready[0]);
        std::vector<char*> argv;
        argv.reserve(command.size() + 1);
        for (const std::string& a : command) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        const int reason = errno;
        (void)!write(ready[1], &reason, sizeof reason);
        _exit(127);
    }
    close(out[1]);
    close(ready[1]);
    std::fclose(in);
    if (pid < 0) {
        run.how = std::string("program ne moze da se pokrene (") + std::strerror(errno) + ")";
        close(out[0]);
        close(ready[0]);
        return run;
    }
    int reason = 0;
    if (read(ready[0], &reason, sizeof reason) == static_cast<ssize_t>(sizeof reason)) {
        run.how = std::string("program ne moze da se pokrene (") + std::strerror(reason) + ")";
        close(ready[0]);
        close(out[0]);
        waitpid(pid, nullptr, 0);
        return run;
    }
    close(ready[0]);
    run.started = true;
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    char buffer[65536];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            run.timedOut = true;
            break;
        }
        pollfd p{out[0], POLLIN, 0};
        const int ready_ = poll(&p, 1, static_cast<int>(left.count()));
        if (ready_ < 0 && errno == EINTR) {
            continue;
        }
        if (ready_ == 0) {
            continue;  // the deadline is looked at again
        }
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) {
            break;  // the end of its output
        }
        run.output.append(buffer, static_cast<std::size_t>(n));
        if (run.output.size() > maxOutput) {
            run.output.resize(maxOutput);
            run.tooMuch = true;
            break;
        }
    }
    close(out[0]);
    if (run.timedOut || run.tooMuch) {
        kill(pid, SIGKILL);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) {
        run.how = "status " + std::to_string(WEXITSTATUS(status));
        run.cleanExit = WEXITSTATUS(status) == 0 && !run.timedOut && !run.tooMuch;
    } else if (WIFSIGNALED(status)) {
        run.how =
            "signal " + std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
    }
    return run;
}

#else

namespace {

// One argument as the program's C runtime will split it again.
std::string quoted(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) {
        return arg;
    }
    std::string q = "\"";
    std::size_t slashes = 0;
    for (const char c : arg) {
        if (c == '\\') {
            ++slashes;
            continue;
        }
        q.append(c == '"' ? 2 * slashes + 1 : slashes, '\\');
        slashes = 0;
        q += c;
    }
    q.append(2 * slashes, '\\');
    return q + "\"";
}

std::string lastError() {
    char text[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   GetLastError(), 0, text, sizeof text, nullptr);
    std::string s = text;
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == '.')) {
        s.pop_back();
    }
    return s;
}

}  // namespace

Run runStudent(const std::vector<std::string>& command, const std::string& input, double seconds,
               std::size_t maxOutput) {
    Run run;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    char folder[MAX_PATH + 1];
    char name[MAX_PATH + 1];
    HANDLE in = INVALID_HANDLE_VALUE;
    if (GetTempPathA(sizeof folder, folder) != 0 && GetTempFileNameA(folder, "gpv", 0, name) != 0) {
        in = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    }
    HANDLE readOut = nullptr;
    HANDLE writeOut = nullptr;
    DWORD written = 0;
    if (in == INVALID_HANDLE_VALUE ||
        !WriteFile(in, input.data(), static_cast<DWORD>(input.size()), &written, nullptr) ||
        SetFilePointer(in, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
        !CreatePipe(&readOut, &writeOut, &inherit, 0)) {
        run.how = "privremeni fajl ili cev ne moze da se napravi (" + lastError() + ")";
        if (in != INVALID_HANDLE_VALUE) {
            CloseHandle(in);
        }
        return run;
    }
    SetHandleInformation(readOut, HANDLE_FLAG_INHERIT, 0);
    std::string line;
    for (const std::string& a : command) {
        line += (line.empty() ? "" : " ") + quoted(a);
    }
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in;
    si.hStdOutput = writeOut;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    const BOOL started =
        CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    const std::string why = started ? "" : lastError();
    CloseHandle(writeOut);
    CloseHandle(in);
    if (!started) {
        run.how = "program ne moze da se pokrene (" + why + ")";
        CloseHandle(readOut);
        return run;
    }
    run.started = true;
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    char buffer[65536];
    for (;;) {
        if (Clock::now() >= deadline) {
            run.timedOut = true;
            break;
        }
        DWORD available = 0;
        if (!PeekNamedPipe(readOut, nullptr, 0, nullptr, &available, nullptr)) {
            break;  // the program has ended and its output is all read
        }
        if (available == 0) {
            Sleep(5);
            continue;
        }
        DWORD n = 0;
        if (!ReadFile(readOut, buffer, sizeof buffer < available ? sizeof buffer : available, &n,
                      nullptr) ||
            n == 0) {
            break;
        }
        run.output.append(buffer, n);
        if (run.output.size() > maxOutput) {
            run.output.resize(maxOutput);
            run.tooMuch = true;
            break;
        }
    }
    CloseHandle(readOut);
    if (run.timedOut || run.tooMuch) {
        TerminateProcess(pi.hProcess, 1);
    }
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    char text[32];
    std::snprintf(text, sizeof text, code >= 0xC0000000u ? "status 0x%lx" : "status %lu",
                  static_cast<unsigned long>(code));
    run.how = text;
    run.cleanExit = code == 0 && !run.timedOut && !run.tooMuch;
    return run;
}

#endif

}  // namespace provera
}  // namespace geometrija
