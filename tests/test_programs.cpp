// The four programs as processes under the X server: their real standard
// input and output, exit status and window (the window check in
// test_window_check.cpp).
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "geometrija/scene.h"
#include "programs.h"
#include "render/camera.h"
#include "support/program_test.h"
#include "text/messages.h"

using namespace support;

TEST_F(ProgramTest, FixedFileProgramsShowTheirDataAndEndWhenClosed) {
    // Each program on its own data, and one on points that all lie at
    // negative coordinates, where the scene's box keeps its starting corner
    // (0, 0) as its maximum: (-8, -8)-(0, 0), not the points' own box.
    std::vector<std::pair<std::string, std::string>> rows;
    for (const std::string name : FIXED_FILE_PROGRAMS) {
        rows.emplace_back(name, dataFile(name + ".txt"));
    }
    rows.emplace_back(FIXED_FILE_PROGRAMS[0], "3\n-8 -8\n-2 -8\n-8 -3\n");
    for (const auto& [name, text] : rows) {
        SCOPED_TRACE(name + ": " + text.substr(0, 40));
        TempDir dir;
        dir.write(name + ".txt", text);
        Process p(program(name), {}, dir.path());
        p.write("");
        const Image im = shot(p);
        // The camera from the scene's box, which starts at the window's size
        // and at the origin, as the scene starts it.
        const std::vector<std::pair<float, float>> points = pointsOf(text);
        ASSERT_FALSE(points.empty());
        geometrija::Tacka lo(geometrija::WINDOW_WIDTH, geometrija::WINDOW_HEIGHT), hi(0, 0);
        for (const auto& [x, y] : points) {
            lo.x = std::min(lo.x, x);
            lo.y = std::min(lo.y, y);
            hi.x = std::max(hi.x, x);
            hi.y = std::max(hi.y, y);
        }
        const geometrija::Camera c = geometrija::cameraFor(lo, hi);
        expectDots(im, camera(c.cx, c.cy, c.dist, im), points);
        closeAndExpectExit(p);
        EXPECT_EQ(p.out(), "");
        EXPECT_EQ(p.err(), "");
    }
}

TEST_F(ProgramTest, NinetyNinePointsFillTheArraysAndNoMore) {
    // The sanitizer build sees a write past any of the 99-entry arrays.
    TempDir dir;
    std::ostringstream text;
    text << "99\n";
    for (int i = 0; i < 99; ++i) text << (i % 11) << " " << (i / 11) << "\n";
    dir.write("srce.txt", text.str());
    Process p(program("srce"), {}, dir.path());
    p.write("");
    const Image im = shot(p);
    // The box (0, 0)-(10, 8): centre (5, 4), distance 2 * 10.
    expectDots(im, camera(5, 4, 20, im), {{0, 0}, {10, 0}, {0, 8}, {10, 8}, {5, 4}});
    closeAndExpectExit(p);
}

TEST_F(ProgramTest, KalveraTypedPointsWithTheExactDialogue) {
    TempDir dir;
    Process p(program("Kalvera"), {}, dir.path());
    p.write("u\n3\n0 0\n4 0\n0 3\n");
    const Image im = shot(p);
    expectDots(im, camera(2, 1.5, 8, im), {{0, 0}, {4, 0}, {0, 3}});
    closeAndExpectExit(p);
    EXPECT_EQ(p.out(), Q + "Unesi broj tacaka: \nUnesi koordinate tacki: \nx:y:x:y:x:y:");
    EXPECT_EQ(p.err(), "");
}

TEST_F(ProgramTest, KalveraPromptsArriveBeforeItReads) {
    // Answer each prompt only after it has been seen on the pipe.
    TempDir dir;
    Process p(program("Kalvera"), {}, dir.path());
    auto waitOut = [&](const std::string& expected) {
        for (int i = 0; i < 1000 && p.out() != expected; ++i) {
            usleep(5000);
        }
        EXPECT_EQ(p.out(), expected);
    };
    waitOut(Q);
    // A wrong answer and its line break: the question comes twice more.
    p.write("x\n", false);
    waitOut(Q + Q + Q);
    p.write("u\n", false);
    waitOut(Q + Q + Q + "Unesi broj tacaka: \n");
    p.write("1\n", false);
    waitOut(Q + Q + Q + "Unesi broj tacaka: \nUnesi koordinate tacki: \nx:");
    p.write("2\n", false);
    waitOut(Q + Q + Q + "Unesi broj tacaka: \nUnesi koordinate tacki: \nx:y:");
    p.write("3\n");
    const Image im = shot(p);
    // One point: its box is the point itself, and the extents |2| + 2 and
    // |3| + 3 put the camera 12 away, so it shows.
    expectDots(im, camera(2, 3, 12, im), {{2, 3}});
    closeAndExpectExit(p);
}

TEST_F(ProgramTest, KalveraReadsANamedFileAndGoesOnAfterWrongAnswers) {
    // A name with a space, after wrong answers to the question.
    TempDir dir;
    dir.write("moj tri.txt", "3\n0 0\n4 0\n0 3\n");
    {
        Process p(program("Kalvera"), {}, dir.path());
        p.write("U\nF\nx\nf\nmoj tri.txt\n");
        const Image im = shot(p);
        expectDots(im, camera(2, 1.5, 8, im), {{0, 0}, {4, 0}, {0, 3}});
        closeAndExpectExit(p);
    }
    // Wrong typed answers go to standard error, and the window still comes.
    Process p(program("Kalvera"), {}, dir.path());
    p.write("u\n-2\n2\n1 1\nq 9\n6\n5\n");
    const Image im = shot(p);
    expectDots(im, camera(3.5, 3, 14, im), {{1, 1}, {6, 5}});
    closeAndExpectExit(p);
    EXPECT_EQ(p.err(),
              "Kalvera: broj tacaka ne moze biti negativan: '-2'\n"
              "Kalvera: koordinata nije broj: 'q'\n");
}

TEST_F(ProgramTest, ABadFileIsRefusedWithOneLineAndNoWindow) {
    // One case for all: the reader's unit tests hold the whole table.
    TempDir dir;
    dir.write("srce.txt", "2\n1 2\n3 y\n");
    Process p(program("srce"), {}, dir.path());
    p.write("");
    expectRefused(p, "srce: srce.txt:3: koordinata nije broj: 'y'");
}

TEST_F(ProgramTest, KalveraEndsOnTheEndOfInputAndOnABadFile) {
    TempDir dir;
    {
        Process p(program("Kalvera"), {}, dir.path());
        p.write("");
        expectRefused(p, "Kalvera: neocekivan kraj standardnog ulaza", std::nullopt);
    }
    {
        Process p(program("Kalvera"), {}, dir.path());
        p.write("u\n2\n1 1\n");
        expectRefused(p, "Kalvera: neocekivan kraj standardnog ulaza", std::nullopt);
    }
    {
        Process p(program("Kalvera"), {}, dir.path());
        p.write("f\nnema.txt\n");
        expectRefused(p,
                      "Kalvera: nema.txt: fajl ne moze da se otvori (No such file or directory), "
                      "trazen u fascikli " +
                          geometrija::escaped(dir.path()),
                      std::nullopt);
    }
    {
        dir.write("los.txt", "1\n1 2 3\n");
        Process p(program("Kalvera"), {}, dir.path());
        p.write("f los.txt");
        expectRefused(p, "Kalvera: los.txt:2: nepotpun par koordinata: x = '3' nema y",
                      std::nullopt);
    }
}

TEST_F(ProgramTest, AnEmptyPictureOpensTheWindowWithTheBackgroundOnlyAndSaysWhy) {
    // The count 0 is empty by design and says nothing.  One point at the
    // origin puts the camera at distance 0, screen-sized numbers put it at
    // 2 * 600 = 1200: both are told, and the window opens all the same.
    // Each edge of the range, where the picture comes and goes, from both
    // sides: told exactly when nothing shows, with the digits that say why.
    const std::string hint =
        ", a slika se vidi samo od 1 do 1000 (veci od |min x| + max x i |min y| + max y mora "
        "biti izmedju 0.5 i 500)\n";
    const std::string warning = "upozorenje: prozor ce biti prazan: kamera je na udaljenosti ";
    const std::string viroda = "viroda: " + warning;
    // A point far below the origin: the y extent is |min y| + max y, 600.5.
    // On one line, so that an example that adds circles adds none.
    const std::string below = "3\n0 -600\n1 0.5\n0.5 -299.75\n";
    struct Row {
        std::string program;  // a fixed-file program reads NAME.txt, an example its argument
        std::string text;
        std::string said;
        bool shows;
    };
    std::vector<Row> rows = {
        {"viroda", "0\n", "", false},
        {"viroda", "1\n0 0\n", viroda + "0" + hint, false},
        {"viroda", "3\n0 0\n600 0\n0 400\n", viroda + "1200" + hint, false},
        {"viroda", "1\n0.24999999 0.24999999\n", viroda + "0.99999994" + hint, false},
        {"viroda", "1\n0.25 0.25\n", "", true},
        {"viroda", "1\n250.00548 250.00548\n", "", true},
        {"viroda", "1\n250.0055 250.0055\n", viroda + "1000.022" + hint, false},
        {"viroda", below, viroda + "1201" + hint, false},
    };
#ifdef EXAMPLE_DIR
    // startGraphics(argc, argv) names the program as its messages begin: its
    // file name without the folder it was started from.
    rows.push_back({std::string(EXAMPLE_DIR) + "/circumcircles", below,
                    "circumcircles: " + warning + "1201" + hint, false});
#endif
    for (const Row& row : rows) {
        SCOPED_TRACE(row.program + ": " + row.text);
        TempDir dir;
        const bool example = row.program.find('/') != std::string::npos;
        dir.write(example ? "tacke.txt" : row.program + ".txt", row.text);
        Process p(example ? row.program : program(row.program), {}, dir.path());
        p.write("");
        const Image im = shot(p);
        ASSERT_FALSE(im.empty());
        EXPECT_EQ(support::countBackground(im) != im.width * im.height, row.shows);
        closeAndExpectExit(p);
        EXPECT_EQ(p.err(), row.said);
    }
}

TEST_F(ProgramTest, AClosedStandardDescriptorIsTakenByNothingElse) {
    TempDir dir;
    {
        // `Kalvera 2>&-`: a wrong answer's message goes to /dev/null, never
        // into the X connection that would take the lowest free number.
        Process p(program("Kalvera"), {}, dir.path(), "", 2);
        p.write("u\n1\nq\n1 1\n");
        ASSERT_FALSE(shot(p).empty());
        char target[256] = {};
        const std::string fd2 = "/proc/" + std::to_string(p.pid()) + "/fd/2";
        ASSERT_GT(readlink(fd2.c_str(), target, sizeof target - 1), 0);
        EXPECT_STREQ(target, "/dev/null");
        closeAndExpectExit(p);
    }
    {
        // `Kalvera >&-`: the prompts go to /dev/null, and the dialogue runs
        // on to its window.
        Process p(program("Kalvera"), {}, dir.path(), "", 1);
        p.write("u\n1\n1 1\n");
        ASSERT_FALSE(shot(p).empty()) << p.err();
        closeAndExpectExit(p);
        EXPECT_EQ(p.err(), "");
    }
}

TEST_F(ProgramTest, TheTriangulationsSidesAreDrawnWhereTheyBelongAndNowhereElse) {
    // (0,0), (10,0), (10,10), (0,11): the circle through the first three
    // leaves (0, 11) outside, so the diagonal runs from (0,0) to (10,10); the
    // other diagonal is not a side.
    TempDir dir;
    Process p(program("Kalvera"), {}, dir.path());
    p.write("u\n4\n0 0\n10 0\n10 10\n0 11\n");
    const Image im = shot(p);
    closeAndExpectExit(p);
    const std::vector<std::pair<float, float>> pts = {{0, 0}, {10, 0}, {10, 10}, {0, 11}};
    ASSERT_FALSE(im.empty());
    const Framing f = camera(5, 5.5, 22, im);
    expectDots(im, f, pts);
    const double sides[][4] = {
        {0, 0, 10, 0}, {10, 0, 10, 10}, {0, 0, 10, 10}, {10, 10, 0, 11}, {0, 0, 0, 11}};
    for (const auto& s : sides) {
        for (double u = 0.2; u < 0.85; u += 0.15) {
            const int c = static_cast<int>(f.column(s[0] + u * (s[2] - s[0])));
            const int r = static_cast<int>(f.row(s[1] + u * (s[3] - s[1])));
            EXPECT_GE(support::countAround(im, c, r, 1, 0, 0, 0), 1)
                << s[0] << "," << s[1] << " " << u;
        }
    }
    // Every black pixel lies on one of those sides (within 1.5 pixels).
    int stray = 0;
    for (int y = 0; y < im.height; ++y) {
        for (int x = 0; x < im.width; ++x) {
            if (!support::isBlack(im.at(x, y))) continue;
            double best = 1e9;
            for (const auto& s : sides) {
                const double ax = f.column(s[0]), ay = f.row(s[1]), bx = f.column(s[2]),
                             by = f.row(s[3]);
                const double px = x + 0.5, py = y + 0.5;
                double u = ((px - ax) * (bx - ax) + (py - ay) * (by - ay)) /
                           ((bx - ax) * (bx - ax) + (by - ay) * (by - ay));
                u = std::max(0.0, std::min(1.0, u));
                best = std::min(best, std::hypot(px - ax - u * (bx - ax), py - ay - u * (by - ay)));
            }
            stray += best > 1.5 ? 1 : 0;
        }
    }
    EXPECT_EQ(stray, 0);
}

// Input that would take memory without end, or that lies, ends at once: one
// line, status 1, no window.
TEST_F(ProgramTest, EndlessInputIsRefusedAtOnceInLittleMemory) {
#ifdef GEOMETRIJA_SANITIZE
    // The sanitizers' shadow memory alone takes more; the bound is the plain
    // build's.
    constexpr long PEAK_KB = 1L << 30;
#else
    constexpr long PEAK_KB = 16 * 1024;
#endif
    std::string nuls;
    for (int i = 0; i < 40; ++i) nuls += "\\x00";
    const std::string tooLong = "rec je duza od 4096 bajtova: '" + nuls + "...'";
    TempDir dir;
    ASSERT_EQ(symlink("/dev/zero", (dir.path() + "/srce.txt").c_str()), 0);
    {
        Process p(program("srce"), {}, dir.path());
        p.write("");
        expectRefused(p, "srce: srce.txt:1: " + tooLong);
        EXPECT_LT(p.peakKb(), PEAK_KB);
    }
    // Kalvera opens a trial OpenGL context before its first question: what
    // that takes is measured on its own, and reading may add little to it.
    long checkKb = 0;
    {
        Process p(program("Kalvera"), {}, dir.path());
        p.write("");
        ASSERT_EQ(p.wait(15000), 1);
        checkKb = p.peakKb();
    }
    {
        Process p(program("Kalvera"), {}, dir.path());
        p.write("f\n/dev/zero\n");
        expectRefused(p, "Kalvera: /dev/zero:1: " + tooLong, std::nullopt);
        EXPECT_LT(p.peakKb(), checkKb + PEAK_KB);
    }
    {
        // Every NUL is a wrong answer to the question.
        Process p(program("Kalvera"), {}, dir.path(), "/dev/zero");
        expectRefused(p, "Kalvera: 1000 pogresnih odgovora zaredom", std::nullopt);
        EXPECT_LT(p.peakKb(), checkKb + PEAK_KB);
    }
}

TEST_F(ProgramTest, ADirectoryAndAFailedReadAreNamedAsSuch) {
    TempDir dir;
    ASSERT_EQ(mkdir((dir.path() + "/srce.txt").c_str(), 0755), 0);
    {
        Process p(program("srce"), {}, dir.path());
        p.write("");
        expectRefused(p, "srce: srce.txt: fajl ne moze da se otvori (Is a directory)");
    }
    {
        // A directory as standard input: the read fails, and says so, which
        // only an unsynchronised std::cin can tell from the end.
        Process p(program("Kalvera"), {}, dir.path(), "/");
        expectRefused(p, "Kalvera: standardni ulaz ne moze da se procita (Is a directory)",
                      std::nullopt);
    }
    // strace is no sanitized program: the sanitizer build's preloads stay out.
    if (std::system("env -u LD_PRELOAD strace -o /dev/null -e trace=none -e "
                    "inject=read:error=EIO:when=60000 "
                    "true >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "strace is missing or cannot inject faults here (ptrace not allowed?)";
    }
    // The file's second read fails.  The first fills the 8 KiB buffer, so the
    // failure falls inside 12345, which once was read as 12.
    TempDir eio;
    std::string text = "99\n";
    while (text.size() + 4 <= 8189) text += "1 1\n";
    text += std::string(8189 - text.size(), ' ');
    const long line = std::count(text.begin(), text.end(), '\n') + 1;
    text += "12345 1\n";
    eio.write("srce.txt", text);
    Process p("/usr/bin/env",
              {"-u", "LD_PRELOAD", "strace", "-f", "-qq", "-o", "/dev/null", "-P", "srce.txt", "-e",
               "trace=read", "-e", "inject=read:error=EIO:when=2", program("srce")},
              eio.path());
    p.write("");
    EXPECT_EQ(p.wait(15000), 1);
    EXPECT_NE(p.err().find("srce: srce.txt:" + std::to_string(line) +
                           ": fajl ne moze da se procita (Input/output error)\n"),
              std::string::npos)
        << p.err();
    EXPECT_EQ(x.count(TITLE), 0);
}
