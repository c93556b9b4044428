// triangulate on arbitrary sets of up to 99 points: no crash, every side
// joins two input points (nudged or not), and for small sets the result is
// bit for bit that of the step-by-step formulas.
//
// Input: the first byte chooses the encoding.  Even: pairs of signed bytes,
// quarter units, so that grids, duplicates and cocircular points come easily.
// Odd: raw float bit patterns, eight bytes a point.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "geometrija/scene.h"
#include "geometrija/triangulate.h"
#include "support/plain_triangulation.h"

using namespace geometrija;

namespace {

bool same(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// An end of a side is an input point, possibly nudged in x: its y is the
// point's, its x the original or one at most as far as the final nudge.
bool isInputPoint(const Tacka& e, const std::vector<Tacka>& before,
                  const std::vector<Tacka>& after) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!same(e.y, before[i].y)) continue;
        if (same(e.x, before[i].x) || same(e.x, after[i].x) ||
            (e.x > before[i].x && e.x < after[i].x)) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::vector<Tacka> pts;
    if ((data[0] & 1) == 0) {
        for (std::size_t i = 1; i + 1 < size && pts.size() < 99; i += 2) {
            pts.emplace_back(static_cast<std::int8_t>(data[i]) / 4.0f,
                             static_cast<std::int8_t>(data[i + 1]) / 4.0f);
        }
    } else {
        for (std::size_t i = 1; i + 8 <= size && pts.size() < 99; i += 8) {
            float xy[2];
            std::memcpy(xy, data + i, sizeof xy);
            pts.emplace_back(xy[0], xy[1]);
        }
    }
    const std::vector<Tacka> before = pts;
    segments.clear();
    triangulate(pts.data(), static_cast<int>(pts.size()));
    if (segments.size() % 3 != 0) std::abort();
    for (const Duz& d : segments) {
        if (d.color != 9 || !isInputPoint(d.start, before, pts) ||
            !isInputPoint(d.end, before, pts)) {
            std::abort();
        }
    }
    if (pts.size() <= 30) {
        std::vector<Tacka> plain = before;
        const std::vector<Duz> expected =
            support::plainTriangulation(plain.data(), static_cast<int>(plain.size()));
        if (expected.size() != segments.size()) std::abort();
        std::size_t k = 0;
        for (const Duz& d : segments) {
            const Duz& e = expected[k++];
            if (!same(d.start.x, e.start.x) || !same(d.start.y, e.start.y) ||
                !same(d.end.x, e.end.x) || !same(d.end.y, e.end.y)) {
                std::abort();
            }
        }
        for (std::size_t i = 0; i < pts.size(); ++i) {
            if (!same(pts[i].x, plain[i].x) || !same(pts[i].y, plain[i].y)) std::abort();
        }
    }
    return 0;
}
