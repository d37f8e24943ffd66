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

}  // namespace
