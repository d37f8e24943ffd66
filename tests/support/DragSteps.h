// Drag events as DragBox sends them, for driving the track view directly.
#pragma once

#include "window/DragEvent.h"

// A motion of a drag in progress, by (dx, dy) pixels since the previous event.
inline DragEvent motion(int dx, int dy) {
    DragEvent e;
    e.x = 100 + dx;
    e.y = 100 + dy;
    e.xp = e.xi = 100;
    e.yp = e.yi = 100;
    return e;
}

// The first (start true) or the last event of a drag.
inline DragEvent edge(bool start) {
    DragEvent e;
    e.start = start;
    e.end = !start;
    return e;
}
