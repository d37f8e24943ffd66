// The real program as a desktop sees it: windows it can tie to the launcher,
// the palette where a person can use it, and on a screen too small for it.
#include <gtest/gtest.h>

#include "support/WindowFacts.h"

#include <FL/Fl.H>
#include <X11/Xlib.h>

#include <fstream>
#include <tuple>

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

// The main window and the palette on a desktop of the given screen, once the
// palette is placed: their frames, and the view's inside.
struct Placed {
    explicit Placed(const std::string& screen) : program(managedDesktop(screen)) {
        main = program.waitForWindow("Spiravel 1.0 - ");
        palette = program.waitForWindow("Control Palette");
        pauseSeconds(0.5);
        m = frameBox(program.display(), main);
        p = frameBox(program.display(), palette);
        inside = insideBox(program.display(), palette);
        const ScreenBox mainInside = insideBox(program.display(), main);
        viewTop = mainInside.top + 30;
        viewCentreX = mainInside.left + 1128 / 2;
    }

    ProgramUnderTest program;
    Window main = 0, palette = 0;
    ScreenBox m{}, p{}, inside{};
    int viewTop = 0, viewCentreX = 0;
};

TEST(PalettePlace, BesideTheMainWindowAsOnePairCentredWhereTheScreenHasRoom) {
    for (auto [screen, width, height] : {std::tuple("1600x1000x24", 1600, 1000),
                                         std::tuple("1920x1080x24", 1920, 1080)}) {
        Placed placed(screen);
        ASSERT_NE(placed.palette, 0u) << screen;
        EXPECT_EQ(placed.p.left, placed.m.right) << screen;
        EXPECT_EQ(placed.p.top, placed.m.top) << screen;
        EXPECT_NEAR(placed.m.left + placed.p.right, width, 1) << screen << ": centred across";
        EXPECT_NEAR(placed.m.top + placed.m.bottom, height, 1) << screen << ": and up and down";
    }
}

TEST(PalettePlace, AtTheRightEdgeBelowTheMenuAndClearOfTheViewsCentreOnALaptopScreen) {
    Placed placed("1366x768x24");
    ASSERT_NE(placed.palette, 0u);
    EXPECT_EQ(placed.p.right, 1366);
    EXPECT_EQ(placed.p.top, placed.viewTop) << "level with the view's top";
    EXPECT_GT(placed.p.left, placed.viewCentreX);
    EXPECT_EQ(placed.inside.bottom - placed.inside.top, 480) << "whole where it fits";
    EXPECT_EQ(placed.inside.right - placed.inside.left, 336);
}

TEST(PalettePlace, ShortenedToFitA640x480ScreenWithoutAHorizontalScrollBar) {
    Placed placed("640x480x24");
    ASSERT_NE(placed.palette, 0u);
    EXPECT_EQ(placed.p.bottom, 480) << "the whole palette fits on the screen";
    const int height = placed.inside.bottom - placed.inside.top;
    EXPECT_LT(height, 480);
    EXPECT_EQ(placed.inside.right - placed.inside.left, 336 + Fl::scrollbar_size())
        << "wider by the vertical scroll bar";

    // Wheeled to the end, the lowest row shows at the bottom with nothing
    // below it: the "1597" light at the right lights up when pressed.
    ProgramUnderTest& program = placed.program;
    program.click(placed.palette, 108, 38);  // "Fixed spirals" makes the family lights usable
    program.movePointer(placed.palette, 160, 100);
    for (int i = 0; i < 10; ++i) {
        program.pressButton(5);
        program.releaseButton(5);
    }
    const int lightTop = height - 24;
    program.click(placed.palette, 300, lightTop + 9);
    const auto magenta = [](const Rgb& c) { return c[0] > 200 && c[1] < 60 && c[2] > 200; };
    EXPECT_TRUE(program.waitForPixels(placed.palette, 288, lightTop, 32, 18, magenta, 5));
}

}  // namespace
