// Setting up a flower for a drawing test: which primitives it shows, and a
// frozen state of growth.
#pragma once

#include "flower/FibSurface.h"

#include <algorithm>

inline void show(FibSurface& flower, bool points, bool lines, bool polygons) {
    flower.showPoints(points);
    flower.showLines(lines);
    flower.showPolygons(polygons);
}

// Leaves the flower frozen with exactly `points` points (or full) at capacity n.
inline void growTo(FibSurface& flower, int n, int points) {
    flower.restartGrowth();
    double remaining = points - 1.5;  // the first point's age once `points` are present
    do {
        const double births = std::min(remaining, 0.01 * n);
        flower.setGrowthSpeed(births / (0.01 * n));
        flower.setPointCount(n);
        remaining -= births;
    } while (remaining > 0);
    flower.setGrowthSpeed(0);
}
