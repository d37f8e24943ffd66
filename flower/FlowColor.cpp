#include "FlowColor.h"

#include <cmath>

double flowWheel(std::int64_t serial, double offset, double period) {
    const double x = (static_cast<double>(serial) + offset) * period;
    // x's fraction by truncation: exactly what fmod(x, 1.0) returns, the sign
    // of a zero included, at a fraction of its cost.
    double v = std::copysign(x - std::trunc(x), x);
    if (v < 0) v = v + 1;
    if (std::isnan(v)) v = 0;  // an infinite period or offset: red, not an undefined hue
    return v * 6.0;
}
