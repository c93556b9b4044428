// How input text appears in a message, and the Serbian plural.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include <cstdint>

#include "support/input_readers.h"
#include "text/messages.h"

using namespace geometrija;
using namespace support;

TEST(Messages, SerbianNumberAgreement) {
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
}

TEST(Messages, LettersShowAndWhatHidesTextIsEscaped) {
    // Letters show as themselves, a letter counting as one of the 40; so
    // does a four-byte one (U+1F600, lead byte 0xf0).
    EXPECT_EQ(escaped("\xc5\xa1\xc4\x91\xc5\xbe.txt"), "\xc5\xa1\xc4\x91\xc5\xbe.txt");
    EXPECT_EQ(escaped("x\xf0\x9f\x98\x80"), "x\xf0\x9f\x98\x80");
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
        {"C:\\x", BACKSLASH_SHOWN ? "C:\\x" : "C:\\x5cx"},
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
