// Spiravel: builds every component, wires them, and runs the frame loop
// until the main window is closed.
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
    // 1. The OpenGL visual: double buffer, alpha, depth.
    Fl::gl_visual(FL_DOUBLE | FL_ALPHA | FL_DEPTH);

    // 2. The flower and the clear colour holder.
    FibSurface fibSurface;
    ClearBuffers clearBuffers;

    // 4. The main window and its OpenGL view.
    Fl_Window mainWindow(1129, 696, "Spiravel 1.0 - the Spiravel contributors");
    FltkAdaptor glView(0, 30, 1128, 666);
    mainWindow.end();
    mainWindow.resizable(glView);

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
    glView.paint.connect(&vsyncHack, &VSyncHack::apply);           // 38
    glView.paint.connect(&channel, &Channel::runFrame);             // 39
    glView.paint.connect(&smallOSD, &SmallOSD::render);             // 40
    fibSurface.periodChanged.connect(&smallOSD, &SmallOSD::setPeriod);  // 41
    glView.mouse.connect(&mouseMUX, &MouseMUX::route);              // 42

    // 7. The start colour.
    clearBuffers.setColor(Vec<float, 3>(0.5f, 0.7f, 0.9f));

    // 8. The frame stages and the frame's time.
    channel.stageClear.connect(&clearBuffers, &ClearBuffers::clear);          // 43
    channel.stageProjection.connect(&cam3d, &Cam3d::applyProjection);        // 44
    channel.stageView.connect(&cam3d, &Cam3d::applyView);                    // 45
    channel.stageTime.connect(&frameClock, &FrameClock::advance);            // 46
    channel.stageLight.connect(&myLight, &MyLight::enable);                  // 47
    frameClock.frameReady.connect(&syncView, &SyncView::tick);               // 48

    // 9. The start pose, above the flower; the track view aims it down at the
    // centre in the first frame.
    Coord start;
    start.position = Vec<double, 3>(0, 0, 3);
    start.angles = Vec<double, 3>(0, 1.5707963267948966, 0);
    syncView.initCoord(start);

    // 10. The pose loop and the pointer.
    syncView.coordOut.connect(&cam3d, &Cam3d::setCoord);                      // 49
    syncView.frameOut.connect(&syncViewMUX, &SyncViewMUX::step);              // 50
    syncViewMUX.coordOut.connect(&syncView, &SyncView::setCoord);             // 51
    syncViewMUX.modeOut1.connect(&trackView, &TrackView::step);               // 52
    syncViewMUX.modeOut2.connect(&freeFly, &FreeFly::step);                   // 53
    trackView.coordOut.connect(&syncViewMUX, &SyncViewMUX::setCoord);         // 54
    freeFly.coordOut.connect(&syncViewMUX, &SyncViewMUX::setCoord);           // 55
    freeFlyInput.coordOut.connect(&freeFly, &FreeFly::setControl);            // 56
    mouseMUX.output1.connect(&dragBox, &DragBox::mouseEvent);                 // 57
    mouseMUX.output2.connect(&freeFlyInput, &FreeFlyInput::mouseEvent);       // 58
    dragBox.leftDrag.connect(&trackView, &TrackView::rotateDrag);             // 59
    dragBox.middleDrag.connect(&trackView, &TrackView::panDrag);              // 60
    dragBox.rightDrag.connect(&trackView, &TrackView::zoomDrag);              // 61
    channel.stageScene.connect(&fibSurface, &FibSurface::draw);               // 62

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
