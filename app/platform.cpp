#include "app/platform.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "app/console_streams.h"
#else
#include <fcntl.h>
#include <unistd.h>
#endif
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace geometrija {

bool isWindowsDeviceName(const std::string& name) {
    const std::size_t slash = name.find_last_of("/\\:");
    std::string base = name.substr(slash == std::string::npos ? 0 : slash + 1);
    // Windows ignores an extension and spaces before it: "con.txt", "COM1 ".
    base.resize(std::min(base.size(), base.find('.')));
    while (!base.empty() && base.back() == ' ') {
        base.pop_back();
    }
    for (char& c : base) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "CONIN$" || base == "CONOUT$") {
        return true;
    }
    if (base.size() < 4 || (base.compare(0, 3, "COM") != 0 && base.compare(0, 3, "LPT") != 0)) {
        return false;
    }
    const std::string number = base.substr(3);
    return (number.size() == 1 && number[0] >= '1' && number[0] <= '9') || number == "\xc2\xb9" ||
           number == "\xc2\xb2" || number == "\xc2\xb3";
}

bool isRelativeWindowsName(const std::string& name) {
    const bool drive = name.size() >= 2 && name[1] == ':' &&
                       ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
    return !name.empty() && name[0] != '\\' && name[0] != '/' && !drive;
}

std::string workingFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    // UTF-8 on every system: Windows' wide path converted, Linux's bytes as
    // they are.
    return error ? std::string() : folder.u8string();
}

bool waitsForEnter(int status, bool ownConsole, bool inputIsConsole) {
    return status != 0 && ownConsole && inputIsConsole;
}

#ifdef _WIN32

namespace {

// A UTF-16 string from bytes in the code page, or empty when they are not
// valid there.
std::wstring wide(const std::string& text, unsigned codePage) {
    if (text.empty()) {
        return std::wstring();
    }
    const int size = static_cast<int>(text.size());
    const int length =
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring w(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, &w[0], length);
    return w;
}

bool isConsole(DWORD which) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

UINT originalOutputCodePage = 0;

void restoreOutputCodePage() {
    SetConsoleOutputCP(originalOutputCodePage);
}

}  // namespace

bool isDeviceName(const std::string& name) {
    return isWindowsDeviceName(name);
}

bool isRelativeName(const std::string& name) {
    return isRelativeWindowsName(name);
}

void openForReading(std::ifstream& in, const std::string& name) {
    const std::wstring w = wide(name, CP_UTF8);
    if (w.empty()) {
        in.open(name, std::ios::in | std::ios::binary);
    } else {
        in.open(w.c_str(), std::ios::in | std::ios::binary);
    }
}

bool isDirectory(const std::string& name) {
    const std::wstring w = wide(name, CP_UTF8);
    const DWORD attributes =
        w.empty() ? GetFileAttributesA(name.c_str()) : GetFileAttributesW(w.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool outputIsTerminal() {
    return _isatty(1) != 0;
}

void guardStandardDescriptors() {}

void prepareConsole() {
    // The standard streams speak Unicode to a console; what C's stdio
    // writes is UTF-8 (a name may hold č or š).  The console's own code
    // page comes back when the program ends.
    attachConsoleStreams();
    if (isConsole(STD_ERROR_HANDLE) && originalOutputCodePage == 0) {
        originalOutputCodePage = GetConsoleOutputCP();
        if (SetConsoleOutputCP(CP_UTF8)) {
            std::atexit(restoreOutputCodePage);
        }
    }
}

int endProgram(int status) {
    // A console of its own lists this process alone; a Command Prompt's
    // lists the prompt too.
    DWORD processes[2];
    const bool ownConsole = GetConsoleProcessList(processes, 2) == 1;
    if (waitsForEnter(status, ownConsole, isConsole(STD_INPUT_HANDLE))) {
        std::fputs("Pritisnite Enter za kraj.\n", stderr);
        std::fflush(stderr);
        const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
        FlushConsoleInputBuffer(input);
        wchar_t c = 0;
        DWORD read = 0;
        while (ReadConsoleW(input, &c, 1, &read, nullptr) && read == 1 && c != L'\r' &&
               c != L'\n') {
        }
    }
    return status;
}

#else

bool isDeviceName(const std::string&) {
    return false;
}

bool isRelativeName(const std::string& name) {
    return !name.empty() && name[0] != '/';
}

void openForReading(std::ifstream& in, const std::string& name) {
    in.open(name, std::ios::in | std::ios::binary);
}

bool isDirectory(const std::string& name) {
    struct stat st {};
    return stat(name.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool outputIsTerminal() {
    return isatty(1) != 0;
}

void guardStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1) {
            // open() takes the lowest free number, which is this one.
            const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
            if (opened != fd && opened >= 0) {
                close(opened);
            }
        }
    }
}

void prepareConsole() {}

int endProgram(int status) {
#ifdef __EMSCRIPTEN__
    // In a page the runtime stays alive for the window; a program that ends
    // with an error ends it, so that the page hears the status.
    if (status != 0) {
        emscripten_force_exit(status);
    }
#endif
    return status;
}

#endif

}  // namespace geometrija
