// A camera pose: eye position and (heading about world z, pitch, roll) in radians.
#pragma once

#include "Vec.h"

#include <cmath>
#include <limits>

struct Coord {
    Vec<double, 3> position;
    Vec<double, 3> angles;
};

// The only poses the pose loop passes on. The camera loads them in single
// precision, the angles in degrees, so anything beyond that range counts as
// infinite as much as NaN does.
inline bool isFinite(const Coord& c) {
    constexpr double largest = std::numeric_limits<float>::max() / 60;
    for (std::size_t i = 0; i < 3; ++i)
        if (!(std::abs(c.position[i]) <= largest && std::abs(c.angles[i]) <= largest))
            return false;
    return true;
}
