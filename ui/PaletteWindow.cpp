#include "PaletteWindow.h"

#include "FlowerUI.h"
#include "window/FltkAdaptor.h"

#include <FL/Fl.H>
#include <FL/Fl_Scroll.H>
#include <FL/x.H>
#include <X11/Xatom.h>

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

// The frame the window manager has put round a window; none where nothing
// frames it.
struct Frame {
    int left = 0, right = 0, top = 0, bottom = 0;
};

Frame frameOf(Fl_Window& window) {
    Atom type;
    int format;
    unsigned long count = 0, after;
    unsigned char* data = nullptr;
    Frame frame;
    if (XGetWindowProperty(fl_display, fl_xid(&window),
                           XInternAtom(fl_display, "_NET_FRAME_EXTENTS", False), 0, 4, False,
                           XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        data && format == 32 && count == 4) {
        const long* extents = reinterpret_cast<const long*>(data);
        frame = {int(extents[0]), int(extents[1]), int(extents[2]), int(extents[3])};
    }
    if (data)
        XFree(data);
    return frame;
}

}  // namespace

PaletteWindow::PaletteWindow(int w, int h, const char* title)
    : Fl_Window(w, h, title), fullWidth_(w), fullHeight_(h) {
    size_range(w, shortestHeight, widthAt(shortestHeight), h);
}

void PaletteWindow::show() {
    if (!shown()) {
        Fl_Window* mainWindow = FlowerUI::of(this).mainWindow;
        if (shownBefore_)
            force_position(1);  // where it was closed, not where the window manager likes
        else if (mainWindow && mainWindow->shown())
            placeWith(*mainWindow);
        shownBefore_ = true;
    }
    Fl_Window::show();
}

int PaletteWindow::widthAt(int height) const {
    return height < fullHeight_ ? fullWidth_ + Fl::scrollbar_size() : fullWidth_;
}

void PaletteWindow::resize(int x, int y, int w, int h) {
    // The size the toolkit has been told of comes first; only then is the
    // width the height calls for asked for.
    Fl_Window::resize(x, y, w, h);
    if (w != widthAt(h))
        Fl_Window::resize(x, y, widthAt(h), h);
    // The scroll area keeps its offset as it grows, which would leave a blank
    // band below the controls.
    Fl_Scroll* scroll = FlowerUI::of(this).paletteScroll;
    const int lastOffset = std::max(fullHeight_ - h, 0);
    if (scroll->yposition() > lastOffset)
        scroll->scroll_to(0, lastOffset);
}

int PaletteWindow::handle(int event) {
    int used = Fl_Window::handle(event);
    // Tab past the last control, or Shift+Tab before the first: the groups
    // hand the key on at their ends, and the window's only child is the scroll
    // area, so nobody took it. Round again from the other end, which the
    // scroll area's first or last control takes as the key says.
    if (!used && event == FL_KEYBOARD && Fl::event_key() == FL_Tab &&
        !Fl::event_state(FL_CTRL | FL_ALT | FL_META))
        used = child(0)->take_focus();
    // The key that moved the focus is taken on the way down, mostly by a
    // box; its release comes up to the window, and the focus is settled then.
    if (event == FL_KEYUP)
        keepFocusInSight();
    return used;
}

void PaletteWindow::keepFocusInSight() {
    Fl_Scroll* scroll = FlowerUI::of(this).paletteScroll;
    const Fl_Widget* focus = Fl::focus();
    if (!focus || !focus->inside(scroll) || h() >= fullHeight_)
        return;
    int move = 0;
    if (focus->y() < scroll->y())
        move = focus->y() - scroll->y();
    else if (focus->y() + focus->h() > scroll->y() + scroll->h())
        move = focus->y() + focus->h() - (scroll->y() + scroll->h());
    if (move != 0)
        scroll->scroll_to(scroll->xposition(), std::clamp(scroll->yposition() + move, 0, fullHeight_ - h()));
}

void PaletteWindow::placeWith(Fl_Window& mainWindow) {
    if (!waitUntilMapped(mainWindow))
        return;
    // The toolkit may not have heard yet where the window manager put it.
    int mainX, mainY;
    Window child;
    XTranslateCoordinates(fl_display, fl_xid(&mainWindow), RootWindow(fl_display, fl_screen), 0, 0,
                          &mainX, &mainY, &child);
    // The work area the window manager announces, or the whole screen.
    int areaX, areaY, areaW, areaH;
    Fl::screen_work_area(areaX, areaY, areaW, areaH, mainX, mainY);
    // The palette gets a frame like the main window's.
    const Frame frame = frameOf(mainWindow);
    const int frameW = frame.left + frame.right, frameH = frame.top + frame.bottom;
    const int pairW = mainWindow.w() + fullWidth_ + 2 * frameW;
    const bool pair = pairW <= areaW;

    // Frames' top-left corners from here on.
    int left, top;
    const FltkAdaptor& view = *FlowerUI::of(this).glView;
    if (pair) {
        const int pairH = std::max(mainWindow.h(), fullHeight_) + frameH;
        left = areaX + (areaW - pairW) / 2;
        top = areaY + std::max((areaH - pairH) / 2, 0);
        mainWindow.position(left + frame.left, top + frame.top);
        left += mainWindow.w() + frameW;
    } else {
        top = std::max(mainY + view.y(), areaY);  // level with the view, below the menu bar
    }
    const int height = std::clamp(areaY + areaH - top - frameH, shortestHeight, fullHeight_);
    const int outerW = widthAt(height) + frameW;
    if (!pair) {
        // At the right edge it hides the least of a centred view; never its
        // centre, which a view wider than the work area may bring to the
        // right, and the left edge then keeps clear of.
        const int centre = mainX + view.x() + view.w() / 2;
        const auto hidesCentre = [&](int x) { return x <= centre && centre < x + outerW; };
        left = areaX + areaW - outerW;
        if (hidesCentre(left) && !hidesCentre(areaX))
            left = areaX;
    }
    resize(left + frame.left, top + frame.top, widthAt(height), height);
}
