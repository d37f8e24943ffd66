// The flower drawn by the real Mesa OpenGL under the virtual X server; what
// was drawn is read back through GL feedback mode, pixels and state queries.
#include "flower/FibSurface.h"
#include "flower/FlowerPrimitives.h"
#include "support/FlowerGrowth.h"
#include "support/GlContext.h"
#include "support/Recorder.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct FedVertex {
    float x, y, z;  // window coordinates; z is the depth, 0 near .. 1 far
    float r, g, b, a;
};

struct FedPrimitive {
    int token;  // GL_POINT_TOKEN, GL_LINE_TOKEN, GL_LINE_RESET_TOKEN, GL_POLYGON_TOKEN
    std::vector<FedVertex> vertices;
};

// A 200 × 200 view of the unit sphere from above: z = 1 lies at depth 0, z = -1 at depth 1.
class FibSurfaceGl : public ::testing::Test {
protected:
    FibSurfaceGl() : gl(200, 200) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1.25, 1.25, -1.25, 1.25, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHT0);
    }

    // One draw, as the primitives that reach rasterisation.
    std::vector<FedPrimitive> feed(FibSurface& flower) {
        static std::vector<GLfloat> buffer(1 << 23);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
        glRenderMode(GL_FEEDBACK);
        flower.draw();
        const GLint used = glRenderMode(GL_RENDER);
        EXPECT_GE(used, 0) << "feedback buffer overflow";
        std::vector<FedPrimitive> out;
        for (GLint i = 0; i < used;) {
            FedPrimitive p{static_cast<int>(buffer[i++]), {}};
            int count = p.token == GL_POINT_TOKEN ? 1 : p.token == GL_POLYGON_TOKEN ? int(buffer[i++]) : 2;
            for (; count > 0; --count, i += 7)
                p.vertices.push_back({buffer[i], buffer[i + 1], buffer[i + 2], buffer[i + 3],
                                      buffer[i + 4], buffer[i + 5], buffer[i + 6]});
            out.push_back(p);
        }
        return out;
    }

    static int countTokens(const std::vector<FedPrimitive>& fed, int token) {
        return static_cast<int>(std::count_if(fed.begin(), fed.end(),
                                              [&](const FedPrimitive& p) { return p.token == token; }));
    }

    GlContext gl;
};

bool sameGeometry(const std::vector<FedPrimitive>& a, const std::vector<FedPrimitive>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].token != b[i].token || a[i].vertices.size() != b[i].vertices.size()) return false;
        for (std::size_t v = 0; v < a[i].vertices.size(); ++v)
            if (a[i].vertices[v].x != b[i].vertices[v].x || a[i].vertices[v].y != b[i].vertices[v].y)
                return false;
    }
    return true;
}

TEST_F(FibSurfaceGl, StartsWithSixPointsAndAnnouncesThePeriodOncePerDraw) {
    FibSurface flower;
    Recorder<double> periods(flower.periodChanged);
    show(flower, true, false, false);
    flower.setGrowthSpeed(0);
    EXPECT_EQ(countTokens(feed(flower), GL_POINT_TOKEN), 6);
    ASSERT_EQ(periods.size(), 1u);
    EXPECT_EQ(periods[0], 0.618 + 1e-6);
    flower.draw();
    EXPECT_EQ(periods.size(), 2u);
}

TEST_F(FibSurfaceGl, GrowthSpeedIsClampedToZeroAndOne) {
    FibSurface flower, reference;
    show(flower, true, false, false);
    show(reference, true, false, false);
    flower.setGrowthSpeed(-3);
    const std::vector<FedPrimitive> frozen = feed(flower);
    EXPECT_TRUE(sameGeometry(feed(flower), frozen));  // speed 0: no point moves

    flower.setGrowthSpeed(7);
    reference.setGrowthSpeed(1);
    const std::vector<FedPrimitive> grown = feed(flower);
    EXPECT_GT(countTokens(grown, GL_POINT_TOKEN), 6 + 40);  // about 41.81 births
    EXPECT_TRUE(sameGeometry(grown, feed(reference)));
}

// The points' depth test: with the depth buffer cleared to 0 only a test that
// always passes draws the disc's points, and only less-or-equal draws the
// north pole (depth exactly 0) of the sphere.
TEST_F(FibSurfaceGl, PointsAlwaysShowOnTheDiscAndPassLessOrEqualOnTheSphere) {
    for (bool spheric : {false, true}) {
        FibSurface flower;
        flower.setSpheric(spheric);
        growTo(flower, 400, 300);
        show(flower, true, true, true);
        flower.setLighting(false);
        glClearColor(0, 0, 1, 0);
        glClearDepth(0.0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        flower.draw();
        int red = 0, nearCentre = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x)
                if (gl.readPixel(x, y) == Rgb{255, 0, 0}) {
                    ++red;
                    nearCentre += std::abs(x - 100) <= 2 && std::abs(y - 100) <= 2;
                }
        if (spheric) {
            EXPECT_GT(red, 0);
            EXPECT_EQ(red, nearCentre);
        } else {
            EXPECT_GT(red, 300);
        }
    }
    glClearDepth(1.0);
}

// Mesa 22 forgets, at an outer glPopAttrib, what changed under an inner
// push, so nested pushes of separate groups restore only the innermost one.
bool driverRestoresNestedAttributeGroups() {
    glDisable(GL_CULL_FACE);
    glPushAttrib(GL_POLYGON_BIT);
    glPushAttrib(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_CULL_FACE);
    glPopAttrib();
    glPopAttrib();
    const bool restored = !glIsEnabled(GL_CULL_FACE);
    glDisable(GL_CULL_FACE);
    return restored;
}

TEST_F(FibSurfaceGl, DrawRestoresTheStateItChangesAndTheMatrices) {
    struct Lighting {
        GLint shadeModel, colorMaterialFace, colorMaterialMode;
        GLboolean lighting, colorMaterial;
        bool operator==(const Lighting& o) const {
            return shadeModel == o.shadeModel && colorMaterialFace == o.colorMaterialFace &&
                   colorMaterialMode == o.colorMaterialMode && lighting == o.lighting &&
                   colorMaterial == o.colorMaterial;
        }
    };
    struct PolygonAndDepth {
        GLint depthFunc, frontFace;
        GLboolean offsetFill, cull, depthTest;
        GLfloat offsetFactor, offsetUnits;
        bool operator==(const PolygonAndDepth& o) const {
            return depthFunc == o.depthFunc && frontFace == o.frontFace && offsetFill == o.offsetFill &&
                   cull == o.cull && depthTest == o.depthTest && offsetFactor == o.offsetFactor &&
                   offsetUnits == o.offsetUnits;
        }
    };
    struct Matrices {
        GLfloat projection[16], modelview[16];
        GLint attribDepth;
        bool operator==(const Matrices& o) const {
            return std::equal(projection, projection + 16, o.projection) &&
                   std::equal(modelview, modelview + 16, o.modelview) && attribDepth == o.attribDepth;
        }
    };
    auto lighting = [] {
        Lighting s;
        glGetIntegerv(GL_SHADE_MODEL, &s.shadeModel);
        glGetIntegerv(GL_COLOR_MATERIAL_FACE, &s.colorMaterialFace);
        glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &s.colorMaterialMode);
        s.lighting = glIsEnabled(GL_LIGHTING);
        s.colorMaterial = glIsEnabled(GL_COLOR_MATERIAL);
        return s;
    };
    auto polygonAndDepth = [] {
        PolygonAndDepth s;
        glGetIntegerv(GL_DEPTH_FUNC, &s.depthFunc);
        glGetIntegerv(GL_FRONT_FACE, &s.frontFace);
        s.offsetFill = glIsEnabled(GL_POLYGON_OFFSET_FILL);
        s.cull = glIsEnabled(GL_CULL_FACE);
        s.depthTest = glIsEnabled(GL_DEPTH_TEST);
        glGetFloatv(GL_POLYGON_OFFSET_FACTOR, &s.offsetFactor);
        glGetFloatv(GL_POLYGON_OFFSET_UNITS, &s.offsetUnits);
        return s;
    };
    auto matrices = [] {
        Matrices s;
        glGetFloatv(GL_PROJECTION_MATRIX, s.projection);
        glGetFloatv(GL_MODELVIEW_MATRIX, s.modelview);
        glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &s.attribDepth);
        return s;
    };
    const bool nestedRestored = driverRestoresNestedAttributeGroups();
    for (bool adaptive : {true, false}) {
        SCOPED_TRACE(adaptive ? "adaptive" : "fixed");
        glDepthFunc(GL_GREATER);
        glShadeModel(GL_FLAT);
        glFrontFace(GL_CW);
        glColorMaterial(GL_FRONT, GL_SPECULAR);
        FibSurface flower;
        flower.setAdaptiveSpirals(adaptive);
        growTo(flower, 500, 600);
        flower.setPolygonColorMarker();
        const Lighting lightingBefore = lighting();
        const PolygonAndDepth polygonBefore = polygonAndDepth();
        const Matrices matricesBefore = matrices();
        flower.draw();
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        EXPECT_TRUE(lighting() == lightingBefore);
        EXPECT_TRUE(matrices() == matricesBefore);
        if (nestedRestored) {
            EXPECT_TRUE(polygonAndDepth() == polygonBefore);
        }
    }
    glDepthFunc(GL_LESS);
    glDisable(GL_CULL_FACE);
    glDisable(GL_POLYGON_OFFSET_FILL);
    if (!nestedRestored)
        GTEST_SKIP() << "this driver restores only the innermost of nested attribute pushes; "
                        "the polygon and depth groups were not compared";
}

// Feedback reports each line strip as separate segments; a strip begins
// wherever a segment does not continue from the previous one.
TEST_F(FibSurfaceGl, DefaultFixedLinesAre178StrandsFromTheCentre) {
    FibSurface flower;
    flower.setAdaptiveSpirals(false);
    growTo(flower, 4181, 4181);
    show(flower, false, true, false);
    const std::vector<FedPrimitive> fed = feed(flower);
    int strands = 0;
    const FedVertex* previousEnd = nullptr;
    for (const FedPrimitive& p : fed) {
        const FedVertex& start = p.vertices[0];
        if (!previousEnd || previousEnd->x != start.x || previousEnd->y != start.y ||
            previousEnd->z != start.z) {
            ++strands;
            EXPECT_FLOAT_EQ(start.x, 100);  // at the north pole
            EXPECT_FLOAT_EQ(start.y, 100);
        }
        previousEnd = &p.vertices[1];
    }
    EXPECT_EQ(strands, 34 + 55 + 89);
}

// Seen from above on the disc, a family's quads all wind one way in the window:
// clockwise survives culling for order 5 (front face CW), anticlockwise for order 6.
TEST_F(FibSurfaceGl, FixedPolygonsDrawOnlyTheLowestFamilyWoundByItsOrder) {
    FibSurface flower;
    flower.setSpheric(false);
    flower.setAdaptiveSpirals(false);
    growTo(flower, 1000, 1000);
    show(flower, false, false, true);
    auto signedArea = [](const FedPrimitive& p) {
        double area = 0;
        for (std::size_t i = 0; i < p.vertices.size(); ++i) {
            const FedVertex& u = p.vertices[i];
            const FedVertex& v = p.vertices[(i + 1) % p.vertices.size()];
            area += double(u.x) * v.y - double(v.x) * u.y;
        }
        return area / 2;
    };
    for (unsigned bit : {3u, 4u}) {
        flower.setPolygonSpiralMask(1u << bit);
        const std::vector<FedPrimitive> fed = feed(flower);
        EXPECT_GT(countTokens(fed, GL_POLYGON_TOKEN), 500) << "bit " << bit;
        for (const FedPrimitive& p : fed) {
            if (bit == 3) {
                EXPECT_LE(signedArea(p), 0.0);
            } else {
                EXPECT_GE(signedArea(p), 0.0);
            }
        }
        flower.setPolygonSpiralMask((1u << bit) | 0x700);
        EXPECT_TRUE(sameGeometry(feed(flower), fed)) << "bit " << bit;
    }
}

// On the disc the newest point sits at the window centre, and only the
// centre patterns use it.
TEST_F(FibSurfaceGl, NoCentrePatternBelowFourteenPoints) {
    auto touchesCentre = [](const std::vector<FedPrimitive>& fed) {
        for (const FedPrimitive& p : fed)
            for (const FedVertex& v : p.vertices)
                if (v.x == 100 && v.y == 100) return true;
        return false;
    };
    FibSurface flower;
    flower.setSpheric(false);
    for (bool polygons : {false, true}) {
        show(flower, false, !polygons, polygons);
        flower.setPolygonColor(Vec<float, 3>(1.0f, 1.0f, 1.0f));
        growTo(flower, 4181, 13);
        EXPECT_FALSE(touchesCentre(feed(flower)));
        growTo(flower, 4181, 14);
        EXPECT_TRUE(touchesCentre(feed(flower)));
    }
}

// Only the south-pole patterns reach the last element, which rests exactly at
// the south pole once the sphere is full. Seen from below, the pole lies at
// the window centre in front (missing elements sit there too, but at depth
// 0.5 and beyond; polygon offset pushes polygons a little back).
TEST_F(FibSurfaceGl, SouthPolePatternsAppearOnlyOnAFullSphere) {
    auto reachesSouthPole = [](const std::vector<FedPrimitive>& fed) {
        for (const FedPrimitive& p : fed)
            for (const FedVertex& v : p.vertices)
                if (std::abs(v.x - 100) < 1e-3f && std::abs(v.y - 100) < 1e-3f && v.z < 0.25f) return true;
        return false;
    };
    glRotated(180, 1, 0, 0);
    FibSurface flower;
    for (bool adaptive : {true, false})
        for (bool polygons : {false, true}) {
            SCOPED_TRACE(testing::Message() << (adaptive ? "adaptive " : "fixed ")
                                            << (polygons ? "polygons" : "lines"));
            flower.setAdaptiveSpirals(adaptive);
            show(flower, false, !polygons, polygons);
            growTo(flower, 300, 299);
            EXPECT_FALSE(reachesSouthPole(feed(flower)));
            growTo(flower, 300, 300);
            EXPECT_TRUE(reachesSouthPole(feed(flower)));
        }
}

// Light 0 shines along one axis at a time; a vertex with normal (1, 1, 1) is
// lit at 1.2 × its colour (0.2 global ambient plus full diffuse) whichever axis.
TEST_F(FibSurfaceGl, EveryNormalOnTheLitDiscIsOneOneOne) {
    FibSurface flower;
    flower.setSpheric(false);
    growTo(flower, 600, 400);
    flower.setPointColor(Vec<float, 3>(0.5f, 0.25f, 0.625f));
    flower.setLineColor(Vec<float, 3>(0.5f, 0.25f, 0.625f));
    flower.setPolygonColor(Vec<float, 3>(0.5f, 0.25f, 0.625f));
    for (const GLfloat* direction : {(const GLfloat[]){1, 0, 0, 0}, (const GLfloat[]){0, 1, 0, 0},
                                     (const GLfloat[]){0, 0, 1, 0}}) {
        glLightfv(GL_LIGHT0, GL_POSITION, direction);
        const std::vector<FedPrimitive> fed = feed(flower);
        int vertices = 0;
        for (const FedPrimitive& p : fed)
            for (const FedVertex& v : p.vertices) {
                ++vertices;
                ASSERT_NEAR(v.r, 0.6f, 0.01f);
                ASSERT_NEAR(v.g, 0.3f, 0.01f);
                ASSERT_NEAR(v.b, 0.75f, 0.01f);
            }
        EXPECT_GT(vertices, 1000);
    }
    const GLfloat overhead[] = {0, 0, 1, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, overhead);
}

TEST_F(FibSurfaceGl, MarkerAndFlowColoursFollowTheirTables) {
    using primitives::markerColor;
    auto current = [] {
        GLfloat c[4];
        glGetFloatv(GL_CURRENT_COLOR, c);
        return std::vector<float>{c[0], c[1], c[2]};
    };
    markerColor(10, 0);
    EXPECT_EQ(current(), (std::vector<float>{0.8f, 0.0f, 0.0f}));
    markerColor(10, 1);
    EXPECT_EQ(current(), (std::vector<float>{1.0f, 0.0f, 0.0f}));
    markerColor(5, -1);
    EXPECT_EQ(current(), (std::vector<float>{0.0f, 1.0f, 0.0f}));
    markerColor(-1, 1);  // no family: the colour stays
    EXPECT_EQ(current(), (std::vector<float>{0.0f, 1.0f, 0.0f}));

    // At period 1 every serial number, 0 included (the youngest and the oldest
    // point report it), lies offset × period around the wheel: all six
    // starting points show the offset's hue.
    FibSurface flower;
    flower.setGrowthSpeed(0);
    flower.setLighting(false);
    flower.setPointColorFlow();
    show(flower, true, false, false);
    auto pointColours = [&](double period, double offset) {
        flower.setColorPeriod(period);
        flower.setPointColorOffset(offset);
        std::vector<std::vector<float>> colours;
        for (const FedPrimitive& p : feed(flower))
            colours.push_back({p.vertices[0].r, p.vertices[0].g, p.vertices[0].b});
        return colours;
    };
    const struct {
        double offset;
        std::vector<float> rgb;
    } hues[] = {
        {0.0, {1, 0, 0}},      {0.25, {0.5f, 1, 0}}, {0.5, {0, 1, 1}},
        {-0.25, {0.5f, 0, 1}}, {0.75, {0.5f, 0, 1}}, {0.9375, {1, 0, 0.375f}},
    };
    for (const auto& hue : hues)
        EXPECT_EQ(pointColours(1.0, hue.offset), std::vector<std::vector<float>>(6, hue.rgb))
            << "offset " << hue.offset;
    // No hue at all: red rather than an undefined colour.
    EXPECT_EQ(pointColours(HUGE_VAL, 0.5), std::vector<std::vector<float>>(6, {1, 0, 0}));
}

// After a restart the set is empty while the family table still describes
// the full flower it replaced.
TEST_F(FibSurfaceGl, ARestartedFrozenFlowerDrawsNothingUntilARebuildBringsOnePoint) {
    for (bool adaptive : {true, false}) {
        FibSurface flower;
        flower.setAdaptiveSpirals(adaptive);
        growTo(flower, 1000, 1000);
        flower.restartGrowth();
        glClearColor(0, 0, 1, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        flower.draw();
        int other = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) other += gl.readPixel(x, y) != Rgb{0, 0, 255};
        EXPECT_EQ(other, 0) << (adaptive ? "adaptive" : "fixed");

        flower.setUniformDensity();
        show(flower, true, false, false);
        EXPECT_EQ(countTokens(feed(flower), GL_POINT_TOKEN), 1);
    }
}

// Empty, single, partly grown and full flowers in every mode and mapping:
// nothing but finite vertices, no GL error.
TEST_F(FibSurfaceGl, AnyStageOfGrowthDrawsSafelyInEveryMode) {
    FibSurface flower;
    for (int points : {0, 1, 2, 13, 14, 160, 320})
        for (bool spheric : {false, true})
            for (bool adaptive : {false, true})
                for (int colour = 0; colour < 3; ++colour) {
                    SCOPED_TRACE(testing::Message() << points << " points, spheric " << spheric
                                                    << ", adaptive " << adaptive << ", colour " << colour);
                    flower.setSpheric(spheric);
                    flower.setAdaptiveSpirals(adaptive);
                    if (colour == 0) flower.setLineColorFlow(), flower.setPolygonColorFlow();
                    if (colour == 1) flower.setLineColorMarker(), flower.setPolygonColorMarker();
                    if (colour == 2) flower.setLineColor({0.0f, 0.0f, 0.0f}), flower.setPolygonColor({1.0f, 1.0f, 1.0f});
                    growTo(flower, 300, points);
                    if (points == 0) flower.restartGrowth();
                    for (const FedPrimitive& p : feed(flower))
                        for (const FedVertex& v : p.vertices)
                            ASSERT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z) &&
                                        std::isfinite(v.r));
                    ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));
                }
}

// The palette offers mask bits 0 to 15; higher ones would mean families of
// millions of strands and are left out.
TEST_F(FibSurfaceGl, MaskBitsAbove15DrawNothing) {
    FibSurface flower;
    flower.setAdaptiveSpirals(false);
    growTo(flower, 4181, 4181);
    flower.setLineSpiralMask(0xFFFF0000u);
    flower.setPolygonSpiralMask(0x80000000u);
    show(flower, false, true, true);
    EXPECT_TRUE(feed(flower).empty());
    unsigned mask = 0;
    flower.getLineSpiralMask(mask);
    EXPECT_EQ(mask, 0xFFFF0000u);
    flower.setLineSpiralMask(0x10080u);  // the low bits still count
    EXPECT_FALSE(feed(flower).empty());
}

TEST_F(FibSurfaceGl, SizesSpanTheRangesTheDriverReports) {
    GLfloat points[2], lines[2];
    glGetFloatv(GL_POINT_SIZE_RANGE, points);
    glGetFloatv(GL_LINE_WIDTH_RANGE, lines);
    FibSurface flower;
    flower.setGrowthSpeed(0);
    for (double x : {0.0, 0.3, 1.0}) {
        flower.setPointSize(x);
        flower.setLineWidth(x);
        flower.draw();  // leaves both set, outside the attribute groups it saves
        GLfloat pointSize, lineWidth;
        glGetFloatv(GL_POINT_SIZE, &pointSize);
        glGetFloatv(GL_LINE_WIDTH, &lineWidth);
        EXPECT_EQ(pointSize, int(x * points[1] + (1 - x) * points[0])) << x;
        EXPECT_EQ(lineWidth, int(x * lines[1] + (1 - x) * lines[0])) << x;
    }
}

}  // namespace
