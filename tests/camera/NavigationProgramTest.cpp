// The real program under the virtual X server: a left drag in the view turns
// the camera, and the picture with it; the wheel zooms and Home comes back.
#include "support/ProgramUnderTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr double pi = 3.141592653589793;

// The view inside the main window, and its centre.
constexpr int viewX = 0, viewY = 30, viewW = 1128, viewH = 666;
constexpr int cx = viewX + viewW / 2, cy = viewY + viewH / 2;

// A square of the screen around a point of the window.
class Patch {
public:
    Patch(ProgramUnderTest& program, Window w, int x, int y, int half) : side(2 * half) {
        pixels.reserve(side * side);
        program.countPixels(w, x - half, y - half, side, side, [&](const Rgb& p) {
            pixels.push_back(p);
            return true;
        });
    }

    // How many times the hue turns round along a circle about the patch's
    // centre. The flower's colours follow the seeds' azimuth about its growth
    // centre, so the hue winds once round that centre and nowhere else.
    double hueWinding(double radius) const {
        if (pixels.size() != std::size_t(side * side))
            return 0;
        const int n = 72;
        std::vector<double> hues;
        for (int k = 0; k < n; ++k) {
            const double a = 2 * pi * k / n;
            double hue;
            if (hueNear(side / 2 + int(radius * std::cos(a)), side / 2 - int(radius * std::sin(a)),
                        hue))
                hues.push_back(hue);
        }
        double turns = 0;
        for (std::size_t k = 0; k < hues.size(); ++k) {
            const double step = hues[(k + 1) % hues.size()] - hues[k];
            turns += step - std::round(step);
        }
        return turns;
    }

private:
    // The chroma-weighted mean hue (in turns) of a 7 x 7 neighbourhood; the
    // black lines and anything grey carry no hue and are skipped.
    bool hueNear(int x, int y, double& hue) const {
        double sx = 0, sy = 0;
        for (int j = y - 3; j <= y + 3; ++j)
            for (int i = x - 3; i <= x + 3; ++i) {
                const Rgb& p = pixels[j * side + i];
                const int hi = std::max({p[0], p[1], p[2]});
                const int chroma = hi - std::min({p[0], p[1], p[2]});
                if (chroma < 40)
                    continue;
                const double sector = hi == p[0]   ? double(p[1] - p[2]) / chroma
                                      : hi == p[1] ? double(p[2] - p[0]) / chroma + 2
                                                   : double(p[0] - p[1]) / chroma + 4;
                sx += chroma * std::cos(2 * pi * sector / 6);
                sy += chroma * std::sin(2 * pi * sector / 6);
            }
        if (sx == 0 && sy == 0)
            return false;
        hue = std::atan2(sy, sx) / (2 * pi);
        return true;
    }

    int side;
    std::vector<Rgb> pixels;
};

constexpr int half = 60;
constexpr double radius = 45;

TEST(NavigationProgram, LeftDragUpTiltsTheFlowersGrowthCentreUpTheView) {
    ProgramUnderTest program;
    const Window main = program.waitForMainWindowAlone();
    ASSERT_NE(main, 0u) << "the main window never appeared";

    // The first frame has run once the corner shows the clear colour.
    ASSERT_TRUE(program.waitForPixels(main, viewX, viewY, 4, 4, startBackground));
    const auto drawn = [](const Rgb& p) { return !startBackground(p); };
    ASSERT_TRUE(program.waitForPixels(main, cx - half, cy - half, 2 * half, 2 * half, drawn));
    pauseSeconds(1);

    // At the start the eye looks straight down on the growth centre.
    EXPECT_NEAR(std::abs(Patch(program, main, cx, cy, half).hueWinding(radius)), 1, 0.1);

    // 600 pixels up raises the pitch by 0.6 rad once the turn has decayed.
    program.movePointer(main, cx, viewY + viewH - 40);
    pauseSeconds(0.1);
    program.pressButton(1);
    pauseSeconds(0.1);
    program.movePointer(main, cx, viewY + viewH - 640);
    pauseSeconds(1.5);
    program.releaseButton(1);
    pauseSeconds(0.2);

    // The growth centre, the sphere's pole (0, 0, 1), now lies at depth
    // 3 + sin(pitch) and height cos(pitch) from the eye at distance 3: with the
    // focal length of 1043 pixels that is 271 pixels above the view's centre.
    EXPECT_NEAR(Patch(program, main, cx, cy, half).hueWinding(radius), 0, 0.1);
    EXPECT_NEAR(std::abs(Patch(program, main, cx, cy - 271, half).hueWinding(radius)), 1, 0.1);

    program.closeWindow(main);
    EXPECT_EQ(program.waitForExit(), 0);
}

TEST(NavigationProgram, WheelZoomsBothWaysAndHomeBringsTheFlowerBack) {
    ProgramUnderTest program;
    const Window main = program.waitForMainWindowAlone();
    ASSERT_NE(main, 0u) << "the main window never appeared";
    ASSERT_TRUE(program.waitForPixels(main, viewX, viewY, 4, 4, startBackground));

    // How wide the flower shows across the middle of the view, once its
    // growth and any glide have come to rest.
    const auto width = [&] {
        int i = 0, first = -1, last = -1;
        program.countPixels(main, viewX, cy, viewW, 1, [&](const Rgb& p) {
            if (!startBackground(p))
                last = (first < 0 ? first = i : i);
            ++i;
            return false;
        });
        return first < 0 ? 0 : last - first + 1;
    };
    const auto restingWidth = [&] {
        int before = -100, now = width();
        for (int i = 0; i < 60 && std::abs(now - before) > 1; ++i) {
            pauseSeconds(0.5);
            before = now;
            now = width();
        }
        return now;
    };
    // Each step a press and release of the wheel's button.
    const auto spin = [&](int button, int steps) {
        for (int i = 0; i < steps; ++i) {
            program.pressButton(button);
            program.releaseButton(button);
        }
    };
    program.movePointer(main, cx, cy);
    const int start = restingWidth();

    spin(5, 3);  // towards the person: away from the flower
    EXPECT_LT(restingWidth(), start * 0.8);
    spin(4, 6);
    EXPECT_GT(restingWidth(), start * 1.2);

    // Spun hard either way: the flower still shows from the far limit, and
    // Home brings it back as it was at the start.
    spin(4, 300);
    restingWidth();
    program.tapKey("Home");
    EXPECT_NEAR(restingWidth(), start, 4);
    spin(5, 300);
    EXPECT_GT(restingWidth(), 0);
    program.tapKey("Home");
    EXPECT_NEAR(restingWidth(), start, 4);

    program.closeWindow(main);
    EXPECT_EQ(program.waitForExit(), 0);
}

}  // namespace
