#include "camera/Orientation.h"
#include "camera/TrackView.h"
#include "support/DragSteps.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using V3 = Vec<double, 3>;
constexpr double pitchLimit = 1.5707806188316287;

// Runs the track view as the pose loop does: each frame starts from the pose
// the previous frame produced.
class TrackViewSteps : public ::testing::Test {
protected:
    TrackViewSteps() {
        pose.position = V3(0, 0, 3);
        pose.angles = V3(0, 1.5707963267948966, 0);
    }
    void frame() { view.step(pose, FrameRef()); }
    void frames(int n) {
        for (int i = 0; i < n; ++i)
            frame();
    }
    double heading() const { return pose.angles[0]; }
    double pitch() const { return pose.angles[1]; }
    // The centre stays at the origin unless a test pans.
    double distance() const { return pose.position.length(); }

    TrackView view;
    Coord pose;
    Recorder<Coord const&> answers{view.coordOut, [this](Coord const& c) { pose = c; }};
};

TEST_F(TrackViewSteps, FirstFrameLooksStraightDownFromDistanceThreeAndThenHolds) {
    frame();
    EXPECT_EQ(answers.size(), 1u);
    EXPECT_NEAR(distance(), 3, 1e-12);
    EXPECT_EQ(pitch(), -pitchLimit);
    EXPECT_EQ(heading(), 0);
    EXPECT_EQ(pose.angles[2], 0);
    // Almost straight above the centre, leaning towards -y so world +y is up the screen.
    EXPECT_NEAR(pose.position[0], 0, 1e-15);
    EXPECT_NEAR(pose.position[1], -3 * std::cos(pitchLimit), 1e-12);
    EXPECT_GT(pose.position[2], 2.9999999);

    // Re-aiming so close to the pole amplifies rounding (asin near -1).
    const Coord first = pose;
    frames(200);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(pose.position[i], first.position[i], 1e-10);
        EXPECT_NEAR(pose.angles[i], first.angles[i], 1e-9);
    }
}

TEST_F(TrackViewSteps, LeftDragTurnsTheHeadingAndTheTurnDecays) {
    frame();
    view.rotateDrag(edge(true));
    view.rotateDrag(motion(10, 0));

    double change = -0.002;
    for (int i = 0; i < 8; ++i) {
        const double before = heading();
        frame();
        EXPECT_NEAR(heading() - before, change, 1e-9) << "frame " << i;
        EXPECT_NEAR(pitch(), -pitchLimit, 1e-9);
        EXPECT_NEAR(distance(), 3, 1e-12);
        change *= 0.8;
    }
}

TEST_F(TrackViewSteps, MotionsBetweenTwoFramesAddUp) {
    frame();
    view.rotateDrag(motion(4, 0));
    view.rotateDrag(motion(6, 0));
    const double before = heading();
    frame();
    EXPECT_NEAR(heading() - before, -0.002, 1e-9);
}

TEST_F(TrackViewSteps, RightDragZoomsByDecayingFactorsAndStopsAtOneTenth) {
    frame();
    view.zoomDrag(edge(true));
    view.zoomDrag(motion(0, 50));

    frame();
    EXPECT_NEAR(distance(), 3 * std::exp(-0.04), 1e-12);
    frame();
    EXPECT_NEAR(distance(), 3 * std::exp(-0.04) * std::exp(-0.034), 1e-12);

    for (int i = 0; i < 100; ++i) {
        view.zoomDrag(motion(0, 200));
        frame();
        ASSERT_GE(distance(), 0.1 - 1e-12);
    }
    EXPECT_NEAR(distance(), 0.1, 1e-12);

    // Dragging up zooms out again.
    view.zoomDrag(motion(0, -50));
    frame();
    EXPECT_NEAR(distance(), 0.1 * std::exp(0.04), 1e-12);
}

TEST_F(TrackViewSteps, LongZoomOutStopsAtADistanceAFewDragsComeBackFrom) {
    frame();
    for (int i = 0; i < 500; ++i) {
        view.zoomDrag(motion(0, -500));
        view.panDrag(motion(2000000000, -2000000000));
        frame();
        ASSERT_TRUE(std::isfinite(pose.position.length())) << "frame " << i;
    }
    view.panDrag(edge(false));
    frames(200);  // until the pan has glided out
    const Vec<double, 3> centre = pose.position + directionOf(pose.angles) * 100;
    EXPECT_NEAR((centre - pose.position).length(), 100, 1e-6);

    for (int drag = 0; drag < 3; ++drag) {
        view.zoomDrag(motion(0, 300));
        frames(40);
    }
    EXPECT_LT((centre - pose.position).length(), 3);
}

TEST_F(TrackViewSteps, WheelStepsGlideTheDistanceBothWaysWithinItsLimits) {
    frame();
    view.zoomWheel(-1);  // away from the person: closer
    frames(100);
    EXPECT_GT(distance(), 3 * 0.85);
    EXPECT_LT(distance(), 3 * 0.95);
    view.zoomWheel(1);
    frames(100);
    EXPECT_NEAR(distance(), 3, 1e-6);

    // Spun hard, the glide ends at the limit with nothing left over, so one
    // step back moves the camera at once.
    for (const int steps : {-500, 500}) {
        const double limit = steps < 0 ? 0.1 : 100;
        view.zoomWheel(steps);
        int n = 0;
        for (; n < 200 && std::abs(distance() / limit - 1) > 1e-3; ++n) {
            frame();
            ASSERT_GE(distance(), 0.1 - 1e-12) << steps;
            ASSERT_LE(distance(), 100 + 1e-9) << steps;
        }
        ASSERT_LT(n, 200) << "never reached " << limit;
        const double there = distance();
        view.zoomWheel(steps < 0 ? 1 : -1);
        frame();
        EXPECT_GT(std::abs(distance() / there - 1), 1e-3) << steps;
    }
}

TEST_F(TrackViewSteps, ZoomAndTurnStopWhenTheirDragEnds) {
    frame();
    view.zoomDrag(motion(0, 50));
    view.rotateDrag(motion(10, 10));
    frame();
    view.zoomDrag(edge(false));
    view.rotateDrag(edge(false));
    const Coord held = pose;
    frames(5);
    EXPECT_NEAR(distance(), held.position.length(), 1e-12);
    EXPECT_NEAR(heading(), held.angles[0], 1e-9);
    EXPECT_NEAR(pitch(), held.angles[1], 1e-9);
}

TEST_F(TrackViewSteps, PanGlidesOnAfterReleaseAndStopsTheTurn) {
    frame();
    view.rotateDrag(motion(10, 0));
    view.panDrag(edge(true));   // also stops the turn just set
    view.panDrag(motion(10, 0));
    view.panDrag(edge(false));  // the pan itself keeps going

    // Heading 0: the eye's right axis is world +x. Moving the pointer right
    // moves the centre, and the eye with it, to the left.
    double shift = -0.001 * 10 * 3 * 0.2;
    for (int i = 0; i < 6; ++i) {
        const Coord before = pose;
        frame();
        EXPECT_NEAR(pose.position[0] - before.position[0], shift, 1e-12) << "frame " << i;
        EXPECT_NEAR(pose.position[1], before.position[1], 1e-10);
        EXPECT_NEAR(pose.position[2], before.position[2], 1e-12);
        EXPECT_NEAR(heading(), 0, 1e-9);
        shift *= 0.8;
    }
}

TEST_F(TrackViewSteps, MiddleDragDownMovesTheCentreAlongTheEyesUpAxis) {
    // A side view: heading 0, pitch 0, so the eye's up axis is world +z.
    pose.position = V3(0, -3, 0);
    frame();
    view.panDrag(motion(0, 10));
    const double before = pose.position[2];
    frame();
    EXPECT_NEAR(pose.position[2] - before, 0.001 * 10 * 3 * 0.2, 1e-12);
}

TEST_F(TrackViewSteps, PitchStaysWithinTheLimitBothWays) {
    frame();
    view.rotateDrag(motion(0, 100));  // down: further than straight down
    frames(10);
    EXPECT_EQ(pitch(), -pitchLimit);

    view.rotateDrag(motion(0, -6000));  // up: over the top
    frames(30);
    EXPECT_EQ(pitch(), pitchLimit);
    EXPECT_LT(pose.position[2], -2.999);  // below the centre, looking up
    EXPECT_NEAR(distance(), 3, 1e-9);
}

TEST_F(TrackViewSteps, PoseAtTheCentreStaysFinite) {
    pose.position = V3();
    frame();
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(std::isfinite(pose.position[i]));
        EXPECT_TRUE(std::isfinite(pose.angles[i]));
    }
    EXPECT_NEAR(distance(), 0.1, 1e-12);
}

}  // namespace
