// The triangulation written out step by step, without any shortcut: every
// triple of the three full loops, the radius measured before the loop, both
// distances computed for every point.  The project's triangulation must give
// exactly the same segments and nudges.
#pragma once

#include <vector>

#include "geometrija/intersect.h"

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

// The circle the test uses: its centre from P1's bisectors, else P2's, else
// P3's; its radius measured from that vertex.  False when there is none.
inline bool plainCircle(const Tacka& P1, const Tacka& P2, const Tacka& P3, Tacka& O, float& r) {
    const Tacka* vertex[3][3] = {{&P1, &P2, &P3}, {&P2, &P3, &P1}, {&P3, &P1, &P2}};
    for (auto& v : vertex) {
        O = Tacka();
        if (geometrija::intersectLines(plainBisector(*v[0], *v[1]), plainBisector(*v[0], *v[2]),
                                       &O) == 1) {
            r = geometrija::distance(*v[0], O);
            return true;
        }
    }
    return false;
}

inline int plainTest(Tacka P1, Tacka P2, Tacka P3, Tacka* pts, int n) {
    Tacka O;
    float r = 0;
    if (!plainCircle(P1, P2, P3, O, r)) {
        return 1;
    }
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

// The sides of every accepted triangle, and into `circles`, when given, the
// circle each was accepted with.
inline std::vector<Duz> plainTriangulation(Tacka* pts, int n,
                                           std::vector<geometrija::Krug>* circles = nullptr) {
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
                    if (circles != nullptr) {
                        geometrija::Krug c{};
                        plainCircle(pts[i], pts[j], pts[k], c.center, c.radius);
                        circles->push_back(c);
                    }
                }
            }
        }
    }
    return sides;
}

}  // namespace support
