// Spiravel: builds every component, has them wired step by step, and runs
// the frame loop until the main window is closed.
#include "camera/Cam3d.h"
#include "camera/FreeFly.h"
#include "camera/SyncView.h"
#include "camera/TrackView.h"
#include "core/Channel.h"
#include "core/ClearBuffers.h"
#include "core/FrameClock.h"
#include "core/FrameLoop.h"
#include "core/FramePacer.h"
#include "core/GlVisual.h"
#include "core/MyLight.h"
#include "core/SmallOSD.h"
#include "core/VSyncHack.h"
#include "core/Wiring.h"
#include "flower/FibSurface.h"
#include "ui/FlowerUI.h"
#include "window/DragBox.h"
#include "window/FltkAdaptor.h"
#include "window/MouseMUX.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

// The process-wide display components.
VSyncHack vsyncHack;
SmallOSD smallOSD;
MyLight myLight;

int main() {
    // 1. The OpenGL visual: double buffer, alpha, depth. Without it nothing
    // could ever be shown, so the person has been told why, and it ends here.
    if (!GlVisual::request())
        return 1;

    // 2. The flower, the user interface and the clear colour holder.
    FibSurface fibSurface;
    FlowerUI flowerUI;
    ClearBuffers clearBuffers;

    // 3. The palette's signals.
    connectPaletteSignals(flowerUI, clearBuffers, fibSurface, smallOSD);

    // 4. The main window and its OpenGL view; building it sends the model the
    // first point count.
    Fl_Window* mainWindow = flowerUI.makeMainWindow();
    FltkAdaptor& glView = *flowerUI.glView;

    // 5. The frame cycle, the camera and navigation.
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

    // 6. The view's paint and mouse.
    connectViewPaintAndMouse(glView, vsyncHack, channel, smallOSD, fibSurface, mouseMUX);

    // 7. The start colour.
    setStartColor(clearBuffers);

    // 8. The frame stages and the frame's time.
    connectFrameStagesAndTime(channel, clearBuffers, cam3d, frameClock, myLight, syncView);

    // 9. The start pose.
    setStartPose(syncView);

    // 10. The pose loop and the pointer.
    connectPoseLoopAndPointer(syncView, cam3d, syncViewMUX, trackView, freeFly, freeFlyInput,
                              mouseMUX, dragBox, channel, fibSurface, glView);

    // 11. Show the main window and the palette, and wait for them to appear.
    mainWindow->show();
    flowerUI.makePalette()->show();
    Fl::wait();

    // 12. The frame loop: each redraw of the view is one frame.
    FrameLoop frameLoop(glView, FramePacer::displayRefreshRate());
    while (mainWindow->shown())
        frameLoop.pass();

    // 13. Locals are destroyed in reverse order of creation.
    return 0;
}
