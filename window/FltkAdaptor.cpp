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
    // Leaves the view damaged for the event loop's next pass. The toolkit
    // clears a window's damage once it has drawn it, so this alone draws no
    // further frame: the frame loop asks for each one, and its timeout does
    // while another event loop runs.
    redraw();
}

int FltkAdaptor::handle(int event) {
    switch (event) {
    case FL_PUSH:
    case FL_RELEASE: {
        int button = Fl::event_button();
        if (button == 1) {
            if (event == FL_PUSH)
                leftButtonAs = Fl::event_state(FL_SHIFT) ? 2 : Fl::event_state(FL_CTRL) ? 3 : 1;
            button = leftButtonAs;
        }
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
        if (takeKey())
            return 1;
        break;
    default:
        break;
    }
    return Fl_Gl_Window::handle(event);
}

// A key nobody with the focus took, with the pointer over the view or the
// keyboard on its window: the view takes no focus of its own. Keys with Ctrl,
// Alt or Meta are someone else's shortcuts, and every key not taken here goes
// on to the toolkit.
bool FltkAdaptor::takeKey() {
    if (Fl::event_state(FL_CTRL | FL_ALT | FL_META))
        return false;
    const int key = Fl::event_key();
    switch (key) {
    case FL_Home:
        homeKey.emit();
        return true;
    case FL_Left:
    case FL_Right:
    case FL_Up:
    case FL_Down:
        (Fl::event_state(FL_SHIFT) ? panKey : turnKey)
            .emit((key == FL_Right) - (key == FL_Left), (key == FL_Down) - (key == FL_Up));
        return true;
    case FL_F + 11:
        if (Fl_Window* window = top_window(); window->fullscreen_active())
            window->fullscreen_off();
        else
            window->fullscreen();
        return true;
    default:
        break;
    }
    // Read as characters, so that the keypad's + and - count too, and a +
    // that takes Shift to type.
    const char* text = Fl::event_text();
    if ((text[0] != '+' && text[0] != '-') || text[1] != '\0')
        return false;
    wheel.emit(text[0] == '+' ? -1 : 1);
    return true;
}
