// Drives FlowerUI as a person would, through the toolkit's own event
// handling, and records what it says to the model.
#pragma once

#include "support/GlContext.h"
#include "ui/FlowerUI.h"
#include "ui/TypedField.h"

#include <FL/Fl_Widget.H>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// One emission as text: "name" or "name(value)"; doubles keep every digit, so
// expected values compare exactly.
std::string call(const std::string& name);
std::string call(const std::string& name, double value);
std::string call(const std::string& name, Vec<float, 3> rgb);

// Every FlowerUI signal, recorded in order, and a stand-in model that keeps
// the two family masks and answers their queries the way the real one does.
class SignalLog : public sigslot::has_slots<> {
public:
    explicit SignalLog(FlowerUI& ui);

    std::vector<std::string> calls;
    unsigned lineMask = 0;
    unsigned polygonMask = 0;

    // Empties the record and returns what it held.
    std::vector<std::string> take();

    void getLineMask(unsigned& m) { m = lineMask; }
    void setLineMask(unsigned m) { lineMask = m; }
    void getPolygonMask(unsigned& m) { m = polygonMask; }
    void setPolygonMask(unsigned m) { polygonMask = m; }

private:
    std::vector<std::unique_ptr<sigslot::has_slots<>>> taps_;
};

// Pointer events at window coordinates, as the toolkit delivers them.
void press(Fl_Widget* inWindow, int x, int y, int button = 1);
void drag(Fl_Widget* inWindow, int x, int y, int button = 1);
void release(Fl_Widget* inWindow, int x, int y, int button = 1);
void clickAt(Fl_Widget* inWindow, int x, int y, int button = 1);
void click(Fl_Widget* w);  // at its centre
// Presses a valuator at its centre, drags the pointer to x, and lets go.
void dragTo(Fl_Widget* valuator, int x);

// A key pressed and let go, to whatever has the focus, with the modifiers
// given (FL_SHIFT, ...).
void key(int keysym, const char* text = "", int state = 0);
void type(const std::string& text);

// Answers the modal colour chooser from inside its own event loop.
struct ChooserAnswer {
    ChooserAnswer(bool accept, uchar r, uchar g, uchar b) : accept(accept), r(r), g(g), b(b) {}
    bool accept;
    uchar r, g, b;
    double openFor = 0;  // seconds the chooser stays open before it is answered
    int opened = 0;
    std::string title;
    double shown[3] = {-1, -1, -1};  // the colour it opened on, 0..255

    // Presses the button; the chooser it opens is answered as set above.
    void pressing(Fl_Widget* button);
    // Any chooser the action opens is answered so.
    void during(const std::function<void()>& action);

private:
    static void answer(void* self);
};

// The window manager's close box, as it reaches the toolkit.
void pressCloseBox(Fl_Widget* window);

// Lets the toolkit map and draw what is shown.
void settle();
// Shows the window and waits until it has been drawn once: a scroll area
// hides its unneeded scrollbars only when it draws.
void showDrawn(Fl_Widget* window);

// What the window shows in a rectangle of its own, once drawn. From the first
// call on, the X server keeps the window's contents, also where another
// test's window covers it (it is drawn whole again then).
std::vector<Rgb> pixelsOf(Fl_Window* window, int x, int y, int w, int h);
