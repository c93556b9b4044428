#include "provera/cases.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "geometrija/intersect.h"
#include "geometrija/scene.h"
#include "geometrija/triangulate.h"

namespace geometrija {
namespace provera {

namespace {

struct OpInfo {
    Op op;
    const char* name;
    // Fixed inputs (for HasPointInCircumcircle: before the count).  The
    // intersections end with the result point's starting value (rx ry), the
    // circle with its starting centre and radius (kx ky kr): the answer shows
    // them as the call left them.
    int inputs;
    bool coded;
};

constexpr OpInfo OPS[] = {
    {Op::Distance, "distance", 4, false},
    {Op::IntersectLines, "intersectLines", 10, true},
    {Op::IntersectSegments, "intersectSegments", 10, true},
    {Op::Normal, "addNormal", 6, false},
    {Op::Bisector, "addBisector", 4, false},
    {Op::Circumcircle, "circumcircle", 9, true},
    {Op::HasPointInCircumcircle, "hasPointInCircumcircle", 6, true},
};

const OpInfo& info(Op op) {
    for (const OpInfo& i : OPS) {
        if (i.op == op) {
            return i;
        }
    }
    return OPS[0];
}

Tacka at(const Case& c, std::size_t i) {
    return Tacka(c.in[i], c.in[i + 1]);
}

std::uint32_t bitsOf(float f) {
    std::uint32_t u = 0;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

std::size_t pointCount(const Case& c) {
    return c.op == Op::HasPointInCircumcircle ? static_cast<std::size_t>(c.in[6]) : 0;
}

}  // namespace

int fixedInputs(Op op) {
    return info(op).inputs;
}

bool hasCode(Op op) {
    return info(op).coded;
}

const char* opName(Op op) {
    return info(op).name;
}

std::optional<Op> opNamed(const std::string& name) {
    for (const OpInfo& i : OPS) {
        if (name == i.name) {
            return i.op;
        }
    }
    return std::nullopt;
}

bool agree(const Answer& a, const Answer& b) {
    if (a.code != b.code || a.out.size() != b.out.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.out.size(); ++i) {
        const bool bothNan = std::isnan(a.out[i]) && std::isnan(b.out[i]);
        if (!bothNan && bitsOf(a.out[i]) != bitsOf(b.out[i])) {
            return false;
        }
    }
    return true;
}

Answer fromLibrary(const Case& c) {
    Answer a;
    switch (c.op) {
        case Op::Distance:
            a.out = {distance(at(c, 0), at(c, 2))};
            break;
        case Op::IntersectLines:
        case Op::IntersectSegments: {
            Tacka r = at(c, 8);  // the caller's point before the call
            a.code = c.op == Op::IntersectLines
                         ? intersectLines(Prava(at(c, 0), at(c, 2)), Prava(at(c, 4), at(c, 6)), &r)
                         : intersectSegments(Duz(at(c, 0), at(c, 2)), Duz(at(c, 4), at(c, 6)), &r);
            a.out = {r.x, r.y};
            break;
        }
        case Op::Normal:
        case Op::Bisector: {
            Prava r;
            if (c.op == Op::Normal) {
                addNormal(at(c, 0), Prava(at(c, 2), at(c, 4)), &r);
            } else {
                addBisector(at(c, 0), at(c, 2), &r);
            }
            a.out = {r.point.x, r.point.y, r.dir.x, r.dir.y};
            // Only the answer matters here, not the picture.
            points.clear();
            lines.clear();
            break;
        }
        case Op::Circumcircle: {
            Krug k{at(c, 6), c.in[8], 0};  // the caller's circle before the call
            a.code = circumcircle(at(c, 0), at(c, 2), at(c, 4), &k);
            a.out = {k.center.x, k.center.y, k.radius};
            break;
        }
        case Op::HasPointInCircumcircle: {
            std::vector<Tacka> pts;
            for (std::size_t i = 0; i < pointCount(c); ++i) {
                pts.push_back(at(c, 7 + 2 * i));
            }
            a.code = hasPointInCircumcircle(at(c, 0), at(c, 2), at(c, 4), pts.data(),
                                            static_cast<int>(pts.size()));
            for (const Tacka& p : pts) {
                a.out.push_back(p.x);
                a.out.push_back(p.y);
            }
            break;
        }
    }
    return a;
}

}  // namespace provera
}  // namespace geometrija
