#include "camera/Cam3d.h"
#include "camera/Orientation.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using V3 = Vec<double, 3>;
constexpr double pi = 3.141592653589793;

void expectNear(const V3& a, const V3& b, double tol = 1e-6) {
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(a[i], b[i], tol) << "element " << i;
}

// The current modelview matrix applied to a world point.
V3 toEye(const V3& world) {
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    V3 eye;
    for (int r = 0; r < 3; ++r)
        eye[r] = m[r] * world[0] + m[4 + r] * world[1] + m[8 + r] * world[2] + m[12 + r];
    return eye;
}

TEST(Orientation, AxesAreOrthonormalAndForwardIsTheViewingDirection) {
    for (double h : {0.0, 0.7, -2.5})
        for (double p : {0.0, 0.4, -1.2})
            for (double r : {0.0, 0.3}) {
                V3 right, forward, up;
                const V3 a(h, p, r);
                axesOf(a, right, forward, up);
                EXPECT_NEAR(right.length(), 1, 1e-12);
                EXPECT_NEAR(forward.length(), 1, 1e-12);
                EXPECT_NEAR(up.length(), 1, 1e-12);
                EXPECT_NEAR(right.dot(forward), 0, 1e-12);
                EXPECT_NEAR(forward.dot(up), 0, 1e-12);
                EXPECT_NEAR(up.dot(right), 0, 1e-12);
                expectNear(forward, directionOf(a), 1e-12);
            }
}

TEST(Orientation, AnglesOfInvertsDirectionOfForPitchInsideTheOpenRange) {
    for (double h : {0.0, 1.0, 3.0, -3.0, 7.0})
        for (double p : {-1.5, -0.3, 0.0, 0.9, 1.5}) {
            const V3 back = anglesOf(directionOf(V3(h, p, 0.4)));
            EXPECT_NEAR(std::remainder(back[0] - h, 2 * pi), 0, 1e-9);
            EXPECT_NEAR(back[1], p, 1e-9);
            EXPECT_EQ(back[2], 0);
        }
}

TEST(Orientation, AnglesOfNeverGivesNaN) {
    expectNear(anglesOf(V3()), V3(), 0);
    const V3 up = anglesOf(V3(0, 0, 5));
    EXPECT_NEAR(up[1], pi / 2, 1e-12);
    const V3 tiny = anglesOf(V3(1e-300, 0, -1e-300));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(std::isfinite(tiny[i]));
}

class CameraGl : public ::testing::Test {
protected:
    GlContext gl{800, 400};
    Cam3d cam;
};

TEST_F(CameraGl, ZeroAnglesAtHeightThreeLookAlongPlusY) {
    Coord c;
    c.position = V3(0, 0, 3);
    cam.setCoord(c);
    cam.applyView();
    expectNear(toEye(V3(0, 1, 3)), V3(0, 0, -1));
    expectNear(toEye(V3(1, 0, 3)), V3(1, 0, 0));
    expectNear(toEye(V3(0, 0, 4)), V3(0, 1, 0));
}

TEST_F(CameraGl, ViewMatrixInvertsThePosesEyeAxes) {
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

TEST_F(CameraGl, HorizontalFieldIsKeptAndVerticalDerivedFromTheViewport) {
    cam.applyProjection();
    EXPECT_FLOAT_EQ(cam.verticalFov(), 30);
    EXPECT_FLOAT_EQ(cam.horizontalFov(), 60);
    expectProjectionIs(30, 2);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(CameraGl, VerticalFieldIsKeptAfterSetVerticalFov) {
    cam.setVerticalFov(45);
    cam.applyProjection();
    EXPECT_FLOAT_EQ(cam.horizontalFov(), 90);
    expectProjectionIs(45, 2);
}

TEST_F(CameraGl, ProjectionFollowsEveryViewportChange) {
    cam.applyProjection();
    glViewport(0, 0, 400, 400);
    cam.applyProjection();
    EXPECT_FLOAT_EQ(cam.verticalFov(), 60);
    expectProjectionIs(60, 1);
}

TEST_F(CameraGl, TallViewportsStopTheVerticalFieldAt150Degrees) {
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

TEST_F(CameraGl, ViewportShrunkToNothingLoadsNoInfinityAndRecovers) {
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
