#include "core/Components.h"

#include "core/Wiring.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

// 2. The flower, the user interface and the clear colour holder: the first
// three members. Steps 3 and 4 run as the main window is initialised, before
// the members after it (step 5: the frame cycle, the camera and navigation)
// are created.
Components::Components(VSyncHack& vsyncHack, SmallOSD& smallOSD, MyLight& myLight)
    : mainWindow(wirePaletteAndBuildMainWindow(smallOSD)), glView(flowerUI.glView) {
    // 6. The view's paint and mouse.
    connectViewPaintAndMouse(*glView, vsyncHack, channel, smallOSD, fibSurface, mouseMUX);

    // 7. The start colour.
    setStartColor(clearBuffers);

    // 8. The frame stages and the frame's time.
    connectFrameStagesAndTime(channel, clearBuffers, cam3d, frameClock, myLight, syncView);

    // 9. The start pose.
    setStartPose(syncView);

    // 10. The pose loop and the pointer.
    connectPoseLoopAndPointer(syncView, cam3d, syncViewMUX, trackView, freeFly, freeFlyInput, mouseMUX, dragBox,
                              channel, fibSurface, *glView);
}

Fl_Window* Components::wirePaletteAndBuildMainWindow(SmallOSD& smallOSD) {
    // 3. The palette's signals.
    connectPaletteSignals(flowerUI, clearBuffers, fibSurface, smallOSD);

    // 4. The main window and its OpenGL view; building it sends the model the
    // first point count.
    return flowerUI.makeMainWindow();
}

void Components::show() {
    mainWindow->show();
    flowerUI.makePalette()->show();
    Fl::wait();
}
