// The program's components, declared once in the order the start-up creates
// them (they are destroyed in reverse). Building one runs the start-up's
// steps 2 to 10: the components created and wired, interleaved as the
// wiring needs. The entry function and the tests' whole-program assembly
// both start the program through it.
#pragma once

#include "camera/Cam3d.h"
#include "camera/FreeFly.h"
#include "camera/SyncView.h"
#include "camera/TrackView.h"
#include "core/Channel.h"
#include "core/ClearBuffers.h"
#include "core/FrameClock.h"
#include "core/MyLight.h"
#include "core/SmallOSD.h"
#include "core/VSyncHack.h"
#include "flower/FibSurface.h"
#include "ui/FlowerUI.h"
#include "window/DragBox.h"
#include "window/FltkAdaptor.h"
#include "window/MouseMUX.h"

class Fl_Window;

struct Components {
    // The three display components live for the whole process; they are given.
    Components(VSyncHack& vsyncHack, SmallOSD& smallOSD, MyLight& myLight);
    Components(const Components&) = delete;
    Components& operator=(const Components&) = delete;

    // Step 11: the main window, then the palette, shown; one wait for events.
    void show();

    FibSurface fibSurface;
    FlowerUI flowerUI;
    ClearBuffers clearBuffers;
    Fl_Window* mainWindow;  // built once the palette's signals are connected
    FltkAdaptor* glView;    // the main window's OpenGL view
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

private:
    Fl_Window* wirePaletteAndBuildMainWindow(SmallOSD& smallOSD);
};
