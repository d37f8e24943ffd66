#include "camera/FreeFly.h"
#include "camera/Orientation.h"
#include "support/GlContext.h"
#include "support/Recorder.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using V3 = Vec<double, 3>;

// FreeFlyInput reads the viewport of the current context.
class FreeFlyInputEvents : public ::testing::Test {
protected:
    const Coord& last() const { return records.back(); }
    double acceleration() const { return last().position[1]; }
    double headingRate() const { return last().angles[0]; }
    double pitchRate() const { return last().angles[1]; }

    GlContext gl{800, 600};
    FreeFlyInput input;
    Recorder<Coord const&> records{input.coordOut};
};

TEST_F(FreeFlyInputEvents, LeftButtonAcceleratesAndThePointerSteers) {
    input.mouseEvent(1, true, 400, 300);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(last().position, V3(0, 0.1, 0));
    EXPECT_EQ(last().angles, V3(0, 0, 0));

    input.mouseEvent(0, false, 800, 300);
    EXPECT_EQ(acceleration(), 0.1);
    EXPECT_EQ(headingRate(), 1);
    EXPECT_EQ(pitchRate(), 0);

    input.mouseEvent(0, false, 0, 0);  // top left corner
    EXPECT_EQ(headingRate(), -1);
    EXPECT_EQ(pitchRate(), -1);
    input.mouseEvent(0, false, 200, 600);  // bottom edge
    EXPECT_EQ(headingRate(), -0.5);
    EXPECT_EQ(pitchRate(), 1);

    input.mouseEvent(1, false, 800, 600);
    EXPECT_EQ(last().position, V3());
    EXPECT_EQ(last().angles, V3());
    EXPECT_EQ(records.size(), 5u);
}

TEST_F(FreeFlyInputEvents, LeftWinsOverRightAndMiddleOnlySteers) {
    input.mouseEvent(3, true, 400, 300);
    EXPECT_EQ(acceleration(), -0.1);
    input.mouseEvent(1, true, 400, 300);
    EXPECT_EQ(acceleration(), 0.1);
    input.mouseEvent(1, false, 400, 300);
    EXPECT_EQ(acceleration(), -0.1);
    input.mouseEvent(3, false, 400, 300);

    input.mouseEvent(2, true, 600, 150);
    EXPECT_EQ(acceleration(), 0);
    EXPECT_EQ(headingRate(), 0.5);
    EXPECT_EQ(pitchRate(), -0.5);
}

TEST_F(FreeFlyInputEvents, PointerIsIgnoredWithoutButtonsAndOtherButtonsChangeNoFlag) {
    input.mouseEvent(0, false, 800, 0);
    EXPECT_EQ(last().angles, V3());
    input.mouseEvent(4, true, 800, 0);
    EXPECT_EQ(last().angles, V3());
    EXPECT_EQ(acceleration(), 0);
    EXPECT_EQ(records.size(), 2u);
}

TEST_F(FreeFlyInputEvents, SteeringIsRelativeToTheViewportOrigin) {
    glViewport(100, 50, 400, 300);
    input.mouseEvent(2, true, 100, 50);
    EXPECT_EQ(headingRate(), -1);
    EXPECT_EQ(pitchRate(), -1);
    input.mouseEvent(0, false, 500, 350);
    EXPECT_EQ(headingRate(), 1);
    EXPECT_EQ(pitchRate(), 1);
}

TEST_F(FreeFlyInputEvents, ViewportWithoutExtentSteersNothingAlongThatAxis) {
    glViewport(0, 0, 0, 0);
    input.mouseEvent(1, true, 37, 999);
    EXPECT_EQ(last().angles, V3());
    EXPECT_EQ(acceleration(), 0.1);

    glViewport(0, 0, 800, 0);
    input.mouseEvent(0, false, 800, 999);
    EXPECT_EQ(headingRate(), 1);
    EXPECT_EQ(pitchRate(), 0);

    glViewport(0, 0, 0, 600);
    input.mouseEvent(0, false, 800, 600);
    EXPECT_EQ(headingRate(), 0);
    EXPECT_EQ(pitchRate(), 1);
}

class FreeFlySteps : public ::testing::Test {
protected:
    void frame(float delta = 0.02f) {
        FrameRef f;
        f.delta = delta;
        fly.step(pose, f);
    }
    FreeFly fly;
    Coord pose;
    // Each frame starts from the pose the previous one produced.
    Recorder<Coord const&> poses{fly.coordOut, [this](Coord const& c) { pose = c; }};
};

TEST_F(FreeFlySteps, AccelerationAddsSpeedPerFrameAlongTheViewingDirection) {
    pose.angles = V3(0.3, -0.4, 0);
    Coord control;
    control.position = V3(0, 0.1, 0);
    fly.setControl(control);

    const V3 forward = directionOf(pose.angles);
    V3 expected;
    for (int i = 1; i <= 5; ++i) {
        frame();
        expected += forward * (0.002 * i);
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(pose.position[k], expected[k], 1e-9) << "frame " << i;
    }

    // Without control the eye keeps flying at the speed reached.
    fly.setControl(Coord());
    const V3 before = pose.position;
    frame();
    EXPECT_NEAR((pose.position - before).length(), 0.01, 1e-9);
    EXPECT_EQ(pose.angles, V3(0.3, -0.4, 0));
}

TEST_F(FreeFlySteps, SteeringTurnsByRatePerSecondAndFliesTheNewDirection) {
    Coord control;
    control.position = V3(0, 0.1, 0);
    control.angles = V3(1, 0.5, 0);  // pointer right of and below the centre
    fly.setControl(control);
    frame(0.5f);

    EXPECT_NEAR(pose.angles[0], -0.5, 1e-12);
    EXPECT_NEAR(pose.angles[1], -0.25, 1e-12);
    const V3 moved = directionOf(V3(-0.5, -0.25, 0)) * 0.05;
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(pose.position[k], moved[k], 1e-12);
}

}  // namespace
