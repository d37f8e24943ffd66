// Spiravel: builds every component, wires them, and runs the frame loop
// until the main window is closed.
#include "camera/Cam3d.h"
#include "core/Channel.h"
#include "core/ClearBuffers.h"
#include "core/FrameClock.h"
#include "core/MyLight.h"
#include "core/SmallOSD.h"
#include "core/VSyncHack.h"
#include "window/FltkAdaptor.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

// The process-wide display components.
VSyncHack vsyncHack;
SmallOSD smallOSD;
MyLight myLight;

int main() {
    // 1. The OpenGL visual: double buffer, alpha, depth.
    Fl::gl_visual(FL_DOUBLE | FL_ALPHA | FL_DEPTH);

    // 2. Clear colour holder.
    ClearBuffers clearBuffers;

    // 4. The main window and its OpenGL view.
    Fl_Window mainWindow(1129, 696, "Spiravel 1.0 - the Spiravel contributors");
    FltkAdaptor glView(0, 30, 1128, 666);
    mainWindow.end();
    mainWindow.resizable(glView);

    // 5. The frame cycle and the camera.
    Channel channel;
    Cam3d cam3d;
    FrameClock frameClock;

    // 6. The view's paint.
    glView.paint.connect(&vsyncHack, &VSyncHack::apply);           // 38
    glView.paint.connect(&channel, &Channel::runFrame);             // 39
    glView.paint.connect(&smallOSD, &SmallOSD::render);             // 40

    // 7. The start colour.
    clearBuffers.setColor(Vec<float, 3>(0.5f, 0.7f, 0.9f));

    // 8. The frame stages.
    channel.stageClear.connect(&clearBuffers, &ClearBuffers::clear);          // 43
    channel.stageProjection.connect(&cam3d, &Cam3d::applyProjection);        // 44
    channel.stageView.connect(&cam3d, &Cam3d::applyView);                    // 45
    channel.stageTime.connect(&frameClock, &FrameClock::advance);            // 46
    channel.stageLight.connect(&myLight, &MyLight::enable);                  // 47

    // 9. The start pose: above the flower, looking up until navigation takes over.
    Coord start;
    start.position = Vec<double, 3>(0, 0, 3);
    start.angles = Vec<double, 3>(0, 1.5707963267948966, 0);
    cam3d.setCoord(start);

    // 11. Show the window and wait for it to appear.
    mainWindow.show();
    Fl::wait();

    // 12. The frame loop: each redraw of the view is one frame.
    while (mainWindow.shown()) {
        if (glView.continuous) {
            glView.redraw();
            Fl::check();
        } else if (glView.redrawPending) {
            glView.redrawPending = false;
            glView.redraw();
            Fl::check();
        } else {
            Fl::wait();
        }
    }

    // 13. Locals are destroyed in reverse order of creation.
    return 0;
}
