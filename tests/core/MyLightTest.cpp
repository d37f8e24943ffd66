// Light 0, through the real Mesa.
#include "core/MyLight.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

TEST(MyLight, SwitchesOnLightZeroOnly) {
    GlContext gl(64, 64);
    glDisable(GL_LIGHT0);
    MyLight light;
    light.enable();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
}

}  // namespace
