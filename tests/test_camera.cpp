// The camera arithmetic of the picture, without OpenGL: the fit to the box,
// the projection, the visible range, the drawn vertices of lines and circles.
#include <gtest/gtest.h>

#include <cmath>

#include "render/camera.h"

using namespace geometrija;

TEST(Camera, FittedToTheBoxWithAbsoluteMinimumPlusMaximum) {
    struct Case {
        Tacka lo, hi;
        float cx, cy, dist;
    };
    const Case cases[] = {
        {Tacka(0, 0), Tacka(10, 10), 5, 5, 20},
        {Tacka(100, 100), Tacka(110, 110), 105, 105, 420},  // extent 210, not the width 10
        {Tacka(-5, -5), Tacka(5, 5), 0, 0, 20},
        {Tacka(0, 0), Tacka(600, 100), 300, 50, 1200},
        {Tacka(0, 0), Tacka(0, 0), 0, 0, 0},
        {Tacka(1024, 700), Tacka(0, 0), 512, 350, 2048},  // the empty scene
        {Tacka(-2, 1), Tacka(3, 9), 0.5f, 5, 20},         // ey = 10 is the larger
    };
    for (const Case& c : cases) {
        const Camera cam = cameraFor(c.lo, c.hi);
        EXPECT_EQ(cam.cx, c.cx);
        EXPECT_EQ(cam.cy, c.cy);
        EXPECT_EQ(cam.dist, c.dist) << c.lo.x << "," << c.lo.y << " " << c.hi.x << "," << c.hi.y;
    }
}

TEST(Camera, ProjectionGuardsAZeroHeightOnly) {
    const Projection p = projectionFor(1024, 700);
    EXPECT_EQ(p.width, 1024);
    EXPECT_EQ(p.height, 700);
    // 1024 / 700 = 1.4628571428..., whose nearest float is 0x1.767dcep+0.
    EXPECT_EQ(p.aspect, 0x1.767dcep+0f);
    const Projection flat = projectionFor(300, 0);
    EXPECT_EQ(flat.height, 1);
    EXPECT_EQ(flat.aspect, 300);
    EXPECT_EQ(projectionFor(0, 50).aspect, 0);
}

TEST(Camera, LineEndsAreAHundredDirectionsEachWay) {
    Tacka a;
    Tacka b;
    lineEnds(Prava(Tacka(5, 5), Tacka(1, 0)), a, b);
    EXPECT_EQ(a.x, 105);
    EXPECT_EQ(a.y, 5);
    EXPECT_EQ(b.x, -95);
    EXPECT_EQ(b.y, 5);
    lineEnds(Prava(Tacka(5, 5), Tacka(0, 0)), a, b);
    EXPECT_EQ(a.x, 5);
    EXPECT_EQ(b.x, 5);
    // Each coordinate is formed in double and rounded once: 0.1f + 100 *
    // 0.3f is 30.1000011935830... in double, whose nearest float is
    // 0x1.e1999ap+4; in float steps it would come out 0x1.e1999cp+4.
    lineEnds(Prava(Tacka(0.1f, 0), Tacka(0.3f, 0)), a, b);
    EXPECT_EQ(a.x, 0x1.e1999ap+4f);
}

TEST(Camera, CircleVerticesRunCounterClockwiseFromAngleZero) {
    Krug k;
    k.center = Tacka(0, 0);
    k.radius = 10;
    k.color = 9;
    const Tacka v0 = circleVertex(k, 0);
    EXPECT_EQ(v0.x, 10);
    EXPECT_EQ(v0.y, 0);
    const Tacka v1 = circleVertex(k, 1);
    EXPECT_NEAR(v1.x, 9.980, 5e-4);
    EXPECT_NEAR(v1.y, 0.628, 5e-4);
    const Tacka v25 = circleVertex(k, 25);  // a quarter turn
    EXPECT_NEAR(v25.x, 0, 1e-5);
    EXPECT_NEAR(v25.y, 10, 1e-5);
    k.radius = -10;  // the same circle, from the opposite side
    EXPECT_EQ(circleVertex(k, 0).x, -10);
}

TEST(Camera, ThePlaneShowsFromExactlyOneToJustPastOneThousand) {
    // Each edge from both sides, as OpenGL's clipping decides it in float.
    EXPECT_FALSE(planeShows(std::nextafter(1.0f, 0.0f)));
    EXPECT_TRUE(planeShows(1.0f));
    EXPECT_TRUE(planeShows(1000.0f));
    EXPECT_TRUE(planeShows(1000.02191f));
    EXPECT_FALSE(planeShows(1000.02197f));
    EXPECT_FALSE(planeShows(0.0f));
    EXPECT_FALSE(planeShows(NAN));
}
