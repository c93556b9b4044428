#include "app/point_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <istream>
#include <iterator>

#include "app/files.h"
#include "app/scanner.h"
#include "geometrija/point_file.h"
#include "geometry/float_mode.h"
#include "text/messages.h"

namespace geometrija {

namespace {

std::string at(const std::string& fileName, std::int64_t line, const std::string& what) {
    return escaped(fileName) + ":" + std::to_string(line) + ": " + what;
}

// The message for a scanner status other than a word or the end: a word
// too long, on its own line, or a failed read, where the reading stopped.
std::string failure(const std::string& fileName, Scanner::Status status, const std::string& word,
                    std::int64_t wordLine, const Scanner& scanner) {
    if (status == Scanner::Status::TooLong) {
        return at(fileName, wordLine, tooLong(word));
    }
    return at(fileName, scanner.line(), "fajl ne moze da se procita (" + scanner.readError() + ")");
}

// The file's next word.  A Ctrl-Z that ends the file, with nothing but white
// space after it, is the file's end, as Windows' text mode reads it; a word
// that holds a Ctrl-Z anywhere else is refused as any bad word is.
Scanner::Status nextInFile(Scanner& scanner, std::string& word, std::int64_t& line) {
    const Scanner::Status status = scanner.next(word, line);
    if (status != Scanner::Status::Word || word.back() != CTRL_Z) {
        return status;
    }
    std::string after;
    std::int64_t afterLine = 0;
    if (scanner.next(after, afterLine) != Scanner::Status::End) {
        return Scanner::Status::Word;  // not the end: the word, Ctrl-Z and all, is checked
    }
    word.pop_back();
    return word.empty() ? Scanner::Status::End : Scanner::Status::Word;
}

}  // namespace

Result<int> readPointFile(std::istream& in, const std::string& fileName, Par* a) {
    const auto refused = [&](std::int64_t line, const std::string& what) {
        return Result<int>::refused(at(fileName, line, what));
    };
    Scanner scanner(in, true);
    const Scanner::Mark mark = scanner.byteOrderMark();
    if (mark == Scanner::Mark::Utf16 || mark == Scanner::Mark::Utf32) {
        const std::string encoding = mark == Scanner::Mark::Utf16 ? "UTF-16" : "UTF-32";
        return refused(1, "fajl je sacuvan kao " + encoding +
                              "; sacuvajte ga kao obican tekst (UTF-8 ili ASCII)");
    }
    std::string word;
    std::int64_t line = 1;
    Scanner::Status status = nextInFile(scanner, word, line);
    if (status == Scanner::Status::End) {
        return refused(scanner.lastLine(), "nedostaje broj tacaka");
    }
    if (status != Scanner::Status::Word) {
        return Result<int>::refused(failure(fileName, status, word, line, scanner));
    }
    Result<int> count = checkCount(word);
    if (!count.ok()) {
        return refused(line, count.error);
    }
    // Coordinates are read up to the end of the file whatever the count says;
    // only the first 99 pairs are stored.
    std::int64_t coordinates = 0;
    std::int64_t halfPairLine = 0;
    float x = 0;
    std::string halfPair;
    while ((status = nextInFile(scanner, word, line)) == Scanner::Status::Word) {
        const Result<float> v = checkCoordinate(word);
        if (!v.ok()) {
            return refused(line, v.error);
        }
        const std::int64_t pair = coordinates / 2;
        if (coordinates % 2 == 0) {
            x = *v.value;
            halfPair = word;
            halfPairLine = line;
        } else if (pair < MAX_POINTS) {
            a[pair].x = x;
            a[pair].y = *v.value;
        }
        ++coordinates;
    }
    if (status != Scanner::Status::End) {
        return Result<int>::refused(failure(fileName, status, word, line, scanner));
    }
    if (coordinates % 2 != 0) {
        return refused(halfPairLine,
                       "nepotpun par koordinata: x = " + geometrija::quoted(halfPair) + " nema y");
    }
    const std::int64_t pairs = coordinates / 2;
    if (pairs < *count.value) {
        return refused(scanner.lastLine(), "fajl ima " + std::to_string(pairs) + " " +
                                               plural(pairs, "par", "para", "parova") +
                                               " koordinata, a broj tacaka je " +
                                               std::to_string(*count.value));
    }
    return count;
}

Result<int> loadPointFile(const std::string& fileName, Par* a) {
    // The system takes a name up to its first NUL byte: such a name would
    // open another file than the one named.
    if (fileName.find('\0') != std::string::npos) {
        return Result<int>::refused(escaped(fileName) + ": ime fajla sadrzi bajt NUL");
    }
    if (isDeviceName(fileName)) {
        return Result<int>::refused(escaped(fileName) +
                                    ": fajl ne moze da se otvori (ime uredjaja u Windowsu)");
    }
    std::ifstream in;
    openForReading(in, fileName);
    int reason = errno;
    // Linux opens a directory and fails at the first read; Windows refuses
    // it with "Permission denied".  Both are told as what they are.
    if (isDirectory(fileName)) {
        in.close();
        reason = EISDIR;
    }
    if (!in.is_open()) {
        std::string why =
            escaped(fileName) + ": fajl ne moze da se otvori (" + std::strerror(reason) + ")";
        // A relative name was looked for in the folder the program runs in,
        // which is not always where its user keeps files (a shortcut's
        // folder, a double-clicked program's own).
        const std::string folder =
            reason == EISDIR || !isRelativeName(fileName) ? std::string() : workingFolder();
        if (!folder.empty()) {
            why += ", trazen u fascikli " + escaped(folder);
        }
        return Result<int>::refused(why);
    }
    return readPointFile(in, fileName, a);
}

std::string readPoints(const std::string& program, const std::string& fileName, Tacka* points,
                       int* n) {
    // The coordinates are read in the toolkit's floating-point mode, so that
    // each comes out as the programs read it whatever mode the caller set.
    const detail::ExactFloatMode mode;
    Par a[MAX_POINTS];
    const Result<int> file = loadPointFile(fileName, a);
    if (!file.ok()) {
        return program + ": " + file.error;
    }
    for (int i = 0; i < *file.value; ++i) {
        points[i].x = a[i].x;
        points[i].y = a[i].y;
    }
    *n = *file.value;
    return std::string();
}

}  // namespace geometrija
