// The whole program started as its entry function starts it, but in the
// test's own process, so that a test can reach every component between frames.
#pragma once

#include "core/Components.h"
#include "core/FrameLoop.h"
#include "core/FramePacer.h"
#include "core/GlVisual.h"

#include <optional>

// In the program these are process-wide, and the visual is asked for first.
struct ProcessWideComponents {
    bool visual = GlVisual::request();
    VSyncHack vsyncHack;
    SmallOSD smallOSD;
    MyLight myLight;
};

struct AssembledProgram : ProcessWideComponents, Components {
    // The start-up up to the frame loop, windows shown; frames paced to the rate given.
    explicit AssembledProgram(double refreshRate = FramePacer::displayRefreshRate())
        : Components(vsyncHack, smallOSD, myLight) {
        show();
        loop.emplace(*glView, refreshRate);
    }

    // One pass of the program's own frame loop.
    void frame() { loop->pass(); }

    std::optional<FrameLoop> loop;  // once the windows are shown
};
