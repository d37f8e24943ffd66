// The real program with its palette and menu, driven from outside as a person
// would: real pointer clicks through the X server.
#include <gtest/gtest.h>

#include "support/ProgramUnderTest.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

std::function<bool(const Rgb&)> near(int r, int g, int b) {
    return [=](const Rgb& p) {
        return std::abs(p[0] - r) <= 1 && std::abs(p[1] - g) <= 1 && std::abs(p[2] - b) <= 1;
    };
}

const auto flower = [](const Rgb& p) { return !startBackground(p); };

// Pixels of the main window: one of the background, clear of the flower; one
// in the flower's middle; and the view's top-left corner.
constexpr int backgroundX = 1080, backgroundY = 400;
constexpr int flowerX = 700, flowerY = 400;
constexpr int cornerX = 10, cornerY = 40;

class UiProgram : public ::testing::Test {
protected:
    explicit UiProgram(const ProgramUnderTest::Desktop& desktop = {}) : program(desktop) {}

    void SetUp() override {
        main = program.waitForWindow("Spiravel 1.0 - ");
        palette = program.waitForWindow("Control Palette");
        ASSERT_NE(main, 0u);
        ASSERT_NE(palette, 0u) << "the palette is shown at start";
    }

    void click(Window w, int x, int y) { program.click(w, x, y); }

    bool waitAt(int x, int y, const std::function<bool(const Rgb&)>& looks) {
        return program.waitForPixels(main, x, y, 1, 1, looks);
    }

    // Out of the way, so that the whole view and the menu bar show.
    void closePalette() {
        program.closeWindow(palette);
        ASSERT_TRUE(waitAt(cornerX, cornerY, startBackground))
            << "the view's corner shows once the palette is gone";
    }

    using Spot = std::pair<int, int>;
    // The flower shows at (x, y); the palette clicks `away` leave the clear
    // colour there, and the click `back` brings the flower back; then a clean end.
    void expectClicksEmptyAndRefill(int x, int y, std::initializer_list<Spot> away, Spot back) {
        ASSERT_TRUE(waitAt(x, y, flower));
        for (auto [cx, cy] : away) click(palette, cx, cy);
        EXPECT_TRUE(waitAt(x, y, startBackground));
        click(palette, back.first, back.second);
        EXPECT_TRUE(waitAt(x, y, flower));
        expectCleanEndOnClosingMain();
    }

    Window reopenPaletteFromTheMenu() {
        click(main, 68, 15);  // "&View"
        click(main, 80, 42);  // its only item, "Control &palette"
        return program.waitForWindow("Control Palette", 5);
    }

    void expectCleanEndOnClosingMain() {
        program.closeWindow(main);
        EXPECT_EQ(program.waitForExit(), 0) << "closing the main window ends the program";
    }

    ProgramUnderTest program;
    Window main = 0;
    Window palette = 0;
};

TEST_F(UiProgram, BackgroundColourFromTheChooserReachesTheClearColour) {
    ASSERT_TRUE(waitAt(backgroundX, backgroundY, startBackground));

    // The chooser opens on the button's colour, 127, 182, 255; its "OK" accepts
    // it, and the view clears to it from then on.
    click(palette, 48, 216);
    const Window chooser = program.waitForWindow("Color de Puntos");
    ASSERT_NE(chooser, 0u);
    click(chooser, 57, 177);
    EXPECT_TRUE(waitAt(backgroundX, backgroundY, near(127, 182, 255)));
    expectCleanEndOnClosingMain();
}

// Points, lines and polygons off: nothing but the clear colour is left.
TEST_F(UiProgram, PrimitiveTogglesEmptyAndRefillTheView) {
    expectClicksEmptyAndRefill(flowerX, flowerY, {{42, 98}, {84, 98}, {126, 98}}, {126, 98});
}

TEST_F(UiProgram, PlanarMappingFlattensTheSphereIntoASmallerDisc) {
    // Seen from 3 units away the unit sphere's outline has a radius of about
    // 335 pixels, the unit disc one of about 300: this pixel lies between.
    const int rimX = 564 + 320, rimY = 363;
    expectClicksEmptyAndRefill(rimX, rimY, {{24, 38}}, {60, 38});
}

TEST_F(UiProgram, OsdButtonShowsThePeriodOverTheScene) {
    closePalette();
    // The text sits at the view's lower left, white on a black shadow.
    const auto white = near(255, 255, 255);
    EXPECT_EQ(program.countPixels(main, 15, 640, 200, 50, white), 0);

    const Window reopened = reopenPaletteFromTheMenu();
    ASSERT_NE(reopened, 0u);
    click(reopened, 135, 393);
    EXPECT_TRUE(program.waitForPixels(main, 15, 640, 200, 50, white));
    expectCleanEndOnClosingMain();
}

TEST_F(UiProgram, ClosingThePaletteKeepsTheProgramAndTheMenuBringsItBack) {
    closePalette();
    EXPECT_EQ(program.waitForExit(1), -1) << "the program ended with its palette";
    EXPECT_NE(reopenPaletteFromTheMenu(), 0u);
    expectCleanEndOnClosingMain();
}

TEST_F(UiProgram, ExitFromTheFileMenuEndsWithStatusZero) {
    closePalette();
    // "&File" holds three inactive items, a divider, then "E&xit".
    click(main, 26, 15);
    click(main, 30, 106);
    EXPECT_EQ(program.waitForExit(), 0);
}

class UiProgramOnADesktop : public UiProgram {
protected:
    UiProgramOnADesktop() : UiProgram(managedDesktop()) {}

    // The window manager hides the palette with the minimised main window.
    bool waitUntilPaletteShown(bool shown) {
        for (int i = 0; i < 100 && program.viewable(palette) != shown; ++i)
            pauseSeconds(0.05);
        pauseSeconds(1);  // past the window manager's animation
        return program.viewable(palette) == shown;
    }
};

TEST_F(UiProgramOnADesktop, MinimisingKeepsTheColourPeriod) {
    click(palette, 135, 393);  // "OSD"
    ASSERT_TRUE(program.waitForPixels(main, 15, 640, 200, 50, near(255, 255, 255)));
    pauseSeconds(1);
    click(palette, 69, 393);  // "Stop": the period shown holds still from here on
    pauseSeconds(1);
    auto shownPeriod = [&] {
        std::vector<Rgb> pixels;
        program.countPixels(main, 15, 640, 200, 50, [&](const Rgb& p) {
            pixels.push_back(p);
            return true;
        });
        return pixels;
    };
    const std::vector<Rgb> before = shownPeriod();

    ASSERT_TRUE(program.minimiseWindow(main));
    ASSERT_TRUE(waitUntilPaletteShown(false));
    program.restoreWindow(main);
    ASSERT_TRUE(waitUntilPaletteShown(true));
    EXPECT_TRUE(shownPeriod() == before) << "the palette's fields reset the period";
}

// Menus are windows of their own that no window manager frames, and so are
// some of the window manager's own.
int unframedWindows(Display* d) {
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count);
    int open = 0;
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes a;
        open += XGetWindowAttributes(d, children[i], &a) && a.override_redirect &&
                a.map_state == IsViewable;
    }
    if (children)
        XFree(children);
    return open;
}

TEST_F(UiProgramOnADesktop, EscapeLeavesTheMainWindowOpenAndStillClosesMenusAndTheAboutBox) {
    closePalette();
    click(main, flowerX, flowerY);  // the main window takes the keyboard
    program.tapKey("Escape");
    EXPECT_EQ(program.waitForExit(1), -1) << "Escape over the view ended the program";
    EXPECT_TRUE(program.viewable(main));

    const int noMenu = unframedWindows(program.display());
    click(main, 26, 15);  // "&File"
    ASSERT_GT(unframedWindows(program.display()), noMenu);
    program.tapKey("Escape");
    pauseSeconds(0.5);
    EXPECT_EQ(unframedWindows(program.display()), noMenu);

    click(main, 112, 15);  // "&Help"
    click(main, 124, 42);  // "&About..."
    const Window about = program.waitForWindow("About Spiravel");
    ASSERT_NE(about, 0u);
    pauseSeconds(0.5);  // the window manager gives it the keyboard
    program.tapKey("Escape");
    pauseSeconds(0.5);
    EXPECT_FALSE(program.viewable(about));
    EXPECT_TRUE(program.viewable(main));
    expectCleanEndOnClosingMain();
}

}  // namespace
