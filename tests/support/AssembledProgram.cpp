#include "support/AssembledProgram.h"

#include "core/Wiring.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

AssembledProgram::AssembledProgram(double refreshRate) {
    Fl::gl_visual(FL_DOUBLE | FL_ALPHA | FL_DEPTH);
    connectPaletteSignals(flowerUI, clearBuffers, fibSurface, smallOSD);
    mainWindow = flowerUI.makeMainWindow();
    glView = flowerUI.glView;
    connectViewPaintAndMouse(*glView, vsyncHack, channel, smallOSD, fibSurface, mouseMUX);
    setStartColor(clearBuffers);
    connectFrameStagesAndTime(channel, clearBuffers, cam3d, frameClock, myLight, syncView);
    setStartPose(syncView);
    connectPoseLoopAndPointer(syncView, cam3d, syncViewMUX, trackView, freeFly, freeFlyInput,
                              mouseMUX, dragBox, channel, fibSurface, *glView);

    mainWindow->show();
    flowerUI.makePalette()->show();
    mainWindow->wait_for_expose();
    loop.emplace(*glView, refreshRate);
}

void AssembledProgram::frame() {
    loop->pass();
}
