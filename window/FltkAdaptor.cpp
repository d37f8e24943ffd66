#include "FltkAdaptor.h"

#include <FL/Fl.H>
#include <FL/gl.h>

#include <algorithm>

FltkAdaptor::FltkAdaptor(int x, int y, int w, int h, const char* label)
    : Fl_Gl_Window(x, y, w, h, label) {}

FltkAdaptor::~FltkAdaptor() = default;

void FltkAdaptor::draw() {
    // A main window shorter than its menu bar leaves the view a negative
    // height, which the viewport refuses: it shows nothing instead.
    glViewport(0, 0, std::max(w(), 0), std::max(h(), 0));
    glEnable(GL_DEPTH_TEST);
    paint.emit();
    redraw();
}

int FltkAdaptor::handle(int event) {
    switch (event) {
    case FL_PUSH:
    case FL_RELEASE: {
        const int button = Fl::event_button();
        if (button >= 1 && button <= 3)
            mouse.emit(button, event == FL_PUSH, Fl::event_x(), Fl::event_y());
        return 1;
    }
    case FL_DRAG:
    case FL_MOVE:
        mouse.emit(0, false, Fl::event_x(), Fl::event_y());
        return 1;
    case FL_MOUSEWHEEL:
        // A sideways wheel has nothing to do here.
        if (Fl::event_dy() == 0)
            break;
        wheel.emit(Fl::event_dy());
        return 1;
    case FL_SHORTCUT:
        // A key nobody with the focus took, with the pointer over the view or
        // the keyboard on its window. The view takes no focus of its own, and
        // every other key goes on to the toolkit.
        if (Fl::event_key() != FL_Home || Fl::event_state(FL_CTRL | FL_ALT | FL_META))
            break;
        homeKey.emit();
        return 1;
    default:
        break;
    }
    return Fl_Gl_Window::handle(event);
}
