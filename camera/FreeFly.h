// Free flight: the mouse buttons speed the eye up or slow it down along its
// viewing direction, the pointer's offset from the view's centre steers it.
//
// The control record is a Coord used as six numbers: position[1] is the
// acceleration along the viewing direction (per second), angles the heading,
// pitch and roll rates (per second).
#pragma once

#include "Coord.h"
#include "core/FrameRef.h"
#include "core/sigslot.h"

class FreeFlyInput : public sigslot::has_slots<> {
public:
    sigslot::signal1<Coord const&> coordOut;  // the control record after each event

    void mouseEvent(int button, bool pressed, int x, int y);

private:
    Coord control;
    float steer[2] = {0, 0};  // pointer over the viewport, -1 (left, top) to +1
    bool buttonDown[3] = {false, false, false};
};

class FreeFly : public sigslot::has_slots<> {
public:
    sigslot::signal1<Coord const&> coordOut;

    void setControl(Coord const& c) { control = c; }
    void step(Coord const& p, FrameRef const& frame);

private:
    Coord coord;
    Coord control;
    double speed = 0;  // world units per frame; kept across frames and modes
};
