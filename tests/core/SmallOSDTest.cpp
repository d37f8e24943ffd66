#include "core/SmallOSD.h"
#include "support/GlContext.h"

#include <FL/Fl.H>
#include <FL/Fl_Gl_Window.H>
#include <FL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

TEST(SmallOSD, FormatsThePeriodLikePrintfG) {
    SmallOSD osd;
    EXPECT_EQ(osd.shownText(), "");
    osd.setPeriod(0.618001);
    EXPECT_EQ(osd.shownText(), "Period: 0.618001");
    osd.setPeriod(0.5);
    EXPECT_EQ(osd.shownText(), "Period: 0.5");
    osd.setPeriod(1e-06);
    EXPECT_EQ(osd.shownText(), "Period: 1e-06");
    osd.setVisible(true);
    osd.setVisible(false);
    osd.setVisible(true);
    EXPECT_EQ(osd.shownText(), "Period: 1e-06") << "switching the display keeps the text";
}

// Bounding box of the pixels of one colour in the lower-left 300 x 60 corner.
struct Box {
    int count = 0, minX = INT_MAX, minY = INT_MAX, maxX = -1, maxY = -1;
};

// The lower-left 300 x 60 corner of the back buffer, RGB, bottom row first.
std::vector<unsigned char> corner() {
    std::vector<unsigned char> p(300 * 60 * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 300, 60, GL_RGB, GL_UNSIGNED_BYTE, p.data());
    return p;
}

Box boxOf(int r, int g, int b) {
    const std::vector<unsigned char> p = corner();
    Box box;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 300; ++x) {
            const unsigned char* q = &p[3 * (y * 300 + x)];
            if (q[0] == r && q[1] == g && q[2] == b) {
                ++box.count;
                box.minX = std::min(box.minX, x);
                box.minY = std::min(box.minY, y);
                box.maxX = std::max(box.maxX, x);
                box.maxY = std::max(box.maxY, y);
            }
        }
    return box;
}

void clearToGrey() {
    glClearColor(0.5f, 0.5f, 0.5f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

struct GlSnapshot {
    GLdouble projection[16], modelview[16];
    GLint mode = 0;
    GLboolean depthTest = GL_FALSE;
    GLint depthFunc = 0;
    static GlSnapshot take() {
        GlSnapshot s;
        glGetDoublev(GL_PROJECTION_MATRIX, s.projection);
        glGetDoublev(GL_MODELVIEW_MATRIX, s.modelview);
        glGetIntegerv(GL_MATRIX_MODE, &s.mode);
        s.depthTest = glIsEnabled(GL_DEPTH_TEST);
        glGetIntegerv(GL_DEPTH_FUNC, &s.depthFunc);
        return s;
    }
    void expectEqual(const GlSnapshot& o) const {
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(projection[i], o.projection[i]);
            EXPECT_EQ(modelview[i], o.modelview[i]);
        }
        EXPECT_EQ(mode, o.mode);
        EXPECT_EQ(depthTest, o.depthTest);
        EXPECT_EQ(depthFunc, o.depthFunc);
    }
};

class SmallOSDGl : public ::testing::Test {
protected:
    GlContext gl{400, 200};
    SmallOSD osd;

    void setUpScene() {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-1, 1, -1, 1, 1, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslated(0, 0, -3);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
    }
};

TEST_F(SmallOSDGl, HiddenDisplayDrawsNothing) {
    clearToGrey();
    osd.setPeriod(0.618001);
    osd.render();
    EXPECT_EQ(boxOf(255, 255, 255).count, 0);
    EXPECT_EQ(boxOf(0, 0, 0).count, 0);
}

TEST_F(SmallOSDGl, WhiteTextOverBlackShadowNearTheLowerLeftCornerWithStateRestored) {
    setUpScene();
    clearToGrey();
    osd.setPeriod(0.618001);
    osd.setVisible(true);
    const GlSnapshot before = GlSnapshot::take();
    osd.render();
    GlSnapshot::take().expectEqual(before);

    const Box white = boxOf(255, 255, 255);
    const Box black = boxOf(0, 0, 0);
    ASSERT_GT(white.count, 50);
    ASSERT_GT(black.count, 20);
    // The baseline of the text is 22 pixels up, 20 in; the shadow 2 right and 2 down.
    EXPECT_NEAR(white.minX, 21, 2);
    EXPECT_NEAR(white.minY, 22, 1);
    EXPECT_NEAR(black.maxX - white.maxX, 2, 1);
    EXPECT_NEAR(black.minY, white.minY - 2, 1);
    EXPECT_LT(white.maxY, 50);
}

// The widest run of columns of the lower-left corner in which neither the
// text nor its shadow has a pixel, between the text's first and last column.
int widestGap() {
    const Box white = boxOf(255, 255, 255);
    const Box black = boxOf(0, 0, 0);
    const std::vector<unsigned char> p = corner();
    int widest = 0, run = 0;
    for (int x = white.minX; x <= black.maxX; ++x) {
        bool bare = true;
        for (int y = 0; y < 60 && bare; ++y) {
            const unsigned char* q = &p[3 * (y * 300 + x)];
            bare = q[0] == q[1] && q[1] == q[2] && q[0] != 0 && q[0] != 255;
        }
        run = bare ? run + 1 : 0;
        widest = std::max(widest, run);
    }
    return widest;
}

TEST_F(SmallOSDGl, TheBlankAfterTheColonShowsItsWidth) {
    clearToGrey();
    osd.setPeriod(0.618001);
    osd.setVisible(true);
    osd.render();
    gl_font(FL_HELVETICA_BOLD, 20);
    // Between the colon and the first digit: a blank and the glyphs' own
    // margins, less the shadow's offset.
    EXPECT_GE(widestGap(), int(gl_width(' ')));
}

TEST_F(SmallOSDGl, TextStaysInTheCornerAfterTheViewGrows) {
    gl.window().size(700, 500);
    for (int i = 0; i < 20; ++i)
        Fl::check();
    gl.makeCurrent();
    clearToGrey();
    osd.setPeriod(1e-06);
    osd.setVisible(true);
    osd.render();
    const Box white = boxOf(255, 255, 255);
    ASSERT_GT(white.count, 50);
    EXPECT_NEAR(white.minX, 21, 2);
    EXPECT_NEAR(white.minY, 22, 1);
}

TEST_F(SmallOSDGl, ViewWithoutHeightGetsNoTextAndNoError) {
    glViewport(0, 0, 400, 0);
    osd.setVisible(true);
    osd.render();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

}  // namespace
