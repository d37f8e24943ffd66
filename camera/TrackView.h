// Orbits a centre point, always looking at it. Drags set turn, pan and zoom
// rates; every frame advances the pose by them and lets them decay. Rates are
// per frame, so the motion follows the frame rate.
#pragma once

#include "Coord.h"
#include "core/FrameRef.h"
#include "core/sigslot.h"
#include "window/DragEvent.h"

class TrackView : public sigslot::has_slots<> {
public:
    sigslot::signal1<Coord const&> coordOut;

    void step(Coord const& p, FrameRef const& frame);
    void rotateDrag(DragEvent const& e);
    void panDrag(DragEvent const& e);
    void zoomDrag(DragEvent const& e);
    // Steps of the mouse wheel, negative towards the centre: each adds a
    // gliding zoom, as a short right-button drag would.
    void zoomWheel(int steps);
    // A press of an arrow key, (dx, dy) as it points, y downward: a turn of
    // 5 degrees in all, or a pan of a twentieth of the distance, gliding as
    // the same short drag would. Presses add up, however fast they come.
    void turnByKey(int dx, int dy);
    void panByKey(int dx, int dy);
    // Back to the start: centre at the origin, every motion stopped, and the
    // rest of a drag in progress ignored.
    void home();

private:
    bool follows(DragEvent const& e);
    // Whether a turn or pan drag's event moves the camera: one followed,
    // between its beginning and its end; beginning or ending stops the turn.
    bool turnsOrPans(DragEvent const& e);

    Vec<double, 3> centre;
    Coord coord;
    double panRate[2] = {0, 0};   // along the eye's right and up axes
    double turnRate[2] = {0, 0};  // heading, pitch
    double zoomRate = 0;
    bool dragIgnored = false;  // until the next drag begins
};
