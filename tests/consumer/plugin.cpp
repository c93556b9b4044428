// A shared library that links the static toolkit, as a Python extension or
// a plug-in does, for a program that loads it with dlopen and knows nothing
// of Geometrija.
#include <geometrija/toolkit.h>

#include <string>

using namespace geometrija;

// The triangles of a point file, or -1 when it is refused.
extern "C" int geometrija_plugin_triangles(const char* file) {
    Tacka A[MAX_POINTS];
    int n = 0;
    if (!readPoints("plugin", file, A, &n).empty()) {
        return -1;
    }
    const auto before = segments.size();
    triangulate(A, n);
    return static_cast<int>((segments.size() - before) / 3);
}
