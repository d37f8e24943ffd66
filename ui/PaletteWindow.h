// The control palette's window. Its first showing puts it beside the main
// window where the screen has room, so that it covers neither the flower nor
// the menu; later showings keep it where the person left it. It may be made
// shorter than its layout, down to a two-row strip, and its scroll area then
// reaches the rest. Tab and Shift+Tab go round its controls.
#pragma once

#include <FL/Fl_Window.H>

class PaletteWindow : public Fl_Window {
public:
    PaletteWindow(int w, int h, const char* title);

    void show() override;
    void resize(int x, int y, int w, int h) override;
    int handle(int event) override;

private:
    // Beside `mainWindow`, to its right with the tops aligned, if the screen
    // has room there; otherwise where the window manager puts it.
    void placeBeside(Fl_Window& mainWindow);

    const int fullHeight_;
    bool shownBefore_ = false;
};
