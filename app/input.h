// Point input: the point-file reader, the console dialogue of Kalvera and the
// ordering by x.  Everything here works on streams and arrays only, so that it
// can be tested without a terminal or a window.
#pragma once

#include <iosfwd>
#include <string>

namespace geometrija {

constexpr int MAX_POINTS = 99;  // capacity of the driver's arrays

// One raw coordinate pair as read.
struct Par {
    float x;
    float y;
};

// Reads a point file: a count 0..99, then coordinate pairs up to the end of
// the input.  Pairs past the 99th are checked but not stored.  On success the
// first min(pairs, 99) pairs are in a[], n is the count, and the result is
// true.  On failure the result is false and `error` holds one line,
// "FILE:LINE: WHAT", naming the offending value; a[] and n may be partly
// written.
bool readPointFile(std::istream& in, const std::string& fileName, Par* a, int& n,
                   std::string& error);

// Opens the named file and reads it as above; a file that cannot be opened
// gives "FILE: WHAT (system reason)".
bool loadPointFile(const std::string& fileName, Par* a, int& n, std::string& error);

enum class DialogueResult {
    Typed,      // the points were typed in: a[] and n are filled
    FileNamed,  // the user named a file: fileName holds it
    Failed,     // standard input ended: error holds the message
};

// The console dialogue of Kalvera.  Prompts go to `out`, flushed before every
// read; a wrong count or coordinate is reported on `err` as "PROGRAM: WHAT",
// the rest of that line is discarded and the same prompt comes again.
DialogueResult runDialogue(std::istream& in, std::ostream& out, std::ostream& err,
                           const char* program, Par* a, int& n, std::string& fileName,
                           std::string& error);

// Orders the first n pairs in place: afterwards position 0 holds a pair of
// smallest x and the rest follow in non-increasing x.
void sortByX(Par* pairs, int n);

}  // namespace geometrija
