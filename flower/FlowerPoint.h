// One seed of the flower, less its position, which FibPointSet keeps apart.
// The zero record is what an unused ring slot holds.
#pragma once

#include "camera/Vec.h"

#include <cstdint>

struct FlowerPoint {
    // Serial number: fixes the point's angle and hue for life. At a thousand
    // births a frame it passes 2^31 within hours, hence 64 bits.
    std::int64_t index = 0;
    double age = 0.0;  // in births; the newest point lies in (-1, 0]
    // cos and sin of the azimuth, which the index fixes: worked out once at
    // birth instead of every frame. (1, 0) belongs to index 0.
    double cosPhi = 1.0;
    double sinPhi = 0.0;
};
