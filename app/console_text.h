// Text as a Windows console hands it over and takes it: UTF-16, which the
// programs read and write as UTF-8, so that a name typed with č or ž keeps
// its letters whatever the console's code page.  No console calls here:
// the conversions and the console's end-of-input rule, fed by the streams
// of app/console_streams.cpp, and tested on every system.
#pragma once

#include <cstddef>
#include <string>

namespace geometrija {

// What a console's reads give (UTF-16, in pieces of any size: a line longer
// than a read's buffer comes in several) as UTF-8 bytes.
class ConsoleReader {
public:
    // Appends one read's units to `utf8`.  A Ctrl-Z at the start of a line
    // ends the input there, as the console's own byte reads do for Ctrl+Z
    // and Enter: false, and the rest of that read is dropped.  A surrogate
    // pair cut between two reads is joined; a lone surrogate becomes U+FFFD.
    bool take(const std::u16string& units, std::string& utf8);

private:
    char16_t high_ = 0;      // a high surrogate waiting for its pair
    bool lineStart_ = true;  // the next unit starts a line
};

// The programs' UTF-8 as UTF-16 for a console, in pieces of any size: a
// character cut between two pieces is held until its rest comes.  A byte
// that is no part of a character becomes U+FFFD.
class ConsoleWriter {
public:
    std::u16string take(const char* bytes, std::size_t size);

private:
    std::string held_;  // the start of a cut character, at most 3 bytes
};

}  // namespace geometrija
