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

private:
    Vec<double, 3> centre;
    Coord coord;
    double panRate[2] = {0, 0};   // along the eye's right and up axes
    double turnRate[2] = {0, 0};  // heading, pitch
    double zoomRate = 0;
};
