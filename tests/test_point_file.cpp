// The point-file reader: layouts, numbers as scanf reads them, every refusal
// with its line, names, and the marks that editors leave.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/checks.h"
#include "app/files.h"
#include "app/point_file.h"
#include "support/bits.h"
#include "support/input_readers.h"
#include "support/temp_dir.h"
#include "text/messages.h"

using namespace geometrija;
using namespace support;

TEST(PointFile, AnyLayoutOfWhiteSpaceReadsTheSame) {
    const std::vector<std::string> layouts = {
        "3\n0 0\n4 0\n0 3\n",
        "3 0 0 4 0 0 3",
        "3\n0\n0\n4\n0\n0\n3\n",
        "  3\r\n\t0   0 4\f0\v0 3\n\n",
    };
    for (const std::string& text : layouts) {
        const Read r = readText(text);
        ASSERT_TRUE(r.ok) << text << r.error;
        ASSERT_EQ(r.n, 3);
        EXPECT_EQ(r.pairs[1].x, 4);
        EXPECT_EQ(r.pairs[2].y, 3);
    }
}

TEST(PointFile, NumbersAsScanfReadsThem) {
    const Read r = readText("+2\n1e1 -2.5E-1\n.5 0x1p3\n");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.n, 2);
    EXPECT_EQ(r.pairs[0].x, 10);
    EXPECT_EQ(r.pairs[0].y, -0.25f);
    EXPECT_EQ(r.pairs[1].x, 0.5f);
    EXPECT_EQ(r.pairs[1].y, 8);
    EXPECT_EQ(readText("1\n0.1 0").pairs[0].x, 0.1f);
    // A library caller's count checked right after an overflowing
    // coordinate: the range error of the one is not the other's.
    EXPECT_FALSE(checkCoordinate("1e999").ok());
    const Result<int> count = checkCount("3");
    ASSERT_TRUE(count.ok()) << count.error;
    EXPECT_EQ(*count.value, 3);
}

// Plain decimals are read without strtof: each must come out as strtof
// reads it, to the bit, at the edges of that shortcut (2^24, ten decimals,
// zeros after the point, halfway cases, -0) and over seeded random words.
TEST(PointFile, EveryDecimalReadsAsStrtofReadsIt) {
    std::vector<std::string> words = {
        "0",
        "-0",
        "+0",
        "-0.000",
        ".5",
        "7.",
        "-.25",
        "16777216",
        "16777217",
        "16777218",
        "1677721.7",
        "0.1",
        "0.3",
        "-123.456",
        "3.4028235",
        "1.0000001",
        "0.0000000001",
        "0.00000000001",
        "1.5000000000000",
        "0.1000000001",
        "9999999.9",
        "0.16777217",
        "00000000000012.5",
        "33554431",
        "2.00000011920928955078125",
        "8388608.5",
    };
    std::mt19937 random(20261209);
    const auto digits = [&](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) {
            s += static_cast<char>('0' + random() % 10);
        }
        return s;
    };
    for (int i = 0; i < 200000; ++i) {
        const int whole = static_cast<int>(random() % 9);
        const int fraction = static_cast<int>(random() % 12);
        std::string word = (random() % 2 ? "-" : "") + digits(whole);
        if (fraction > 0 || whole == 0) {
            word += "." + digits(fraction + (whole == 0 ? 1 : 0));
        }
        words.push_back(word);
    }
    for (const std::string& word : words) {
        const Result<float> read = checkCoordinate(word);
        ASSERT_TRUE(read.ok()) << word;
        EXPECT_TRUE(sameBits(*read.value, std::strtof(word.c_str(), nullptr))) << word;
    }
}

TEST(PointFile, ExtraPairsAreReadButNotUsedAndZeroIsEmpty) {
    Read r = readText("3\n1 1\n2 2\n3 3\n4 4\n");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.n, 3);

    r = readText("0\n");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.n, 0);

    // 150 pairs with a count of 99: the ones past the 99th are checked only.
    std::string text = "99\n";
    for (int i = 0; i < 150; ++i) {
        text += std::to_string(i) + " 1\n";
    }
    r = readText(text);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.n, 99);
    EXPECT_EQ(r.pairs[98].x, 98);

    r = readText(text + "x 1\n");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "t.txt:152: koordinata nije broj: 'x'");
}

// Each refused file and its one line: a new message is one more row.
class RefusedFile : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(RefusedFile, IsNamedWithItsLineAndValue) {
    const Read r = readText(GetParam().first);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    PointFile, RefusedFile,
    ::testing::ValuesIn(std::vector<std::pair<std::string, std::string>>{
        {"", "t.txt:1: nedostaje broj tacaka"},
        {"\n\n  \n", "t.txt:1: nedostaje broj tacaka"},
        {"abc\n1 2\n", "t.txt:1: broj tacaka nije ceo broj: 'abc'"},
        {"\n3.5\n1 2\n", "t.txt:2: broj tacaka nije ceo broj: '3.5'"},
        {"-1\n", "t.txt:1: broj tacaka ne moze biti negativan: '-1'"},
        {"100\n", "t.txt:1: broj tacaka je veci od 99: '100'"},
        {"99999999999999999999\n", "t.txt:1: broj tacaka je veci od 99: '99999999999999999999'"},
        // Decimal only, as "%d" reads it: no octal, no hexadecimal.
        {"012\n", "t.txt:1: fajl ima 0 parova koordinata, a broj tacaka je 12"},
        {"0x2\n1 2\n3 4\n", "t.txt:1: broj tacaka nije ceo broj: '0x2'"},
        {"2\n1 2\n3 y\n", "t.txt:3: koordinata nije broj: 'y'"},
        {"1\n1.5abc 2\n", "t.txt:2: koordinata nije broj: '1.5abc'"},
        {"1\n1 nan\n", "t.txt:2: koordinata nije konacan broj: 'nan'"},
        {"1\n-inf 1\n", "t.txt:2: koordinata nije konacan broj: '-inf'"},
        {"1\n1e39 1\n", "t.txt:2: koordinata nije konacan broj: '1e39'"},
        {"1\n1 2\x01\n", "t.txt:2: koordinata nije broj: '2\\x01'"},
        // Words the plain-decimal reading must leave to strtof, which
        // refuses them: a point or a sign without a digit, a second point.
        {"1\n. 1\n", "t.txt:2: koordinata nije broj: '.'"},
        {"1\n1 -\n", "t.txt:2: koordinata nije broj: '-'"},
        {"1\n+. 1\n", "t.txt:2: koordinata nije broj: '+.'"},
        {"1\n1.2.3 1\n", "t.txt:2: koordinata nije broj: '1.2.3'"},
        {"1\n1 -..5\n", "t.txt:2: koordinata nije broj: '-..5'"},
        // A decimal comma is refused with a hint where a point would make
        // a number of it; not where the comma separates or trails.
        {"1\n3,5 1\n",
         "t.txt:2: koordinata nije broj: '3,5' (decimalni separator je tacka: "
         "pisite 3.5)"},
        {"1\n1 -0,25e1\n",
         "t.txt:2: koordinata nije broj: '-0,25e1' (decimalni separator je "
         "tacka: pisite -0.25e1)"},
        {"1\n3, 5\n", "t.txt:2: koordinata nije broj: '3,'"},
        {"1\n,5 1\n", "t.txt:2: koordinata nije broj: ',5'"},
        {"1\n1,2,3 1\n", "t.txt:2: koordinata nije broj: '1,2,3'"},
        {"1\n1,5x 1\n", "t.txt:2: koordinata nije broj: '1,5x'"},
        {"1\n3,5.2 1\n", "t.txt:2: koordinata nije broj: '3,5.2'"},
        {"2\n1 2\n3\n", "t.txt:3: nepotpun par koordinata: x = '3' nema y"},
        {"3\n1 2\n3 4\n", "t.txt:3: fajl ima 2 para koordinata, a broj tacaka je 3"},
        {"1\n", "t.txt:1: fajl ima 0 parova koordinata, a broj tacaka je 1"},
        // Bytes that are no UTF-8 letter are shown escaped, a letter whole.
        {"1\n1 \xc3\xc3\n", "t.txt:2: koordinata nije broj: '\\xc3\\xc3'"},
        {"1\n1 1\xc4\x8d\n", "t.txt:2: koordinata nije broj: '1\xc4\x8d'"},
        // A long token is cut in the message, which stays one line.
        {"1\n" + std::string(500, 'z') + " 1\n",
         "t.txt:2: koordinata nije broj: '" + std::string(40, 'z') + "...'"},
    }));

TEST(PointFile, AFileThatCannotBeOpenedIsNamedWithTheReason) {
    EXPECT_EQ(loadFile("/nonexistent/nema.txt").error,
              "/nonexistent/nema.txt: fajl ne moze da se otvori (No such file or directory)");

    const TempDir dir;
    const Read r = loadFile(dir.write("pairs.txt", "2 1 2 3 4"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.n, 2);
    EXPECT_EQ(r.pairs[1].y, 4);
}

// The working folder for one test, the earlier one back at its end.
class InFolder {
public:
    explicit InFolder(const std::string& folder) : earlier_(std::filesystem::current_path()) {
        std::filesystem::current_path(std::filesystem::u8path(folder));
    }
    ~InFolder() { std::filesystem::current_path(earlier_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::filesystem::path earlier_;
};

TEST(PointFile, ARelativeNameThatCannotBeOpenedSaysWhereItWasLookedFor) {
    // The folder is escaped and cut as a name is: a Serbian letter shows,
    // a long path ends in "...".
    const TempDir dir;
    const std::string folder =
        (std::filesystem::u8path(dir.path()) / std::filesystem::u8path("Ve\xc5\xbe"
                                                                       "be iz geometrije"))
            .u8string();
    std::filesystem::create_directories(std::filesystem::u8path(folder + "/pod"));
    const std::string reason = "fajl ne moze da se otvori (No such file or directory)";
    const std::string there = ", trazen u fascikli " + escaped(folder);
    const InFolder in(folder);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"nema.txt", "nema.txt: " + reason + there},
        {"pod/nema.txt", "pod/nema.txt: " + reason + there},
        {"\xc4\x8d.txt", "\xc4\x8d.txt: " + reason + there},
        // A name with its folder says all already; a directory was found.
        {folder + "/nema.txt", escaped(folder + "/nema.txt") + ": " + reason},
        {"pod", "pod: fajl ne moze da se otvori (Is a directory)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(loadFile(c.first).error, c.second);
    }
    EXPECT_EQ(escaped(folder).substr(escaped(folder).size() - 3), "...");
}

TEST(Names, RelativeWindowsNamesAreThoseWithoutDriveOrSeparatorFirst) {
    for (const char* relative :
         {"t.txt", "pod\\t.txt", "./t.txt", "..\\t.txt", "1:x", "\xc4\x8d"}) {
        EXPECT_TRUE(isRelativeWindowsName(relative)) << relative;
    }
    for (const char* absolute : {"C:\\t.txt", "c:/t.txt", "C:t.txt", "\\t.txt", "/t.txt",
                                 "\\\\server\\share\\t.txt", ""}) {
        EXPECT_FALSE(isRelativeWindowsName(absolute)) << absolute;
    }
}

TEST(Names, ANameIsEscapedAndCutAndANulByteIsRefused) {
    // Escape sequences never reach the terminal.  (The system's reason
    // differs between Linux and Windows; the name is what is checked.)
    const auto name = [](const std::string& message) {
        return message.substr(0, message.find(" ("));
    };
    EXPECT_EQ(name(loadFile("\033]0;x\007").error), "\\x1b]0;x\\x07: fajl ne moze da se otvori");
    EXPECT_EQ(name(loadFile(std::string(5000, 'd')).error),
              std::string(40, 'd') + "...: fajl ne moze da se otvori");
    // "ab\0zzz" would open "ab".
    const TempDir dir;
    const std::string ab = dir.write("ab", "1\n1 1\n");
    EXPECT_EQ(loadFile(ab + std::string(1, '\0') + "zzz").error,
              escaped(ab + std::string(1, '\0') + "zzz") + ": ime fajla sadrzi bajt NUL");
    // A directory is no file, on Linux (where it opens) and on Windows (where
    // opening it is refused as "Permission denied") alike.
    EXPECT_EQ(loadFile(dir.path()).error,
              escaped(dir.path()) + ": fajl ne moze da se otvori (Is a directory)");
    // The name is escaped in the line messages too.
    EXPECT_EQ(readText("q", "a\nb").error, "a\\x0ab:1: broj tacaka nije ceo broj: 'q'");
}

TEST(EditorFiles, MarksAndAFinalCtrlZAreReadAsEditorsMeanThem) {
    const std::string triangle = "3\n0 0\n4 0\n0 3\n";
    // Notepad's UTF-8 mark is skipped.
    Read r = readText("\xef\xbb\xbf" + triangle);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.n, 3);
    // A UTF-16 file, either byte order, is named as such.
    const std::string utf16 =
        "t.txt:1: fajl je sacuvan kao UTF-16; sacuvajte ga kao obican tekst (UTF-8 ili ASCII)";
    EXPECT_EQ(readText(std::string("\xff\xfe"
                                   "3\0",
                                   4))
                  .error,
              utf16);
    EXPECT_EQ(readText(std::string("\xfe\xff\0"
                                   "3",
                                   4))
                  .error,
              utf16);
    // UTF-16 saved without a mark: a digit or a space beside a zero byte.
    EXPECT_EQ(readText(std::string("3\0\n\0", 4)).error, utf16);
    EXPECT_EQ(readText(std::string("\0 \0003", 4)).error, utf16);
    // UTF-32 in either byte order, by its mark.
    const std::string utf32 =
        "t.txt:1: fajl je sacuvan kao UTF-32; sacuvajte ga kao obican tekst (UTF-8 ili ASCII)";
    EXPECT_EQ(readText(std::string("\xff\xfe\0\0003\0\0\0", 8)).error, utf32);
    EXPECT_EQ(readText(std::string("\0\0\xfe\xff\0\0\0003", 8)).error, utf32);
    EXPECT_EQ(readText(std::string("3\0", 2)).error, utf16);
    // Bytes that only start like a mark are read as they are.
    EXPECT_EQ(readText("\xef\xbb"
                       "3\n")
                  .error,
              "t.txt:1: broj tacaka nije ceo broj: '\\xef\\xbb3'");
    EXPECT_EQ(readText("\xff"
                       "3\n")
                  .error,
              "t.txt:1: broj tacaka nije ceo broj: '\\xff3'");

    // A Ctrl-Z that ends the file, glued to the last number or after line
    // ends, and with line ends after it, is the end.
    for (const std::string end : {"\x1a", "\x1a\r\n\r\n"}) {
        r = readText("1\n1 2" + end);
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.pairs[0].y, 2);
        EXPECT_TRUE(readText(triangle + end).ok);
    }
    EXPECT_EQ(readText("\x1a").error, "t.txt:1: nedostaje broj tacaka");
    EXPECT_EQ(readText("2\n1 2\n\x1a\n").error,
              "t.txt:2: fajl ima 1 par koordinata, a broj tacaka je 2");
    // Anywhere else it is a bad character.
    EXPECT_EQ(readText("1\n1 \x1a 2\n").error, "t.txt:2: koordinata nije broj: '\\x1a'");
    EXPECT_EQ(readText("1\n1 2\n\x1a\n3 4").error, "t.txt:3: koordinata nije broj: '\\x1a'");
}
