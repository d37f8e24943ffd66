// The reference the real program's frames are compared with: a minimal
// toolkit program that draws the program's picture of a full flower of N
// points by the fastest OpenGL 1.1 route, vertex arrays, in a view of the
// program's size, with the program's clear, camera, light and swap interval
// and its frame loop (redraw, let the toolkit swap and handle events, hold to
// the display refresh where the swap does not), until it is killed.
// Usage: reference_view N
#include "VertexArrayPicture.h"
#include "camera/Cam3d.h"
#include "camera/TrackView.h"
#include "core/ClearBuffers.h"
#include "core/FramePacer.h"
#include "core/MyLight.h"
#include "core/StartValues.h"
#include "core/VSyncHack.h"

#include <FL/Fl.H>
#include <FL/Fl_Gl_Window.H>

#include <cstdlib>
#include <memory>

namespace {

constexpr int viewWidth = 1128, viewHeight = 666;  // the program's view

class ReferenceView : public Fl_Gl_Window {
public:
    explicit ReferenceView(int n) : Fl_Gl_Window(0, 0, viewWidth, viewHeight, "Reference view") {
        flower.setGrowthSpeed(1);
        for (int i = 0; i <= 100; ++i) flower.setPointCount(n);  // full
        clearBuffers.setColor(startColor);
        // The program's first pose, above the flower, once the track view has aimed it.
        TrackView track;
        track.coordOut.connect(&camera, &Cam3d::setCoord);
        track.step(startPose, FrameRef());
    }

protected:
    void draw() override {
        if (!picture) {
            vsync.apply();
            picture = std::make_unique<VertexArrayPicture>(flower);
            picture->enableState();
        }
        glViewport(0, 0, w(), h());
        glEnable(GL_DEPTH_TEST);
        clearBuffers.clear();
        camera.applyProjection();
        camera.applyView();
        light.enable();
        picture->draw();
    }

private:
    FibSurface flower;
    ClearBuffers clearBuffers;
    Cam3d camera;
    MyLight light;
    VSyncHack vsync;
    std::unique_ptr<VertexArrayPicture> picture;
};

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 0;
    if (n < 50 || n > 99999)
        return 2;
    ReferenceView view(n);
    view.show();
    FramePacer pacer(FramePacer::displayRefreshRate());
    while (view.shown()) {
        view.redraw();
        Fl::check();
        pacer.frameSwapped();
    }
    return 0;
}
