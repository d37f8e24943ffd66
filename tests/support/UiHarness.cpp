#include "support/UiHarness.h"
#include "support/ProgramUnderTest.h"
#include "support/Recorder.h"

#include <FL/Fl.H>
#include <FL/Fl_Color_Chooser.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <type_traits>
#include <utility>

// Last: Xlib's macros clash with the test framework.
#include <FL/x.H>

std::string call(const std::string& name) {
    return name;
}

std::string call(const std::string& name, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "(%.17g)", value);
    return name + text;
}

std::string call(const std::string& name, Vec<float, 3> rgb) {
    char text[96];
    std::snprintf(text, sizeof text, "(%.9g, %.9g, %.9g)", rgb[0], rgb[1], rgb[2]);
    return name + text;
}

namespace {

// Each call of the signal joins the log as text. A query's reference is where
// the model writes its answer, not part of the call: only the name is logged.
template <class mt, class... A>
void tapInto(std::vector<std::unique_ptr<sigslot::has_slots<>>>& taps, std::vector<std::string>& log,
             sigslot::_signal_base_n<mt, A...>& signal, const char* name) {
    taps.push_back(std::make_unique<Recorder<A...>>(signal, [&log, name](A... args) {
        if constexpr ((std::is_reference_v<A> || ...))
            log.push_back(call(name));
        else
            log.push_back(call(name, args...));
    }));
}

}  // namespace

SignalLog::SignalLog(FlowerUI& ui) {
    // The model answers first, as in the real wiring.
    ui.lineMaskQuery.connect(this, &SignalLog::getLineMask);
    ui.lineMaskSet.connect(this, &SignalLog::setLineMask);
    ui.polygonMaskQuery.connect(this, &SignalLog::getPolygonMask);
    ui.polygonMaskSet.connect(this, &SignalLog::setPolygonMask);

    ui.forEachSignal(
        [this](auto& signal, const char* name) { tapInto(taps_, calls, signal, name); });
}

std::vector<std::string> SignalLog::take() {
    return std::exchange(calls, {});
}

namespace {

void pointer(int event, Fl_Widget* inWindow, int x, int y, int button) {
    Fl_Window* window = inWindow->top_window();
    Fl::e_x = x;
    Fl::e_y = y;
    Fl::e_x_root = window->x() + x;
    Fl::e_y_root = window->y() + y;
    Fl::e_keysym = FL_Button + button;
    Fl::e_state = event == FL_RELEASE ? 0 : FL_BUTTON(button);
    Fl::e_is_click = event != FL_DRAG;
    Fl::e_clicks = 0;
    Fl::handle(event, window);
}

}  // namespace

void press(Fl_Widget* inWindow, int x, int y, int button) {
    pointer(FL_PUSH, inWindow, x, y, button);
}

void drag(Fl_Widget* inWindow, int x, int y, int button) {
    pointer(FL_DRAG, inWindow, x, y, button);
}

void release(Fl_Widget* inWindow, int x, int y, int button) {
    pointer(FL_RELEASE, inWindow, x, y, button);
}

void clickAt(Fl_Widget* inWindow, int x, int y, int button) {
    press(inWindow, x, y, button);
    release(inWindow, x, y, button);
}

void click(Fl_Widget* w) {
    clickAt(w, w->x() + w->w() / 2, w->y() + w->h() / 2);
}

void dragTo(Fl_Widget* valuator, int x) {
    const int y = valuator->y() + valuator->h() / 2;
    press(valuator, valuator->x() + valuator->w() / 2, y);
    drag(valuator, x, y);
    release(valuator, x, y);
}

void key(int keysym, const char* text, int state) {
    static char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%s", text);
    Fl::e_keysym = keysym;
    Fl::e_text = buffer;
    Fl::e_length = int(std::strlen(buffer));
    Fl::e_state = state;
    Fl::handle(FL_KEYBOARD, Fl::focus()->top_window());
    if (Fl::focus())
        Fl::handle(FL_KEYUP, Fl::focus()->top_window());  // and let go, as a person does
}

void type(const std::string& text) {
    for (char c : text) {
        const char one[2] = {c, 0};
        key(static_cast<unsigned char>(c), one);
    }
}

void settle() {
    for (int i = 0; i < 5; ++i)
        Fl::wait(0.02);
}

void showDrawn(Fl_Widget* window) {
    Fl_Window* w = window->as_window();
    w->show();
    w->wait_for_expose();
    Fl::flush();
    settle();
}

std::vector<Rgb> pixelsOf(Fl_Window* window, int x, int y, int w, int h) {
    const Window xid = fl_xid(window);
    XWindowAttributes a;
    XGetWindowAttributes(fl_display, xid, &a);
    if (a.backing_store != Always) {
        XSetWindowAttributes kept;
        kept.backing_store = Always;
        XChangeWindowAttributes(fl_display, xid, CWBackingStore, &kept);
        window->redraw();
    }
    Fl::flush();
    std::vector<Rgb> pixels;
    XImage* image = XGetImage(fl_display, xid, x, y, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
    if (!image)
        return pixels;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const unsigned long p = XGetPixel(image, i, j);
            pixels.push_back({int((p >> 16) & 0xff), int((p >> 8) & 0xff), int(p & 0xff)});
        }
    XDestroyImage(image);
    return pixels;
}

void pressCloseBox(Fl_Widget* window) {
    pressCloseBox(fl_display, fl_xid(window->as_window()));
    XSync(fl_display, False);  // the message is back in the toolkit's queue
    settle();
}

void ChooserAnswer::answer(void* self) {
    ChooserAnswer& a = *static_cast<ChooserAnswer*>(self);
    Fl_Window* dialog = Fl::modal();
    if (!dialog) {
        Fl::repeat_timeout(0.02, answer, self);
        return;
    }
    ++a.opened;
    a.title = dialog->label();
    Fl_Color_Chooser* chooser = nullptr;
    Fl_Widget* ok = nullptr;
    Fl_Widget* cancel = nullptr;
    for (int i = 0; i < dialog->children(); ++i) {
        Fl_Widget* w = dialog->child(i);
        if (auto* c = dynamic_cast<Fl_Color_Chooser*>(w))
            chooser = c;
        else if (w->label() && !std::strcmp(w->label(), "OK"))
            ok = w;
        else if (w->label() && !std::strcmp(w->label(), "Cancel"))
            cancel = w;
    }
    ASSERT_TRUE(chooser && ok && cancel);
    a.shown[0] = chooser->r() * 255;
    a.shown[1] = chooser->g() * 255;
    a.shown[2] = chooser->b() * 255;
    chooser->rgb(a.r / 255.0, a.g / 255.0, a.b / 255.0);
    (a.accept ? ok : cancel)->do_callback();
}

void ChooserAnswer::pressing(Fl_Widget* button) {
    during([button] { click(button); });
}

void ChooserAnswer::during(const std::function<void()>& action) {
    Fl::add_timeout(openFor, answer, this);
    action();
    Fl::remove_timeout(answer, this);
}
