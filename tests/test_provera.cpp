// geometrija-provera as a teacher runs it, over all the test vectors: the
// library's own skeleton agrees everywhere; a student's program wrong in one
// known rounding step is caught and that step named; one that hangs,
// crashes, writes garbage or cannot start gets a clear line.  Then the
// faults, each against small vectors written here and students that print
// fixed answers, every expected text written out: the vectors' bounds, the
// answers that must not pass, the floats no float has, raw bytes, floods.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "provera/float_word.h"
#include "provera/grading.h"
#include "provera/variants.h"
#include "support/process.h"
#include "support/temp_dir.h"
#include "support/vectors.h"

using namespace geometrija::provera;
using support::Process;

namespace {}  // namespace

TEST(Provera, TellsRightFromWrongAndNamesTheStep) {
    const std::string all = std::to_string(support::caseCount(VECTORS));
    struct Row {
        std::vector<std::string> args;  // the checker's
        int status;
        std::string says;
        bool onError = false;  // said on standard error, not standard output
    };
    const std::string v = VECTORS;
    std::vector<Row> rows = {
        {{v, ANSWERER, "tacno"}, 0, "slaze se: " + all + " od " + all + " slucajeva"},
        {{"--vreme", "2", v, ANSWERER, "visi"}, 1, "program nije zavrsio za 2 s i zaustavljen je"},
        {{v, ANSWERER, "pada"}, 1, "program je zavrsen sa signal 6"},
        {{v, ANSWERER, "smece"}, 1, "dobijeno:        '#!?': nije broj: #!?"},
        {{v, "/nema/takvog"}, 2, "/nema/takvog: program ne moze da se pokrene (No such file", true},
    };
#ifdef SKELETON
    rows.push_back({{v, SKELETON}, 0, "slaze se: " + all + " od " + all + " slucajeva"});
#endif
    for (const Variant wrong : WRONG_VARIANTS) {
        rows.push_back({{v, ANSWERER, variantName(wrong)},
                        1,
                        std::string("razlika): ") + variantStory(wrong) + "\n"});
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.back());
        Process p(PROVERA, row.args, ".");
        p.write("");
        EXPECT_EQ(p.wait(30000), row.status);
        const std::string said = row.onError ? p.err() : p.out();
        EXPECT_NE(said.find(row.says), std::string::npos) << said;
    }
}

namespace {

std::uint32_t bitsOf(float f) {
    std::uint32_t u = 0;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

std::string repeated(const std::string& text, int n) {
    std::string all;
    for (int i = 0; i < n; ++i) {
        all += text;
    }
    return all;
}

}  // namespace

// Each word with what it names: a float exactly (its bits), a number no
// float has (the nearest float's bits), or no number.
TEST(ProveraFloatWord, TakesOnlyWordsThatNameOneFloat) {
    const auto F = WordKind::Float;
    const auto N = WordKind::NotFloat;
    const auto X = WordKind::NotNumber;
    struct Row {
        const char* word;
        WordKind kind;
        std::uint32_t bits;
    };
    const Row rows[] = {
        {"0x1.4p+2", F, 0x40a00000},
        {"5", F, 0x40a00000},
        {"+5.000", F, 0x40a00000},
        {"0x1.4p+2abc", X, 0},
        {"5x", X, 0},
        {"1.5e", X, 0},
        {"0x", X, 0},
        {"0x1p", X, 0},
        {"--1", X, 0},
        {"1e5.5", X, 0},
        {".", X, 0},
        {"0.1", F, 0x3dcccccd},                            // shortest form of 0.1f
        {"0.100000001", F, 0x3dcccccd},                    // %.9g of it
        {"0.100000001490116119384765625", F, 0x3dcccccd},  // its exact value
        {"0.10000000149011612", N, 0x3dcccccd},            // 17 digits, not its value
        {"0.30000000000000004", N, 0x3e99999a},            // a double's sum
        {"5.000000000000001", N, 0x40a00000},
        {"0.3000000119", N, 0x3e99999a},  // 10 digits: more than a float's
        {"16777217", F, 0x4b800000},      // a tie, to the even one
        {"16777219", F, 0x4b800002},
        {"340282346638528859811704183484516925440", F, 0x7f7fffff},
        {"3.40282347e+38", F, 0x7f7fffff},
        {"3.4028236e38", N, 0x7f800000},  // past the largest float's half step
        {"1e39", N, 0x7f800000},
        {"-1e39", N, 0xff800000},
        {"0x1p+200", N, 0x7f800000},
        {"0x1p+127", F, 0x7f000000},
        {"0x1.fffffep+127", F, 0x7f7fffff},
        {"0x1.000002p+0", F, 0x3f800001},
        {"0x1.000001p+0", N, 0x3f800000},  // 25 bits
        {"0x0.8p-148", F, 0x00000001},
        {"0x1p-150", N, 0x00000000},  // half the smallest: to zero
        {"0x1.8p-149", N, 0x00000002},
        {"1e-45", F, 0x00000001},
        {"1e-46", N, 0x00000000},
        {"-0", F, 0x80000000},
        {"0e999999999999", F, 0x00000000},
        {"inf", F, 0x7f800000},
        {"-INF", F, 0xff800000},
        {"+Infinity", F, 0x7f800000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.word);
        const FloatWord w = readFloatWord(row.word);
        EXPECT_EQ(w.kind, row.kind);
        if (row.kind != WordKind::NotNumber) {
            EXPECT_EQ(bitsOf(w.value), row.bits);
        }
    }
    for (const char* nan : {"nan", "-nan", "NaN"}) {
        const FloatWord w = readFloatWord(nan);
        EXPECT_EQ(w.kind, WordKind::Float) << nan;
        EXPECT_TRUE(std::isnan(w.value)) << nan;
    }
}

// A cause is named only for a clear majority that no other cause matches.
TEST(ProveraLikeliest, NamesACauseOnlyForAClearMajority) {
    const Variant a = WRONG_VARIANTS[0];
    const Variant b = WRONG_VARIANTS[1];
    struct Row {
        int wrong, byA, byB, notFloat;
        Likeliest::Kind kind;
        int named;            // how many causes come back
        int againstA = 0;     // right answers that cause a would have changed
        bool namesA = false;  // and the one named is a
    };
    const Row rows[] = {
        {10, 6, 0, 0, Likeliest::Kind::Named, 1, 0, true},
        {10, 5, 0, 0, Likeliest::Kind::None, 0},  // half is no majority
        {2648, 3, 0, 0, Likeliest::Kind::None, 0},
        {10, 6, 6, 0, Likeliest::Kind::Tied, 2},
        {10, 7, 6, 0, Likeliest::Kind::Named, 1, 0, true},
        {10, 2, 0, 9, Likeliest::Kind::Named, 1},
        {10, 0, 0, 0, Likeliest::Kind::None, 0},
        // Both explain all ten, but a would have changed 300 right answers.
        {10, 10, 10, 0, Likeliest::Kind::Named, 1, 300},
        {10, 10, 9, 0, Likeliest::Kind::Named, 1, 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.byA) + " " + std::to_string(row.byB) + " " +
                     std::to_string(row.notFloat) + " of " + std::to_string(row.wrong));
        Grade g;
        g.wrong = row.wrong;
        g.notFloat = row.notFloat;
        if (row.byA > 0) g.explained[a] = row.byA;
        if (row.byB > 0) g.explained[b] = row.byB;
        g.contradicted[a] = row.againstA;
        const Likeliest l = likeliest(g);
        EXPECT_EQ(l.kind, row.kind);
        EXPECT_EQ(static_cast<int>(l.causes.size()), row.named);
        if (l.kind == Likeliest::Kind::Named) {
            EXPECT_EQ(l.causes[0].variant == a, row.namesA);
        }
    }
    Grade g;
    g.wrong = 4;
    g.notFloat = 3;
    EXPECT_STREQ(causeName(likeliest(g).causes.at(0)), "nije-float");
}

// The checker against small vectors and students that print fixed answers.
TEST(Provera, RefusesWhatItMustAndTakesNothingWrongForRight) {
    const support::TempDir dir;
    // Named as the checker, run in the folder, sees them.
    const auto file = [&dir](const std::string& name, const std::string& text) {
        dir.write(name, text);
        return name;
    };
    const std::string far = repeated(" 0x1.2p+3 0x1.2p+3", 99);
    const std::string triangle = "hasPointInCircumcircle 0x0p+0 0x0p+0 0x1p+2 0x0p+0 0x0p+0 0x1p+2";
    const std::string five = file("five.txt",
                                  "# one\n# two\n# three\n# four\n"
                                  "distance 0x0p+0 0x0p+0 0x1.8p+1 0x1p+2 = 0x1.4p+2\n");
    const std::string third =
        file("third.txt", "distance 0x0p+0 0x0p+0 0x1.333334p-2 0x0p+0 = 0x1.333334p-2\r\n");
    const std::string point = file(
        "point.txt", triangle + " 1 0x1.2p+3 0x1.2p+3 = 0 0x1.2p+3 0x1.2p+3\n" +
                         "addBisector 0x0p+0 0x0p+0 0x1p+1 0x0p+0 = 0x1p+0 0x0p+0 0x0p+0 0x1p+1\n");
    struct Row {
        const char* what;
        std::string vectors;
        std::string prints;  // the student's output, as printf's format
        int status;
        std::string says;
        bool onError = false;
    };
    const std::vector<Row> rows = {
        {"99 points", file("99.txt", triangle + " 99" + far + " = 0" + far + "\n"),
         "0" + far + "\\n", 0, "slaze se: 1 od 1 slucajeva"},
        {"100 points", file("100.txt", triangle + " 100" + far + " 1 2 = 0" + far + " 1 2\n"), "",
         2, "100.txt:1: broj tacaka nije ceo broj od 0 do 99: 100", true},
        {"no count", file("count.txt", triangle + " = 0\n"), "0\\n", 2,
         "count.txt:1: hasPointInCircumcircle ima 7 ulaza, a ne 6", true},
        {"answer on its line", five, "0x1.4p+2\\n", 0,
         "distance                 1 od 1\nslaze se: 1 od 1 slucajeva\n"},
        {"number and garbage", five, "0x1.4p+2abc\\n", 1,
         "dobijeno:        '0x1.4p+2abc': nije broj: 0x1.4p+2abc\n"},
        {"nan for a number", five, "nan\\n", 1, "dobijeno:        nan\n"},
        {"ended with status 3", five, "0x1.4p+2\\n'; exit 3; '", 1,
         "program je zavrsen sa status 3"},
        {"points left out", point, "0\\n0x1p+0 0x0p+0 0x0p+0 0x1p+1\\n", 1,
         "'0': odgovor ima 0 brojeva posle koda, a treba 2\n"},
        {"points and a line", point, "0 9 9\\r\\n1 0 0 2\\r\\n", 0, "slaze se: 2 od 2 slucajeva"},
        {"escapes", five, "\\033[2J\\033]0;naslov\\007\\377\\376\\n", 1,
         "'\\x1b[2J\\x1b]0;naslov\\x07\\xff\\xfe': nije broj: "
         "\\x1b[2J\\x1b]0;naslov\\x07\\xff\\xfe"},
        {"a double's sum", third, "0.30000000000000004\\n", 1,
         "odgovor nije float: 0.30000000000000004 (najblizi float: 0.300000012 = 0x1.333334p-2)"},
        {"a double's 17 digits", third, "0.30000000000000004 \\n", 1,
         "najverovatniji uzrok (objasnjava 1 od 1 razlika): nedostaje poslednje zaokruzivanje na "
         "float: rezultat je izracunat u double i ispisan bez zaokruzivanja\n"},
        {"a float as a double", third, "0.30000001192092896\\n", 1,
         "odgovor nije float: 0.30000001192092896 (to je float 0.300000012 = 0x1.333334p-2 "
         "ispisan kao double)"},
        {"9 digits", third, "0.300000012\\n", 0, "slaze se: 1 od 1 slucajeva"},
        {"past the range", five, "1e39\\n", 1, "odgovor nije float: 1e39 (van opsega floata)"},
        {"past the range in hex", five, "0x1p+200\\n", 1,
         "odgovor nije float: 0x1p+200 (van opsega floata)"},
        {"no such file", "nema.txt", "", 2, "nema.txt: fajl ne moze da se otvori", true},
        {"a folder", ".", "", 2, ".: fajl ne moze da se procita", true},
        {"endless vectors", "/dev/zero", "", 2, "/dev/zero:1: red je duzi od 65536 bajtova", true},
        {"empty vectors", file("empty.txt", "# nothing\n"), "", 2,
         "empty.txt: nema nijednog slucaja", true},
        {"an escape in the vectors", file("esc.txt", "dis\033[2Jtance 0 0 = 0\n"), "", 2,
         "esc.txt:1: nepoznata operacija: dis\\x1b[2Jtance", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Process p(PROVERA, {row.vectors, "sh", "-c", "cat >/dev/null; printf '" + row.prints + "'"},
                  dir.path());
        p.write("");
        EXPECT_EQ(p.wait(30000), row.status);
        const std::string said = row.onError ? p.err() : p.out();
        EXPECT_NE(said.find(row.says), std::string::npos) << said;
        EXPECT_EQ((p.out() + p.err()).find('\033'), std::string::npos);
        EXPECT_EQ(row.onError ? p.out() : p.err(), "");
    }
}

#ifndef ADDRESS_LIMIT_KB
#define ADDRESS_LIMIT_KB 600000
#endif

// A flood and an endless line, with the checker's address space bounded:
// each ends with its line, and --sazetak gives one line a script reads.
TEST(Provera, StaysBoundedAndSumsUpInOneLine) {
    const support::TempDir dir;
    const std::string five =
        dir.write("five.txt", "distance 0x0p+0 0x0p+0 0x1.8p+1 0x1p+2 = 0x1.4p+2\n");
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string says;
    };
    const std::string answer = "cat >/dev/null; printf '0x1.4p+2\\n'";
    const std::vector<Row> rows = {
        {{five, "sh", "-c", "exec yes ''"},
         1,
         "program je napisao vise od 64 MB i zaustavljen je\n"},
        {{five, "sh", "-c", "exec tr '\\0' 7 </dev/zero 2>/dev/null"},
         1,
         "'7777777777777777777777777777777777777777...': red odgovora je duzi od 65536 bajtova\n"},
        {{five, "sh", "-c", "head -c 1000000 /dev/zero | tr '\\0' '\\n'"},
         1,
         "program je dao 1000000 odgovora, a slucajeva je 1\n"},
        {{"--sazetak", five, "sh", "-c", answer},
         0,
         "sh -c cat >/dev/null; printf '0x1.4p+2\\x5cn'\t1\t1\ttacno\t-\n"},
        {{"--sazetak", five, "sh", "-c", "printf '5.000000000000001\\t\\n'"},
         1,
         "sh -c printf '5.000000000000001\\x5ct\\x5cn'\t0\t1\trazlike\tnije-float\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.back());
        const int limit = ADDRESS_LIMIT_KB;
        const std::string bound = limit > 0 ? "ulimit -v " + std::to_string(limit) + "; " : "";
        std::vector<std::string> args = {"-c", bound + "exec \"$0\" \"$@\"", PROVERA};
        args.insert(args.end(), row.args.begin(), row.args.end());
        Process p("/bin/sh", args, ".");
        p.write("");
        EXPECT_EQ(p.wait(60000), row.status);
        if (row.args[0] == "--sazetak") {
            EXPECT_EQ(p.out(), row.says);
        } else {
            EXPECT_NE(p.out().find(row.says), std::string::npos) << p.out();
        }
        EXPECT_EQ(p.err(), "");
    }
}
