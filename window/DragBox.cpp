#include "DragBox.h"

DragBox::DragBox() {
    event.start = true;
    event.end = true;
}

void DragBox::mouseEvent(int b, bool pressed, int x, int y) {
    if (event.start && event.end) {
        if (b == 0 || !pressed)
            return;
        event.end = false;
        event.x = event.xp = event.xi = x;
        event.y = event.yp = event.yi = y;
        button = b;
        send();
    } else if (!event.start && !event.end) {
        if (b == 0) {
            event.x = x;
            event.y = y;
            send();
            event.xp = x;
            event.yp = y;
        } else {
            // Ends where the last motion was, not where the button went.
            event.end = true;
            send();
        }
    }
    // Input that arrives while a step is being sent is ignored.
}

void DragBox::send() {
    switch (button) {
    case 1: leftDrag.emit(event); break;
    case 2: middleDrag.emit(event); break;
    case 3: rightDrag.emit(event); break;
    default: break;
    }
    if (event.start) {
        event.start = false;
    } else if (event.end) {
        event.start = true;
        button = 0;
    }
}
