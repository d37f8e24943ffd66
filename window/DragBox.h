// Turns raw pointer events into drags: a press begins one, motion continues
// it, the next button event (of any button) ends it. Each step goes out on the
// signal of the drag's button.
#pragma once

#include "DragEvent.h"
#include "core/sigslot.h"

class DragBox : public sigslot::has_slots<> {
public:
    DragBox();

    sigslot::signal1<DragEvent const&> leftDrag;
    sigslot::signal1<DragEvent const&> middleDrag;
    sigslot::signal1<DragEvent const&> rightDrag;

    void mouseEvent(int button, bool pressed, int x, int y);

private:
    void send();

    // The state lives in the event's flags: idle (start, end), dragging
    // (neither), and the beginning or ending step while it is being sent.
    int button = 0;
    DragEvent event;
};
