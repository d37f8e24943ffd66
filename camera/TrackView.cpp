#include "TrackView.h"

#include "Orientation.h"

#include <algorithm>
#include <cmath>

namespace {

// Just short of straight up or down, where the heading would be undefined.
constexpr double pitchLimit = 0.99999 * (3.141592653589793 / 2);
constexpr double nearest = 0.1;

}  // namespace

void TrackView::step(Coord const& p, FrameRef const&) {
    coord = p;
    const Vec<double, 3> d = centre - coord.position;
    const double dist = d.length();
    const Vec<double, 3> u = d / dist;

    // Only the incoming position counts: the eye is re-aimed at the centre.
    // An eye on the centre has no direction; anglesOf then gives level angles.
    Vec<double, 3> a = anglesOf(u);
    a[0] += 0.2 * turnRate[0];
    a[1] = std::clamp(a[1] + 0.2 * turnRate[1], -pitchLimit, pitchLimit);
    turnRate[0] *= 0.8;
    turnRate[1] *= 0.8;

    Vec<double, 3> right, forward, up;
    axesOf(a, right, forward, up);

    const double r = std::max(dist * std::exp(0.2 * zoomRate), nearest);
    zoomRate *= 0.85;
    forward = forward * r;

    // The pan follows this frame's turn and zoom.
    centre += right * panRate[0] * r * 0.2;
    centre += up * panRate[1] * r * 0.2;
    panRate[0] *= 0.8;
    panRate[1] *= 0.8;

    coord.position = centre - forward;
    coord.angles = a;
    coordOut.emit(coord);
}

void TrackView::rotateDrag(DragEvent const& e) {
    if (e.start || e.end) {
        turnRate[0] = turnRate[1] = 0;
        return;
    }
    turnRate[0] += -0.001 * (e.x - e.xp);
    turnRate[1] += -0.001 * (e.y - e.yp);
}

void TrackView::panDrag(DragEvent const& e) {
    // Beginning or ending a pan stops the turn; the pan itself glides on.
    if (e.start || e.end) {
        turnRate[0] = turnRate[1] = 0;
        return;
    }
    panRate[0] = -0.001 * (e.x - e.xp);
    panRate[1] = 0.001 * (e.y - e.yp);
}

void TrackView::zoomDrag(DragEvent const& e) {
    zoomRate = (e.start || e.end) ? 0 : -0.004 * (e.y - e.yp);
}
