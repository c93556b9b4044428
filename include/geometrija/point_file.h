// The programs' point file, read into one's own program: the same rules,
// bounds and messages as the four programs, the message given back to the
// caller instead of printed.
#pragma once

#include <string>

#include "primitives.h"

namespace geometrija {

// The most points a file gives: the room the programs' arrays have, and that
// of the array a reader fills.
constexpr int MAX_POINTS = 99;

// Reads the point file `fileName` as the programs read theirs: a count from
// 0 to 99, then x y pairs of numbers as scanf's "%f" reads them (a point
// before the decimals, never a comma), separated by any white space, read
// to the end of the file; pairs past the count are checked and not used.
// Accepted, it gives an empty string, sets *n to the count and points[0] to
// points[*n - 1] to the first *n pairs in the file's order (x and y only,
// the colours stay).  Refused, it gives the one line the programs write on
// standard error before they end with status 1, named by `program` as
// theirs are by their own names ("PROGRAM: FILE:LINE: WHAT", or "PROGRAM:
// FILE: WHAT" for a file that cannot be opened), without a line end, and
// changes neither *n nor the points.  `points` has room for MAX_POINTS
// entries; neither pointer may be null.
std::string readPoints(const std::string& program, const std::string& fileName, Tacka* points,
                       int* n);

}  // namespace geometrija
