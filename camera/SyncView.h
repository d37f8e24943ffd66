// The one authoritative camera pose and the switch that hands it, once per
// frame, to the selected navigator. Whatever pose comes back is kept and
// given to the camera, so a change of navigator continues without a jump.
#pragma once

#include "Coord.h"
#include "core/FrameRef.h"
#include "core/sigslot.h"

class SyncView : public sigslot::has_slots<> {
public:
    sigslot::signal1<Coord const&> coordOut;                    // to the camera
    sigslot::signal2<Coord const&, FrameRef const&> frameOut;  // to the navigators

    void tick(FrameRef const& frame);
    void setCoord(Coord const& c);
    // Stores a pose without announcing it, before the first frame; home()
    // goes back to it, and the next frame takes it from there.
    void initCoord(Coord const& c) { coord = start = c; }
    void home() { coord = start; }
    void getCoord(Coord& c) { c = coord; }  // kept for a caller that asks; none does

private:
    Coord coord;
    Coord start;
};

class SyncViewMUX : public sigslot::has_slots<> {
public:
    sigslot::signal1<Coord const&> coordOut;
    sigslot::signal2<Coord const&, FrameRef const&> modeOut1;
    sigslot::signal2<Coord const&, FrameRef const&> modeOut2;
    // Modes 3 and 4, and the selectors, are kept for more navigators; the
    // program stays in mode 1 and connects neither.
    sigslot::signal2<Coord const&, FrameRef const&> modeOut3;
    sigslot::signal2<Coord const&, FrameRef const&> modeOut4;

    void step(Coord const& c, FrameRef const& frame);
    void setCoord(Coord const& c) { coordOut.emit(c); }

    // A mode with no navigator freezes the camera where it is.
    void select1() { mode = 1; }
    void select2() { mode = 2; }
    void select3() { mode = 3; }
    void select4() { mode = 4; }

private:
    int mode = 1;
};
