// The real program under the virtual X server, seen from outside.
#include "support/ProgramUnderTest.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

bool lightBlue(const Rgb& p) {
    return std::abs(p[0] - 128) <= 1 && std::abs(p[1] - 179) <= 1 && std::abs(p[2] - 230) <= 1;
}

TEST(Program, ClearsToLightBlueAndExitsWithZeroWhenTheMainWindowCloses) {
    ProgramUnderTest program;
    const Window main = program.waitForWindow("Spiravel 1.0 - ");
    ASSERT_NE(main, 0u) << "the main window never appeared";
    // Without a window manager the palette opens over the view's corner.
    if (const Window palette = program.waitForWindow("Control Palette"))
        program.closeWindow(palette);

    // The view lies below the 30-pixel menu bar.
    EXPECT_TRUE(program.waitForPixels(main, 10, 40, 4, 4, lightBlue))
        << "first frame not cleared to (0.5, 0.7, 0.9)";

    program.closeWindow(main);
    EXPECT_EQ(program.waitForExit(), 0);
}

}  // namespace
