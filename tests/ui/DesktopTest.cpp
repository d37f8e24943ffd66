// The real program as a desktop sees it: windows it can tie to the launcher,
// the palette where a person can use it, and on a screen too small for it.
#include <gtest/gtest.h>

#include "support/WindowFacts.h"

#include <X11/Xlib.h>

#include <fstream>

namespace {

std::string entryValue(const std::string& key) {
    std::ifstream entry(DESKTOP_ENTRY);
    for (std::string line; std::getline(entry, line);)
        if (line.rfind(key + "=", 0) == 0)
            return line.substr(key.size() + 1);
    return "";
}

// The main window, the palette, and the About box opened from the menu.
class AllThreeWindows : public ::testing::Test {
protected:
    void SetUp() override {
        main = program.waitForWindow("Spiravel 1.0 - ");
        palette = program.waitForWindow("Control Palette");
        ASSERT_NE(main, 0u);
        ASSERT_NE(palette, 0u);
        program.click(palette, 160, 100);  // used last, it must not become the About box's owner
        program.click(main, 112, 15);      // "&Help"
        program.click(main, 124, 42);      // "&About..."
        about = program.waitForWindow("About Spiravel");
        ASSERT_NE(about, 0u);
    }

    ProgramUnderTest program;
    Window main = 0, palette = 0, about = 0;
};

TEST_F(AllThreeWindows, CarryTheClassTheLauncherLooksFor) {
    const std::string launcherClass = entryValue("StartupWMClass");
    ASSERT_NE(launcherClass, "");
    for (Window w : {main, palette, about})
        EXPECT_EQ(windowClass(program.display(), w), launcherClass);
}

TEST_F(AllThreeWindows, CarryTheProgramsIcon) {
    const std::vector<unsigned long> icon = windowIcon(program.display(), main);
    EXPECT_GE(icon.size(), 2 + 16 * 16u) << "an image of 16 x 16 or more";
    EXPECT_EQ(windowIcon(program.display(), palette), icon);
    EXPECT_EQ(windowIcon(program.display(), about), icon);
}

TEST_F(AllThreeWindows, AboutBoxBelongsToTheMainWindowAsThePaletteDoes) {
    EXPECT_EQ(transientFor(program.display(), palette), main);
    EXPECT_EQ(transientFor(program.display(), about), main);
}

TEST(PalettePlace, FirstBesideTheMainWindowThenWhereThePersonLeftIt) {
    ProgramUnderTest program(managedDesktop("1920x1080x24"));
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
    ProgramUnderTest program(managedDesktop("640x480x24"));
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
