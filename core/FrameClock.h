// Times every frame against a process-wide origin and announces it.
#pragma once

#include "FrameRef.h"
#include "sigslot.h"

class FrameClock : public sigslot::has_slots<> {
public:
    FrameClock();

    sigslot::signal1<FrameRef const&> frameReady;

    void advance();

private:
    FrameRef frame;
};
