// The drawing in a real window: Xvfb with Mesa's software OpenGL.  The window
// is opened with the same setup code as the programs', the scene is filled
// with known primitives, and the pixels are read back.
#include <gtest/gtest.h>

// X and GL headers after GoogleTest: Xlib's macros (None, Bool) clash with it.
#include <GL/freeglut.h>
#include <GL/glx.h>

#include <unistd.h>
#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "geometrija/graphics.h"
#include "geometrija/intersect.h"
#include "geometrija/scene.h"
#include "render/camera.h"
#include "support/fresh_scene.h"
#include "support/picture.h"

using namespace geometrija;
using support::Framing;
using support::Image;

namespace {

// Resizes the real window and waits until the server has done it.
void resizeWindow(int w, int h) {
    glutReshapeWindow(w, h);
    for (int i = 0; i < 200; ++i) {
        glutMainLoopEvent();
        if (glutGet(GLUT_WINDOW_WIDTH) == w && glutGet(GLUT_WINDOW_HEIGHT) == h) {
            return;
        }
    }
    FAIL() << "the window did not take the size " << w << "x" << h;
}

// Fits the camera to the scene as the programs do, lets reshape and display
// run for the window's size, and reads the window back from the X server,
// through the connection that drew it, so that the swap has landed.
Image draw(int w = WINDOW_WIDTH, int h = WINDOW_HEIGHT) {
    resizeWindow(w, h);
    fitCamera();
    reshape(w, h);
    display();
    glFinish();
    Display* d = glXGetCurrentDisplay();
    XSync(d, False);
    return support::captureWindow(d, glXGetCurrentDrawable());
}

class RenderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "these tests need an X server (Xvfb)";
        static char name[] = "test_render";
        static char* argv[] = {name, nullptr};
        int argc = 1;
        openWindow(argc, argv);
        // GLUT needs the callbacks to process the window's events.
        glutDisplayFunc(display);
        glutReshapeFunc(reshape);
        // Let the server map the window before anything is read from it.
        Display* d = glXGetCurrentDisplay();
        for (int i = 0; i < 500; ++i) {
            glutMainLoopEvent();
            XWindowAttributes a;
            if (XGetWindowAttributes(d, glXGetCurrentDrawable(), &a) && a.map_state == IsViewable) {
                return;
            }
            usleep(10000);
        }
        FAIL() << "the window was never mapped";
    }
    void SetUp() override { support::freshScene(); }
};

}  // namespace

TEST_F(RenderTest, PointsAreRedDotsWhereTheCameraRulePutsThem) {
    const float pts[][2] = {{0, 0}, {10, 0}, {10, 10}, {3, 7}, {0, 10}};
    for (const auto& p : pts) {
        addPoint(Tacka(p[0], p[1]), 0);
    }
    const Image im = draw();
    const Framing f(5, 5, 20, 1024, 700);
    EXPECT_TRUE(support::isBeige(im.at(0, 0)));
    EXPECT_TRUE(support::isBeige(im.at(1023, 699)));
    for (const auto& p : pts) {
        EXPECT_TRUE(support::dotAt(im, f, p[0], p[1], COLOR_RED)) << p[0] << "," << p[1];
    }
    EXPECT_EQ(support::countColour(im, 255, 0, 0), 5 * 16);
    // Nothing but the background and the dots.
    EXPECT_EQ(support::countBackground(im), 1024 * 700 - 5 * 16);
}

TEST_F(RenderTest, SegmentsAreBlackWithTheirEndDotsCoveredByThePoints) {
    addSegment(Duz(Tacka(0, 0), Tacka(4, 0)), 9);
    addSegment(Duz(Tacka(0, 0), Tacka(0, 3)), 9);
    addPoint(Tacka(0, 0), 0);
    addPoint(Tacka(4, 0), 0);
    addPoint(Tacka(0, 3), 0);
    const Image im = draw();
    const Framing f(2, 1.5, 8, 1024, 700);
    EXPECT_TRUE(support::dotAt(im, f, 0, 0, COLOR_RED));
    EXPECT_TRUE(support::dotAt(im, f, 4, 0, COLOR_RED));
    EXPECT_TRUE(support::dotAt(im, f, 0, 3, COLOR_RED));
    // Along the horizontal side, away from the dots, the line is black and
    // one pixel wide.
    const int row0 = static_cast<int>(std::floor(f.row(0)));
    for (double x : {0.5, 1.0, 2.0, 3.0, 3.5}) {
        const int col = static_cast<int>(f.column(x));
        int black = 0;
        for (int r = row0 - 4; r <= row0 + 4; ++r) {
            black += support::isBlack(im.at(col, r)) ? 1 : 0;
        }
        EXPECT_EQ(black, 1) << x;
    }
    const int col0 = static_cast<int>(std::floor(f.column(0)));
    EXPECT_GE(support::countAround(im, col0, static_cast<int>(f.row(1.5)), 3, 0, 0, 0), 1);
    // The segments' own black end dots lie under the red ones: no black pixel
    // right at an end.
    const double ends[][2] = {{0, 0}, {4, 0}, {0, 3}};
    for (const auto& e : ends) {
        const int c = static_cast<int>(std::floor(f.column(e[0])));
        const int r = static_cast<int>(std::floor(f.row(e[1])));
        EXPECT_EQ(support::countAround(im, c, r, 1, 0, 0, 0), 0) << e[0] << "," << e[1];
    }
}

TEST_F(RenderTest, LinesAndCirclesInTheirColours) {
    // The box (0,0)-(10,10) comes from two points; the line leaves it alone.
    addPoint(Tacka(0, 0), 0);
    addPoint(Tacka(10, 10), 0);
    addLine(Prava(Tacka(5, 5), Tacka(1, 0)), 7);  // purple, horizontal through y = 5
    Krug k;
    k.center = Tacka(5, 5);
    k.radius = 3;
    k.color = 9;
    addCircle(k, 1);  // green
    const Image im = draw();
    const Framing f(5, 5, 20, 1024, 700);
    const int lineRow = static_cast<int>(f.row(5));
    // The line runs across the whole window (its drawn ends are 100 units off),
    // over the circle where they cross.
    for (int col : {1, 200, 512, 1022}) {
        EXPECT_GE(support::countAround(im, col, lineRow, 1, 128, 0, 128), 1) << col;
    }
    for (double a = 0.3; a < 6.2; a += 0.7) {
        const int c = static_cast<int>(f.column(5 + 3 * std::cos(a)));
        const int r = static_cast<int>(f.row(5 + 3 * std::sin(a)));
        EXPECT_GE(support::countAround(im, c, r, 2, 0, 255, 0), 1) << a;
    }
    // Inside and outside the circle, off the line: background.
    EXPECT_TRUE(support::isBeige(im.at(static_cast<int>(f.column(5)), static_cast<int>(f.row(6)))));
    EXPECT_TRUE(
        support::isBeige(im.at(static_cast<int>(f.column(9)), static_cast<int>(f.row(8.5)))));
    EXPECT_TRUE(support::dotAt(im, f, 0, 0, COLOR_RED));
    EXPECT_TRUE(support::dotAt(im, f, 10, 10, COLOR_RED));
}

TEST_F(RenderTest, ATallerOrWiderWindowKeepsThePictureUndistorted) {
    const float pts[][2] = {{0, 0}, {8, 0}, {8, 8}, {0, 8}, {4, 2}};
    for (const auto& p : pts) {
        addPoint(Tacka(p[0], p[1]), 0);
    }
    for (const auto& size : {std::pair<int, int>{1024, 700}, {700, 900}, {1150, 500}}) {
        const Image im = draw(size.first, size.second);
        const Framing f(4, 4, 16, size.first, size.second);
        for (const auto& p : pts) {
            EXPECT_TRUE(support::dotAt(im, f, p[0], p[1], COLOR_RED))
                << size.first << "x" << size.second << " " << p[0] << "," << p[1];
        }
        // The square stays a square: as many pixels per unit across as up.
        EXPECT_NEAR(f.column(8) - f.column(0), f.row(0) - f.row(8), 1e-9);
    }
}

TEST_F(RenderTest, ScenesOutsideTheCameraRangeShowOnlyTheBackground) {
    // One point: dist 0, nearer than the near plane.
    addPoint(Tacka(0, 0), 0);
    Image im = draw();
    EXPECT_EQ(support::countBackground(im), 1024 * 700);
    // A box of (0,0)-(600,100): dist 1200, beyond the far plane.
    support::freshScene();
    addPoint(Tacka(0, 0), 0);
    addPoint(Tacka(600, 100), 0);
    im = draw();
    EXPECT_EQ(support::countBackground(im), 1024 * 700);
    // The empty scene.
    support::freshScene();
    im = draw();
    EXPECT_EQ(support::countBackground(im), 1024 * 700);
}

TEST_F(RenderTest, TheEmptyPictureWarningComesExactlyWhenNothingShows) {
    // One point (t, t): the camera stands 4t away.  Each side of the near
    // plane (distance 1) and of the far one (a little past 1000, where the
    // float clip test flips).  Run under llvmpipe and softpipe.
    const float nearEdge = 0.25f;
    const float farEdge = 250.005493f;  // distance 1000.02197
    for (float t : {std::nextafter(nearEdge, 0.0f), nearEdge, std::nextafter(farEdge, 0.0f),
                    farEdge, 250.0f}) {
        SCOPED_TRACE(t);
        support::freshScene();
        addPoint(Tacka(t, t), COLOR_RED);
        const bool shows = support::countBackground(draw()) != WINDOW_WIDTH * WINDOW_HEIGHT;
        EXPECT_EQ(shows, emptyPictureWarning(minCorner, maxCorner).empty());
        EXPECT_EQ(shows, t >= nearEdge && t < farEdge);
    }
}

TEST_F(RenderTest, ACodeOutsideTheTableKeepsThePreviousColour) {
    addPoint(Tacka(0, 0), 2);     // blue
    addPoint(Tacka(10, 10), 12);  // no colour of its own: drawn blue too
    const Image im = draw();
    const Framing f(5, 5, 20, 1024, 700);
    const int c = static_cast<int>(std::floor(f.column(10)));
    const int r = static_cast<int>(std::floor(f.row(10)));
    EXPECT_EQ(support::countAround(im, c, r, 4, 0, 0, 255), 16);
}

TEST_F(RenderTest, ABisectorShowsAsAPurpleLineThroughABlueMidpoint) {
    addPoint(Tacka(0, 0), 0);
    addPoint(Tacka(8, 4), 0);
    Prava r;
    addBisector(Tacka(0, 0), Tacka(8, 4), &r);  // midpoint (4, 2), direction (-4, 8)
    const Image im = draw();
    const Framing f(4, 2, 16, 1024, 700);
    const int c = static_cast<int>(std::floor(f.column(4)));
    const int row = static_cast<int>(std::floor(f.row(2)));
    EXPECT_EQ(support::countAround(im, c, row, 4, 0, 0, 255), 16);
    // Along the bisector (4 - t, 2 + 2t), away from the midpoint: purple.
    for (double t : {-1.5, -0.8, 0.5, 1.2}) {
        const int col = static_cast<int>(f.column(4 - t));
        const int r0 = static_cast<int>(f.row(2 + 2 * t));
        EXPECT_GE(support::countAround(im, col, r0, 1, 128, 0, 128), 1) << t;
    }
    // Off the line, on the segment between the two points: background.
    EXPECT_TRUE(support::isBeige(im.at(static_cast<int>(f.column(2)), static_cast<int>(f.row(1)))));
    EXPECT_TRUE(support::dotAt(im, f, 0, 0, COLOR_RED));
    EXPECT_TRUE(support::dotAt(im, f, 8, 4, COLOR_RED));
}

TEST_F(RenderTest, ASceneBetweenOneHundredAndOneThousandAwayShows) {
    // Box (0,0)-(450,10): the camera stands 2 * 450 = 900 away, inside the
    // far plane at 1000.
    addPoint(Tacka(0, 0), COLOR_RED);
    addPoint(Tacka(450, 10), COLOR_RED);
    const Image im = draw();
    const Framing f(225, 5, 900, WINDOW_WIDTH, WINDOW_HEIGHT);
    EXPECT_TRUE(support::dotAt(im, f, 0, 0, COLOR_RED));
    EXPECT_TRUE(support::dotAt(im, f, 450, 10, COLOR_RED));
}

TEST_F(RenderTest, ALoneSegmentShowsItsEndDotsAndACircleAllItsVertices) {
    // No point covers the segment's ends: its own dots must show there.
    addSegment(Duz(Tacka(0, 0), Tacka(10, 10)), COLOR_BLACK);  // box (0,0)-(10,10)
    Krug k;
    k.center = Tacka(5, 2);
    k.radius = 1;
    k.color = COLOR_BLACK;
    addCircle(k, COLOR_GREEN);
    const Image im = draw();
    const Framing f(5, 5, 20, WINDOW_WIDTH, WINDOW_HEIGHT);
    for (const double e : {0.0, 10.0}) {
        // The 4 x 4 dot covers the 3 x 3 pixels around the end; the line
        // alone would cover three of them.
        const int c = static_cast<int>(std::floor(f.column(e)));
        const int r = static_cast<int>(std::floor(f.row(e)));
        EXPECT_EQ(support::countAround(im, c, r, 1, 0, 0, 0), 9) << e;
    }
    // OpenGL's feedback mode hands back what the circle sends: a closed loop
    // of 100 vertices, that is 100 sides between 100 different vertices.
    std::vector<GLfloat> buffer(4096);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_2D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    circles.front().draw();
    const GLint used = glRenderMode(GL_RENDER);
    ASSERT_GT(used, 0) << "feedback buffer too small";
    int sides = 0;
    std::set<std::pair<GLfloat, GLfloat>> vertices;
    for (GLint i = 0; i < used;) {
        const GLfloat token = buffer[static_cast<std::size_t>(i)];
        if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            ++sides;
            vertices.emplace(buffer[static_cast<std::size_t>(i) + 1],
                             buffer[static_cast<std::size_t>(i) + 2]);
            i += 5;
        } else {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
    }
    EXPECT_EQ(sides, 100);
    EXPECT_EQ(vertices.size(), 100u);
}
