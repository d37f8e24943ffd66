#include "camera/Cam3d.h"
#include "camera/FreeFly.h"
#include "camera/Orientation.h"
#include "camera/SyncView.h"
#include "camera/TrackView.h"
#include "core/Wiring.h"
#include "support/DragSteps.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using V3 = Vec<double, 3>;
constexpr double pitchLimit = 1.5707806188316287;

void expectSame(const Coord& a, const Coord& b) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(a.position[i], b.position[i]) << "position " << i;
        EXPECT_EQ(a.angles[i], b.angles[i]) << "angle " << i;
    }
}

// The pose loop wired as the program wires it.
class SyncViewLoop : public ::testing::Test {
protected:
    SyncViewLoop() {
        connectPoseLoop(syncView, cam, mux, track, fly);
        setStartPose(syncView);
    }
    void frames(int n, float delta = 0.02f) {
        for (int i = 0; i < n; ++i) {
            frame.delta = delta;
            syncView.tick(frame);
            ++frame.number;
        }
    }
    Coord stored() {
        Coord c;
        syncView.getCoord(c);
        return c;
    }
    // Free flight straight ahead at this speed.
    void startFlight(double speed) {
        Coord control;
        control.position = V3(0, speed, 0);
        fly.setControl(control);
        mux.select2();
    }

    Cam3d cam;
    SyncView syncView;
    SyncViewMUX mux;
    FreeFly fly;
    TrackView track;
    FrameRef frame;
};

TEST_F(SyncViewLoop, InitialPoseIsStoredSilentlyAndTheFirstFrameAimsDown) {
    Coord start = stored();
    EXPECT_EQ(start.position, V3(0, 0, 3));
    EXPECT_EQ(cam.pose().position, V3());  // nothing was announced

    frames(1);
    const Coord now = stored();
    expectSame(cam.pose(), now);
    EXPECT_NEAR(now.position.length(), 3, 1e-12);
    EXPECT_EQ(now.angles[1], -pitchLimit);
    EXPECT_EQ(now.angles[0], 0);
}

TEST_F(SyncViewLoop, ModeWithoutNavigatorFreezesAndTrackViewResumesFromThere) {
    frames(1);
    DragEvent zoom;
    zoom.y = 50;
    track.zoomDrag(zoom);
    frames(3);
    const Coord frozen = stored();
    ASSERT_LT(frozen.position.length(), 2.9);

    mux.select3();
    frames(10);
    expectSame(stored(), frozen);
    expectSame(cam.pose(), frozen);

    mux.select4();
    frames(2);
    expectSame(stored(), frozen);

    // The zoom still pending in the track view carries on from the frozen pose.
    mux.select1();
    frames(1);
    EXPECT_NEAR(stored().position.length(),
                frozen.position.length() * std::exp(0.2 * -0.2 * std::pow(0.85, 3)), 1e-12);
    expectSame(cam.pose(), stored());
}

TEST_F(SyncViewLoop, FreeFlightContinuesFromTheTrackPoseAndBack) {
    frames(1);
    const Coord tracked = stored();

    startFlight(0.1);
    frames(1);

    // Straight down from the tracked pose by the first frame's speed.
    const V3 expected = tracked.position + directionOf(tracked.angles) * (0.02f * 0.1);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(stored().position[i], expected[i], 1e-12);
    expectSame(cam.pose(), stored());

    frames(20);
    const Coord flown = stored();
    ASSERT_LT(flown.position.length(), 2.9);

    // The track view re-aims at its own centre from wherever the flight ended.
    mux.select1();
    frames(1);
    EXPECT_NEAR(stored().position.length(), flown.position.length(), 1e-12);
    EXPECT_NEAR(stored().angles[1], -pitchLimit, 1e-9);
}

TEST_F(SyncViewLoop, FlightPastTheLargestPositionKeepsTheLastFinitePose) {
    frames(1);
    const Coord last = stored();
    startFlight(1e300);
    frames(5);  // already the first step flies past what the camera can load
    expectSame(stored(), last);
    expectSame(cam.pose(), last);

    mux.select1();
    frames(1);
    EXPECT_NEAR(stored().position.length(), 3, 1e-9);
}

TEST_F(SyncViewLoop, HomeDuringADragAndGlidesEndsInTheStartPose) {
    frames(1);
    const Coord first = stored();

    // A pan and a wheel zoom left gliding, a turn still being dragged.
    track.panDrag(edge(true));
    track.panDrag(motion(30, 10));
    track.panDrag(edge(false));
    track.zoomWheel(-3);
    track.rotateDrag(edge(true));
    track.rotateDrag(motion(40, -20));
    frames(3);
    ASSERT_GT((stored().position - first.position).length(), 0.1);

    // As the program wires the Home key; the drag goes on after it.
    syncView.home();
    track.home();
    track.rotateDrag(motion(40, -20));
    frames(1);
    expectSame(stored(), first);
    expectSame(cam.pose(), first);

    // The next drag turns again.
    track.rotateDrag(edge(false));
    track.rotateDrag(edge(true));
    track.rotateDrag(motion(10, 0));
    frames(1);
    EXPECT_NE(stored().angles[0], first.angles[0]);
}

}  // namespace
