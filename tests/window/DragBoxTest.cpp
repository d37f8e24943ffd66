#include "window/DragBox.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

// Beside DragEvent, so the standard algorithms find them.
static bool operator==(const DragEvent& a, const DragEvent& b) {
    return std::tie(a.start, a.end, a.x, a.y, a.xp, a.yp, a.xi, a.yi) ==
           std::tie(b.start, b.end, b.x, b.y, b.xp, b.yp, b.xi, b.yi);
}

static std::ostream& operator<<(std::ostream& o, const DragEvent& e) {
    return o << "{start " << e.start << ", end " << e.end << ", " << e.x << "," << e.y
             << " prev " << e.xp << "," << e.yp << " initial " << e.xi << "," << e.yi << "}";
}

namespace {

DragEvent drag(bool start, bool end, int x, int y, int xp, int yp, int xi, int yi) {
    DragEvent e;
    e.start = start;
    e.end = end;
    e.x = x;
    e.y = y;
    e.xp = xp;
    e.yp = yp;
    e.xi = xi;
    e.yi = yi;
    return e;
}

class DragBoxDrags : public ::testing::Test {
protected:
    std::size_t total() const { return left.size() + middle.size() + right.size(); }

    DragBox box;
    Recorder<DragEvent const&> left{box.leftDrag}, middle{box.middleDrag}, right{box.rightDrag};
};

TEST_F(DragBoxDrags, LeftDragSendsBeginMoveAndEnd) {
    box.mouseEvent(1, true, 100, 50);
    box.mouseEvent(0, false, 104, 53);
    box.mouseEvent(1, false, 110, 60);

    const std::vector<DragEvent> expected = {
        drag(true, false, 100, 50, 100, 50, 100, 50),
        drag(false, false, 104, 53, 100, 50, 100, 50),
        drag(false, true, 104, 53, 104, 53, 100, 50),
    };
    EXPECT_EQ(left, expected);
    EXPECT_TRUE(middle.empty());
    EXPECT_TRUE(right.empty());
}

TEST_F(DragBoxDrags, EachMotionCarriesThePreviousPositionOfTheSameDrag) {
    box.mouseEvent(3, true, 10, 10);
    box.mouseEvent(0, false, 12, 15);
    box.mouseEvent(0, true, 20, 30);  // motion, whatever the pressed flag says
    box.mouseEvent(3, false, 0, 0);
    ASSERT_EQ(right.size(), 4u);
    EXPECT_EQ(right[2], drag(false, false, 20, 30, 12, 15, 10, 10));
    EXPECT_EQ(right[3], drag(false, true, 20, 30, 20, 30, 10, 10));
}

TEST_F(DragBoxDrags, EachButtonHasItsOwnSignal) {
    box.mouseEvent(2, true, 1, 2);
    box.mouseEvent(2, false, 1, 2);
    EXPECT_EQ(middle.size(), 2u);
    box.mouseEvent(3, true, 1, 2);
    box.mouseEvent(3, false, 1, 2);
    EXPECT_EQ(right.size(), 2u);
    EXPECT_TRUE(left.empty());
}

TEST_F(DragBoxDrags, IdleIgnoresMotionAndStrayReleases) {
    box.mouseEvent(0, false, 5, 5);
    box.mouseEvent(0, true, 5, 5);
    box.mouseEvent(1, false, 5, 5);
    box.mouseEvent(3, false, 5, 5);
    EXPECT_EQ(total(), 0u);

    // ...and still begins a drag afterwards.
    box.mouseEvent(1, true, 7, 8);
    EXPECT_EQ(left.size(), 1u);
}

TEST_F(DragBoxDrags, SecondButtonEndsTheDragAndItsReleaseIsIgnored) {
    box.mouseEvent(1, true, 100, 50);
    box.mouseEvent(0, false, 101, 51);
    box.mouseEvent(3, true, 102, 52);  // ends the left drag
    box.mouseEvent(3, false, 102, 52);
    box.mouseEvent(1, false, 102, 52);
    box.mouseEvent(0, false, 103, 53);

    ASSERT_EQ(left.size(), 3u);
    EXPECT_EQ(left.back(), drag(false, true, 101, 51, 101, 51, 100, 50));
    EXPECT_TRUE(right.empty());
}

TEST_F(DragBoxDrags, FourthButtonDragsSilentlyAndReturnsToIdle) {
    box.mouseEvent(4, true, 1, 1);
    box.mouseEvent(0, false, 2, 2);
    box.mouseEvent(1, true, 3, 3);  // ends the silent drag, begins nothing
    EXPECT_EQ(total(), 0u);

    box.mouseEvent(1, true, 4, 4);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0], drag(true, false, 4, 4, 4, 4, 4, 4));
}

// A receiver that feeds the box while it is sending sees its input ignored.
TEST(DragBoxReentry, InputDuringBeginningOrEndingIsIgnored) {
    DragBox box;
    Recorder<DragEvent const&> seen(box.leftDrag, [&box](DragEvent const&) {
        box.mouseEvent(0, false, 999, 999);
        box.mouseEvent(2, true, 999, 999);
    });

    box.mouseEvent(1, true, 10, 20);
    box.mouseEvent(1, false, 10, 20);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1], drag(false, true, 10, 20, 10, 20, 10, 20));

    // Back in idle: the next press begins a fresh drag.
    box.mouseEvent(1, true, 30, 40);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2], drag(true, false, 30, 40, 30, 40, 30, 40));
}

}  // namespace
