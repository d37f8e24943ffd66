// The control palette's window. Its first showing puts it where it hides
// nothing of the flower: beside the main window, the two as one pair centred
// on the work area, where that has room for both; otherwise at the work
// area's edge, below the menu bar, clear of the view's centre. Later showings
// keep it where the person left it. It may be made shorter than its layout,
// down to a two-row strip, and its scroll area then reaches the rest. Tab and
// Shift+Tab go round its controls.
#pragma once

#include <FL/Fl_Window.H>

class PaletteWindow : public Fl_Window {
public:
    PaletteWindow(int w, int h, const char* title);

    void show() override;
    void resize(int x, int y, int w, int h) override;
    int handle(int event) override;

private:
    // Where the main window has been put by the window manager; it may move
    // it to make room for the pair.
    void placeWith(Fl_Window& mainWindow);
    // Shorter than its layout, the palette is wider by the vertical scroll
    // bar, so that no horizontal one cuts off a column.
    int widthAt(int height) const;
    // Shortened, the palette scrolls the control the keyboard has reached into sight.
    void keepFocusInSight();

    const int fullWidth_;
    const int fullHeight_;
    bool shownBefore_ = false;
};
