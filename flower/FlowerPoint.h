// One seed of the flower. The zero record is what an unused ring slot holds.
#pragma once

#include "camera/Vec.h"

struct FlowerPoint {
    int index = 0;            // serial number: fixes the point's angle and hue for life
    double age = 0.0;         // in births; the newest point lies in (-1, 0]
    Vec<double, 3> position;  // z is 0 on the disc
    // cos and sin of the azimuth, which the index fixes: worked out once at
    // birth instead of every frame. (1, 0) belongs to index 0.
    double cosPhi = 1.0;
    double sinPhi = 0.0;
};
