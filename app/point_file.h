// The point file: a count and coordinate pairs read through the scanner,
// each checked, with a message naming the file, the line and the value that
// is refused.  It works on streams, so that it can be tested without a
// terminal or a window.
#pragma once

#include <iosfwd>
#include <string>

#include "app/checks.h"
#include "app/result.h"

namespace geometrija {

// Reads a point file: a count 0..99, then coordinate pairs up to the end of
// the input.  Pairs past the 99th are checked but not stored.  Gives the
// count, with the first min(pairs, 99) pairs in a[]; or the refusal,
// "FILE:LINE: WHAT", naming the offending value, with a[] partly written.
// `fileName` appears escaped and cut as input text does.
Result<int> readPointFile(std::istream& in, const std::string& fileName, Par* a);

// Opens the named file and reads it as above.  A file that cannot be opened,
// or that is a directory, gives "FILE: WHAT (system reason)".
Result<int> loadPointFile(const std::string& fileName, Par* a);

}  // namespace geometrija
