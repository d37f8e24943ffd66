// The real program as a desktop sees it: the palette where a person can use
// it, and on a screen too small for it.
#include <gtest/gtest.h>

#include "support/WindowFacts.h"

#include <X11/Xlib.h>

namespace {

TEST(PalettePlace, FirstBesideTheMainWindowThenWhereThePersonLeftIt) {
    ProgramUnderTest program({.screen = "1920x1080x24", .serverOptions = {}, .windowManager = true});
    const Window main = program.waitForWindow("Spiravel 1.0 - ");
    Window palette = program.waitForWindow("Control Palette");
    ASSERT_NE(main, 0u);
    ASSERT_NE(palette, 0u);
    pauseSeconds(0.5);
    const ScreenBox m = frameBox(program.display(), main), p = frameBox(program.display(), palette);
    EXPECT_EQ(p.left, m.right) << "to the right, frame against frame";
    EXPECT_EQ(p.top, m.top) << "tops aligned";

    XMoveWindow(program.display(), palette, 1200, 500);
    XFlush(program.display());
    pauseSeconds(0.5);
    const ScreenBox moved = frameBox(program.display(), palette);
    program.closeWindow(palette);
    pauseSeconds(0.5);
    program.click(main, 68, 15);  // "&View"
    program.click(main, 80, 42);  // "Control &palette"
    palette = program.waitForWindow("Control Palette");
    ASSERT_NE(palette, 0u);
    pauseSeconds(0.5);
    const ScreenBox again = frameBox(program.display(), palette);
    EXPECT_EQ(again.left, moved.left);
    EXPECT_EQ(again.top, moved.top);
}

TEST(PalettePlace, EveryControlReachableByScrollingOnA640x480Screen) {
    ProgramUnderTest program({.screen = "640x480x24", .serverOptions = {}, .windowManager = true});
    const Window palette = program.waitForWindow("Control Palette");
    ASSERT_NE(palette, 0u);
    program.click(palette, 108, 38);  // "Fixed spirals" makes the family lights usable

    // Shortened to fit the screen under its title bar.
    const ScreenBox frame = frameBox(program.display(), palette);
    const ScreenBox inside = insideBox(program.display(), palette);
    const int height = 480 - (frame.bottom - frame.top - (inside.bottom - inside.top));
    XMoveResizeWindow(program.display(), palette, inside.left - frame.left, inside.top - frame.top,
                      336, unsigned(height));
    XFlush(program.display());
    pauseSeconds(0.5);
    const ScreenBox shortened = frameBox(program.display(), palette);
    EXPECT_EQ(shortened.top, 0);
    EXPECT_EQ(shortened.bottom, 480) << "the whole palette fits on the screen";

    // Wheeled to the end, the lowest row shows above the horizontal scroll bar:
    // the "1597" light at the right lights up when pressed.
    for (int i = 0; i < 4; ++i) program.click(palette, 160, 100, 5);
    const int lightTop = height - 16 - 24;
    program.click(palette, 300, lightTop + 9);
    const auto magenta = [](const Rgb& c) { return c[0] > 200 && c[1] < 60 && c[2] > 200; };
    EXPECT_TRUE(program.waitForPixels(palette, 288, lightTop, 32, 18, magenta, 5));
}

}  // namespace
