#include "FibPointSet.h"

#include <algorithm>
#include <cmath>

namespace {
const Vec<double, 3> origin;
const int noIndex = 0;

// The golden angle: 2π × 0.618... per serial number, in exactly this order of operations.
void setAzimuth(FlowerPoint& p) {
    const double i = p.index;
    const double phi = (i * 0.6180339887498949 + i * 0.6180339887498949) * 3.141592653589793;
    p.cosPhi = std::cos(phi);
    p.sinPhi = std::sin(phi);
}
}  // namespace

FibPointSet::FibPointSet() { points.reset(pointCount); }

void FibPointSet::selectSpheric() { spheric = true; }

void FibPointSet::selectPlanar() { spheric = false; }

void FibPointSet::selectUniformDensity() {
    uniformDensity = true;
    naturalDensity = false;
    slowCentre = false;
}

void FibPointSet::selectNaturalDensity() {
    uniformDensity = false;
    naturalDensity = true;
    slowCentre = false;
}

void FibPointSet::selectSlowCentreDensity() {
    uniformDensity = false;
    naturalDensity = false;
    slowCentre = true;
}

void FibPointSet::resize(int n) {
    if (n < 2) return;
    n = std::min(n, maxPointCount);
    const int present = size();
    if (n == present) return;
    // At the same capacity a fresh ring would receive the same points in the
    // same order, so the one we have stays: rebuilds call this every frame.
    if (n != pointCount) {
        PointRing<FlowerPoint> fresh;
        fresh.reset(n);
        const int keep = std::min(n, present);
        for (int i = 0; i < keep; ++i) fresh.pushBack(points.at(i));
        points.swap(fresh);
    }
    pointCount = n;
    maxAge = n - 2;
}

void FibPointSet::grow(double amount) {
    if (points.empty()) points.pushFront();  // after reset the slot holds index 0, age 0
    if (amount > 0) {
        const unsigned n = points.size();
        for (unsigned i = 0; i < n; ++i) points.at(i).age += amount;
        while (points.at(0).age > 0) {
            points.pushFront();
            const FlowerPoint& previous = points.at(1);
            FlowerPoint& born = points.at(0);
            born.index = previous.index + 1;
            born.age = previous.age - 1.0;
            setAzimuth(born);
        }
    }
    computePositions();
}

double FibPointSet::outward(double age, double full) const {
    if (age <= 0) return 0;
    if (age >= maxAge) return full;
    return full * age / static_cast<double>(static_cast<unsigned>(pointCount - 2));
}

void FibPointSet::computePositions() {
    const unsigned n = points.size();
    for (unsigned e = 0; e < n; ++e) {
        FlowerPoint& p = points.at(e);
        if (spheric) {
            const double u = outward(p.age, 2);
            double theta;
            if (uniformDensity)
                theta = std::asin(u - 1) + 1.5707963267948966;
            else if (naturalDensity)
                theta = u * 1.5707963267948966;
            else
                theta = 1.5707963267948966 * (1 - std::cos(u * 1.5707963267948966));
            const double s = std::sin(theta);
            p.position = Vec<double, 3>(s * p.cosPhi, s * p.sinPhi, std::cos(theta));
        } else {
            const double t = outward(p.age, 1);
            double r;
            if (uniformDensity)
                r = std::sqrt(t);
            else if (naturalDensity)
                r = t;
            else
                r = t * t;
            p.position = Vec<double, 3>(r * p.cosPhi, r * p.sinPhi, 0.0);
        }
    }
}

void FibPointSet::restart() { points.reset(pointCount); }

const Vec<double, 3>& FibPointSet::positionAt(int i) const {
    if (i < 0 || i >= size()) return origin;
    return points.at(i).position;
}

const int& FibPointSet::indexAt(int i) const {
    if (i <= 0 || i >= size() - 1) return noIndex;
    return points.at(i).index;
}
