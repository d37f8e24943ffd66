// The OpenGL view: the one place where the toolkit's window events enter the
// component world. Every draw becomes one paint, every pointer event one mouse,
// every turn of the wheel one wheel, and the navigation keys homeKey, turnKey,
// panKey or a wheel step; F11 takes the main window to full screen and back.
#pragma once

#include "core/sigslot.h"

#include <FL/Fl_Gl_Window.H>

class FltkAdaptor : public Fl_Gl_Window, public sigslot::has_slots<> {
public:
    FltkAdaptor(int x, int y, int w, int h, const char* label = nullptr);
    ~FltkAdaptor() override;

    bool continuous = true;     // redraw on every pass of the frame loop
    bool redrawPending = true;  // one-shot redraw request while not continuous

    sigslot::signal0<> paint;
    sigslot::signal2<int, bool> key;  // kept for key events; nothing sends or hears it
    // (button 1..3, or 0 for motion; pressed; x; y downward from the view's
    // top-left). Without a middle or right button, as on a touchpad, the left
    // one with Shift stands for the middle, with Ctrl for the right.
    sigslot::signal4<int, bool, int, int> mouse;
    // Wheel steps, negative when the wheel turns away from the person; the
    // + and - keys are one step each, + towards the flower.
    sigslot::signal1<int> wheel;
    sigslot::signal0<> homeKey;
    // An arrow key, alone or with Shift: (dx, dy) as the arrow points, -1, 0
    // or 1, y downward as a drag's.
    sigslot::signal2<int, int> turnKey;
    sigslot::signal2<int, int> panKey;

    // Kept for a frame loop that draws on request; nothing in the program calls them.
    void setContinuous(bool on) { continuous = on; }
    void requestRedraw() { redrawPending = true; }

    int handle(int event) override;

protected:
    void draw() override;

private:
    bool takeKey();

    int leftButtonAs = 1;  // what the left button's press went out as
};
