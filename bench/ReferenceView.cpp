// The reference the real program's frames are compared with: a minimal
// toolkit program that draws the program's picture of a full flower of N
// points by the fastest OpenGL 1.1 route, vertex arrays, in a view of the
// program's size, with the program's swap interval and frame loop (redraw,
// then let the toolkit swap and handle events), until it is killed.
// Usage: reference_view N
#include "FlowerPicture.h"
#include "core/VSyncHack.h"

#include <FL/Fl.H>
#include <FL/Fl_Gl_Window.H>

#include <cstdlib>
#include <memory>

namespace {

class ReferenceView : public Fl_Gl_Window {
public:
    explicit ReferenceView(int n)
        : Fl_Gl_Window(0, 0, viewWidth, viewHeight, "Reference view"), scene(n, true) {}

protected:
    void draw() override {
        if (!picture) {
            vsync.apply();
            picture = std::make_unique<VertexArrayPicture>(scene.flower);
            picture->enableState();
        }
        glViewport(0, 0, w(), h());
        scene.beginFrame();
        picture->draw();
    }

private:
    FlowerScene scene;
    std::unique_ptr<VertexArrayPicture> picture;
    VSyncHack vsync;
};

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 0;
    if (n < 50 || n > 99999)
        return 2;
    ReferenceView view(n);
    view.show();
    while (view.shown()) {
        view.redraw();
        Fl::check();
    }
    return 0;
}
