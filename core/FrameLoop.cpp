#include "FrameLoop.h"

#include "window/FltkAdaptor.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xatom.h>

#include <algorithm>

namespace {

Atom atom(const char* name) {
    return XInternAtom(fl_display, name, False);
}

// Shaded, a window stays mapped, but none of it shows; some window managers
// keep a minimised window mapped too, and say it is hidden.
bool windowManagerHides(Window w) {
    Atom type;
    int format;
    unsigned long count = 0, after;
    unsigned char* data = nullptr;
    bool hidden = false;
    if (XGetWindowProperty(fl_display, w, atom("_NET_WM_STATE"), 0, 64, False, XA_ATOM, &type,
                           &format, &count, &after, &data) == Success &&
        data && format == 32) {
        const Atom* states = reinterpret_cast<const Atom*>(data);
        const Atom shaded = atom("_NET_WM_STATE_SHADED"), gone = atom("_NET_WM_STATE_HIDDEN");
        hidden = std::any_of(states, states + count, [&](Atom s) { return s == shaded || s == gone; });
    }
    if (data)
        XFree(data);
    return hidden;
}

}  // namespace

FrameLoop::FrameLoop(FltkAdaptor& view, double refreshRate)
    : view(view), pacer(refreshRate), period(1 / refreshRate) {
    if (Fl_Window* window = view.top_window(); window && window->shown())
        hiddenByWindowManager = windowManagerHides(fl_xid(window));
    Fl::add_system_handler(watchWindowState, this);
}

FrameLoop::~FrameLoop() {
    Fl::remove_system_handler(watchWindowState);
    Fl::remove_timeout(drawInAnotherLoop, this);
}

void FrameLoop::pass() {
    Fl::remove_timeout(drawInAnotherLoop, this);
    // A view nobody can see is never drawn, so redrawing it would only spin:
    // wait until an event shows it again.
    if (!seen() || !frameWanted()) {
        Fl::wait();
        return;
    }
    // What the events handled from here start may run an event loop of its
    // own (a modal colour chooser, an open menu), which comes back here only
    // when it ends: from two refresh periods on, a timeout draws its frames.
    Fl::add_timeout(2 * period, drawInAnotherLoop, this);
    view.redraw();
    Fl::check();
    pacer.frameSwapped();
}

bool FrameLoop::seen() const {
    return view.visible_r() && !hiddenByWindowManager;
}

bool FrameLoop::frameWanted() {
    if (view.continuous)
        return true;
    if (!view.redrawPending)
        return false;
    view.redrawPending = false;
    return true;
}

void FrameLoop::drawInAnotherLoop(void* self) {
    FrameLoop& loop = *static_cast<FrameLoop*>(self);
    // Drawn here rather than by the wait that runs the timeout: a late
    // timeout comes again at once to keep the rate, and two redraws before
    // one flush would make one frame.
    if (loop.seen() && loop.frameWanted()) {
        loop.view.redraw();
        Fl::flush();
    }
    Fl::repeat_timeout(loop.period, drawInAnotherLoop, self);
}

// The window manager announces shading by a change of the window's state.
int FrameLoop::watchWindowState(void* event, void* self) {
    const XEvent& e = *static_cast<XEvent*>(event);
    FrameLoop& loop = *static_cast<FrameLoop*>(self);
    Fl_Window* window = loop.view.top_window();
    if (e.type == PropertyNotify && e.xproperty.atom == atom("_NET_WM_STATE") && window &&
        window->shown() && e.xproperty.window == fl_xid(window))
        loop.hiddenByWindowManager = windowManagerHides(e.xproperty.window);
    return 0;  // the toolkit's to handle as ever
}
