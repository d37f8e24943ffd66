// The real program under the virtual X server: a left drag in the view turns
// the camera, and the picture with it.
#include "support/ProgramUnderTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// The view inside the main window, and the square around its centre that is compared.
constexpr int viewX = 0, viewY = 30, viewW = 1128, viewH = 666;
constexpr int half = 260;
constexpr int side = 2 * half;

bool background(const Rgb& p) {
    return std::abs(p[0] - 128) <= 2 && std::abs(p[1] - 179) <= 2 && std::abs(p[2] - 230) <= 2;
}

// Brightness of the square, box-blurred over 5 x 5 pixels so that rotating a
// one-pixel point by a fraction of a pixel still lands on it.
std::vector<double> capture(ProgramUnderTest& program, Window w) {
    std::vector<double> raw;
    raw.reserve(side * side);
    program.countPixels(w, viewX + viewW / 2 - half, viewY + viewH / 2 - half, side, side,
                        [&](const Rgb& p) {
                            raw.push_back(p[0] + p[1] + p[2]);
                            return true;
                        });
    std::vector<double> blurred(raw.size(), 0);
    if (raw.size() != std::size_t(side * side))
        return blurred;
    for (int y = 2; y < side - 2; ++y)
        for (int x = 2; x < side - 2; ++x) {
            double sum = 0;
            for (int j = -2; j <= 2; ++j)
                for (int i = -2; i <= 2; ++i)
                    sum += raw[(y + j) * side + x + i];
            blurred[y * side + x] = sum / 25;
        }
    return blurred;
}

// How far `after` is from `before` turned by theta (counter-clockwise on
// screen) about the view's centre: mean brightness difference over a ring.
double turnedMismatch(const std::vector<double>& before, const std::vector<double>& after,
                double theta) {
    const double c = std::cos(theta), s = std::sin(theta);
    double sum = 0;
    int n = 0;
    for (int y = 0; y < side; y += 2)
        for (int x = 0; x < side; x += 2) {
            const double u = x + 0.5 - half, v = half - (y + 0.5);  // v grows upward
            const double r = std::hypot(u, v);
            if (r < 30 || r > half - 40)
                continue;
            const double su = c * u + s * v, sv = -s * u + c * v;
            const int bx = int(std::floor(half + su)), by = int(std::floor(half - sv));
            sum += std::abs(after[y * side + x] - before[by * side + bx]);
            ++n;
        }
    return sum / n;
}

TEST(NavigationProgram, LeftDragTurnsThePictureByTheDraggedAngle) {
    ProgramUnderTest program;
    const Window main = program.waitForWindow("Spiravel 1.0 - ");
    ASSERT_NE(main, 0u) << "the main window never appeared";

    // The first frame has run once the corner shows the clear colour.
    ASSERT_TRUE(program.waitForPixels(main, viewX, viewY, 4, 4, background));
    const int cx = viewX + viewW / 2, cy = viewY + viewH / 2;
    const auto drawn = [](const Rgb& p) { return !background(p); };
    if (!program.waitForPixels(main, cx - half, cy - half, side, side, drawn, 5))
        GTEST_SKIP() << "the view shows only the clear colour; a turn needs a drawn scene";
    pauseSeconds(1);

    program.movePointer(main, cx - 200, cy + 100);
    pauseSeconds(0.2);
    const std::vector<double> before = capture(program, main);

    // 400 pixels to the right: the heading falls by 0.001 per pixel, so the
    // camera turns clockwise seen from above and the picture 0.4 the other way.
    program.pressButton(1);
    pauseSeconds(0.1);
    program.movePointer(main, cx + 200, cy + 100);
    pauseSeconds(1.5);  // the turn decays over the following frames
    program.releaseButton(1);
    const std::vector<double> after = capture(program, main);

    double best = 0, bestMismatch = turnedMismatch(before, after, 0);
    const double still = bestMismatch;
    for (double theta = -0.8; theta <= 0.8; theta += 0.01) {
        const double m = turnedMismatch(before, after, theta);
        if (m < bestMismatch) {
            best = theta;
            bestMismatch = m;
        }
    }
    EXPECT_NEAR(best, 0.4, 0.03) << "mismatch " << bestMismatch << " there, " << still
                                 << " unturned";
    EXPECT_LT(bestMismatch, 0.6 * still);

    program.closeWindow(main);
    EXPECT_EQ(program.waitForExit(), 0);
}

}  // namespace
