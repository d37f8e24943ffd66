// The frame clock: frame numbers, times and deltas.
#include "core/FrameClock.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FrameClock, FirstFrameIsNumberZeroWithDeltaEqualToTime) {
    FrameClock clock;
    Recorder<FrameRef const&> frames(clock.frameReady);
    clock.advance();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].number, 0);
    EXPECT_GT(frames[0].time, 0.0);
    EXPECT_EQ(frames[0].delta, float(frames[0].time));
}

TEST(FrameClock, TwoTicksInARowAreNumberedOnAndApartByASmallPositiveDelta) {
    FrameClock clock;
    Recorder<FrameRef const&> frames(clock.frameReady);
    clock.advance();
    clock.advance();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1].number, frames[0].number + 1);
    EXPECT_GT(frames[1].delta, 0.0f);
    EXPECT_LT(frames[1].delta, 0.5f);
    EXPECT_NEAR(frames[1].time - frames[0].time, frames[1].delta, 1e-6);
}

TEST(FrameClock, FrameNumbersStartAgainAtZeroAfterTheLargest) {
    EXPECT_EQ(nextFrameNumber(41), 42);
    EXPECT_EQ(nextFrameNumber(2147483646), 2147483647);
    EXPECT_EQ(nextFrameNumber(2147483647), 0);
}

TEST(FrameClock, EveryClockMeasuresFromTheOneOriginOfTheProcess) {
    FrameClock first;
    FrameClock second;
    Recorder<FrameRef const&> a(first.frameReady), b(second.frameReady);
    first.advance();
    second.advance();
    EXPECT_GE(b[0].time, a[0].time);
    EXPECT_LT(b[0].time - a[0].time, 0.5);
}

}  // namespace
