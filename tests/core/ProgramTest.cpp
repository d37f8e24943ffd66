// The real program under the virtual X server, seen from outside.
#include "support/ProgramUnderTest.h"

#include <gtest/gtest.h>

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
