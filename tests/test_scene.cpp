// Value types, colour codes, the scene's adders and box.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geometrija/scene.h"
#include "support/fresh_scene.h"

using namespace geometrija;

namespace {

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override { support::freshScene(); }
};

void expectCorners(float minX, float minY, float maxX, float maxY) {
    EXPECT_EQ(minCorner.x, minX);
    EXPECT_EQ(minCorner.y, minY);
    EXPECT_EQ(maxCorner.x, maxX);
    EXPECT_EQ(maxCorner.y, maxY);
}

}  // namespace

TEST(Primitives, CopiesAreWholeAndSquaredLengthRoundsOnce) {
    // The direction is taken as given, not as b - a, and whole, its colour
    // included; a constructor's own colour is black.
    Tacka b(3, 4);
    b.color = 5;
    const Prava l(Tacka(1, 1), b);
    EXPECT_TRUE(l.dir.x == 3 && l.dir.y == 4 && l.dir.color == 5 && l.color == COLOR_BLACK);
    const Duz d(Tacka(1, 2), b);
    EXPECT_TRUE(d.end.color == 5 && d.color == COLOR_BLACK);
    // Formed in double and rounded once (squares and sum in float give
    // 0x1.114068p+6), a value checked apart from this code.
    EXPECT_EQ(Tacka(0x1.6f28p-6f, -0x1.087bf4p+3f).squaredLength(), 0x1.114066p+6f);
}

TEST(Primitives, TenDistinctColoursAndOtherCodesSetNone) {
    // The window tests see the roles' colours as pixels; here, that no two
    // codes share a colour and each component is 0, 0.5 or 1.
    Rgb all[COLOR_COUNT];
    for (int code = 0; code < COLOR_COUNT; ++code) {
        ASSERT_TRUE(lookupColor(code, all[code])) << code;
        for (float v : {all[code].r, all[code].g, all[code].b}) {
            EXPECT_TRUE(v == 0 || v == 0.5f || v == 1) << code;
        }
        for (int other = 0; other < code; ++other) {
            EXPECT_FALSE(all[code].r == all[other].r && all[code].g == all[other].g &&
                         all[code].b == all[other].b)
                << code << " and " << other;
        }
    }
    for (int code : {10, -1, 1000, std::numeric_limits<int>::min()}) {
        Rgb c{7, 7, 7};
        EXPECT_FALSE(lookupColor(code, c)) << code;
        EXPECT_EQ(c.r, 7) << code;
    }
}

TEST_F(SceneTest, CornersStartAtTheWindowSizeAndFollowThePoints) {
    expectCorners(1024, 700, 0, 0);

    addPoint(Tacka(10, 20), 0);
    addPoint(Tacka(5, 40), 0);
    expectCorners(5, 20, 10, 40);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points.front().color, 0);
    EXPECT_EQ(points.back().x, 5);
}

TEST_F(SceneTest, CornersNeverPassTheirStartingValues) {
    addPoint(Tacka(2000, 900), 0);
    expectCorners(1024, 700, 2000, 900);
    support::freshScene();
    addPoint(Tacka(-3, -4), 0);
    expectCorners(-3, -4, 0, 0);
}

TEST_F(SceneTest, ANanCoordinateReplacesTheCorner) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    addPoint(Tacka(nan, 5), 0);
    EXPECT_TRUE(std::isnan(minCorner.x));
    EXPECT_TRUE(std::isnan(maxCorner.x));
    EXPECT_EQ(minCorner.y, 5);
    // No comparison with a NaN corner holds, so the next value replaces it.
    addPoint(Tacka(1, 1), 0);
    EXPECT_EQ(minCorner.x, 1);
    EXPECT_EQ(maxCorner.x, 1);
}

TEST_F(SceneTest, SegmentsCirclesAndLinesWidenTheBoxTheirOwnWay) {
    Tacka a(1, 2);
    a.color = 4;
    addSegment(Duz(a, Tacka(30, -6)), 9);
    expectCorners(1, -6, 30, 2);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments.front().color, 9);
    EXPECT_EQ(segments.front().start.color, 4);  // inner colours as they came

    support::freshScene();
    Krug k;
    k.center = Tacka(100, 50);
    k.radius = 10;
    k.color = 1;
    addCircle(k, 3);
    // x from 90 to 110, y from 40 to 60: each from its own coordinate.
    expectCorners(90, 40, 110, 60);
    EXPECT_EQ(circles.front().color, 3);

    addLine(Prava(Tacka(-500, -500), Tacka(1, 1)), 7);
    expectCorners(90, 40, 110, 60);
    EXPECT_EQ(lines.front().color, 7);
}

TEST_F(SceneTest, DuplicatesAreKeptInInsertionOrder) {
    const Duz d(Tacka(0, 0), Tacka(4, 0));
    addSegment(d, 9);
    addSegment(d, 9);
    addPoint(Tacka(1, 1), 0);
    addPoint(Tacka(2, 2), 0);
    EXPECT_EQ(segments.size(), 2u);
    EXPECT_EQ(points.front().x, 1);
    EXPECT_EQ(points.back().x, 2);
}
