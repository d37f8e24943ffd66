// One frame's timing, as announced by the frame clock.
#pragma once

#include <cstdint>

struct FrameRef {
    std::int32_t number = 0;   // 0 for a clock's first frame
    double time = 0;           // seconds from the clock origin to this frame
    float delta = 1.0f / 60;   // seconds since the previous frame
};
