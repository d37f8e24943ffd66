#include "core/Channel.h"
#include "core/ClearBuffers.h"
#include "core/FrameClock.h"
#include "core/VSyncHack.h"
#include "support/GlContext.h"

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

struct StageLog : sigslot::has_slots<> {
    std::vector<std::string> seen;
    void time() { seen.push_back("time"); }
    void clear() { seen.push_back("clear"); }
    void afterClear() { seen.push_back("afterClear"); }
    void projection() { seen.push_back("projection"); }
    void afterProjection() { seen.push_back("afterProjection"); }
    void view() { seen.push_back("view"); }
    void light() { seen.push_back("light"); }
    void scene() { seen.push_back("scene"); }
};

TEST(Channel, RunsTheEightStagesInOrderWhateverTheConnectionOrder) {
    Channel channel;
    StageLog log;
    channel.stageScene.connect(&log, &StageLog::scene);
    channel.stageLight.connect(&log, &StageLog::light);
    channel.stageView.connect(&log, &StageLog::view);
    channel.stageAfterProjection.connect(&log, &StageLog::afterProjection);
    channel.stageProjection.connect(&log, &StageLog::projection);
    channel.stageAfterClear.connect(&log, &StageLog::afterClear);
    channel.stageClear.connect(&log, &StageLog::clear);
    channel.stageTime.connect(&log, &StageLog::time);
    channel.runFrame();
    EXPECT_EQ(log.seen, (std::vector<std::string>{"time", "clear", "afterClear", "projection",
                                                  "afterProjection", "view", "light", "scene"}));
}

struct FrameLog : sigslot::has_slots<> {
    std::vector<FrameRef> frames;
    void take(FrameRef const& f) { frames.push_back(f); }
};

TEST(FrameClock, FirstFrameIsNumberZeroWithDeltaEqualToTime) {
    FrameClock clock;
    FrameLog log;
    clock.frameReady.connect(&log, &FrameLog::take);
    clock.advance();
    ASSERT_EQ(log.frames.size(), 1u);
    EXPECT_EQ(log.frames[0].number, 0);
    EXPECT_GT(log.frames[0].time, 0.0);
    EXPECT_EQ(log.frames[0].delta, float(log.frames[0].time));
}

TEST(FrameClock, TwoTicksInARowAreNumberedOnAndApartByASmallPositiveDelta) {
    FrameClock clock;
    FrameLog log;
    clock.frameReady.connect(&log, &FrameLog::take);
    clock.advance();
    clock.advance();
    ASSERT_EQ(log.frames.size(), 2u);
    EXPECT_EQ(log.frames[1].number, log.frames[0].number + 1);
    EXPECT_GT(log.frames[1].delta, 0.0f);
    EXPECT_LT(log.frames[1].delta, 0.5f);
    EXPECT_NEAR(log.frames[1].time - log.frames[0].time, log.frames[1].delta, 1e-6);
}

TEST(FrameClock, FrameNumbersStartAgainAtZeroAfterTheLargest) {
    EXPECT_EQ(nextFrameNumber(41), 42);
    EXPECT_EQ(nextFrameNumber(2147483646), 2147483647);
    EXPECT_EQ(nextFrameNumber(2147483647), 0);
}

TEST(FrameClock, EveryClockMeasuresFromTheOneOriginOfTheProcess) {
    FrameClock first;
    FrameClock second;
    FrameLog a, b;
    first.frameReady.connect(&a, &FrameLog::take);
    second.frameReady.connect(&b, &FrameLog::take);
    first.advance();
    second.advance();
    EXPECT_GE(b.frames[0].time, a.frames[0].time);
    EXPECT_LT(b.frames[0].time - a.frames[0].time, 0.5);
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
