// The orientation functions: a pose's axes, viewing direction and angles.
#include "camera/Orientation.h"
#include "core/MathConstants.h"
#include "support/VecChecks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using V3 = Vec<double, 3>;
using math::pi;

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

}  // namespace
