#include "FrameLoop.h"

#include "window/FltkAdaptor.h"

#include <FL/Fl.H>

FrameLoop::FrameLoop(FltkAdaptor& view, double refreshRate) : view(view), pacer(refreshRate) {}

void FrameLoop::pass() {
    // A view off the screen (its window minimised or unmapped) is never drawn,
    // so redrawing it would only spin: wait until an event shows it again.
    if (!view.visible_r()) {
        Fl::wait();
        return;
    }
    if (view.continuous) {
        view.redraw();
        Fl::check();
    } else if (view.redrawPending) {
        view.redrawPending = false;
        view.redraw();
        Fl::check();
    } else {
        Fl::wait();
        return;
    }
    pacer.frameSwapped();
}
