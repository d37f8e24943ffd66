// Turning a pose's angles into eye axes and back. At zero angles the eye looks
// along world +y with +z up and +x to the right.
#pragma once

#include "Vec.h"

// a := c*a + s*b and b := c*b - s*a, both from the old values.
void rotatePair(Vec<double, 3>& a, Vec<double, 3>& b, double angle);

// The eye's right, viewing and up directions in world coordinates.
void axesOf(const Vec<double, 3>& angles, Vec<double, 3>& right, Vec<double, 3>& forward,
            Vec<double, 3>& up);

// The viewing direction of heading and pitch; the roll is ignored.
Vec<double, 3> directionOf(const Vec<double, 3>& angles);

// Heading and pitch that look along v, with zero roll. A zero v gives zero angles.
Vec<double, 3> anglesOf(const Vec<double, 3>& v);
