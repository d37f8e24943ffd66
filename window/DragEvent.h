// One step of a mouse drag. The motion of this step is (x - xp, y - yp), the
// motion since the press (x - xi, y - yi); pixels with y growing downward.
#pragma once

struct DragEvent {
    bool start = false;  // the first event of a drag
    bool end = false;    // the last event of a drag
    int x = 0;
    int y = 0;
    int xp = 0;  // previous event of this drag
    int yp = 0;
    int xi = 0;  // where the drag began
    int yi = 0;
};
