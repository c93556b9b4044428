// The point-file reader, the console dialogue and the ordering by x, over
// in-memory streams.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "app/dialogue.h"
#include "app/platform.h"
#include "app/point_file.h"
#include "app/scene_build.h"
#include "support/texts.h"

using namespace geometrija;

namespace {
// Windows shows the backslash of a path as itself and refuses device names.
#ifdef _WIN32
constexpr bool kBackslashShown = true;
#else
constexpr bool kBackslashShown = false;
#endif
}  // namespace

namespace {

struct Read {
    bool ok = false;
    int n = -1;
    std::vector<Par> pairs;
    std::string error;
};

// Reads from `in`, or loads the named file, into 99 entries guarded by a
// hundredth that must stay untouched.
template <class Reader>
Read readWith(Reader reader) {
    Read r;
    Par a[MAX_POINTS + 1];
    for (Par& p : a) {
        p = Par{-7, -7};
    }
    const Result<int> result = reader(a);
    EXPECT_EQ(a[MAX_POINTS].x, -7) << "written past the 99 entries";
    r.ok = result.ok();
    r.error = result.error;
    if (r.ok) {
        r.n = *result.value;
        r.pairs.assign(a, a + r.n);
    }
    return r;
}

Read readText(const std::string& text, const std::string& name = "t.txt") {
    std::istringstream in(text);
    return readWith([&](Par* a) { return readPointFile(in, name, a); });
}

Read loadFile(const std::string& name) {
    return readWith([&](Par* a) { return loadPointFile(name, a); });
}

// A file in a fresh directory under the system's temporary folder, removed
// with it.
struct TempFile {
    TempFile(const std::string& name, const std::string& content) {
        namespace fs = std::filesystem;
        static int serial = 0;
        const fs::path base = fs::temp_directory_path();
        for (;;) {
            dirPath = base / ("gi-" + std::to_string(std::rand() % 100000) + "-" +
                              std::to_string(++serial));
            if (fs::create_directory(dirPath)) {
                break;
            }
        }
        dir = dirPath.string();
        path = (dirPath / name).string();
        std::ofstream(dirPath / name, std::ios::binary) << content;
    }
    ~TempFile() {
        std::error_code ignored;
        std::filesystem::remove_all(dirPath, ignored);
    }
    std::filesystem::path dirPath;
    std::string dir, path;
};

std::vector<float> xs(const std::vector<Par>& pairs) {
    std::vector<float> v;
    for (const Par& p : pairs) {
        v.push_back(p.x);
    }
    return v;
}

}  // namespace

TEST(SortByX, SmallestFirstThenNonIncreasing) {
    Par a[] = {{5, 0}, {1, 1}, {5, 2}, {3, 3}};
    sortByX(a, 4);
    EXPECT_EQ(xs({a, a + 4}), (std::vector<float>{1, 5, 5, 3}));
    // Pairs move whole; the exact loop (j from 1 for every i) leaves the two
    // fives in this order.
    EXPECT_EQ(a[0].y, 1);
    EXPECT_EQ(a[1].y, 2);
    EXPECT_EQ(a[2].y, 0);
    EXPECT_EQ(a[3].y, 3);

    Par b[] = {{3, 0}, {1, 0}, {2, 0}, {1, 9}};
    sortByX(b, 4);
    EXPECT_EQ(xs({b, b + 4}), (std::vector<float>{1, 3, 2, 1}));
    EXPECT_EQ(b[3].y, 9);

    Par c[] = {{0, 0}, {4, 0}, {0, 3}};
    sortByX(c, 3);
    EXPECT_EQ(c[1].x, 4);
    EXPECT_EQ(c[2].y, 3);

    Par d[] = {{2, 0}, {1, 0}};
    sortByX(d, 1);  // only the first n pairs are ordered
    EXPECT_EQ(d[0].x, 2);
}

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

TEST(PointFile, BadCountsAndCoordinatesAreRefusedWithTheirLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
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
        {"2\n1 2\n3\n", "t.txt:3: nepotpun par koordinata: x = '3' nema y"},
        {"3\n1 2\n3 4\n", "t.txt:3: fajl ima 2 para koordinata, a broj tacaka je 3"},
        {"1\n", "t.txt:1: fajl ima 0 parova koordinata, a broj tacaka je 1"},
    };
    for (const auto& c : cases) {
        const Read r = readText(c.first);
        EXPECT_FALSE(r.ok) << c.first;
        EXPECT_EQ(r.error, c.second);
    }
    // A long token is cut in the message, which stays one line.
    const Read r = readText("1\n" + std::string(500, 'z') + " 1\n");
    EXPECT_EQ(r.error, "t.txt:2: koordinata nije broj: '" + std::string(40, 'z') + "...'");
}

TEST(PointFile, AFileThatCannotBeOpenedIsNamedWithTheReason) {
    EXPECT_EQ(loadFile("/nonexistent/nema.txt").error,
              "/nonexistent/nema.txt: fajl ne moze da se otvori (No such file or directory)");

    const TempFile file("pairs.txt", "2 1 2 3 4");
    const Read r = loadFile(file.path);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.n, 2);
    EXPECT_EQ(r.pairs[1].y, 4);
}

namespace {

struct Talk {
    DialogueEnd result;
    std::string out, err, error, fileName;
    int n = -1;
    std::vector<Par> pairs;
};

Talk talkOn(std::istream& in, bool terminal = false) {
    Talk t;
    Par a[MAX_POINTS + 1];
    a[MAX_POINTS] = Par{-7, -7};
    std::ostringstream out;
    std::ostringstream err;
    const DialogueResult r = runDialogue(in, out, err, "Kalvera", a, terminal);
    EXPECT_EQ(a[MAX_POINTS].x, -7) << "written past the 99 entries";
    t.result = r.end;
    t.n = r.n;
    t.fileName = r.fileName;
    t.error = r.error;
    t.out = out.str();
    t.err = err.str();
    if (t.result == DialogueEnd::Typed) {
        t.pairs.assign(a, a + t.n);
    }
    return t;
}

Talk talk(const std::string& input, bool terminal = false) {
    std::istringstream in(input);
    return talkOn(in, terminal);
}

const std::string& Q = xtest::QUESTION;

}  // namespace

TEST(Dialogue, TypedPointsWithTheExactPrompts) {
    const Talk t = talk("u\n3\n0 0\n4 0\n0 3\n");
    ASSERT_EQ(t.result, DialogueEnd::Typed);
    EXPECT_EQ(t.out, Q + "Unesi broj tacaka: \nUnesi koordinate tacki: \nx:y:x:y:x:y:");
    EXPECT_EQ(t.err, "");
    ASSERT_EQ(t.n, 3);
    EXPECT_EQ(t.pairs[1].x, 4);
    EXPECT_EQ(t.pairs[2].y, 3);
}

TEST(Dialogue, EveryWrongCharacterAsksAgainAndUpperCaseIsRefused) {
    Talk t = talk("x\nf data.txt\n");
    ASSERT_EQ(t.result, DialogueEnd::FileNamed);
    EXPECT_EQ(t.out, Q + Q + Q + "Unesite ime fajla\n");
    EXPECT_EQ(t.fileName, "data.txt");

    t = talk("U\nF\nu 0\n");
    ASSERT_EQ(t.result, DialogueEnd::Typed);
    EXPECT_EQ(t.out, Q + Q + Q + Q + Q + "Unesi broj tacaka: \nUnesi koordinate tacki: \n");
    EXPECT_EQ(t.n, 0);
}

TEST(Dialogue, AFileNameIsTheRestOfItsLineOfAtMost4096Bytes) {
    // Spaces inside a name stay; white space around it goes; blank lines
    // before it are skipped; "fajl" answers f and names "ajl".
    const std::vector<std::pair<std::string, std::string>> names = {
        {"f\n  my dir/p.txt \t\r\n7\n", "my dir/p.txt"},
        {"f data.txt\n", "data.txt"},
        {"f\n\n \r\n\r data.txt", "data.txt"},
        {"fajl\n", "ajl"},
        {"f\n" + std::string(MAX_WORD, 'n') + "\n", std::string(MAX_WORD, 'n')},
        // Unicode's spaces at the ends go too (a no-break and an em space).
        {"f\n\xc2\xa0p.txt\xe2\x80\x83\xc2\xa0\n", "p.txt"},
        {"f\n\xc2\xa0\n''\n\"\"\nx.txt\n", "x.txt"},
        // A dragged file comes quoted: one pair of matching quotes goes.
        {"f\n\"C:\\Users\\Ana\\moje tacke.txt\"\n", "C:\\Users\\Ana\\moje tacke.txt"},
        {"f '/home/ana/moje tacke.txt' \n", "/home/ana/moje tacke.txt"},
        {"f\n''x''\n", "'x'"},
        {"f\n\"x'\n", "\"x'"},
        {"f\n'\n", "'"},
    };
    for (const auto& c : names) {
        const Talk t = talk(c.first);
        ASSERT_EQ(t.result, DialogueEnd::FileNamed) << c.first;
        EXPECT_EQ(t.fileName, c.second);
    }
    const Talk t = talk("f\n" + std::string(MAX_WORD, 'n') + "n\n");
    EXPECT_EQ(t.result, DialogueEnd::Failed);
    EXPECT_EQ(t.error, "rec je duza od 4096 bajtova: '" + std::string(40, 'n') + "...'");
}

TEST(Dialogue, AWrongAnswerIsReportedAndAskedAgain) {
    const Talk t = talk("u\nabc 7\n100\n2\n1 zz 5\n2 nan\n3\n4\n");
    ASSERT_EQ(t.result, DialogueEnd::Typed);
    EXPECT_EQ(t.err,
              "Kalvera: broj tacaka nije ceo broj: 'abc'\n"
              "Kalvera: broj tacaka je veci od 99: '100'\n"
              "Kalvera: koordinata nije broj: 'zz'\n"
              "Kalvera: koordinata nije konacan broj: 'nan'\n");
    // The rest of a refused line is dropped: 7 and 5 are never read.
    EXPECT_EQ(t.out, Q + "Unesi broj tacaka: \nUnesi broj tacaka: \nUnesi broj tacaka: \n"
                         "Unesi koordinate tacki: \nx:y:y:x:x:y:");
    ASSERT_EQ(t.n, 2);
    EXPECT_EQ(t.pairs[0].x, 1);
    EXPECT_EQ(t.pairs[0].y, 2);
    EXPECT_EQ(t.pairs[1].x, 3);
    EXPECT_EQ(t.pairs[1].y, 4);
}

TEST(Dialogue, TheEndOfInputAnywhereEndsIt) {
    for (const std::string input :
         {"", "x", "U\n", "f", "f \n ", "u", "u\n", "u\n2\n1 2\n3", "u\n-1\n", "u\n1\nq\n"}) {
        const Talk t = talk(input);
        EXPECT_EQ(t.result, DialogueEnd::Failed) << input;
        EXPECT_EQ(t.error, "neocekivan kraj standardnog ulaza") << input;
    }
}

// Input that could exhaust memory or lie: words without end, failed reads,
// names that are not plain text, runaway answers, odd line ends.
namespace {

// A stream buffer that hands out `text` one byte at a time and then either
// ends, fails as a read error would (errno EIO), or, with `endless`, repeats
// `fill` for ever.  `served` counts the bytes handed out.
class TestBuffer : public std::streambuf {
public:
    // FAIL sets errno to EIO; FAIL_SILENTLY leaves it 0, as some libraries do.
    enum Then { END, FAIL, FAIL_SILENTLY, ENDLESS };
    TestBuffer(std::string text, Then then, char fill = '\0')
        : text_(std::move(text)), then_(then), fill_(fill) {}
    std::size_t served = 0;

protected:
    int_type underflow() override {
        if (served < text_.size()) {
            c_ = text_[served];
        } else if (then_ == ENDLESS) {
            c_ = fill_;
        } else if (then_ == FAIL || then_ == FAIL_SILENTLY) {
            errno = then_ == FAIL ? EIO : 0;
            throw std::ios_base::failure("read");
        } else {
            return traits_type::eof();
        }
        ++served;
        setg(&c_, &c_, &c_ + 1);
        return traits_type::to_int_type(c_);
    }

private:
    std::string text_;
    Then then_;
    char fill_;
    char c_ = 0;
};

Read readFrom(TestBuffer& buffer) {
    std::istream in(&buffer);
    return readWith([&](Par* a) { return readPointFile(in, "t.txt", a); });
}

const std::string EIO_TEXT = "fajl ne moze da se procita (Input/output error)";

}  // namespace

TEST(ReadFailure, AFailedReadAnywhereIsAnErrorWithItsLine) {
    // Cut anywhere, even after the last byte or inside 12345, the file is
    // refused: the part of a number before the failure is never taken.
    const std::string text = "2\n12345 1\n3 4";
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        TestBuffer buffer(text.substr(0, cut), TestBuffer::FAIL);
        const Read r = readFrom(buffer);
        EXPECT_FALSE(r.ok) << cut;
        const std::string line = cut < 2 ? "1" : cut < 10 ? "2" : "3";
        EXPECT_EQ(r.error, "t.txt:" + line + ": " + EIO_TEXT) << cut;
    }
    TestBuffer whole(text, TestBuffer::END);
    EXPECT_TRUE(readFrom(whole).ok);
    // A failure that leaves no reason is still a read error, never "Success".
    TestBuffer silent(text.substr(0, 4), TestBuffer::FAIL_SILENTLY);
    EXPECT_EQ(readFrom(silent).error, "t.txt:2: " + EIO_TEXT);

    // Standard input failing in the dialogue, at the question or later.
    for (const std::string typed : {"", "u\n1\n1 2"}) {
        TestBuffer buffer(typed, TestBuffer::FAIL);
        std::istream in(&buffer);
        const Talk t = talkOn(in);
        EXPECT_EQ(t.result, DialogueEnd::Failed);
        EXPECT_EQ(t.error, "standardni ulaz ne moze da se procita (Input/output error)");
    }
}

TEST(WordLimit, A4097thByteEndsTheReadingAtOnce) {
    // 4096 bytes are a word like any other; the 4097th refuses it.
    const std::string longest = std::string(MAX_WORD - 1, '0') + "7";
    Read r = readText("1\n" + longest + " 2\n");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.pairs[0].x, 7);
    r = readText("1\n0" + longest + " 2\n");
    EXPECT_EQ(r.error, "t.txt:2: rec je duza od 4096 bajtova: '" + std::string(40, '0') + "...'");

    // Endless input without white space: the file, the count and a
    // coordinate in the dialogue all stop at byte 4097 of the word.
    TestBuffer zeros("", TestBuffer::ENDLESS);
    r = readFrom(zeros);
    std::string nuls;
    for (int i = 0; i < 40; ++i) nuls += "\\x00";
    EXPECT_EQ(r.error, "t.txt:1: rec je duza od 4096 bajtova: '" + nuls + "...'");
    EXPECT_EQ(zeros.served, MAX_WORD + 1);
    for (const std::string typed : {"u\n", "u\n1\n", "f\n"}) {
        TestBuffer ones(typed, TestBuffer::ENDLESS, '1');
        std::istream in(&ones);
        const Talk t = talkOn(in);
        EXPECT_EQ(t.result, DialogueEnd::Failed) << typed;
        EXPECT_EQ(t.error, "rec je duza od 4096 bajtova: '" + std::string(40, '1') + "...'");
        EXPECT_EQ(ones.served, typed.size() + MAX_WORD + 1);
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
    TempFile ab("ab", "1\n1 1\n");
    EXPECT_EQ(loadFile(ab.path + std::string(1, '\0') + "zzz").error,
              escaped(ab.path + std::string(1, '\0') + "zzz") + ": ime fajla sadrzi bajt NUL");
    // A directory is no file, on Linux (where it opens) and on Windows (where
    // opening it is refused as "Permission denied") alike.
    EXPECT_EQ(loadFile(ab.dir).error,
              escaped(ab.dir) + ": fajl ne moze da se otvori (Is a directory)");
    // The name is escaped in the line messages too.
    EXPECT_EQ(readText("q", "a\nb").error, "a\\x0ab:1: broj tacaka nije ceo broj: 'q'");
}

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
    EXPECT_EQ(reason, kBackslashShown
                          ? "COM1: fajl ne moze da se otvori (ime uredjaja u Windowsu)"
                          : "COM1: fajl ne moze da se otvori (No such file or directory)");
}

TEST(WrongAnswers, AThousandInARowAtOnePromptEndTheDialogue) {
    const std::string stop = "1000 pogresnih odgovora zaredom";
    // At the question every character is an answer.
    Talk t = talk(std::string(999, 'x') + "u0\n");
    EXPECT_EQ(t.result, DialogueEnd::Typed);
    t = talk(std::string(1000, 'x') + "u0\n");
    EXPECT_EQ(t.result, DialogueEnd::Failed);
    EXPECT_EQ(t.error, stop);
    std::string questions;
    for (int i = 0; i < 1000; ++i) questions += Q;
    EXPECT_EQ(t.out, questions);

    // At the count and at a coordinate; a right answer starts the count anew.
    std::string wrong999;
    for (int i = 0; i < 999; ++i) wrong999 += "q\n";
    t = talk("u\n" + wrong999 + "1\n" + wrong999 + "5\n" + wrong999 + "6\n");
    ASSERT_EQ(t.result, DialogueEnd::Typed) << t.error;
    EXPECT_EQ(t.pairs[0].y, 6);
    t = talk("u\n1\n3\n" + wrong999 + "q\n4\n");
    EXPECT_EQ(t.result, DialogueEnd::Failed);
    EXPECT_EQ(t.error, stop);
}

TEST(LineNumbers, ALoneCrEndsALineAndCrLfIsOneLineEnd) {
    EXPECT_EQ(readText("2\r1 2\r3 y\r").error, "t.txt:3: koordinata nije broj: 'y'");
    EXPECT_EQ(readText("2\r\n1 2\r\n\r\n3 y").error, "t.txt:4: koordinata nije broj: 'y'");
    EXPECT_EQ(readText("3\r1 2\r3 4\r").error,
              "t.txt:3: fajl ima 2 para koordinata, a broj tacaka je 3");
    // A message about the end names the last line that holds anything.
    EXPECT_EQ(readText("\n\r\r\n\r").error, "t.txt:1: nedostaje broj tacaka");
    EXPECT_EQ(readText("4\n0 0\n4 0\n0 3\n\n\n\n").error,
              "t.txt:4: fajl ima 3 para koordinata, a broj tacaka je 4");
    EXPECT_EQ(readText("4\r\n0 0 \r\n \t\r\n\r\n").error,
              "t.txt:2: fajl ima 1 par koordinata, a broj tacaka je 4");
    // CR stays white space.
    EXPECT_TRUE(readText("1\r1\r2").ok);
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
    EXPECT_EQ(readText(std::string("\xff\xfe\0\0003\0\0\0", 8)).error,
              "t.txt:1: fajl je sacuvan kao UTF-32; sacuvajte ga kao obican tekst (UTF-8 ili "
              "ASCII)");
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

TEST(Messages, SerbianNumberAgreementAndVisibleLetters) {
    const auto pairs = [](std::int64_t n) { return plural(n, "par", "para", "parova"); };
    for (std::int64_t n : {1, 21, 31, 101, 1001}) {
        EXPECT_EQ(pairs(n), "par") << n;
    }
    for (std::int64_t n : {2, 3, 4, 22, 24, 102}) {
        EXPECT_EQ(pairs(n), "para") << n;
    }
    for (std::int64_t n : {0, 5, 10, 11, 12, 13, 14, 19, 20, 25, 111, 112}) {
        EXPECT_EQ(pairs(n), "parova") << n;
    }

    // Letters show as themselves, a letter counting as one of the 40.
    EXPECT_EQ(escaped("\xc5\xa1\xc4\x91\xc5\xbe.txt"), "\xc5\xa1\xc4\x91\xc5\xbe.txt");
    std::string c45;
    std::string c40;
    for (int i = 0; i < 45; ++i) (i < 40 ? c40 : c45) += "\xc4\x8d";
    EXPECT_EQ(escaped(c40 + c45), c40 + "...");
    // What could hide or reorder text, or is no UTF-8 at all, is escaped:
    // a cut sequence, an overlong slash, a C1 control (NEL), a surrogate, the
    // right-to-left override, a zero-width space, a byte-order mark.
    const std::vector<std::pair<std::string, std::string>> hidden = {
        {"a\xc5", "a\\xc5"},
        {"\xc0\xaf", "\\xc0\\xaf"},
        {"\xc2\x85", "\\xc2\\x85"},
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},
        {"\xe2\x80\xae", "\\xe2\\x80\\xae"},
        {"\xe2\x80\x8b", "\\xe2\\x80\\x8b"},
        {"\xef\xbb\xbf", "\\xef\\xbb\\xbf"},
        {"\x7f'", "\\x7f\\x27"},
        // Unicode's default-ignorable code points: a combining grapheme
        // joiner, Hangul fillers, a variation selector, a tag.
        {"a\xcd\x8f", "a\\xcd\\x8f"},
        {"\xe1\x85\x9f\xe3\x85\xa4", "\\xe1\\x85\\x9f\\xe3\\x85\\xa4"},
        {"\xef\xb8\x8f", "\\xef\\xb8\\x8f"},
        {"\xf3\xa0\x82\x80", "\\xf3\\xa0\\x82\\x80"},
        // Spaces that are not U+0020: no-break, em.
        {"0\xc2\xa0"
         "0",
         "0\\xc2\\xa0"
         "0"},
        {"\xe2\x80\x83", "\\xe2\\x80\\x83"},
        // The backslash separates folders on Windows and is shown there.
        {"C:\\x", kBackslashShown ? "C:\\x" : "C:\\x5cx"},
    };
    for (const auto& h : hidden) {
        EXPECT_EQ(escaped(h.first), h.second);
    }
    // A letter keeps its combining accent across the cut: e + U+0301.
    const std::string accented = "e\xcc\x81";
    EXPECT_EQ(escaped(std::string(39, 'a') + accented + "zz"),
              std::string(39, 'a') + accented + "...");
    EXPECT_EQ(escaped(std::string(40, 'a') + accented), std::string(40, 'a') + "...");
}

TEST(LineNumbers, ADroppedLineEndsWithItsLineEnd) {
    // LF, a lone CR and CR LF each end the dropped line once.
    std::istringstream in("q 7\nx 1\ry 2\r\nz");
    Scanner s(in);
    std::string word;
    std::int64_t line = 0;
    const std::pair<std::string, std::int64_t> words[] = {{"q", 1}, {"x", 2}, {"y", 3}, {"z", 4}};
    for (const auto& w : words) {
        ASSERT_EQ(s.next(word, line), Scanner::WORD);
        EXPECT_EQ(word, w.first);
        EXPECT_EQ(line, w.second);
        EXPECT_TRUE(s.skipLine());
    }
}

TEST(Dialogue, TheRestOfAWrongLineEndsAtCrOrLfAndIsBounded) {
    // Lone CR line ends, as LF and CR LF: 7 is dropped with the wrong answer.
    for (const std::string end : {"\r", "\n", "\r\n"}) {
        const Talk t = talk("u" + end + "q 7" + end + "1" + end + "2" + end + "3" + end);
        ASSERT_EQ(t.result, DialogueEnd::Typed) << t.error;
        ASSERT_EQ(t.n, 1);
        EXPECT_EQ(t.pairs[0].x, 2);
        EXPECT_EQ(t.pairs[0].y, 3);
    }
    // A dropped line past 4096 bytes counts as one more wrong answer for
    // each 4096 bytes, and still ends at its line end.
    Talk t = talk("u\nq " + std::string(5000, 'z') + "\n1\n2\n3\n");
    ASSERT_EQ(t.result, DialogueEnd::Typed) << t.error;
    EXPECT_EQ(t.pairs[0].y, 3);
    // So a line without end stops at the 1000th.
    TestBuffer endless("u\nq ", TestBuffer::ENDLESS);
    std::istream in(&endless);
    t = talkOn(in);
    EXPECT_EQ(t.error, "1000 pogresnih odgovora zaredom");
    // "u\nq", then 999 stretches of 4096 bytes (the space after q the first).
    EXPECT_EQ(endless.served, 3 + 999 * MAX_WORD);
}

namespace {

// An output that fails every write as a full disk does.
class FullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override {
        errno = ENOSPC;
        return traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize) override {
        errno = ENOSPC;
        return 0;
    }
};

}  // namespace

TEST(Dialogue, APromptThatCannotBeWrittenEndsItAndAMessageGetsItsOwnLine) {
    for (const std::string typed : {"", "u\n", "u\n1\n"}) {
        FullBuffer full;
        std::ostream out(&full);
        std::ostringstream err;
        std::istringstream in(typed);
        Par a[MAX_POINTS];
        const DialogueResult r = runDialogue(in, out, err, "Kalvera", a);
        EXPECT_EQ(r.end, DialogueEnd::Failed);
        EXPECT_EQ(r.error, "standardni izlaz ne moze da se pise (No space left on device)");
    }
    // On a terminal the message after an unanswered "x:" starts a new line.
    EXPECT_EQ(talk("u\n1\n", true).out, Q + "Unesi broj tacaka: \nUnesi koordinate tacki: \nx:\n");
    EXPECT_EQ(talk("u\n1\n", false).out, Q + "Unesi broj tacaka: \nUnesi koordinate tacki: \nx:");
}

TEST(Console, WaitsForEnterOnlyAfterAnErrorInAConsoleOfItsOwn) {
    // Double-clicked and failed: the message must stay readable.
    EXPECT_TRUE(waitsForEnter(1, true, true));
    // Success, a shared console (a Command Prompt), or input from a pipe or
    // a file: never wait.
    EXPECT_FALSE(waitsForEnter(0, true, true));
    EXPECT_FALSE(waitsForEnter(1, false, true));
    EXPECT_FALSE(waitsForEnter(1, true, false));
}
