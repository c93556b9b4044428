// A student's program for the checker under wine, misbehaving the way only
// a Windows program's own handles can show: "zatvara" closes its standard
// output and hangs; "kontrola" answers the first case with escape sequences
// (clear screen, the window's title), control bytes and bytes that are not
// UTF-8, then ends.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "zatvara") {
        CloseHandle(GetStdHandle(STD_OUTPUT_HANDLE));
        Sleep(3600 * 1000);
        return 0;
    }
    if (mode == "kontrola") {
        std::fputs("\x1b[2J\x1b]0;naslov\x07\x1b[31m\x9b\xff\xfe\x01\x7f\n", stdout);
        return 0;
    }
    std::fprintf(stderr, "windows_student: zatvara ili kontrola\n");
    return 2;
}
