// The flower's seeds: born one after another at the centre, each turned by
// the golden angle against its predecessor, moving outward as they age, on a
// unit disc or the unit sphere under one of three density laws.
#pragma once

#include "FlowerPoint.h"
#include "PointRing.h"
#include "camera/Vec.h"

class FibPointSet {
public:
    // Larger requests are cut to this: the ring is allocated whole, and the
    // positions are all recomputed every frame while the flower grows.
    static constexpr int maxPointCount = 99999;

    FibPointSet();

    void selectSpheric();
    void selectPlanar();
    void selectUniformDensity();
    void selectNaturalDensity();
    void selectSlowCentreDensity();

    // Changes N, keeping the youngest points; counts below 2 are ignored.
    // Positions are left for the next grow.
    void resize(int n);
    // Ages every point by amount, gives birth at the front, recomputes positions.
    void grow(double amount);
    void computePositions();
    // Empties the set; the next grow starts again from one point.
    void restart();

    int size() const { return static_cast<int>(points.size()); }
    int capacity() const { return pointCount; }

    // Element 0 is the youngest. Out of range: the origin.
    const Vec<double, 3>& positionAt(int i) const;
    // The serial number of element i, but 0 for the youngest and the oldest
    // present element and for anything out of range.
    const int& indexAt(int i) const;

private:
    // How far out a point of this age lies: 0 for the newborn, `full` at or
    // beyond maxAge. The ends are tested first so that N = 2 (maxAge 0)
    // never divides zero by zero; in between it is full × age / (N - 2).
    double outward(double age, double full) const;

    bool spheric = false;
    bool uniformDensity = true;
    bool naturalDensity = false;
    bool slowCentre = false;
    int pointCount = 4181;
    double maxAge = 4181 - 2;
    PointRing<FlowerPoint> points;
};
