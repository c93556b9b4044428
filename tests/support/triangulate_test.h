// What the triangulation tests share: a fresh scene for each test, the
// sides it holds, and a listing of a point set for a failure's message.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "geometrija/scene.h"
#include "support/fresh_scene.h"

namespace support {

using namespace geometrija;

class TriangulateTest : public ::testing::Test {
protected:
    void SetUp() override { support::freshScene(); }
};

inline std::vector<Duz> sceneSides() {
    return std::vector<Duz>(segments.begin(), segments.end());
}

inline bool sameSide(const Duz& d, float ax, float ay, float bx, float by) {
    return d.start.x == ax && d.start.y == ay && d.end.x == bx && d.end.y == by && d.color == 9;
}

inline std::string listing(const std::vector<Tacka>& pts) {
    std::ostringstream s;
    s << std::hexfloat << pts.size() << " points:";
    for (const Tacka& p : pts) {
        s << " (" << p.x << ", " << p.y << ")";
    }
    return s.str();
}

}  // namespace support
