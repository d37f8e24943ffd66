// What the drawing routines hand the driver, through the real Mesa under the
// virtual X server: every primitive they begin gets a vertex, and their
// picture is the one their single segments and triangles make.
#include "flower/FibSurface.h"
#include "support/FlowerGrowth.h"
#include "support/GlContext.h"
#include "support/ImmediateFlower.h"
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
        glEnable(GL_LIGHT0);
    }

    // One frame, seen from above or from the side: every pixel, RGBA.
    template <class Draw>
    std::vector<unsigned char> picture(bool fromSide, Draw draw) {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        if (fromSide) glRotated(-70, 1, 0, 0);
        glClearColor(0.5f, 0.7f, 0.9f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        draw();
        std::vector<unsigned char> pixels(side * side * 4);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, side, side, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // The flower's frame against the same frame drawn the way it was before
    // vertex arrays: as it was called, or each primitive as its separate
    // parts. Both views; the count of pixels that differ.
    void expectSameFrames(FibSurface& flower, const FlowerSettings& settings, PrimitiveTap::Draw reference) {
        for (bool fromSide : {false, true}) {
            const std::vector<unsigned char> drawn = picture(fromSide, [&] { flower.draw(); });
            const std::vector<unsigned char> before = picture(fromSide, [&] {
                const PrimitiveTap tap(reference);
                drawImmediately(flower, settings);
            });
            int differing = 0, background = 0;
            for (std::size_t i = 0; i < drawn.size(); i += 4) {
                differing += drawn[i] != before[i] || drawn[i + 1] != before[i + 1] || drawn[i + 2] != before[i + 2];
                background += before[i] == 127 && before[i + 1] == 178 && before[i + 2] == 229;
            }
            EXPECT_EQ(differing, 0) << (fromSide ? "seen from the side" : "seen from above");
            EXPECT_LT(background, side * side) << "nothing drawn";
        }
    }

    GlContext gl;
};

using Settings = FlowerSettings;

TEST_F(FlowerPrimitives, AGrowingSphereLooksLikeItsSegmentsAndTriangles) {
    FibSurface flower;
    const Settings defaults;
    defaults.applyTo(flower);
    for (int points : {1254, 2508}) {  // 30 % and 60 %: the mirrored strands empty, then filling
        SCOPED_TRACE(points);
        growTo(flower, 4181, points);
        expectSameFrames(flower, defaults, PrimitiveTap::Draw::asSeparateParts);
    }
}

TEST_F(FlowerPrimitives, FixedFamiliesOnTheDiscAndTheFullSphereLookLikeTheirParts) {
    FibSurface flower;
    const unsigned masks[][2] = {{0x380, 0x100}, {0x7, 0x8}, {0x1F0, 0x30}};
    for (bool spheric : {false, true})
        for (const auto& mask : masks) {
            SCOPED_TRACE(testing::Message() << (spheric ? "sphere" : "disc") << ", line mask " << mask[0]);
            Settings s;
            s.spheric = spheric;
            s.adaptive = false;
            s.lineMask = mask[0];
            s.polygonMask = mask[1];
            s.applyTo(flower);
            growTo(flower, 3000, spheric ? 3000 : 2000);
            expectSameFrames(flower, s, PrimitiveTap::Draw::asSeparateParts);
        }
}

// Each mapping and density law, adaptive and fixed families, every colour
// source of each class with offsets, flat and smooth, lit and unlit, sizes
// above one pixel, growing and full.
TEST_F(FlowerPrimitives, EveryKindOfFrameIsTheOneDrawnVertexByVertex) {
    using S = Settings;
    struct Case {
        const char* name;
        int count, points;
        void (*set)(S&);
    };
    const Case cases[] = {
        {"full sphere, defaults", 4181, 4181, [](S&) {}},
        {"growing natural sphere, flowing points and lines, marker bands", 3000, 1800,
         [](S& s) {
             s.density = S::natural;
             s.pointSource = S::flow, s.pointOffset = 3;
             s.lineSource = S::flow, s.lineOffset = 0.25;
             s.polygonSource = S::marker;
         }},
        {"full slow-centre sphere, marker lines, flat, wide", 3000, 3000,
         [](S& s) {
             s.density = S::slowCentre;
             s.lineSource = S::marker;
             s.polygonSource = S::plain, s.polygonColor = {0.2f, 0.9f, 0.4f};
             s.flatLines = s.flatPolygons = true;
             s.pointSize = s.lineWidth = 0.02;
         }},
        {"unlit disc, flowing lines and bands", 3000, 2500,
         [](S& s) {
             s.spheric = false;
             s.lighting = false;
             s.lineSource = S::flow;
             s.polygonOffset = -0.5;
         }},
        {"natural disc, fixed, markers", 3000, 2500,
         [](S& s) {
             s.spheric = false, s.density = S::natural, s.adaptive = false;
             s.lineSource = S::marker, s.polygonSource = S::marker;
         }},
        {"slow-centre disc, fixed low families, all flowing, flat", 2000, 2000,
         [](S& s) {
             s.spheric = false, s.density = S::slowCentre, s.adaptive = false;
             s.lineMask = 0x7, s.polygonMask = 0x8;
             s.pointSource = s.lineSource = S::flow;
             s.flatPolygons = true;
         }},
        {"full sphere, fixed, marker quads, unlit, wide", 3000, 3000,
         [](S& s) {
             s.adaptive = false, s.lineMask = 0x1F0, s.polygonMask = 0x30;
             s.polygonSource = S::marker;
             s.lighting = false;
             s.pointSize = s.lineWidth = 0.01;
         }},
        {"growing sphere, fixed, flowing points", 4181, 1700,
         [](S& s) {
             s.adaptive = false;
             s.pointSource = S::flow, s.pointOffset = -2;
         }},
        {"growing sphere, markers, mirrored strands empty", 4181, 1254,
         [](S& s) { s.lineSource = S::marker, s.polygonSource = S::marker; }},
        {"full sphere, marker bands, unlit, flat lines", 4181, 4181,
         [](S& s) {
             s.polygonSource = S::marker;
             s.lighting = false;
             s.flatLines = true;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings s;
        c.set(s);
        FibSurface flower;
        s.applyTo(flower);
        growTo(flower, c.count, c.points);
        expectSameFrames(flower, s, PrimitiveTap::Draw::asCalled);
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
