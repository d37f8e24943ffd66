// Spiravel: builds every component, has them wired step by step, and runs
// the frame loop until the main window is closed.
#include "core/Components.h"
#include "core/FrameLoop.h"
#include "core/FramePacer.h"
#include "core/GlVisual.h"
#include "core/MyLight.h"
#include "core/SmallOSD.h"
#include "core/VSyncHack.h"

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

    // 2. to 10. The components, created and wired in the start-up's order
    // (core/Components.cpp): the flower, the user interface and the clear
    // colour; the palette's signals; the main window and its view; the frame
    // cycle, the camera and navigation; the view's paint and mouse; the start
    // colour; the frame stages and time; the start pose; the pose loop and
    // the pointer.
    Components program(vsyncHack, smallOSD, myLight);

    // 11. Show the main window and the palette, and wait for them to appear.
    program.show();

    // 12. The frame loop: each redraw of the view is one frame.
    FrameLoop frameLoop(*program.glView, FramePacer::displayRefreshRate());
    while (program.mainWindow->shown())
        frameLoop.pass();

    // 13. The components are destroyed in reverse order of creation.
    return 0;
}
