// The window check of the programs as processes under the X server: what is
// refused before anything is asked, the arguments and the display read as
// GLUT will read them, and the ten seconds a display may take.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "support/program_test.h"
#include "text/messages.h"

using namespace support;

TEST_F(ProgramTest, WithoutAWindowPossibleNothingIsAskedAndABadFileComesFirst) {
    TempDir dir;
    const std::string noDisplay =
        "prozor ne moze da se otvori (X ekran ':987' ne moze da se otvori)";
    {
        Process p(program("Kalvera"), {"-display", ":987"}, dir.path());
        p.write("u\n1\n0 0\n");
        expectRefused(p, "Kalvera: " + noDisplay);
    }
    {
        Process p(program("srce"), {"-display", ":987"}, dir.path());
        p.write("");
        expectRefused(p,
                      "srce: srce.txt: fajl ne moze da se otvori (No such file or directory), "
                      "trazen u fascikli " +
                          geometrija::escaped(dir.path()));
    }
    dir.write("srce.txt", "1\n1 1\n");
    {
        Process p(program("srce"), {"-display", ":987"}, dir.path());
        p.write("");
        expectRefused(p, "srce: " + noDisplay);
    }
    {
        // A display that refuses the context (Xvfb takes no indirect one):
        // one line instead of Xlib's report.
        setenv("LIBGL_ALWAYS_INDIRECT", "1", 1);
        Process p(program("srce"), {}, dir.path());
        unsetenv("LIBGL_ALWAYS_INDIRECT");
        p.write("");
        // For srce this is found where the window is made: still one line.
        expectRefused(p, "srce: prozor ne moze da se otvori (na X ekranu '" +
                             std::string(std::getenv("DISPLAY")) +
                             "' OpenGL kontekst ne moze da se napravi)");
    }
}

TEST_F(ProgramTest, TheWindowCheckReadsTheArgumentsAndTheDisplayAsGlutWill) {
    const std::string d = std::getenv("DISPLAY");
    const std::string cannot = "prozor ne moze da se otvori (";
    const std::string refusedContext =
        cannot + "na X ekranu '" + d + "' OpenGL kontekst ne moze da se napravi)";
    struct Case {
        std::vector<std::string> args;
        std::string display;  // DISPLAY for this run
        std::string refusal;  // empty: GLUT would accept, and Kalvera asks
    };
    const std::vector<Case> cases = {
        {{"-display"}, d, cannot + "argument -display nema vrednost)"},
        {{"-geometry"}, d, cannot + "argument -geometry nema vrednost)"},
        {{"-direct", "-indirect"}, d, cannot + "argumenti -direct i -indirect ne mogu zajedno)"},
        // The last -display counts; an empty one leaves DISPLAY to Xlib.
        {{"-display", d, "-display", ":987"}, d, cannot + "X ekran ':987' ne moze da se otvori)"},
        {{"-display", ":987", "-display", d}, ":987", ""},
        {{"-display", ""}, d, ""},
        {{"-indirect"}, d, refusedContext},
        // Xvfb's contexts are direct: asked for, one is found.
        {{"-direct"}, d, ""},
        // An empty DISPLAY is no display's name.
        {{}, "", cannot + "nije zadat X ekran: promenljiva DISPLAY je prazna)"},
        // The name is input: escaped and cut.
        {{},
         "\x1b]0;x\x07" + std::string(300, 'd'),
         cannot + "X ekran '\\x1b]0;x\\x07" + std::string(34, 'd') + "...' ne moze da se otvori)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.empty() ? c.display : c.args.back());
        TempDir dir;
        setenv("DISPLAY", c.display.c_str(), 1);
        Process p(program("Kalvera"), c.args, dir.path());
        setenv("DISPLAY", d.c_str(), 1);
        p.write("");
        if (c.refusal.empty()) {
            EXPECT_EQ(p.wait(15000), 1);
            EXPECT_EQ(p.out(), Q);
            EXPECT_EQ(p.err(), "Kalvera: neocekivan kraj standardnog ulaza\n");
        } else {
            expectRefused(p, "Kalvera: " + c.refusal);
        }
    }
    // A fixed-file program says the same in one line; a refused context
    // only where the window is made, without Xlib's report.
    TempDir dir;
    dir.write("srce.txt", "1\n1 1\n");
    for (const Case& c : {cases[0], cases[6]}) {
        Process p(program("srce"), c.args, dir.path());
        p.write("");
        expectRefused(p, "srce: " + c.refusal);
    }
}

TEST_F(ProgramTest, TheTenSecondsADisplayMayTakeBoundTheWindowCheckAlone) {
    // A display that answers: a window open longer than ten seconds stays,
    // and a dialogue answered after them goes on to its window.
    TempDir dir;
    dir.write("srce.txt", "1\n1 1\n");
    Process srce(program("srce"), {}, dir.path());
    srce.write("");
    Process kalvera(program("Kalvera"), {}, dir.path());
    ASSERT_NE(x.waitFor(TITLE, 15000), 0u) << srce.err();
    std::this_thread::sleep_for(std::chrono::seconds(11));
    EXPECT_TRUE(srce.running()) << srce.err();
    EXPECT_TRUE(kalvera.running()) << kalvera.err();
    kalvera.write("u\n1\n1 1\n");
    for (int i = 0; i < 150 && x.count(TITLE) < 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_EQ(x.count(TITLE), 2) << kalvera.err();
    for (int i = 0; i < 2; ++i) {
        const Window w = x.waitFor(TITLE, 5000);
        if (w != 0) {
            x.close(w);
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
        }
    }
    EXPECT_EQ(srce.wait(15000), 0) << srce.err();
    EXPECT_EQ(kalvera.wait(15000), 0) << kalvera.err();
}

TEST_F(ProgramTest, ADisplayThatNeverAnswersIsNamedWithinTenSeconds) {
    // A local X server port that takes the connection and says nothing.
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int number = 100;
    for (; number < 200; ++number) {
        address.sin_port = htons(static_cast<std::uint16_t>(6000 + number));
        if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            break;
        }
    }
    ASSERT_EQ(listen(listener, 4), 0);
    const std::string name = "127.0.0.1:" + std::to_string(number);
    TempDir dir;
    dir.write("srce.txt", "1\n0 0\n");
    // Both at once: each waits out the same ten seconds.
    Process srce(program("srce"), {"-display", name}, dir.path());
    Process kalvera(program("Kalvera"), {"-display", name}, dir.path());
    for (Process* p : {&srce, &kalvera}) {
        p->write("");
    }
    for (const auto& [prog, p] :
         {std::make_pair("srce", &srce), std::make_pair("Kalvera", &kalvera)}) {
        EXPECT_EQ(p->wait(20000), 1);
        EXPECT_EQ(p->err(), std::string(prog) + ": prozor ne moze da se otvori (X ekran '" + name +
                                "' ne odgovara)\n");
        EXPECT_EQ(p->out(), "");
    }
    close(listener);
}

TEST_F(ProgramTest, AnXServerThatEndsWhileTheWindowShowsIsNoWindowThatCouldNotOpen) {
    // An X server of its own, which the test ends once the picture shows:
    // the connection's loss is then Xlib's to report, not the window's
    // creation.
    // Without the sanitizer runtime a sanitizer build's tests preload: the
    // server's own helpers (xkbcomp) would end with its leak reports.
    TempDir dir;
    Process server("/usr/bin/env",
                   {"-u", "LD_PRELOAD", "/usr/bin/Xvfb", "-displayfd", "1", "-screen", "0",
                    "1280x1024x24", "-nolisten", "tcp"},
                   dir.path());
    std::string number;
    for (int i = 0; i < 200 && number.find('\n') == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        number = server.out();
    }
    ASSERT_NE(number.find('\n'), std::string::npos) << "Xvfb did not start: " << server.err();
    const std::string name = ":" + number.substr(0, number.find('\n'));
    dir.write("srce.txt", "1\n1 1\n");
    Process srce(program("srce"), {"-display", name}, dir.path());
    srce.write("");
    {
        // The test's own connection is closed before the server ends.
        const std::string own = std::getenv("DISPLAY");
        setenv("DISPLAY", name.c_str(), 1);
        const Connection other;
        setenv("DISPLAY", own.c_str(), 1);
        ASSERT_TRUE(other.ok());
        const Window w = other.waitFor(TITLE, 15000);
        ASSERT_NE(w, 0u) << srce.err();
        ASSERT_FALSE(other.captureWhen(w, 0, 0, geometrija::CLEAR_PIXEL, 2, 15000).empty());
    }
    kill(server.pid(), SIGTERM);
    EXPECT_EQ(server.wait(15000), 0);
    EXPECT_EQ(srce.wait(15000), 1);
    EXPECT_EQ(srce.err().find("prozor ne moze da se otvori"), std::string::npos) << srce.err();
}
