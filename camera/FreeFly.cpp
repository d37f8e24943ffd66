#include "FreeFly.h"

#include "Orientation.h"

#include <GL/gl.h>

namespace {

// Maps a pointer coordinate over an extent to -1..+1. A view with no extent
// has no off-centre, so the pointer then steers nothing.
float normalised(int pointer, int origin, int extent) {
    if (extent <= 0)
        return 0;
    return float(2.0 * (pointer - origin) / extent - 1);
}

}  // namespace

void FreeFlyInput::mouseEvent(int button, bool pressed, int x, int y) {
    if (button >= 1 && button <= 3)
        buttonDown[button - 1] = pressed;

    // The left button wins when both are held.
    control.position = Vec<double, 3>(0, buttonDown[0] ? 0.1 : buttonDown[2] ? -0.1 : 0, 0);

    // Without a current context the query leaves the zeros in place.
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);

    if (buttonDown[0] || buttonDown[1] || buttonDown[2]) {
        // y is top-down against the viewport's bottom-up origin: -1 at the
        // top edge, +1 at the bottom, for a viewport at the window's corner.
        steer[0] = normalised(x, viewport[0], viewport[2]);
        steer[1] = normalised(y, viewport[1], viewport[3]);
        control.angles = Vec<double, 3>(steer[0], steer[1], 0);
    } else {
        control.angles = Vec<double, 3>();
    }
    coordOut.emit(control);
}

void FreeFly::step(Coord const& p, FrameRef const& frame) {
    Coord next = p;
    const float dt = frame.delta;
    speed += dt * control.position[1];
    next.angles -= control.angles * double(dt);
    next.position += directionOf(next.angles) * speed;
    // The speed has no bound: past the largest position the last finite pose stays.
    if (!isFinite(next))
        return;
    coord = next;
    coordOut.emit(coord);
}
