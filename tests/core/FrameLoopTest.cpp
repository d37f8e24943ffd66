// The program's frame loop in the test's own process.
#include "support/AssembledProgram.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

TEST(FrameLoop, DrawsNoFasterThanTheDisplayRefreshWhereTheSwapDoesNotWait) {
    AssembledProgram p;  // under the virtual X server no swap waits for a refresh
    Recorder<> paints(p.glView->paint);
    const double seconds = 2;
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end)
        p.frame();
    EXPECT_LE(paints.size(), FramePacer::displayRefreshRate() * 1.05 * seconds);
    EXPECT_GT(paints.size(), 0u);
}

}  // namespace
