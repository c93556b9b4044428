// The triangulation written out step by step, without any shortcut: every
// triple of the three full loops, the radius measured before the loop, both
// distances computed for every point.  The project's triangulation must give
// exactly the same segments and nudges.
#pragma once

#include <vector>

#include "geometry/intersect.h"

namespace support {

using geometrija::Duz;
using geometrija::Prava;
using geometrija::Tacka;

inline Prava plainBisector(const Tacka& a, const Tacka& b) {
    Prava n;
    n.point.x = static_cast<float>((a.x + static_cast<double>(b.x)) / 2);
    n.point.y = static_cast<float>((a.y + static_cast<double>(b.y)) / 2);
    n.dir.x = static_cast<float>(-(b.y - static_cast<double>(a.y)));
    n.dir.y = static_cast<float>(b.x - static_cast<double>(a.x));
    return n;
}

inline int plainTest(Tacka P1, Tacka P2, Tacka P3, Tacka* pts, int n) {
    const Tacka* vertex[3][3] = {{&P1, &P2, &P3}, {&P2, &P3, &P1}, {&P3, &P1, &P2}};
    Tacka O;
    const Tacka* from = nullptr;
    for (auto& v : vertex) {
        O = Tacka();
        if (geometrija::intersectLines(plainBisector(*v[0], *v[1]), plainBisector(*v[0], *v[2]),
                                       &O) == 1) {
            from = v[0];
            break;
        }
    }
    if (from == nullptr) {
        return 1;
    }
    const float r = geometrija::distance(*from, O);
    for (int t = 0; t < n; ++t) {
        if ((pts[t].x == P1.x && pts[t].y == P1.y) || (pts[t].x == P2.x && pts[t].y == P2.y) ||
            (pts[t].x == P3.x && pts[t].y == P3.y)) {
            continue;
        }
        float d = geometrija::distance(pts[t], O);
        if (d == r) {
            pts[t].x = static_cast<float>(pts[t].x + 1e-6);
        }
        d = geometrija::distance(pts[t], O);
        if (d < r) {
            return 1;
        }
    }
    return 0;
}

inline std::vector<Duz> plainTriangulation(Tacka* pts, int n) {
    std::vector<Duz> sides;
    for (int i = 0; i < n; ++i) {
        for (int j = 1; j < n; ++j) {
            for (int k = 2; k < n; ++k) {
                if (!(i < j && j < k)) {
                    continue;
                }
                if (plainTest(pts[i], pts[j], pts[k], pts, n) == 0) {
                    sides.push_back(Duz(pts[i], pts[j]));
                    sides.push_back(Duz(pts[j], pts[k]));
                    sides.push_back(Duz(pts[i], pts[k]));
                }
            }
        }
    }
    return sides;
}

}  // namespace support
