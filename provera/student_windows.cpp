// The student runner on Windows: the program runs in a job object of its
// own, so that it and every process it starts are stopped together (and by
// the system, should the checker itself end first).
#ifdef _WIN32

#include <windows.h>

#include <cstdio>

#include "provera/student_os.h"

namespace geometrija {
namespace provera {
namespace os {

struct Child {
    HANDLE job = nullptr;
    HANDLE process = nullptr;
    HANDLE out = nullptr;  // the reading end of its standard output
};

namespace {

// One argument as the program's C runtime will split it again.
std::string argument(const std::string& arg) {
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
    return " (" + s + ")";
}

// The cases in a temporary file that goes away with its last handle.
HANDLE inputFile(const std::string& input, SECURITY_ATTRIBUTES& inherit) {
    char folder[MAX_PATH + 1];
    char name[MAX_PATH + 1];
    if (GetTempPathA(sizeof folder, folder) == 0 || GetTempFileNameA(folder, "gpv", 0, name) == 0) {
        return INVALID_HANDLE_VALUE;
    }
    HANDLE in = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    DWORD written = 0;
    if (in != INVALID_HANDLE_VALUE &&
        (!WriteFile(in, input.data(), static_cast<DWORD>(input.size()), &written, nullptr) ||
         written != input.size() ||
         SetFilePointer(in, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)) {
        CloseHandle(in);
        return INVALID_HANDLE_VALUE;
    }
    return in;
}

// A job whose processes all end when its last handle is closed.
HANDLE newJob() {
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job != nullptr &&
        !SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        CloseHandle(job);
        return nullptr;
    }
    return job;
}

}  // namespace

void ChildDeleter::operator()(Child* child) const {
    for (HANDLE h : {child->out, child->process, child->job}) {
        if (h != nullptr) {
            CloseHandle(h);
        }
    }
    delete child;
}

ChildPtr start(const std::vector<std::string>& command, const std::string& input,
               std::string& why) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    ChildPtr child(new Child);
    HANDLE in = inputFile(input, inherit);
    HANDLE writeOut = nullptr;
    if (in == INVALID_HANDLE_VALUE || !CreatePipe(&child->out, &writeOut, &inherit, 1 << 16) ||
        (child->job = newJob()) == nullptr) {
        why = "privremeni fajl, cev ili posao ne moze da se napravi" + lastError();
        for (HANDLE h : {in, writeOut}) {
            if (h != nullptr && h != INVALID_HANDLE_VALUE) {
                CloseHandle(h);
            }
        }
        return nullptr;
    }
    SetHandleInformation(child->out, HANDLE_FLAG_INHERIT, 0);
    std::string line;
    for (const std::string& a : command) {
        line += (line.empty() ? "" : " ") + argument(a);
    }
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in;
    si.hStdOutput = writeOut;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    // Suspended until it is in the job, so that nothing it starts escapes.
    const BOOL started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                                        nullptr, nullptr, &si, &pi);
    why = started ? "" : "program ne moze da se pokrene" + lastError();
    CloseHandle(writeOut);
    CloseHandle(in);
    if (!started) {
        return nullptr;
    }
    child->process = pi.hProcess;
    if (!AssignProcessToJobObject(child->job, pi.hProcess)) {
        why = "program ne moze da se pokrene u svom poslu" + lastError();
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 5000);
        CloseHandle(pi.hThread);
        return nullptr;
    }
    ResumeThread(pi.hThread);
    CloseHandle(pi.hThread);
    return child;
}

Output readOutput(Child& child, int ms, char* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    DWORD available = 0;
    if (!PeekNamedPipe(child.out, nullptr, 0, nullptr, &available, nullptr)) {
        return Output::End;  // every holder of its output has closed it
    }
    if (available == 0) {
        Sleep(static_cast<DWORD>(ms < 5 ? ms : 5));
        return Output::Open;
    }
    DWORD n = 0;
    const DWORD want = size < available ? static_cast<DWORD>(size) : available;
    if (!ReadFile(child.out, buffer, want, &n, nullptr) || n == 0) {
        return Output::End;
    }
    got = n;
    return Output::Open;
}

bool mainEnded(Child& child) {
    return WaitForSingleObject(child.process, 0) == WAIT_OBJECT_0;
}

bool othersRun(const Child& child) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    return QueryInformationJobObject(child.job, JobObjectBasicAccountingInformation, &info,
                                     sizeof info, nullptr) &&
           info.ActiveProcesses > 0;
}

void stopAll(Child& child) {
    TerminateJobObject(child.job, 1);
}

std::string status(Child& child, bool& zero) {
    zero = false;
    DWORD code = 0;
    if (WaitForSingleObject(child.process, 5000) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(child.process, &code)) {
        return "status nije procitan (program se nije zaustavio)";
    }
    char text[32];
    std::snprintf(text, sizeof text, code >= 0xC0000000u ? "status 0x%lx" : "status %lu",
                  static_cast<unsigned long>(code));
    zero = code == 0;
    return text;
}

}  // namespace os
}  // namespace provera
}  // namespace geometrija

#endif
