#include "MouseMUX.h"

void MouseMUX::route(int button, bool pressed, int x, int y) {
    switch (selector) {
    case 1: output1.emit(button, pressed, x, y); break;
    case 2: output2.emit(button, pressed, x, y); break;
    case 3: output3.emit(button, pressed, x, y); break;
    case 4: output4.emit(button, pressed, x, y); break;
    default: break;
    }
}
