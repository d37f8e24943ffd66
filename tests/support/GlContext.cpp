#include "support/GlContext.h"

#include <FL/Fl.H>
#include <FL/Fl_Gl_Window.H>
#include <FL/gl.h>

namespace {
class BlankGlWindow : public Fl_Gl_Window {
public:
    using Fl_Gl_Window::Fl_Gl_Window;

protected:
    void draw() override {}
};
}  // namespace

GlContext::GlContext(int width, int height)
    : window_(new BlankGlWindow(0, 0, width, height, "test context")) {
    window_->mode(FL_RGB | FL_DOUBLE | FL_DEPTH | FL_ALPHA);
    window_->show();
    while (!window_->shown())
        Fl::wait(0.01);
    Fl::check();
    makeCurrent();
}

GlContext::~GlContext() = default;

void GlContext::makeCurrent() {
    window_->make_current();
    glViewport(0, 0, window_->w(), window_->h());
}

Rgb GlContext::readPixel(int x, int y) {
    unsigned char p[4] = {0, 0, 0, 0};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

