// The flower's seeds: born one after another at the centre, each turned by
// the golden angle against its predecessor, moving outward as they age, on a
// unit disc or the unit sphere under one of three density laws.
#pragma once

#include "FlowerPoint.h"
#include "PointRing.h"
#include "camera/Vec.h"

#include <cstdint>
#include <vector>

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
    // Empties the set; the next grow starts again from one point with this
    // serial number. The program always starts from 0; tests start near the
    // limits of the serial numbers.
    void restart(std::int64_t serial = 0);

    int size() const { return static_cast<int>(points.size()); }
    int capacity() const { return pointCount; }

    // Element 0 is the youngest. Out of range: the origin.
    const Vec<double, 3>& positionAt(int i) const {
        if (i < 0 || i >= size()) return origin;
        return positions[i];
    }
    // The serial number of element i, but 0 for the youngest and the oldest
    // present element and for anything out of range.
    const std::int64_t& indexAt(int i) const {
        if (i <= 0 || i >= size() - 1) return noIndex;
        return points.at(i).index;
    }
    // Every element's position, youngest first: size() of them, then the
    // origin, where any element out of range lies.
    const Vec<double, 3>* positionData() const { return positions.data(); }
    // f(indexAt(e)) for every element e, youngest first.
    template <class F>
    void forEachIndex(F f) const {
        const int last = size() - 1;
        int e = 0;
        points.forEach([&](const FlowerPoint& p) {
            f(e == 0 || e == last ? noIndex : p.index);
            ++e;
        });
    }
    // The mirror of element e: as far from the last place of a full ring as e
    // is from the first; on a full sphere it lies at e's latitude in the south.
    int mirrorOf(int e) const { return pointCount - (e + 1); }

private:
    static const Vec<double, 3> origin;
    static const std::int64_t noIndex;

    // How far out a point of this age lies: 0 for the newborn, `full` at or
    // beyond maxAge. The ends are tested first so that N = 2 (maxAge 0)
    // never divides zero by zero; in between it is full × age / (N - 2).
    double outward(double age, double full) const;
    // positions[e] = place(point e) for every present element.
    template <class Place>
    void placeAll(Place place);

    bool spheric = false;
    // Exactly one density law is on: each select sets all three.
    bool uniformDensity = true;
    bool naturalDensity = false;
    bool slowCentre = false;
    int pointCount = 4181;
    double maxAge = 4181 - 2;
    std::int64_t firstSerial = 0;  // of the first point after a restart
    PointRing<FlowerPoint> points;
    // By element, youngest first, apart from the ring: drawing and the family
    // search read them all, most often in jumps, every frame. One more than
    // the ring holds, for the origin after the last present element.
    std::vector<Vec<double, 3>> positions;
};
