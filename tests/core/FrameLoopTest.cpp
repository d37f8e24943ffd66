// The program's frame loop in the test's own process.
#include "support/AssembledProgram.h"
#include "support/Recorder.h"
#include "support/UiHarness.h"

#include <FL/Fl_Button.H>
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

TEST(FrameLoop, GoesOnDrawingWhileAColourChooserRunsItsOwnLoop) {
    AssembledProgram p;
    Recorder<> paints(p.glView->paint);
    const double seconds = 2;
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end)
        p.frame();
    const std::size_t usual = paints.size();

    ChooserAnswer cancel{false, 0, 0, 0};
    cancel.openFor = seconds;
    cancel.pressing(p.flowerUI.backgroundColorButton);
    ASSERT_EQ(cancel.opened, 1);
    EXPECT_GE(paints.size() - usual, usual * 0.8) << "of " << usual << " frames in as long before";
}

}  // namespace
