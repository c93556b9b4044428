// What differs on Windows, decided the same way on every system: the device
// names, and when a program waits for Enter before its console closes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/files.h"
#include "app/platform.h"
#include "support/input_readers.h"
#include "text/messages.h"

using namespace geometrija;
using namespace support;

TEST(Names, WindowsDeviceNamesAloneOrBeforeAnExtension) {
    for (const char* device : {"AUX", "COM1", "com1.txt", "C:\\dir\\LPT9.dat", "x/CON", "con.txt",
                               "CONIN$", "conout$", "COM\xc2\xb9", "PRN .txt"}) {
        EXPECT_TRUE(isWindowsDeviceName(device)) << device;
    }
    for (const char* file :
         {"NUL", "COM0", "COM10", "CONSOLE", "com.txt", "con/x.txt", "acon", "LPT", ""}) {
        EXPECT_FALSE(isWindowsDeviceName(file)) << file;
    }
    // Windows would read the serial port or the console: refused there.
    const std::string reason = loadFile("COM1").error;
    EXPECT_EQ(reason, BACKSLASH_SHOWN
                          ? "COM1: fajl ne moze da se otvori (ime uredjaja u Windowsu)"
                          : "COM1: fajl ne moze da se otvori (No such file or directory), "
                            "trazen u fascikli " +
                                escaped(std::filesystem::current_path().string()));
}

TEST(Console, AWindowsProgramWaitsForEnterOnlyWhereAMessageWouldVanish) {
    // Each situation as a user meets it: started how, ended how, reading
    // from what; and whether the program asks for Enter before it closes.
    struct Situation {
        const char* what;
        int status;
        bool ownConsole;
        bool inputIsConsole;
        bool waits;
    };
    const Situation situations[] = {
        {"double-clicked, a bad file: the console would close on the message", 1, true, true, true},
        {"double-clicked, the window closed normally", 0, true, true, false},
        {"from a Command Prompt, a bad file: the prompt keeps the message", 1, false, true, false},
        {"double-clicked with input from a file: nobody to press Enter", 1, true, false, false},
    };
    for (const Situation& s : situations) {
        EXPECT_EQ(waitsForEnter(s.status, s.ownConsole, s.inputIsConsole), s.waits) << s.what;
    }
}
