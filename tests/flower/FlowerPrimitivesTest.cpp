// What the drawing routines hand the driver, through the real Mesa under the
// virtual X server: every primitive they begin gets a vertex, and their
// picture is the one their single segments and triangles make.
#include "flower/FibSurface.h"
#include "support/FlowerGrowth.h"
#include "support/GlContext.h"
#include "support/PrimitiveTap.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int side = 300;

class FlowerPrimitives : public ::testing::Test {
protected:
    FlowerPrimitives() : gl(side, side) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1.1, 1.1, -1.1, 1.1, -2, 2);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
    }

    // One frame of the flower, seen from above or from the side, as drawn
    // (or drawn again part by part); every pixel, RGBA.
    std::vector<unsigned char> picture(FibSurface& flower, PrimitiveTap::Draw how, bool fromSide) {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        if (fromSide) glRotated(-70, 1, 0, 0);
        glClearColor(0.5f, 0.7f, 0.9f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        {
            const PrimitiveTap tap(how);
            flower.draw();
        }
        std::vector<unsigned char> pixels(side * side * 4);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, side, side, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // Both views drawn both ways: the count of pixels that differ.
    // The colour period held, so both draws flow alike.
    void expectSamePictureAsItsParts(FibSurface& flower) {
        flower.setColorPeriodIncrement(0);
        for (bool fromSide : {false, true}) {
            const std::vector<unsigned char> drawn = picture(flower, PrimitiveTap::Draw::asCalled, fromSide);
            const std::vector<unsigned char> parts = picture(flower, PrimitiveTap::Draw::asSeparateParts, fromSide);
            int differing = 0;
            for (std::size_t i = 0; i < drawn.size(); i += 4)
                differing += drawn[i] != parts[i] || drawn[i + 1] != parts[i + 1] || drawn[i + 2] != parts[i + 2];
            EXPECT_EQ(differing, 0) << (fromSide ? "seen from the side" : "seen from above");
        }
    }

    GlContext gl;
};

TEST_F(FlowerPrimitives, AGrowingSphereLooksLikeItsSegmentsAndTriangles) {
    FibSurface flower;
    for (int points : {1254, 2508}) {  // 30 % and 60 %: the mirrored strands empty, then filling
        SCOPED_TRACE(points);
        growTo(flower, 4181, points);
        expectSamePictureAsItsParts(flower);
    }
}

TEST_F(FlowerPrimitives, FixedFamiliesOnTheDiscAndTheFullSphereLookLikeTheirParts) {
    FibSurface flower;
    flower.setAdaptiveSpirals(false);
    const unsigned masks[][2] = {{0x380, 0x100}, {0x7, 0x8}, {0x1F0, 0x30}};
    for (bool spheric : {false, true})
        for (const auto& mask : masks) {
            SCOPED_TRACE(testing::Message() << (spheric ? "sphere" : "disc") << ", line mask " << mask[0]);
            flower.setSpheric(spheric);
            flower.setLineSpiralMask(mask[0]);
            flower.setPolygonSpiralMask(mask[1]);
            growTo(flower, 3000, spheric ? 3000 : 2000);
            expectSamePictureAsItsParts(flower);
        }
}

// Every frame of a disc and a sphere growing from one point to full, and of
// an emptied one, in both spiral modes with everything shown.
TEST_F(FlowerPrimitives, NoFrameBeginsAPrimitiveWithoutAVertex) {
    for (bool spheric : {false, true})
        for (bool adaptive : {true, false}) {
            SCOPED_TRACE(testing::Message() << (spheric ? "sphere" : "disc") << (adaptive ? ", adaptive" : ", fixed"));
            FibSurface flower;
            flower.setSpheric(spheric);
            flower.setAdaptiveSpirals(adaptive);
            flower.setPointCount(1000);
            flower.setGrowthSpeed(0);
            flower.restartGrowth();
            const PrimitiveTap tap;
            flower.draw();  // nothing present
            flower.setGrowthSpeed(0.7);
            for (int frame = 0; frame < 160; ++frame) flower.draw();
            EXPECT_GT(tap.begun(), 160);
            EXPECT_EQ(tap.empty(), 0);
        }
}

}  // namespace
