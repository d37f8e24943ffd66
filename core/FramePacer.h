// Holds the frame rate to the display refresh where the buffer swap does not:
// a frame whose swap returns sooner than one refresh period after the frame
// began is followed by a wait for events for the rest of the period.
#pragma once

#include <chrono>

class FramePacer {
public:
    explicit FramePacer(double refreshRate);

    // The refresh rate the X server reports for the toolkit's screen, or 60
    // where it reports none.
    static double displayRefreshRate();

    // Called after each frame's swap.
    void frameSwapped();

private:
    using Clock = std::chrono::steady_clock;

    Clock::duration period;
    Clock::time_point frameBegan;
};
