#include "FrameClock.h"

#include <time.h>

namespace {

// A monotonic counter in nanoseconds: frequency 1e9 counts per second.
std::int64_t readCounter() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Shared by every clock of the process; read once, by the first clock built.
std::int64_t frequency = 0;
std::int64_t origin = 0;

}  // namespace

FrameClock::FrameClock() {
    if (frequency == 0) {
        frequency = 1000000000;
        origin = readCounter();
    }
}

void FrameClock::advance() {
    const std::int64_t elapsed = readCounter() - origin;
    const double t = double(elapsed) / double(frequency);
    frame.delta = float(t - frame.time);
    frame.time = t;
    frameReady.emit(frame);
    frame.number = nextFrameNumber(frame.number);
}
