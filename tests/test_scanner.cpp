// The scanner that the file and the dialogue share: failed reads, the word
// limit, and line numbers.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include <cstdint>
#include <sstream>

#include "app/scanner.h"
#include "support/input_readers.h"

using namespace geometrija;
using namespace support;

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
        EXPECT_EQ(t.error, "standardni ulaz ne moze da se procita (" + EIO_REASON + ")");
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

TEST(LineNumbers, LfCrLfAndALoneCrEachEndOneLine) {
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

    // A dropped line (the rest of a wrong answer's) ends at its line end.
    std::istringstream in("q 7\nx 1\ry 2\r\nz");
    Scanner s(in);
    std::string word;
    std::int64_t line = 0;
    const std::pair<std::string, std::int64_t> words[] = {{"q", 1}, {"x", 2}, {"y", 3}, {"z", 4}};
    for (const auto& w : words) {
        ASSERT_EQ(s.next(word, line), Scanner::Status::Word);
        EXPECT_EQ(word, w.first);
        EXPECT_EQ(line, w.second);
        EXPECT_TRUE(s.skipLine());
    }
}
