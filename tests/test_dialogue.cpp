// Kalvera's dialogue over in-memory streams: the exact prompts, wrong
// answers asked again, the end of the input, prompts that cannot be written.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include <cerrno>

#include "app/dialogue.h"
#include "app/scanner.h"
#include "support/input_readers.h"

using namespace geometrija;
using namespace support;

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
    const Talk t = talk("u\nabc 7\n100\n2\n1 zz 5\n2 nan\n3,5\n3\n4\n");
    ASSERT_EQ(t.result, DialogueEnd::Typed);
    EXPECT_EQ(t.err,
              "Kalvera: broj tacaka nije ceo broj: 'abc'\n"
              "Kalvera: broj tacaka je veci od 99: '100'\n"
              "Kalvera: koordinata nije broj: 'zz'\n"
              "Kalvera: koordinata nije konacan broj: 'nan'\n"
              "Kalvera: koordinata nije broj: '3,5' (decimalni separator je tacka: pisite 3.5)\n");
    // The rest of a refused line is dropped: 7 and 5 are never read.
    EXPECT_EQ(t.out, Q + "Unesi broj tacaka: \nUnesi broj tacaka: \nUnesi broj tacaka: \n"
                         "Unesi koordinate tacki: \nx:y:y:x:x:x:y:");
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

TEST(Dialogue, APromptThatCannotBeWrittenEndsItAndAMessageGetsItsOwnLine) {
    // A full disk, and a stream that fails without a reason: never "Success".
    const std::pair<int, std::string> failures[] = {{ENOSPC, "No space left on device"},
                                                    {0, EIO_REASON}};
    for (const auto& [reason, text] : failures) {
        for (const std::string typed : {"", "u\n", "u\n1\n"}) {
            FullBuffer full(reason);
            std::ostream out(&full);
            std::ostringstream err;
            std::istringstream in(typed);
            Par a[MAX_POINTS];
            const DialogueResult r = runDialogue(in, out, err, "Kalvera", a);
            EXPECT_EQ(r.end, DialogueEnd::Failed);
            EXPECT_EQ(r.error, "standardni izlaz ne moze da se pise (" + text + ")");
        }
    }
    // On a terminal the message after an unanswered "x:" starts a new line.
    EXPECT_EQ(talk("u\n1\n", true).out, Q + "Unesi broj tacaka: \nUnesi koordinate tacki: \nx:\n");
    EXPECT_EQ(talk("u\n1\n", false).out, Q + "Unesi broj tacaka: \nUnesi koordinate tacki: \nx:");
}
