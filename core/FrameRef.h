// One frame's timing, as announced by the frame clock.
#pragma once

#include <cstdint>
#include <limits>

struct FrameRef {
    std::int32_t number = 0;   // 0 for a clock's first frame
    double time = 0;           // seconds from the clock origin to this frame
    float delta = 1.0f / 60;   // seconds since the previous frame
};

// The number of the frame after n. After the largest (25 days at 1,000 frames
// a second) the count starts again at 0 instead of overflowing.
constexpr std::int32_t nextFrameNumber(std::int32_t n) {
    return n == std::numeric_limits<std::int32_t>::max() ? 0 : n + 1;
}
