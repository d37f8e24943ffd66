// One pass of the frame loop: the view redrawn as its flags ask, paced to the
// display refresh, and not drawn at all while it is not on screen.
#pragma once

#include "FramePacer.h"

class FltkAdaptor;

class FrameLoop {
public:
    FrameLoop(FltkAdaptor& view, double refreshRate);

    void pass();

private:
    FltkAdaptor& view;
    FramePacer pacer;
};
