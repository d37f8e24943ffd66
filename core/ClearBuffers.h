// Clears colour and depth at the start of a frame.
#pragma once

#include "camera/Vec.h"
#include "sigslot.h"

class ClearBuffers : public sigslot::has_slots<> {
public:
    void setColor(Vec<float, 3> rgb);
    void clear();

private:
    float color[4] = {0, 0, 0, 0};
};
