#include "Orientation.h"

#include <algorithm>
#include <cmath>

void rotatePair(Vec<double, 3>& a, Vec<double, 3>& b, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const Vec<double, 3> oldA = a;
    a = a * c + b * s;
    b = b * c - oldA * s;
}

void axesOf(const Vec<double, 3>& angles, Vec<double, 3>& right, Vec<double, 3>& forward,
            Vec<double, 3>& up) {
    right = Vec<double, 3>(1, 0, 0);
    forward = Vec<double, 3>(0, 1, 0);
    up = Vec<double, 3>(0, 0, 1);
    rotatePair(right, forward, angles[0]);
    rotatePair(forward, up, angles[1]);
    rotatePair(up, right, angles[2]);
}

Vec<double, 3> directionOf(const Vec<double, 3>& angles) {
    const double h = angles[0];
    const double p = angles[1];
    return Vec<double, 3>(-std::sin(h) * std::cos(p), std::cos(h) * std::cos(p), std::sin(p));
}

Vec<double, 3> anglesOf(const Vec<double, 3>& v) {
    const double len = v.length();
    // No direction to look along: keep the neutral pose rather than NaN.
    if (!(len > 0) || !std::isfinite(len))
        return Vec<double, 3>();
    const Vec<double, 3> u = v / len;
    // Rounding may push |z| a hair above 1, where asin has no value.
    return Vec<double, 3>(std::atan2(-u[0], u[1]), std::asin(std::clamp(u[2], -1.0, 1.0)), 0.0);
}
