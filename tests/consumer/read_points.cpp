// A student's program that reads a point file with the toolkit's reader,
// as the programs read theirs.
//   read_points PROGRAM FILE
// Accepted: each point read, "x y" as exact hexadecimal floats, in the
// file's order.  Refused: the reader's line on standard error, status 1.
// Either way the reader must leave alone what it does not give: the
// entries past the count and the colours, and on a refusal the count and
// every entry (status 3 if it did not).
#include <geometrija/toolkit.h>

#include <cstdio>
#include <string>

using namespace geometrija;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: read_points PROGRAM FILE\n");
        return 2;
    }
    Tacka A[MAX_POINTS];
    for (Tacka& t : A) {
        t = Tacka(-7, -7);
        t.color = COLOR_CYAN;
    }
    int n = -1;
    const std::string error = readPoints(argv[1], argv[2], A, &n);
    const int given = error.empty() ? n : 0;
    for (int i = 0; i < MAX_POINTS; ++i) {
        if (A[i].color != COLOR_CYAN || (i >= given && (A[i].x != -7 || A[i].y != -7))) {
            std::fprintf(stderr, "read_points: entry %d changed\n", i);
            return 3;
        }
    }
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return n == -1 ? 1 : 3;
    }
    for (int i = 0; i < n; ++i) {
        std::printf("%a %a\n", static_cast<double>(A[i].x), static_cast<double>(A[i].y));
    }
    return 0;
}
