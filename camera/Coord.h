// A camera pose: eye position and (heading about world z, pitch, roll) in radians.
#pragma once

#include "Vec.h"

struct Coord {
    Vec<double, 3> position;
    Vec<double, 3> angles;
};
