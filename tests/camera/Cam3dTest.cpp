// The camera through the real Mesa: the view and the projection it loads.
#include "camera/Cam3d.h"
#include "camera/Orientation.h"
#include "support/GlContext.h"
#include "support/VecChecks.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using V3 = Vec<double, 3>;

// The current modelview matrix applied to a world point.
V3 toEye(const V3& world) {
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    V3 eye;
    for (int r = 0; r < 3; ++r)
        eye[r] = m[r] * world[0] + m[4 + r] * world[1] + m[8 + r] * world[2] + m[12 + r];
    return eye;
}

class Cam3dGl : public ::testing::Test {
protected:
    GlContext gl{800, 400};
    Cam3d cam;
};

TEST_F(Cam3dGl, ZeroAnglesAtHeightThreeLookAlongPlusY) {
    Coord c;
    c.position = V3(0, 0, 3);
    cam.setCoord(c);
    cam.applyView();
    expectNear(toEye(V3(0, 1, 3)), V3(0, 0, -1));
    expectNear(toEye(V3(1, 0, 3)), V3(1, 0, 0));
    expectNear(toEye(V3(0, 0, 4)), V3(0, 1, 0));
}

TEST_F(Cam3dGl, ViewMatrixInvertsThePosesEyeAxes) {
    Coord c;
    c.position = V3(0.5, -2, 1.25);
    c.angles = V3(0.8, -0.6, 0.3);
    cam.setCoord(c);
    cam.applyView();
    V3 right, forward, up;
    axesOf(c.angles, right, forward, up);
    expectNear(toEye(c.position), V3(0, 0, 0), 1e-5);
    expectNear(toEye(c.position + right), V3(1, 0, 0), 1e-5);
    expectNear(toEye(c.position + up), V3(0, 1, 0), 1e-5);
    expectNear(toEye(c.position + forward), V3(0, 0, -1), 1e-5);
}

void expectProjectionIs(double fovV, double aspect) {
    GLdouble ours[16], expected[16];
    glGetDoublev(GL_PROJECTION_MATRIX, ours);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(fovV, aspect, 0.1, 1000);
    glGetDoublev(GL_PROJECTION_MATRIX, expected);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(ours[i], expected[i], 1e-6) << "element " << i;
}

TEST_F(Cam3dGl, HorizontalFieldIsKeptAndVerticalDerivedFromTheViewport) {
    cam.applyProjection();
    EXPECT_FLOAT_EQ(cam.verticalFov(), 30);
    EXPECT_FLOAT_EQ(cam.horizontalFov(), 60);
    expectProjectionIs(30, 2);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(Cam3dGl, VerticalFieldIsKeptAfterSetVerticalFov) {
    cam.setVerticalFov(45);
    cam.applyProjection();
    EXPECT_FLOAT_EQ(cam.horizontalFov(), 90);
    expectProjectionIs(45, 2);
}

TEST_F(Cam3dGl, ProjectionFollowsEveryViewportChange) {
    cam.applyProjection();
    glViewport(0, 0, 400, 400);
    cam.applyProjection();
    EXPECT_FLOAT_EQ(cam.verticalFov(), 60);
    expectProjectionIs(60, 1);
}

TEST_F(Cam3dGl, TallViewportsStopTheVerticalFieldAt150Degrees) {
    glViewport(0, 0, 400, 960);  // 144 degrees: still the plain ratio
    cam.applyProjection();
    EXPECT_FLOAT_EQ(cam.verticalFov(), 144);
    for (int h : {960, 3000}) {
        glViewport(0, 0, 250, h);
        cam.applyProjection();
        EXPECT_FLOAT_EQ(cam.verticalFov(), 150);
        expectProjectionIs(150, 250.0 / h);
        GLdouble m[16];
        glGetDoublev(GL_PROJECTION_MATRIX, m);
        EXPECT_GT(m[5], 0) << "upright, not inverted";
    }
}

TEST_F(Cam3dGl, ViewportShrunkToNothingLoadsNoInfinityAndRecovers) {
    for (int w : {0, 800}) {
        glViewport(0, 0, w, 800 - w);
        cam.applyProjection();
        GLdouble m[16];
        glGetDoublev(GL_PROJECTION_MATRIX, m);
        for (double v : m)
            EXPECT_TRUE(std::isfinite(v));
        EXPECT_TRUE(std::isfinite(cam.verticalFov()));
        EXPECT_TRUE(std::isfinite(cam.horizontalFov()));
    }
    glViewport(0, 0, 800, 400);
    cam.applyProjection();
    EXPECT_FLOAT_EQ(cam.verticalFov(), 30);
}

}  // namespace
