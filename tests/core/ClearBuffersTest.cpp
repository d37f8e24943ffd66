// Clearing with the colour set last, through the real Mesa.
#include "core/ClearBuffers.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

TEST(ClearBuffers, ClearsColourAndDepthWithTheColourSetLast) {
    GlContext gl(64, 64);
    ClearBuffers clear;
    clear.setColor(Vec<float, 3>(1.0f, 0.5f, 0.0f));
    glClearDepth(0.25);
    clear.clear();
    GLfloat colour[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    EXPECT_FLOAT_EQ(colour[0], 1.0f);
    EXPECT_FLOAT_EQ(colour[1], 0.5f);
    EXPECT_FLOAT_EQ(colour[2], 0.0f);
    EXPECT_FLOAT_EQ(colour[3], 0.0f);
    const Rgb p = gl.readPixel(10, 10);
    EXPECT_EQ(p[0], 255);
    EXPECT_NEAR(p[1], 128, 1);
    EXPECT_EQ(p[2], 0);
    GLfloat depth = 0;
    glReadPixels(10, 10, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_NEAR(depth, 0.25f, 1e-3f);
}

}  // namespace
