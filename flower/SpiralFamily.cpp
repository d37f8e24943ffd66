#include "SpiralFamily.h"

#include <algorithm>
#include <cmath>

int fibonacci(unsigned k) {
    unsigned a = 0, b = 1;
    for (unsigned i = 0; i < k; ++i) {
        const unsigned next = a + b;
        a = b;
        b = next;
    }
    return static_cast<int>(a);
}

void resetFamilies(std::vector<SpiralFamily>& families) {
    families.clear();
    families.push_back({5, 1, -1});
    families.push_back({6, 1, -1});
    families.push_back({7, 1, -1});
}

bool extendFamilies(std::vector<SpiralFamily>& families, const FibPointSet& points, bool spheric) {
    SpiralFamily& oldest = families[families.size() - 3];
    const int k = oldest.order;
    const int a = fibonacci(k + 1);
    const int b = fibonacci(k + 2);
    const int c = fibonacci(k + 3);
    int limit = points.size();
    if (spheric) limit = std::min(limit, (points.capacity() + 1) / 2);  // northern half only
    const Vec<double, 3>* position = points.positionData();  // every index below is under limit
    for (int i = oldest.first; i < limit - c; ++i) {
        // Two points F(k) births apart against two F(k + 3) apart. The square
        // root keeps the order of the squares or makes them equal, so it is
        // needed only where the squares say nearer.
        const Vec<double, 3> old = position[i + a] - position[i + b];
        const Vec<double, 3> fresh = position[i + c] - position[i];
        const double oldSquared = old.dot(old), freshSquared = fresh.dot(fresh);
        if (freshSquared < oldSquared && std::sqrt(freshSquared) < std::sqrt(oldSquared)) {
            oldest.last = i - 1 + b;
            families.push_back({k + 3, i, -1});
            return true;
        }
    }
    return false;
}

void rebuildFamilies(std::vector<SpiralFamily>& families, const FibPointSet& points, bool spheric) {
    resetFamilies(families);
    while (extendFamilies(families, points, spheric)) {
    }
}

int coverageEnd(int first, int last, const FibPointSet& points, bool spheric) {
    if (last >= 0) return last;
    const int n = points.size();
    return spheric ? std::min(points.mirrorOf(first), n - 1) : n - 1;
}
