// The point-file reader, the console dialogue and the ordering by x, over
// in-memory streams.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/input.h"

using namespace geometrija;

namespace {

struct Read {
    bool ok = false;
    int n = -1;
    std::vector<Par> pairs;
    std::string error;
};

Read readText(const std::string& text, const std::string& name = "t.txt") {
    Read r;
    Par a[MAX_POINTS + 1];
    for (Par& p : a) {
        p = Par{-7, -7};
    }
    std::istringstream in(text);
    r.ok = readPointFile(in, name, a, r.n, r.error);
    EXPECT_EQ(a[MAX_POINTS].x, -7) << "written past the 99 entries";
    if (r.ok) {
        r.pairs.assign(a, a + r.n);
    }
    return r;
}

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

TEST(PointFile, BadCountsAreRefusedWithTheirLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "t.txt:1: nedostaje broj tacaka"},
        {"\n\n  \n", "t.txt:3: nedostaje broj tacaka"},
        {"abc\n1 2\n", "t.txt:1: broj tacaka nije ceo broj: 'abc'"},
        {"\n3.5\n1 2\n", "t.txt:2: broj tacaka nije ceo broj: '3.5'"},
        {"-1\n", "t.txt:1: broj tacaka ne moze biti negativan: '-1'"},
        {"100\n", "t.txt:1: broj tacaka je veci od 99: '100'"},
        {"99999999999999999999\n", "t.txt:1: broj tacaka je veci od 99: '99999999999999999999'"},
    };
    for (const auto& c : cases) {
        const Read r = readText(c.first);
        EXPECT_FALSE(r.ok) << c.first;
        EXPECT_EQ(r.error, c.second);
    }
}

TEST(PointFile, BadCoordinatesAreNamedWithTheirLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"2\n1 2\n3 y\n", "t.txt:3: koordinata nije broj: 'y'"},
        {"1\n1.5abc 2\n", "t.txt:2: koordinata nije broj: '1.5abc'"},
        {"1\n1 nan\n", "t.txt:2: koordinata nije konacan broj: 'nan'"},
        {"1\n-inf 1\n", "t.txt:2: koordinata nije konacan broj: '-inf'"},
        {"1\n1e39 1\n", "t.txt:2: koordinata nije konacan broj: '1e39'"},
        {"1\n1 2\x01\n", "t.txt:2: koordinata nije broj: '2\\x01'"},
        {"2\n1 2\n3\n", "t.txt:3: nepotpun par koordinata: x = '3' nema y"},
        {"3\n1 2\n3 4\n", "t.txt:3: fajl ima 2 parova koordinata, a broj tacaka je 3"},
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
    Par a[MAX_POINTS];
    int n = 0;
    std::string error;
    EXPECT_FALSE(loadPointFile("/nonexistent/nema.txt", a, n, error));
    EXPECT_EQ(error,
              "/nonexistent/nema.txt: fajl ne moze da se otvori (No such file or directory)");

    char path[] = "/tmp/geometrija-input-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    std::ofstream(path) << "2 1 2 3 4";
    EXPECT_TRUE(loadPointFile(path, a, n, error)) << error;
    EXPECT_EQ(n, 2);
    EXPECT_EQ(a[1].y, 4);
    std::remove(path);
}

namespace {

struct Talk {
    DialogueResult result;
    std::string out, err, error, fileName;
    int n = -1;
    std::vector<Par> pairs;
};

Talk talk(const std::string& input) {
    Talk t;
    Par a[MAX_POINTS + 1];
    a[MAX_POINTS] = Par{-7, -7};
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    t.result = runDialogue(in, out, err, "Kalvera", a, t.n, t.fileName, t.error);
    EXPECT_EQ(a[MAX_POINTS].x, -7) << "written past the 99 entries";
    t.out = out.str();
    t.err = err.str();
    if (t.result == DialogueResult::Typed) {
        t.pairs.assign(a, a + t.n);
    }
    return t;
}

const std::string Q =
    "Da li koordinate tacaka zelite uneti preko standardnog ulaza ili procitati iz tekstualnog "
    "fajla? ( u / f) : \n";

}  // namespace

TEST(Dialogue, TypedPointsWithTheExactPrompts) {
    const Talk t = talk("u\n3\n0 0\n4 0\n0 3\n");
    ASSERT_EQ(t.result, DialogueResult::Typed);
    EXPECT_EQ(t.out, Q + "Unesi broj tacaka: \nUnesi koordinate tacki: \nx:y:x:y:x:y:");
    EXPECT_EQ(t.err, "");
    ASSERT_EQ(t.n, 3);
    EXPECT_EQ(t.pairs[1].x, 4);
    EXPECT_EQ(t.pairs[2].y, 3);
}

TEST(Dialogue, EveryWrongCharacterAsksAgainAndUpperCaseIsRefused) {
    Talk t = talk("x\nf data.txt\n");
    ASSERT_EQ(t.result, DialogueResult::FileNamed);
    EXPECT_EQ(t.out, Q + Q + Q + "Unesite ime fajla\n");
    EXPECT_EQ(t.fileName, "data.txt");

    t = talk("U\nF\nu 0\n");
    ASSERT_EQ(t.result, DialogueResult::Typed);
    EXPECT_EQ(t.out, Q + Q + Q + Q + Q + "Unesi broj tacaka: \nUnesi koordinate tacki: \n");
    EXPECT_EQ(t.n, 0);
}

TEST(Dialogue, AFileNameOfAnyLengthIsOneWord) {
    const std::string longName(300, 'n');
    const Talk t = talk("f\n   " + longName + " ignored\n");
    ASSERT_EQ(t.result, DialogueResult::FileNamed);
    EXPECT_EQ(t.fileName, longName);
}

TEST(Dialogue, AWrongAnswerIsReportedAndAskedAgain) {
    const Talk t = talk("u\nabc 7\n100\n2\n1 zz 5\n2 nan\n3\n4\n");
    ASSERT_EQ(t.result, DialogueResult::Typed);
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
        EXPECT_EQ(t.result, DialogueResult::Failed) << input;
        EXPECT_EQ(t.error, "neocekivan kraj standardnog ulaza") << input;
    }
}
