// What a program's top-level window tells the desktop, read back from the X
// server: its class, icon, owner and place on the screen.
#pragma once

#include "support/ProgramUnderTest.h"

#include <string>
#include <vector>

// The class half of WM_CLASS, which launchers match against their entries.
std::string windowClass(Display* d, Window w);

// The window's _NET_WM_ICON: every image's width, height and pixels, in turn.
std::vector<unsigned long> windowIcon(Display* d, Window w);

// Whether the window manager lists the state (as "_NET_WM_STATE_SHADED") in
// the window's _NET_WM_STATE.
bool hasWindowState(Display* d, Window w, const char* state);

// The window it is transient for; 0 if none.
Window transientFor(Display* d, Window w);

// Where a window lies on the screen: its inside, or with the window manager's
// frame around it.
struct ScreenBox {
    int left, top, right, bottom;  // right and bottom just outside
};
ScreenBox insideBox(Display* d, Window w);
ScreenBox frameBox(Display* d, Window w);
