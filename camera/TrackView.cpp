#include "TrackView.h"

#include "Orientation.h"
#include "core/MathConstants.h"

#include <algorithm>
#include <cmath>

namespace {

// Just short of straight up or down, where the heading would be undefined.
constexpr double pitchLimit = 0.99999 * math::halfPi;
constexpr double nearest = 0.1;
// The flower, of radius 1, still shows some twenty pixels wide from here, and
// one zoom-in drag brings it back; an unbounded distance overflows.
constexpr double farthest = 100;
// Each frame a rate moves the pose by this share of itself, then the turn
// and pan rates keep turnDecay of themselves and the zoom rate zoomDecay:
// a rate glides on after the drag that set it, and dies away.
constexpr double stepShare = 0.2;
constexpr double turnDecay = 0.8;
constexpr double zoomDecay = 0.85;
// A zoom rate z glides the distance by the factor exp(z * glide) in all.
constexpr double glide = stepShare / (1 - zoomDecay);
// A wheel step zooms as a 20-pixel step of a right-button drag, but glides
// on: about a tenth of the distance in all.
constexpr double wheelStepRate = 0.004 * 20;

// A turn rate glides to its own size in radians, a pan rate to that share of
// the distance.
constexpr double keyTurn = 5 * math::pi / 180;
constexpr double keyPan = 0.05;

// The pointer's motion since the previous event, in doubles: the difference of
// two far-apart ints may not fit an int.
double dx(DragEvent const& e) { return double(e.x) - e.xp; }
double dy(DragEvent const& e) { return double(e.y) - e.yp; }

}  // namespace

void TrackView::step(Coord const& p, FrameRef const&) {
    Coord next = p;
    const Vec<double, 3> d = centre - next.position;
    const double dist = d.length();
    const Vec<double, 3> u = d / dist;

    // Only the incoming position counts: the eye is re-aimed at the centre.
    // An eye on the centre has no direction; anglesOf then gives level angles.
    Vec<double, 3> a = anglesOf(u);
    a[0] += stepShare * turnRate[0];
    a[1] = std::clamp(a[1] + stepShare * turnRate[1], -pitchLimit, pitchLimit);
    turnRate[0] *= turnDecay;
    turnRate[1] *= turnDecay;

    Vec<double, 3> right, forward, up;
    axesOf(a, right, forward, up);

    const double r = std::clamp(dist * std::exp(stepShare * zoomRate), nearest, farthest);
    zoomRate *= zoomDecay;
    forward = forward * r;

    // The pan follows this frame's turn and zoom.
    Vec<double, 3> moved = centre;
    moved += right * panRate[0] * r * stepShare;
    moved += up * panRate[1] * r * stepShare;
    panRate[0] *= turnDecay;
    panRate[1] *= turnDecay;

    next.position = moved - forward;
    next.angles = a;
    // Whatever went wrong, the last finite pose stays.
    if (!isFinite(next))
        return;
    centre = moved;
    coord = next;
    coordOut.emit(coord);
}

bool TrackView::follows(DragEvent const& e) {
    if (e.start)
        dragIgnored = false;
    return !dragIgnored;
}

bool TrackView::turnsOrPans(DragEvent const& e) {
    if (!follows(e))
        return false;
    if (e.start || e.end) {
        turnRate[0] = turnRate[1] = 0;
        return false;
    }
    return true;
}

void TrackView::rotateDrag(DragEvent const& e) {
    if (!turnsOrPans(e))
        return;
    turnRate[0] += -0.001 * dx(e);
    turnRate[1] += -0.001 * dy(e);
}

// Beginning or ending a pan stops the turn; the pan itself glides on.
void TrackView::panDrag(DragEvent const& e) {
    if (!turnsOrPans(e))
        return;
    panRate[0] = -0.001 * dx(e);
    panRate[1] = 0.001 * dy(e);
}

void TrackView::zoomDrag(DragEvent const& e) {
    if (follows(e))
        zoomRate = (e.start || e.end) ? 0 : -0.004 * dy(e);
}

void TrackView::zoomWheel(int steps) {
    // The glide is cut where it would carry past a limit: a wheel spun hard
    // builds up nothing that turning it back must first undo.
    const double dist = (centre - coord.position).length();
    const double inward = std::min(std::log(nearest / dist) / glide, 0.0);
    const double outward = std::max(std::log(farthest / dist) / glide, 0.0);
    zoomRate = std::clamp(zoomRate + wheelStepRate * steps, inward, outward);
}

// In the directions of a drag the same way.
void TrackView::turnByKey(int dx, int dy) {
    turnRate[0] -= keyTurn * dx;
    turnRate[1] -= keyTurn * dy;
}

void TrackView::panByKey(int dx, int dy) {
    panRate[0] -= keyPan * dx;
    panRate[1] += keyPan * dy;
}

void TrackView::home() {
    centre = Vec<double, 3>();
    panRate[0] = panRate[1] = 0;
    turnRate[0] = turnRate[1] = 0;
    zoomRate = 0;
    dragIgnored = true;
}
