// The programs as processes under the X server, for the tests that run
// them: where the programs and data are, and the fixture that waits for a
// program's window, captures it and closes it.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "geometrija/scene.h"  // the window size
#include "support/picture.h"
#include "support/process.h"
#include "support/temp_dir.h"
#include "support/texts.h"
#include "support/xwindow.h"

namespace support {

inline const std::string& Q = QUESTION;

inline std::string program(const std::string& name) {
    return std::string(PROGRAM_DIR) + "/" + name;
}

inline std::string dataFile(const std::string& name) {
    std::ifstream in(std::string(DATA_DIR) + "/" + name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The first `count` points of a point file, read here independently.
inline std::vector<std::pair<float, float>> pointsOf(const std::string& text) {
    std::istringstream in(text);
    int n = 0;
    in >> n;
    std::vector<std::pair<float, float>> pts;
    float x = 0;
    float y = 0;
    while (static_cast<int>(pts.size()) < n && in >> x >> y) {
        pts.emplace_back(x, y);
    }
    return pts;
}

// Each picture's camera, worked out by hand from its points' box: centre
// (cx, cy) and distance twice the larger of |min| + max in x and in y.
inline Framing camera(double cx, double cy, double dist, const Image& im) {
    return Framing(cx, cy, dist, im.width, im.height);
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(x.ok()) << "these tests need an X server (Xvfb) in DISPLAY";
        ASSERT_EQ(x.count(TITLE), 0) << "a window of an earlier run is still open";
    }

    // Waits for the program's window, checks where it is, and captures it
    // once it is painted.
    Image shot(Process& p) {
        const Window w = x.waitFor(TITLE, 15000);
        EXPECT_NE(w, 0u) << "no window; stderr: " << p.err();
        if (w == 0) {
            return Image();
        }
        int wx = 0, wy = 0, ww = 0, wh = 0;
        EXPECT_TRUE(x.geometry(w, wx, wy, ww, wh));
        EXPECT_EQ(ww, geometrija::WINDOW_WIDTH);
        EXPECT_EQ(wh, geometrija::WINDOW_HEIGHT);
        EXPECT_EQ(wx, 100);
        EXPECT_EQ(wy, 50);
        Image im = x.captureWhen(w, 0, 0, geometrija::CLEAR_PIXEL, 2, 15000);
        EXPECT_FALSE(im.empty()) << "the window was never painted";
        window = w;
        return im;
    }

    // Closes the window as a window manager would; the process must end with 0.
    void closeAndExpectExit(Process& p) {
        ASSERT_NE(window, 0u);
        x.close(window);
        EXPECT_EQ(p.wait(15000), 0) << p.err();
        EXPECT_EQ(x.count(TITLE), 0);
    }

    // Expects the program to fail at once: one line on stderr, status 1, no
    // window, and nothing on stdout but `out` (not looked at when nullopt:
    // Kalvera's prompts are the dialogue's unit tests' business).
    void expectRefused(Process& p, const std::string& err,
                       const std::optional<std::string>& out = std::string()) {
        EXPECT_EQ(p.wait(15000), 1);
        EXPECT_EQ(p.err(), err + "\n");
        if (out) {
            EXPECT_EQ(p.out(), *out);
        }
        EXPECT_EQ(x.count(TITLE), 0);
    }

    support::Connection x;
    Window window = 0;
};

inline void expectDots(const Image& im, const Framing& f,
                       const std::vector<std::pair<float, float>>& pts) {
    ASSERT_FALSE(im.empty());
    for (const auto& p : pts) {
        EXPECT_TRUE(support::dotAt(im, f, p.first, p.second, geometrija::COLOR_INPUT_POINT))
            << p.first << "," << p.second;
    }
}

}  // namespace support
