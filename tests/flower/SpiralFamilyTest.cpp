#include "flower/SpiralFamily.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

// Found by argument lookup, so at the type's own (global) scope.
bool operator==(const SpiralFamily& a, const SpiralFamily& b) {
    return a.order == b.order && a.first == b.first && a.last == b.last;
}
void PrintTo(const SpiralFamily& f, std::ostream* os) {
    *os << "(" << f.order << ", " << f.first << ", " << f.last << ")";
}

namespace {

TEST(SpiralFamily, FibonacciCountsFromZero) {
    EXPECT_EQ(fibonacci(0), 0);
    EXPECT_EQ(fibonacci(1), 1);
    EXPECT_EQ(fibonacci(2), 1);
    EXPECT_EQ(fibonacci(10), 55);
    EXPECT_EQ(fibonacci(17), 1597);
}

FibPointSet grownSet(int n, bool spheric, int points) {
    FibPointSet set;
    set.resize(n);
    if (spheric) set.selectSpheric();
    set.grow(0);
    set.grow(points - 1);
    return set;
}

// The shape every rebuilt table must have: orders 5, 6, 7, ... without a gap,
// all but the last three closed, each closed where its successor three
// orders up starts (overlapping it by F(k + 2) elements).
void expectWellFormed(const std::vector<SpiralFamily>& table) {
    ASSERT_GE(table.size(), 3u);
    for (std::size_t t = 0; t < table.size(); ++t) {
        EXPECT_EQ(table[t].order, 5 + int(t));
        if (t + 3 < table.size()) {
            const SpiralFamily& next = table[t + 3];
            EXPECT_EQ(table[t].last, next.first - 1 + fibonacci(table[t].order + 2)) << "entry " << t;
            EXPECT_GE(next.first, table[t].first);
        } else {
            EXPECT_EQ(table[t].last, -1) << "entry " << t;
        }
    }
}

TEST(SpiralFamily, SixPointsAreTooFewForAnyExtension) {
    const FibPointSet set = grownSet(4181, true, 6);
    std::vector<SpiralFamily> table{{9, 9, 9}};
    rebuildFamilies(table, set, true);
    EXPECT_EQ(table, (std::vector<SpiralFamily>{{5, 1, -1}, {6, 1, -1}, {7, 1, -1}}));
}

TEST(SpiralFamily, EachExtensionClosesTheEntryThreeFromTheEnd) {
    const FibPointSet set = grownSet(4181, false, 4181);
    std::vector<SpiralFamily> table;
    resetFamilies(table);
    int steps = 0;
    while (true) {
        const std::vector<SpiralFamily> before = table;
        if (!extendFamilies(table, set, false)) {
            EXPECT_EQ(table, before);  // a failed step leaves the table alone
            break;
        }
        ++steps;
        ASSERT_EQ(table.size(), before.size() + 1);
        const std::size_t closed = before.size() - 3;
        for (std::size_t t = 0; t < before.size(); ++t) {
            if (t != closed) {
                EXPECT_EQ(table[t], before[t]);
            }
        }
        EXPECT_GE(table[closed].last, 0);
        EXPECT_EQ(table.back().order, before[closed].order + 3);
        EXPECT_EQ(table.back().last, -1);
    }
    // A full disc of 4181 seeds shows families up to step 987 or so.
    EXPECT_GE(steps, 6);
    expectWellFormed(table);
}

TEST(SpiralFamily, RebuiltTablesAreWellFormedOnDiscAndSphereWhileGrowing) {
    for (bool spheric : {false, true})
        for (int points : {14, 100, 1000, 2500, 4181}) {
            SCOPED_TRACE(testing::Message() << (spheric ? "sphere " : "disc ") << points);
            std::vector<SpiralFamily> table;
            rebuildFamilies(table, grownSet(4181, spheric, points), spheric);
            expectWellFormed(table);
        }
}

// The search on the sphere stays in the northern half: no family found there
// reaches its own step into element (N + 1) / 2 or beyond, while the disc's
// search runs over every point.
TEST(SpiralFamily, TheSphereSearchStaysNorthOfElementHalfOfN) {
    const int n = 4181, half = (n + 1) / 2;
    std::vector<SpiralFamily> sphere, disc;
    rebuildFamilies(sphere, grownSet(n, true, n), true);
    rebuildFamilies(disc, grownSet(n, false, n), false);
    for (std::size_t t = 3; t < sphere.size(); ++t)
        EXPECT_LT(sphere[t].first + fibonacci(sphere[t].order), half) << "entry " << t;
    bool beyond = false;
    for (std::size_t t = 3; t < disc.size(); ++t)
        beyond = beyond || disc[t].first + fibonacci(disc[t].order) >= half;
    EXPECT_TRUE(beyond);
}

TEST(SpiralFamily, CoverageOfOpenFamiliesEndsAtTheRimOrAtTheMirrorOfTheFirstElement) {
    const FibPointSet disc = grownSet(1000, false, 700);
    const FibPointSet sphere = grownSet(1000, true, 700);
    EXPECT_EQ(coverageEnd(40, 123, disc, false), 123);
    EXPECT_EQ(coverageEnd(40, 123, sphere, true), 123);
    EXPECT_EQ(coverageEnd(40, -1, disc, false), 699);
    EXPECT_EQ(coverageEnd(40, -1, sphere, true), 699);  // mirror 959 is not there yet
    EXPECT_EQ(coverageEnd(400, -1, sphere, true), 599);
}

}  // namespace
