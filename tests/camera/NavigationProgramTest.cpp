// The real program under the virtual X server: drags in the view, with Shift
// or Ctrl held too, the wheel and the keys move the camera, and the picture
// with it; Home comes back, and F11 takes the main window to full screen.
#include "core/MathConstants.h"
#include "support/ProgramUnderTest.h"
#include "support/WindowFacts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using math::pi;

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

// The flower's outline in the view: its first and last pixels along the
// view's middle row and middle column, in window pixels; -1 where none.
struct Outline {
    int left = -1, right = -1, top = -1, bottom = -1;

    int width() const { return left < 0 ? 0 : right - left + 1; }
    double middleX() const { return (left + right) / 2.0; }
    double middleY() const { return (top + bottom) / 2.0; }
    bool near(const Outline& o, int pixels) const {
        return std::abs(left - o.left) <= pixels && std::abs(right - o.right) <= pixels &&
               std::abs(top - o.top) <= pixels && std::abs(bottom - o.bottom) <= pixels;
    }
};

void along(ProgramUnderTest& program, Window main, int x, int y, int w, int h, int& first,
           int& last, int start) {
    int i = start;
    program.countPixels(main, x, y, w, h, [&](const Rgb& p) {
        if (!startBackground(p))
            last = (first < 0 ? first = i : i);
        ++i;
        return false;
    });
}

Outline outlineOf(ProgramUnderTest& program, Window main) {
    Outline o;
    along(program, main, viewX, cy, viewW, 1, o.left, o.right, viewX);
    along(program, main, cx, viewY, 1, viewH, o.top, o.bottom, viewY);
    return o;
}

// Once its growth and every glide have come to rest.
Outline restingOutline(ProgramUnderTest& program, Window main) {
    Outline before{-100, -100, -100, -100}, now = outlineOf(program, main);
    for (int i = 0; i < 60 && !now.near(before, 1); ++i) {
        pauseSeconds(0.5);
        before = now;
        now = outlineOf(program, main);
    }
    return now;
}

// The real program, its main window alone, its first frame drawn, the
// pointer over the view; it ends when the test closes the main window.
class NavigationProgram : public ::testing::Test {
protected:
    explicit NavigationProgram(const ProgramUnderTest::Desktop& desktop = {}) : program(desktop) {}

    void SetUp() override {
        main = program.waitForMainWindowAlone();
        ASSERT_NE(main, 0u) << "the main window never appeared";
        ASSERT_TRUE(program.waitForPixels(main, viewX, viewY, 4, 4, startBackground));
        program.movePointer(main, cx, cy);
    }

    void TearDown() override {
        program.closeWindow(main);
        EXPECT_EQ(program.waitForExit(), 0);
    }

    Outline resting() { return restingOutline(program, main); }

    // A key tapped, or the wheel's button (4 or 5) pressed and let go, so often.
    void tap(const char* key, int times = 1) { repeat(times, [&] { program.tapKey(key); }); }
    void spin(int button, int steps) {
        repeat(steps, [&] {
            program.pressButton(button);
            program.releaseButton(button);
        });
    }

    ProgramUnderTest program;
    Window main = 0;

private:
    static void repeat(int times, const std::function<void()>& action) {
        for (int i = 0; i < times; ++i) action();
    }
};

TEST_F(NavigationProgram, LeftDragUpTiltsTheFlowersGrowthCentreUpTheView) {
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
}

TEST_F(NavigationProgram, WheelZoomsBothWaysAndHomeBringsTheFlowerBack) {
    const auto restingWidth = [&] { return resting().width(); };
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
}

// A left drag from the view's centre by (dx, dy), with a modifier key held.
void leftDragWith(ProgramUnderTest& program, Window main, const char* modifier, int dx, int dy) {
    program.pressKey(modifier);
    program.movePointer(main, cx, cy);
    pauseSeconds(0.1);
    program.pressButton(1);
    for (int step = 1; step <= 10; ++step) {
        pauseSeconds(0.05);
        program.movePointer(main, cx + dx * step / 10, cy + dy * step / 10);
    }
    pauseSeconds(0.3);
    program.releaseButton(1);
    program.releaseKey(modifier);
}

TEST_F(NavigationProgram, LeftDragWithShiftPansAndWithCtrlZoomsAndHomeComesBack) {
    const Outline start = resting();

    leftDragWith(program, main, "Shift_L", 100, 0);
    const Outline panned = resting();
    EXPECT_GT(panned.middleX(), start.middleX() + 20) << "the picture follows the pointer";
    EXPECT_NEAR(panned.width(), start.width(), 4) << "a pan, not a zoom";

    program.tapKey("Home");
    leftDragWith(program, main, "Control_L", 0, 100);
    EXPECT_GT(resting().width(), start.width() * 1.1) << "down comes closer";

    program.tapKey("Home");
    EXPECT_TRUE(resting().near(start, 4));
}

TEST_F(NavigationProgram, KeysZoomPanTurnAndTiltAndHomeComesBack) {
    const Outline start = resting();

    // A wheel step each: six out nearly double the distance, and the sphere
    // shows half as wide; one in again from the keypad.
    tap("minus", 6);
    const Outline away = resting();
    EXPECT_NEAR(away.width(), start.width() * 0.5, 10);
    tap("KP_Add", 1);
    EXPECT_GT(resting().width(), away.width() * 1.05);
    tap("minus", 1);

    // With Shift, 52 pixels of pan a press: a twentieth of the distance, seen
    // with the focal length of 1043 pixels.
    program.pressKey("Shift_L");
    tap("Right", 2);
    program.releaseKey("Shift_L");
    const Outline panned = resting();
    EXPECT_NEAR(panned.middleX() - cx, 104, 12) << "the picture follows the arrow";
    EXPECT_NEAR(panned.middleY(), cy, 4);

    // Eighteen turns of 5 degrees about the vertical through the centre, seen
    // from above, bring the flower round a quarter of the way.
    tap("Right", 18);
    const Outline turned = resting();
    EXPECT_NEAR(turned.middleX(), cx, 6);
    EXPECT_NEAR(std::abs(turned.middleY() - cy), 104, 12);

    // Seven tilts of 5 degrees bring the growth centre up the view, as a drag
    // up by 611 pixels would (274 pixels for 0.611 radians).
    program.tapKey("Home");
    EXPECT_TRUE(resting().near(start, 4));
    tap("Up", 7);
    resting();
    EXPECT_NEAR(std::abs(Patch(program, main, cx, cy - 274, half).hueWinding(radius)), 1, 0.1);

    program.tapKey("Home");
    EXPECT_TRUE(resting().near(start, 4));
}

class NavigationOnADesktop : public NavigationProgram {
protected:
    NavigationOnADesktop() : NavigationProgram(managedDesktop()) {}
};

TEST_F(NavigationOnADesktop, F11ShowsTheMainWindowFullScreenAndBack) {
    program.click(main, cx, cy);  // the main window takes the keyboard
    const ScreenBox before = insideBox(program.display(), main);

    const auto sized = [&](int w, int h) {
        for (int i = 0; i < 100; ++i) {
            const ScreenBox b = insideBox(program.display(), main);
            if (b.right - b.left == w && b.bottom - b.top == h)
                return b;
            pauseSeconds(0.05);
        }
        return insideBox(program.display(), main);
    };
    program.tapKey("F11");
    const ScreenBox full = sized(1600, 1000);
    EXPECT_EQ(full.left, 0);
    EXPECT_EQ(full.top, 0);
    EXPECT_EQ(full.right, 1600);
    EXPECT_EQ(full.bottom, 1000);

    program.tapKey("F11");
    const ScreenBox back = sized(before.right - before.left, before.bottom - before.top);
    EXPECT_EQ(back.left, before.left);
    EXPECT_EQ(back.top, before.top);
}

}  // namespace
