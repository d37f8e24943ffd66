#include "flower/PointRing.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Front to back by index; forEach must visit the same, wrapped or not.
std::vector<int> contents(const PointRing<int>& ring) {
    std::vector<int> out, visited;
    for (unsigned i = 0; i < ring.size(); ++i) out.push_back(ring.at(i));
    ring.forEach([&](int v) { visited.push_back(v); });
    EXPECT_EQ(visited, out);
    return out;
}

void pushFront(PointRing<int>& ring, int value) {
    ring.pushFront();
    ring.at(0) = value;
}

TEST(PointRing, PushBackPastCapacityDropsTheFrontAndWraps) {
    PointRing<int> ring;
    ring.reset(3);
    EXPECT_TRUE(ring.empty());
    EXPECT_EQ(ring.size(), 0u);
    for (int v = 1; v <= 3; ++v) ring.pushBack(v);
    EXPECT_EQ(contents(ring), (std::vector<int>{1, 2, 3}));
    for (int v = 4; v <= 8; ++v) {
        ring.pushBack(v);
        EXPECT_EQ(ring.size(), 3u);
    }
    EXPECT_EQ(contents(ring), (std::vector<int>{6, 7, 8}));
}

// Filled from the front only, tail is still 0 when the ring becomes full;
// pushing further must drop the back element, not wrap tail below zero.
TEST(PointRing, PushFrontOnlyFromResetKeepsSizeAtCapacityWhenPushedFurther) {
    PointRing<int> ring;
    ring.reset(4);
    for (int v = 1; v <= 4; ++v) pushFront(ring, v);
    EXPECT_EQ(contents(ring), (std::vector<int>{4, 3, 2, 1}));
    for (int v = 5; v <= 13; ++v) {
        pushFront(ring, v);
        ASSERT_EQ(ring.size(), 4u);
        EXPECT_EQ(ring.at(3), v - 3);
    }
    EXPECT_EQ(contents(ring), (std::vector<int>{13, 12, 11, 10}));
    ring.pushBack(99);  // and the back end still works after that
    EXPECT_EQ(contents(ring), (std::vector<int>{12, 11, 10, 99}));
}

TEST(PointRing, PushFrontLeavesTheSlotsRecordForTheCallerToOverwrite) {
    PointRing<int> ring;
    ring.reset(3);
    ring.pushFront();
    EXPECT_EQ(ring.at(0), 0);  // a fresh slot holds the default record
    ring.at(0) = 7;
    pushFront(ring, 8);
    pushFront(ring, 9);
    ring.pushFront();  // full: drops 7 at the back and reuses its slot
    EXPECT_EQ(contents(ring), (std::vector<int>{7, 9, 8}));
}

TEST(PointRing, FrontAndBackPushesMeetAcrossTheArrayEnd) {
    PointRing<int> ring;
    ring.reset(5);
    ring.pushBack(1);
    ring.pushBack(2);
    pushFront(ring, 0);  // head wraps from slot 0 to the last slot
    pushFront(ring, -1);
    EXPECT_EQ(contents(ring), (std::vector<int>{-1, 0, 1, 2}));
    ring.pushBack(3);
    EXPECT_EQ(ring.size(), 5u);
    ring.pushBack(4);  // full: the front goes
    EXPECT_EQ(contents(ring), (std::vector<int>{0, 1, 2, 3, 4}));
    pushFront(ring, -5);  // full: the back goes
    EXPECT_EQ(contents(ring), (std::vector<int>{-5, 0, 1, 2, 3}));
}

TEST(PointRing, SwapExchangesContentsAndCapacities) {
    PointRing<int> a, b;
    a.reset(2);
    a.pushBack(1);
    b.reset(3);
    b.pushBack(4);
    b.pushBack(5);
    a.swap(b);
    EXPECT_EQ(a.capacity(), 3u);
    EXPECT_EQ(contents(a), (std::vector<int>{4, 5}));
    EXPECT_EQ(b.capacity(), 2u);
    EXPECT_EQ(contents(b), (std::vector<int>{1}));
}

}  // namespace
