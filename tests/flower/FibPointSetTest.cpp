#include "flower/FibPointSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using V3 = Vec<double, 3>;

// The set grown until every slot is taken.
void fill(FibPointSet& set) {
    while (set.size() < set.capacity()) set.grow(0.01 * set.capacity());
}

std::vector<int> serials(const FibPointSet& set) {
    // indexAt hides the two ends, so look at the inner elements only.
    std::vector<int> out;
    for (int i = 1; i < set.size() - 1; ++i) out.push_back(set.indexAt(i));
    return out;
}

TEST(FibPointSet, AFreshSetGrownByNothingHoldsOneNewbornAtTheCentreOrTheNorthPole) {
    FibPointSet disc;
    disc.grow(0);
    ASSERT_EQ(disc.size(), 1);
    EXPECT_EQ(disc.positionAt(0), V3(0, 0, 0));

    FibPointSet sphere;
    sphere.selectSpheric();
    sphere.grow(0);
    ASSERT_EQ(sphere.size(), 1);
    EXPECT_EQ(sphere.positionAt(0), V3(0, 0, 1));
}

TEST(FibPointSet, GrowingOnePointBy4181BirthsAddsFivePointsOneBirthApart) {
    FibPointSet set;
    set.grow(0);
    set.grow(4.181);
    ASSERT_EQ(set.size(), 6);
    // Inner serial numbers are visible through indexAt; the ends report 0.
    EXPECT_EQ(serials(set), (std::vector<int>{4, 3, 2, 1}));
    EXPECT_EQ(set.indexAt(0), 0);
    EXPECT_EQ(set.indexAt(5), 0);
    // Ages show through the radius of the natural law, r = age / (N - 2).
    set.selectNaturalDensity();
    set.grow(0);
    const double ages[] = {-0.819, 0.181, 1.181, 2.181, 3.181, 4.181};
    EXPECT_EQ(set.positionAt(0), V3(0, 0, 0));  // the newest, not yet born out
    for (int e = 1; e < 6; ++e)
        EXPECT_NEAR(set.positionAt(e).length(), ages[e] / 4179, 1e-15) << "element " << e;
}

// Other programs compare positions digit for digit: the golden angle and the
// laws as (i·g + i·g)·π and the age ratio taken against N - 2.
TEST(FibPointSet, PositionsFollowTheGoldenAngleFormulaToTheLastBit) {
    FibPointSet set;
    set.selectSpheric();
    set.grow(0);
    set.grow(4.181);
    const double g = 0.6180339887498949, pi = 3.141592653589793, half = 1.5707963267948966;
    // Element 2 holds serial number 3, born three births after the first
    // point had grown 4.181.
    const double age = ((4.181 - 1.0) - 1.0) - 1.0;
    const double phi = (3.0 * g + 3.0 * g) * pi;
    const double u = 2 * age / 4179.0;
    const double theta = std::asin(u - 1) + half;
    EXPECT_EQ(set.positionAt(2),
              V3(std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta)));

    set.selectPlanar();
    set.selectSlowCentreDensity();
    set.grow(0);
    const double t = age / 4179.0;
    const V3& flat = set.positionAt(2);
    EXPECT_EQ(flat[0], t * t * std::cos(phi));
    EXPECT_EQ(flat[1], t * t * std::sin(phi));
    EXPECT_EQ(flat[2], 0.0);
}

TEST(FibPointSet, OnAFullRingEachBirthDropsTheLowestSerialNumber) {
    FibPointSet set;
    set.resize(50);
    fill(set);
    ASSERT_EQ(set.size(), 50);
    const int oldest = set.indexAt(48) - 1;  // element 49 reports 0
    const int newest = set.indexAt(1) + 1;
    set.grow(3.0);
    EXPECT_EQ(set.size(), 50);
    EXPECT_EQ(set.indexAt(48) - 1, oldest + 3);
    EXPECT_EQ(set.indexAt(1) + 1, newest + 3);
    for (int i = 1; i < 48; ++i) EXPECT_EQ(set.indexAt(i), set.indexAt(i + 1) + 1);
}

TEST(FibPointSet, ResizeKeepsTheYoungestPointsAndIgnoresCountsBelowTwo) {
    FibPointSet set;
    set.resize(100);
    fill(set);
    const std::vector<int> before = serials(set);
    const V3 youngest = set.positionAt(1);

    set.resize(1);
    set.resize(-7);
    EXPECT_EQ(set.capacity(), 100);

    set.resize(40);
    EXPECT_EQ(set.capacity(), 40);
    ASSERT_EQ(set.size(), 40);
    EXPECT_EQ(set.positionAt(1), youngest);  // positions wait for the next grow
    const std::vector<int> kept = serials(set);
    EXPECT_EQ(kept, std::vector<int>(before.begin(), before.begin() + 38));

    set.resize(200);  // growing the capacity keeps every point
    EXPECT_EQ(set.capacity(), 200);
    EXPECT_EQ(set.size(), 40);
    EXPECT_EQ(serials(set), kept);
}

TEST(FibPointSet, ResizeToTheCurrentSizeChangesNothingNotEvenTheCapacity) {
    FibPointSet set;
    set.grow(0);
    set.grow(9.0);
    ASSERT_EQ(set.size(), 10);
    set.resize(10);
    EXPECT_EQ(set.capacity(), 4181);
}

// Every rebuild resizes to the count already in force while the ring fills:
// the ring must stay where it is, holding the same points.
TEST(FibPointSet, ResizeToTheCurrentCapacityLeavesTheRingInPlace) {
    FibPointSet set;
    set.grow(0);
    set.grow(20.5);
    const std::vector<int> before = serials(set);
    const V3* slot = &set.positionAt(3);
    set.resize(4181);
    EXPECT_EQ(&set.positionAt(3), slot);
    EXPECT_EQ(serials(set), before);
    EXPECT_EQ(set.capacity(), 4181);
}

TEST(FibPointSet, HugeCountsAreCutToTheLargestSupportedFlower) {
    FibPointSet set;
    set.resize(10000000);
    EXPECT_EQ(set.capacity(), FibPointSet::maxPointCount);
    set.resize(2147483647);
    EXPECT_EQ(set.capacity(), FibPointSet::maxPointCount);
    set.grow(0);
    set.grow(999.5);
    EXPECT_EQ(set.size(), 1001);
}

TEST(FibPointSet, RequestsOutsideThePresentPointsGetTheOriginAndSerialZero) {
    FibPointSet set;
    set.selectSpheric();
    EXPECT_EQ(set.indexAt(0), 0);  // empty
    EXPECT_EQ(set.positionAt(0), V3());
    set.grow(0);
    set.grow(7.5);
    const int n = set.size();
    EXPECT_EQ(set.positionAt(-1), V3());
    EXPECT_EQ(set.positionAt(n), V3());
    EXPECT_NE(set.positionAt(n - 1), V3());
    EXPECT_EQ(set.indexAt(-1), 0);
    EXPECT_EQ(set.indexAt(n), 0);
    EXPECT_EQ(set.indexAt(1), 7);
}

TEST(FibPointSet, RestartEmptiesTheSetAndGrowthStartsAgainFromSerialZero) {
    FibPointSet set;
    set.grow(0);
    set.grow(12.0);
    set.restart();
    EXPECT_EQ(set.size(), 0);
    EXPECT_EQ(set.capacity(), 4181);
    set.grow(2.0);
    ASSERT_EQ(set.size(), 3);
    EXPECT_EQ(set.indexAt(1), 1);
}

// A run of hours passes serial number 2^31 (a thousand births a frame). The
// angle between successive births stays the golden one across the mark and
// far beyond it, and below it every position keeps the formula's bits.
TEST(FibPointSet, SerialNumbersRunPast2To31WithTheGoldenTurn) {
    const double g = 0.6180339887498949, pi = 3.141592653589793;
    const double turn = std::remainder(2 * pi * g, 2 * pi);
    for (std::int64_t start : {(std::int64_t(1) << 31) - 2000, std::int64_t(1) << 40}) {
        SCOPED_TRACE(start);
        FibPointSet set;
        set.selectNaturalDensity();  // r = age / (N - 2): every point but the newest off the centre
        set.restart(start);
        set.grow(0);
        set.grow(4000.5);
        ASSERT_EQ(set.size(), 4002);
        EXPECT_EQ(set.indexAt(1), start + 4000);
        for (int e = 1; e < set.size() - 2; ++e) {
            ASSERT_EQ(set.indexAt(e), set.indexAt(e + 1) + 1);
            const V3 &p = set.positionAt(e), &q = set.positionAt(e + 1);
            const double angle = std::atan2(p[1], p[0]) - std::atan2(q[1], q[0]);
            ASSERT_NEAR(std::remainder(angle - turn, 2 * pi), 0, 1e-5) << "element " << e;
        }
        if (start < std::int64_t(1) << 31) {
            const int e = 2002;  // serial number 2^31 - 1
            ASSERT_EQ(set.indexAt(e), (std::int64_t(1) << 31) - 1);
            const double i = static_cast<double>(set.indexAt(e)), phi = (i * g + i * g) * pi;
            const double r = set.positionAt(e).length();
            EXPECT_EQ(set.positionAt(e), V3(r * std::cos(phi), r * std::sin(phi), 0));
        }
    }
}

// Points at or past maxAge lie on the rim of the disc or at the south pole,
// whatever the density law.
TEST(FibPointSet, PointsBeyondTheMaximumAgeRestOnTheRimOrAtTheSouthPole) {
    FibPointSet set;
    set.resize(60);
    fill(set);  // the oldest point is past maxAge 58, the third oldest is not
    const int n = set.size();
    for (int law = 0; law < 3; ++law) {
        if (law == 0) set.selectUniformDensity();
        if (law == 1) set.selectNaturalDensity();
        if (law == 2) set.selectSlowCentreDensity();
        set.selectPlanar();
        set.grow(0);
        EXPECT_NEAR(set.positionAt(n - 1).length(), 1.0, 1e-15) << "law " << law;
        EXPECT_LT(set.positionAt(n - 3).length(), 1.0) << "law " << law;
        set.selectSpheric();
        set.grow(0);
        EXPECT_NEAR(set.positionAt(n - 1)[2], -1.0, 1e-15) << "law " << law;
        EXPECT_GT(set.positionAt(n - 3)[2], -1.0) << "law " << law;
    }
}

// With N = 2 there is no age span to divide by (maxAge is 0).
TEST(FibPointSet, ATwoPointFlowerHasNoNaNAndSplitsCentreAndRim) {
    for (bool spheric : {false, true}) {
        FibPointSet set;
        set.resize(2);
        if (spheric) set.selectSpheric();
        for (int frame = 0; frame < 50; ++frame) {
            set.grow(0.37);
            for (int e = 0; e < set.size(); ++e)
                for (int c = 0; c < 3; ++c) ASSERT_FALSE(std::isnan(set.positionAt(e)[c]));
        }
        ASSERT_EQ(set.size(), 2);
        EXPECT_NEAR(set.positionAt(1).length(), 1.0, 1e-15);
        EXPECT_EQ(set.positionAt(0), spheric ? V3(0, 0, 1) : V3(0, 0, 0));
    }
}

}  // namespace
