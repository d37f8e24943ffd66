// One pass of the frame loop: the view redrawn as its flags ask, paced to the
// display refresh, and not drawn at all while it cannot be seen (its window
// minimised, unmapped or shaded). An event loop of another's that runs
// meanwhile, a modal colour chooser's or an open menu's, gets its frames from
// a toolkit timeout.
#pragma once

#include "FramePacer.h"

class FltkAdaptor;

class FrameLoop {
public:
    FrameLoop(FltkAdaptor& view, double refreshRate);
    ~FrameLoop();
    // The toolkit holds on to its address.
    FrameLoop(const FrameLoop&) = delete;
    FrameLoop& operator=(const FrameLoop&) = delete;

    void pass();

private:
    bool seen() const;
    bool frameWanted();
    static void drawInAnotherLoop(void* self);
    static int watchWindowState(void* event, void* self);

    FltkAdaptor& view;
    FramePacer pacer;
    const double period;  // seconds
    bool hiddenByWindowManager = false;
};
