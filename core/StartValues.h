// What the program starts from before any frame: the background colour and
// the camera's pose, above the flower, which the track view then aims down
// at the centre.
#pragma once

#include "camera/Coord.h"
#include "camera/Vec.h"
#include "core/MathConstants.h"

inline const Vec<float, 3> startColor{0.5f, 0.7f, 0.9f};
inline const Coord startPose{{0, 0, 3}, {0, math::halfPi, 0}};
