// Runs the real program on a virtual X server of its own and drives it from
// outside, as a person would: find its windows, read the screen, move and
// press the pointer, close windows, and collect the exit status.
#pragma once

#include "support/GlContext.h"

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// Xlib's handles, without its macros in every test.
typedef struct _XDisplay Display;
using Window = unsigned long;

class ProgramUnderTest {
public:
    // The desktop the program finds on its private X server.
    struct Desktop {
        std::string screen = "1600x1000x24";  // width x height x depth of screen 0
        std::vector<std::string> serverOptions;  // more server options, e.g. "-extension", "GLX"
        bool windowManager = false;  // openbox manages the windows, as on a real desktop
        bool displaySet = true;  // false: the program starts with no DISPLAY at all
    };

    // Starts a private X server and the program on it; the program's terminal
    // output is kept for terminalOutput().
    explicit ProgramUnderTest(const Desktop& desktop);
    ProgramUnderTest();  // the default desktop: a large screen, no window manager
    ~ProgramUnderTest();  // kills the program if it still runs, then the server

    // The top-level window whose title starts with prefix, once mapped; 0 on timeout.
    Window waitForWindow(const std::string& titlePrefix, double timeoutSeconds = 20);
    // The main window, with the palette closed: where the screen has no room
    // beside it, the palette opens over the view. 0 on timeout.
    Window waitForMainWindowAlone();

    // Screen pixel at (x, y) relative to the window's top-left corner.
    Rgb pixelAt(Window w, int x, int y);
    // Number of pixels of the rectangle that satisfy the predicate.
    int countPixels(Window w, int x, int y, int width, int height,
                    const std::function<bool(const Rgb&)>& predicate);
    // Waits until some pixel of the rectangle satisfies the predicate.
    bool waitForPixels(Window w, int x, int y, int width, int height,
                       const std::function<bool(const Rgb&)>& predicate,
                       double timeoutSeconds = 20);

    // Pointer actions through the X test extension, in window coordinates.
    void movePointer(Window w, int x, int y);
    void pressButton(int button);
    void releaseButton(int button);
    // Presses and releases a key, named as X names it ("Home"), wherever
    // the keyboard focus is; or holds one down ("Shift_L") and lets it go.
    void tapKey(const char* keysymName);
    void pressKey(const char* keysymName);
    void releaseKey(const char* keysymName);
    // Presses and lets go at (x, y), with the pauses a person leaves.
    void click(Window w, int x, int y, int button = 1);

    // What the window manager's close box does.
    void closeWindow(Window w);
    // What the window manager's minimise button and its task list do; they
    // need a window manager. Minimising waits until the window is unmapped and
    // returns false if it never is.
    bool minimiseWindow(Window w);
    void restoreWindow(Window w);
    // What the window manager's shade button does, and undoes; false if the
    // window manager never says it did.
    bool shadeWindow(Window w, bool shaded);
    // Mapped, with all its ancestors.
    bool viewable(Window w);

    // The exit status once the program has ended; -1 if it did not end in time
    // or did not exit normally.
    int waitForExit(double timeoutSeconds = 20);

    // What the program wrote on its standard output and error so far.
    std::string terminalOutput() const;

    // Processor time the program has used so far, all its threads, in seconds.
    double cpuSeconds() const;

    Display* display() { return display_; }

private:
    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    Display* display_ = nullptr;
    pid_t pid_ = -1;
    std::string outputPath_;
};

// A desktop whose windows openbox manages, on a screen of the given
// geometry, or of the default one.
ProgramUnderTest::Desktop managedDesktop(const std::string& screen = "");

// What a window manager's close box sends to the window.
void pressCloseBox(Display* display, Window w);

// The start clear colour (0.5, 0.7, 0.9) as it reaches the screen.
bool startBackground(const Rgb& p);

// Pauses without blocking the test's own toolkit, if any.
void pauseSeconds(double seconds);
