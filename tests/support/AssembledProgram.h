// The whole program built and wired as its entry function does, but in the
// test's own process, so that a test can reach every component between frames.
#pragma once

#include "camera/Cam3d.h"
#include "camera/FreeFly.h"
#include "camera/SyncView.h"
#include "camera/TrackView.h"
#include "core/Channel.h"
#include "core/ClearBuffers.h"
#include "core/FrameClock.h"
#include "core/FrameLoop.h"
#include "core/MyLight.h"
#include "core/SmallOSD.h"
#include "core/VSyncHack.h"
#include "flower/FibSurface.h"
#include "ui/FlowerUI.h"
#include "window/DragBox.h"
#include "window/FltkAdaptor.h"
#include "window/MouseMUX.h"

#include <optional>

class Fl_Window;

struct AssembledProgram {
    // The start-up up to the frame loop, windows shown; frames paced to the rate given.
    explicit AssembledProgram(double refreshRate = FramePacer::displayRefreshRate());

    // One pass of the program's own frame loop.
    void frame();

    // In the program these three are process-wide.
    VSyncHack vsyncHack;
    SmallOSD smallOSD;
    MyLight myLight;

    FibSurface fibSurface;
    FlowerUI flowerUI;
    ClearBuffers clearBuffers;
    Fl_Window* mainWindow = nullptr;
    FltkAdaptor* glView = nullptr;
    Channel channel;
    Cam3d cam3d;
    FrameClock frameClock;
    SyncView syncView;
    SyncViewMUX syncViewMUX;
    FreeFly freeFly;
    FreeFlyInput freeFlyInput;
    MouseMUX mouseMUX;
    DragBox dragBox;
    TrackView trackView;
    std::optional<FrameLoop> loop;  // once the windows are shown
};
