#include "SyncView.h"

void SyncView::tick(FrameRef const& frame) {
    // The navigator's answer replaces coord while the request is still being
    // sent, so the request carries a copy.
    const Coord current = coord;
    frameOut.emit(current, frame);
}

// A non-finite pose from any navigator is dropped: the camera keeps the last
// finite one, as in a mode without a navigator.
void SyncView::setCoord(Coord const& c) {
    if (!isFinite(c))
        return;
    coordOut.emit(c);
    coord = c;
}

void SyncViewMUX::step(Coord const& c, FrameRef const& frame) {
    switch (mode) {
    case 1: modeOut1.emit(c, frame); break;
    case 2: modeOut2.emit(c, frame); break;
    case 3: modeOut3.emit(c, frame); break;
    case 4: modeOut4.emit(c, frame); break;
    default: break;
    }
}
