// The colour flow: where a serial number lies on the colour wheel, and the
// colour at a place of the wheel, as glColor3d receives it.
#pragma once

#include "camera/Vec.h"

#include <cmath>
#include <cstdint>

// The place of a serial number on the wheel red, yellow, green, cyan, blue,
// magenta, in sixths of a turn from red (0 up to 6): once round every
// 1 / period serial numbers, starting offset serial numbers on.
// Inline: it runs for every element of every flowing class each frame.
inline double flowWheel(std::int64_t serial, double offset, double period) {
    const double x = (static_cast<double>(serial) + offset) * period;
    // x's fraction by truncation: exactly what fmod(x, 1.0) returns, the sign
    // of a zero included, at a fraction of its cost.
    double v = std::copysign(x - std::trunc(x), x);
    if (v < 0) v = v + 1;
    if (std::isnan(v)) v = 0;  // an infinite period or offset: red, not an undefined hue
    return v * 6.0;
}

// The colour at place h. Each component is one of four levels, picked from
// a table rather than by a branch, which would guess wrong at almost every
// point: successive serial numbers lie far apart on the wheel.
inline Vec<double, 3> wheelColor(double h) {
    const int s = static_cast<int>(h);
    const double f = h - s;
    const double level[4] = {0, 1, f, 1 - f};
    static constexpr unsigned char sector[7][3] = {
        {1, 2, 0}, {3, 1, 0}, {0, 1, 2}, {0, 3, 1}, {2, 0, 1}, {1, 0, 3},
        {1, 2, 0},  // 6, where a fraction just below 0 rounded up to a whole turn: as 0
    };
    const unsigned char* pick = sector[s];
    return Vec<double, 3>(level[pick[0]], level[pick[1]], level[pick[2]]);
}
