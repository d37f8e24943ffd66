#include "PaletteWindow.h"

#include "FlowerUI.h"

#include <FL/Fl.H>
#include <FL/Fl_Scroll.H>
#include <FL/x.H>

#include <algorithm>
#include <chrono>

namespace {

constexpr int shortestHeight = 120;

// Whether the window manager has mapped the window, and so put it where it
// stays. A second at most: a window manager may keep a window iconic.
bool waitUntilMapped(Fl_Window& window) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    for (;;) {
        XWindowAttributes a;
        if (XGetWindowAttributes(fl_display, fl_xid(&window), &a) && a.map_state == IsViewable)
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        Fl::wait(0.02);
    }
}

}  // namespace

PaletteWindow::PaletteWindow(int w, int h, const char* title)
    : Fl_Window(w, h, title), fullHeight_(h) {
    size_range(w, shortestHeight, w, h);
}

void PaletteWindow::show() {
    if (!shown()) {
        Fl_Window* mainWindow = FlowerUI::of(this).mainWindow;
        if (shownBefore_)
            force_position(1);  // where it was closed, not where the window manager likes
        else if (mainWindow && mainWindow->shown())
            placeBeside(*mainWindow);
        shownBefore_ = true;
    }
    Fl_Window::show();
}

void PaletteWindow::resize(int x, int y, int w, int h) {
    Fl_Window::resize(x, y, w, h);
    // The scroll area keeps its offset as it grows, which would leave a blank
    // band below the controls. Shorter than the layout, both scroll bars show.
    Fl_Scroll* scroll = FlowerUI::of(this).paletteScroll;
    const bool whole = h >= fullHeight_;
    const int lastOffset = whole ? 0 : fullHeight_ - (h - Fl::scrollbar_size());
    if (scroll->yposition() > lastOffset || (whole && scroll->xposition()))
        scroll->scroll_to(whole ? 0 : scroll->xposition(), std::min(scroll->yposition(), lastOffset));
}

int PaletteWindow::handle(int event) {
    if (Fl_Window::handle(event))
        return 1;
    // Tab past the last control, or Shift+Tab before the first: the groups
    // hand the key on at their ends, and the window's only child is the scroll
    // area, so nobody took it. Round again from the other end, which the
    // scroll area's first or last control takes as the key says.
    if (event == FL_KEYBOARD && Fl::event_key() == FL_Tab &&
        !Fl::event_state(FL_CTRL | FL_ALT | FL_META))
        return child(0)->take_focus();
    return 0;
}

void PaletteWindow::placeBeside(Fl_Window& mainWindow) {
    if (!waitUntilMapped(mainWindow))
        return;
    // The toolkit may not have heard yet where the window manager put it.
    int mainX, mainY;
    Window child;
    XTranslateCoordinates(fl_display, fl_xid(&mainWindow), RootWindow(fl_display, fl_screen), 0, 0,
                          &mainX, &mainY, &child);
    int areaX, areaY, areaW, areaH;
    Fl::screen_work_area(areaX, areaY, areaW, areaH, mainX, mainY);
    // The palette gets a frame like the main window's.
    const int frameW = mainWindow.decorated_w() - mainWindow.w();
    const int frameH = mainWindow.decorated_h() - mainWindow.h();
    const int x = mainX + mainWindow.decorated_w();
    if (x + w() + frameW <= areaX + areaW && mainY + h() + frameH <= areaY + areaH)
        position(x, mainY);
}
