// A Windows console's Unicode text as the programs read and write it: reads
// in pieces, surrogate pairs cut between them, Ctrl+Z and Enter, UTF-8 cut
// between writes; and, on Windows, why the code page no longer matters.
#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/console_text.h"
#include "app/platform.h"
#include "support/input_readers.h"
#include "support/temp_dir.h"

#ifdef _WIN32
#include <windows.h>
#endif

using namespace geometrija;
using namespace support;

namespace {

// "C:\Users\Ana\Vežbe\tačke.txt" as a console holds it, and in UTF-8.
const std::u16string TYPED_NAME = u"C:\\Users\\Ana\\Ve\u017Ebe\\ta\u010Dke.txt";
const std::string NAME_UTF8 =
    "C:\\Users\\Ana\\Ve\xc5\xbe"
    "be\\ta\xc4\x8d"
    "ke.txt";

struct Reading {
    std::string utf8;
    int endedAt = -1;  // the read that ended the input, or -1
};

Reading readAll(const std::vector<std::u16string>& reads) {
    ConsoleReader reader;
    Reading r;
    for (std::size_t i = 0; i < reads.size(); ++i) {
        if (!reader.take(reads[i], r.utf8)) {
            r.endedAt = static_cast<int>(i);
            break;
        }
    }
    return r;
}

}  // namespace

TEST(ConsoleText, ReadsBecomeUtf8AndCtrlZStartingALineEndsTheInput) {
    struct Case {
        const char* what;
        std::vector<std::u16string> reads;
        std::string utf8;
        int endedAt;
    };
    const Case cases[] = {
        {"a typed name", {TYPED_NAME + u"\r\n"}, NAME_UTF8 + "\r\n", -1},
        {"a line in two reads",
         {u"Ve", u"\u017Ebe\r\n"},
         "Ve\xc5\xbe"
         "be\r\n",
         -1},
        {"a pair cut between reads", {u"x\xD83D", u"\xDE00\r\n"}, "x\xf0\x9f\x98\x80\r\n", -1},
        {"a lone high surrogate", {u"\xD83Dz"}, "\xef\xbf\xbdz", -1},
        {"a lone low surrogate", {u"\xDE00"}, "\xef\xbf\xbd", -1},
        {"Ctrl+Z and Enter", {u"\x1A\r\n"}, "", 0},
        {"Ctrl+Z and Enter after a line", {u"f\r\n", u"\x1Arest\r\n"}, "f\r\n", 1},
        {"Ctrl+Z on a line's first read only", {u"f\r\n\x1A\r\n"}, "f\r\n", 0},
        {"Ctrl+Z inside a line is a character", {u"a\x1A b\r\n"}, "a\x1A b\r\n", -1},
        {"Ctrl+Z where a long line goes on", {u"abc", u"\x1A\r\n"}, "abc\x1A\r\n", -1},
    };
    for (const Case& c : cases) {
        const Reading r = readAll(c.reads);
        EXPECT_EQ(r.utf8, c.utf8) << c.what;
        EXPECT_EQ(r.endedAt, c.endedAt) << c.what;
    }
}

TEST(ConsoleText, TheDialogueTakesATypedNameWithItsLetters) {
    const Reading r = readAll({u"f\r\n", u"  \"" + TYPED_NAME + u"\"\r\n"});
    const Talk t = talk(r.utf8);
    ASSERT_EQ(t.result, DialogueEnd::FileNamed);
    EXPECT_EQ(t.fileName, NAME_UTF8);
    // Ctrl+Z and Enter at a coordinate end the input.
    EXPECT_EQ(talk(readAll({u"u\r\n", u"1\r\n", u"\x1A\r\n"}).utf8).error,
              "neocekivan kraj standardnog ulaza");
}

TEST(ConsoleText, WritesCutAnywhereComeOutWhole) {
    const std::string text = "Kalvera: ta\xc4\x8dke.txt \xe2\x82\xac \xf0\x9f\x98\x80";
    const std::u16string whole = u"Kalvera: ta\u010Dke.txt \u20AC \xD83D\xDE00";
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        ConsoleWriter writer;
        std::u16string out = writer.take(text.data(), cut);
        out += writer.take(text.data() + cut, text.size() - cut);
        EXPECT_EQ(out, whole) << "cut at " << cut;
    }
    // A byte that starts no character, or one whose rest never comes.
    const std::vector<std::pair<std::vector<std::string>, std::u16string>> bad = {
        {{"\xff"}, u"\xFFFD"},
        {{"\xc4", "x"}, u"\xFFFDx"},
        {{"\xe2\x82x"}, u"\xFFFD\xFFFDx"},
        {{"\xc0\xaf"}, u"\xFFFD\xFFFD"},
    };
    for (const auto& b : bad) {
        ConsoleWriter writer = ConsoleWriter();
        std::u16string out;
        for (const std::string& piece : b.first) {
            out += writer.take(piece.data(), piece.size());
        }
        EXPECT_EQ(out, b.second) << b.first[0];
    }
}

#ifdef _WIN32

namespace {

std::string utf8(const std::wstring& w) {
    char bytes[256];
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), bytes,
                                      sizeof bytes, nullptr, nullptr);
    return std::string(bytes, static_cast<std::size_t>(n));
}

}  // namespace

// A name typed at consoles set to the code pages of an English, a Central
// European and a UTF-8 Windows.  Read as bytes in the code page (as before),
// the name keeps its letters only where the code page has them, 437 and 1252
// make "tacke-z.txt" of it; read as Unicode it opens its file in every one.
TEST(ConsoleText, EveryCodePageGivesTheLettersAsTyped) {
    const TempDir dir;
    const std::u16string file = u"ta\u010Dke-\u017E.txt";
    const std::wstring typed(file.begin(), file.end());
    std::ofstream(std::filesystem::path(dir.path()) / typed) << "1\n1 1\n";
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    struct Page {
        unsigned codePage;
        bool bytesKeepLetters;
    };
    const Page pages[] = {{437, false}, {852, true}, {1250, true}, {1252, false}, {65001, true}};
    for (const Page& p : pages) {
        char bytes[64];
        const int n =
            WideCharToMultiByte(p.codePage, 0, typed.data(), static_cast<int>(typed.size()), bytes,
                                sizeof bytes, nullptr, nullptr);
        wchar_t back[64];
        const int m = MultiByteToWideChar(p.codePage, 0, bytes, n, back, 64);
        const Read asBytes = loadFile(utf8(std::wstring(back, static_cast<std::size_t>(m))));
        EXPECT_EQ(asBytes.ok, p.bytesKeepLetters) << p.codePage << ": " << asBytes.error;
    }
    const Talk t = talk(readAll({u"f\r\n", file + u"\r\n"}).utf8);
    const Read asUnicode = loadFile(t.fileName);
    std::filesystem::current_path(before);
    EXPECT_TRUE(asUnicode.ok) << asUnicode.error;
}

#endif
