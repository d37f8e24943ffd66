#include "FibPointSet.h"

#include "core/MathConstants.h"

#include <algorithm>
#include <cmath>

const Vec<double, 3> FibPointSet::origin;
const std::int64_t FibPointSet::noIndex = 0;

namespace {
using math::golden;
using math::halfPi;
using math::pi;

// The golden angle: 2π × 0.618... per serial number, in exactly this order of
// operations. From 2^31 on the product would keep ever fewer bits of the
// fraction of a turn, so there the whole turns go first: golden is m / 2^53
// for an integer m, and the fraction of serial × golden is exactly the low 53
// bits of serial × m over 2^53.
void setAzimuth(FlowerPoint& p) {
    double phi;
    if (p.index < std::int64_t(1) << 31) {
        const double i = static_cast<double>(p.index);
        phi = (i * golden + i * golden) * pi;
    } else {
        constexpr std::uint64_t m = static_cast<std::uint64_t>(golden * 0x1p53);
        constexpr std::uint64_t low53 = (std::uint64_t(1) << 53) - 1;
        const double turn = static_cast<double>(static_cast<std::uint64_t>(p.index) * m & low53) * 0x1p-53;
        phi = (turn + turn) * pi;
    }
    p.cosPhi = std::cos(phi);
    p.sinPhi = std::sin(phi);
}
}  // namespace

FibPointSet::FibPointSet() : positions(pointCount + 1) { points.reset(pointCount); }

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
        positions.resize(n + 1);
        positions[size()] = origin;
    }
    pointCount = n;
    maxAge = n - 2;
}

void FibPointSet::grow(double amount) {
    if (points.empty()) {
        points.pushFront();  // after reset the slot holds a zero record: age 0
        FlowerPoint& first = points.at(0);
        first.index = firstSerial;
        setAzimuth(first);
    }
    if (amount > 0) {
        points.forEach([amount](FlowerPoint& p) { p.age += amount; });
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

// Element by element, youngest first; the law is picked once, not per point.
template <class Place>
void FibPointSet::placeAll(Place place) {
    Vec<double, 3>* position = positions.data();
    points.forEach([&](const FlowerPoint& p) { *position++ = place(p); });
    *position = origin;
}

void FibPointSet::computePositions() {
    // On the sphere the polar angle, from 0 at the centre to π at the far pole.
    auto onSphere = [this](auto polar) {
        placeAll([this, polar](const FlowerPoint& p) {
            const double theta = polar(outward(p.age, 2));
            const double s = std::sin(theta);
            return Vec<double, 3>(s * p.cosPhi, s * p.sinPhi, std::cos(theta));
        });
    };
    auto onDisc = [this](auto radius) {
        placeAll([this, radius](const FlowerPoint& p) {
            const double r = radius(outward(p.age, 1));
            return Vec<double, 3>(r * p.cosPhi, r * p.sinPhi, 0.0);
        });
    };
    if (spheric) {
        if (uniformDensity)
            onSphere([](double u) { return std::asin(u - 1) + halfPi; });
        else if (naturalDensity)
            onSphere([](double u) { return u * halfPi; });
        else
            onSphere([](double u) { return halfPi * (1 - std::cos(u * halfPi)); });
    } else {
        if (uniformDensity)
            onDisc([](double t) { return std::sqrt(t); });
        else if (naturalDensity)
            onDisc([](double t) { return t; });
        else
            onDisc([](double t) { return t * t; });
    }
}

void FibPointSet::restart(std::int64_t serial) {
    points.reset(pointCount);
    positions[0] = origin;
    firstSerial = serial;
}
