#include "app/platform.h"

#include <cstdio>
#include <cstdlib>

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

bool waitsForEnter(int status, bool ownConsole, bool inputIsConsole) {
    return status != 0 && ownConsole && inputIsConsole;
}

#ifdef _WIN32

namespace {

bool isConsole(DWORD which) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

UINT originalOutputCodePage = 0;

void restoreOutputCodePage() {
    SetConsoleOutputCP(originalOutputCodePage);
}

}  // namespace

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
