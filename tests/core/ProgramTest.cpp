// The real program under the virtual X server, seen from outside.
#include "support/ProgramUnderTest.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(Program, ClearsToLightBlueAndExitsWithZeroWhenTheMainWindowCloses) {
    ProgramUnderTest program;
    const Window main = program.waitForMainWindowAlone();
    ASSERT_NE(main, 0u) << "the main window never appeared";

    // The view lies below the 30-pixel menu bar.
    EXPECT_TRUE(program.waitForPixels(main, 10, 40, 4, 4, startBackground))
        << "first frame not cleared to (0.5, 0.7, 0.9)";

    program.closeWindow(main);
    EXPECT_EQ(program.waitForExit(), 0);
}

// A fingerprint of the view's upper-left quarter, to tell frames apart.
unsigned long viewPixels(ProgramUnderTest& program, Window main) {
    unsigned long sum = 0;
    program.countPixels(main, 0, 30, 564, 333, [&](const Rgb& p) {
        sum = sum * 31 + unsigned(p[0] * 65536 + p[1] * 256 + p[2]);
        return false;
    });
    return sum;
}

// On a desktop, the main window out of sight one way or another: the
// program rests, and its flower goes on once the window shows again.
class MainWindowOutOfSight : public ::testing::Test {
protected:
    void SetUp() override {
        main = program.waitForWindow("Spiravel 1.0 - ");
        ASSERT_NE(main, 0u) << "the main window never appeared";
        ASSERT_TRUE(program.waitForPixels(main, 10, 40, 4, 4, startBackground));
    }

    void expectRestUntil(const std::function<bool()>& showAgain) {
        pauseSeconds(0.5);  // what it drew before it heard
        const double before = program.cpuSeconds();
        pauseSeconds(10);
        EXPECT_LT(program.cpuSeconds() - before, 0.1) << "1 % of a core or more out of sight";

        ASSERT_TRUE(showAgain()) << "not shown again";
        pauseSeconds(0.5);
        const unsigned long shown = viewPixels(program, main);
        pauseSeconds(1);
        EXPECT_NE(viewPixels(program, main), shown) << "the flower stands still once shown";

        program.closeWindow(main);
        EXPECT_EQ(program.waitForExit(), 0);
    }

    ProgramUnderTest program{managedDesktop()};
    Window main = 0;
};

TEST_F(MainWindowOutOfSight, MinimisedItDrawsNothingAndRestoredGoesOn) {
    ASSERT_TRUE(program.minimiseWindow(main)) << "the window manager did not minimise it";
    expectRestUntil([this] {
        program.restoreWindow(main);
        return program.waitForWindow("Spiravel 1.0 - ") != 0;
    });
}

TEST_F(MainWindowOutOfSight, ShadedItDrawsNothingAndUnshadedGoesOn) {
    ASSERT_TRUE(program.shadeWindow(main, true)) << "the window manager did not shade it";
    expectRestUntil([this] { return program.shadeWindow(main, false); });
}

TEST(Program, WhereItCannotDrawSaysWhyAndExitsWithOne) {
    ProgramUnderTest::Desktop noGlx;
    noGlx.serverOptions = {"-extension", "GLX"};
    ProgramUnderTest withoutGl(noGlx);
    const Window box = withoutGl.waitForWindow("Spiravel");
    ASSERT_NE(box, 0u) << "no message box";
    withoutGl.closeWindow(box);
    EXPECT_EQ(withoutGl.waitForExit(), 1);
    EXPECT_NE(withoutGl.terminalOutput().find(
                  "no OpenGL visual with double buffering,\nan alpha channel and a depth buffer"),
              std::string::npos)
        << withoutGl.terminalOutput();

    ProgramUnderTest::Desktop noDisplay;
    noDisplay.displaySet = false;
    ProgramUnderTest nowhere(noDisplay);
    EXPECT_EQ(nowhere.waitForExit(), 1);
    EXPECT_NE(nowhere.terminalOutput().find("no display is set"), std::string::npos)
        << nowhere.terminalOutput();
}

}  // namespace
