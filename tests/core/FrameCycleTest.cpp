#include "core/Channel.h"
#include "core/ClearBuffers.h"
#include "core/FrameClock.h"
#include "core/VSyncHack.h"
#include "support/GlContext.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

#include <GL/glx.h>
#include <dlfcn.h>

#include <string>
#include <vector>

// Counts how often the swap-interval set-up asks the real GLX for its extensions.
static int extensionQueries = 0;
extern "C" const char* glXQueryExtensionsString(Display* display, int screen) {
    using Real = const char* (*)(Display*, int);
    static auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "glXQueryExtensionsString"));
    ++extensionQueries;
    return real(display, screen);
}

namespace {

TEST(Channel, RunsTheEightStagesInOrderWhateverTheConnectionOrder) {
    Channel channel;
    Recorder<std::string> seen;
    seen.listen(channel.stageScene, "scene");
    seen.listen(channel.stageLight, "light");
    seen.listen(channel.stageView, "view");
    seen.listen(channel.stageAfterProjection, "afterProjection");
    seen.listen(channel.stageProjection, "projection");
    seen.listen(channel.stageAfterClear, "afterClear");
    seen.listen(channel.stageClear, "clear");
    seen.listen(channel.stageTime, "time");
    channel.runFrame();
    EXPECT_EQ(seen, (std::vector<std::string>{"time", "clear", "afterClear", "projection",
                                              "afterProjection", "view", "light", "scene"}));
}

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

TEST(FrameClock, EveryClockMeasuresFromTheOneOriginOfTheProcess) {
    FrameClock first;
    FrameClock second;
    Recorder<FrameRef const&> a(first.frameReady), b(second.frameReady);
    first.advance();
    second.advance();
    EXPECT_GE(b[0].time, a[0].time);
    EXPECT_LT(b[0].time - a[0].time, 0.5);
}

TEST(ClearBuffers, ClearsColourAndDepthWithTheColourSetLast) {
    GlContext gl(64, 64);
    ClearBuffers clear;
    clear.setColor(Vec<float, 3>(1.0f, 0.5f, 0.0f));
    glClearDepth(0.25);
    clear.clear();
    GLfloat colour[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    EXPECT_FLOAT_EQ(colour[0], 1.0f);
    EXPECT_FLOAT_EQ(colour[1], 0.5f);
    EXPECT_FLOAT_EQ(colour[2], 0.0f);
    EXPECT_FLOAT_EQ(colour[3], 0.0f);
    const Rgb p = gl.readPixel(10, 10);
    EXPECT_EQ(p[0], 255);
    EXPECT_NEAR(p[1], 128, 1);
    EXPECT_EQ(p[2], 0);
    GLfloat depth = 0;
    glReadPixels(10, 10, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_NEAR(depth, 0.25f, 1e-3f);
}

TEST(VSyncHack, LooksForTheSwapIntervalExtensionOnceInTheProcess) {
    GlContext gl(64, 64);
    const int before = extensionQueries;
    VSyncHack hack;
    hack.apply();  // the virtual server offers none: nothing is set, nothing fails
    EXPECT_EQ(extensionQueries, before + 1);
    VSyncHack another;  // the flag is per process, not per object
    hack.apply();
    another.apply();
    EXPECT_EQ(extensionQueries, before + 1);
}

}  // namespace
