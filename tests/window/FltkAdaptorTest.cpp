#include "window/FltkAdaptor.h"
#include "support/Recorder.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/gl.h>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using MouseEvent = std::tuple<int, bool, int, int>;

class FltkAdaptorEvents : public ::testing::Test {
protected:
    FltkAdaptorEvents() : window(320, 250, "adaptor"), view(0, 30, 300, 200) {
        window.end();
        window.resizable(view);
    }

    // An event as the toolkit delivers it: position and button in its globals.
    int deliver(int event, int button, int x, int y) {
        Fl::e_x = x;
        Fl::e_y = y;
        Fl::e_keysym = FL_Button + button;
        return view.handle(event);
    }

    void paintOnce() {
        const std::size_t before = paints.size();
        for (int i = 0; i < 200 && paints.size() == before; ++i)
            Fl::wait(0.01);
        ASSERT_GT(paints.size(), before) << "the view was never drawn";
    }

    Fl_Window window;
    FltkAdaptor view;
    Recorder<int, bool, int, int> mouse{view.mouse};
    Recorder<int, bool> keys{view.key};
    Recorder<int> wheel{view.wheel};
    Recorder<> homes{view.homeKey};
    GLint viewport[4] = {0, 0, 0, 0};
    bool depthTest = false;
    Recorder<> paints{view.paint, [this] {
        glGetIntegerv(GL_VIEWPORT, viewport);
        depthTest = glIsEnabled(GL_DEPTH_TEST);
    }};
};

TEST_F(FltkAdaptorEvents, StartsWithBothRedrawFlagsSet) {
    EXPECT_TRUE(view.continuous);
    EXPECT_TRUE(view.redrawPending);
    view.setContinuous(false);
    view.redrawPending = false;
    view.requestRedraw();
    EXPECT_FALSE(view.continuous);
    EXPECT_TRUE(view.redrawPending);
}

TEST_F(FltkAdaptorEvents, DrawSetsViewportAndDepthTestBeforePaint) {
    window.show();
    paintOnce();
    EXPECT_EQ(viewport[2], 300);
    EXPECT_EQ(viewport[3], 200);
    EXPECT_TRUE(depthTest);

    window.size(520, 350);
    paintOnce();
    EXPECT_EQ(viewport[2], 500);
    EXPECT_EQ(viewport[3], 300);
}

TEST_F(FltkAdaptorEvents, ViewSqueezedPastNothingGetsAnEmptyViewport) {
    window.show();
    paintOnce();
    window.size(320, 10);  // 40 pixels less than nothing for the view
    paintOnce();
    EXPECT_EQ(viewport[3], 0);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(FltkAdaptorEvents, ButtonsOneToThreeAndMotionBecomeMouseEvents) {
    EXPECT_EQ(deliver(FL_PUSH, 2, 10, 20), 1);
    EXPECT_EQ(deliver(FL_DRAG, 2, 11, 22), 1);
    EXPECT_EQ(deliver(FL_RELEASE, 2, 12, 23), 1);
    EXPECT_EQ(deliver(FL_PUSH, 1, 1, 2), 1);
    EXPECT_EQ(deliver(FL_RELEASE, 3, 3, 4), 1);
    EXPECT_EQ(deliver(FL_MOVE, 0, 7, 8), 1);
    EXPECT_EQ(mouse, (std::vector<MouseEvent>{{2, true, 10, 20},
                                              {0, false, 11, 22},
                                              {2, false, 12, 23},
                                              {1, true, 1, 2},
                                              {3, false, 3, 4},
                                              {0, false, 7, 8}}));
}

TEST_F(FltkAdaptorEvents, OtherButtonsAreSwallowedSilently) {
    EXPECT_EQ(deliver(FL_PUSH, 4, 10, 20), 1);
    EXPECT_EQ(deliver(FL_RELEASE, 5, 10, 20), 1);
    EXPECT_TRUE(mouse.empty());
}

TEST_F(FltkAdaptorEvents, KeysGoToTheToolkitAndEmitNothing) {
    Fl::e_keysym = 'a';
    EXPECT_EQ(view.handle(FL_KEYBOARD), view.Fl_Gl_Window::handle(FL_KEYBOARD));
    deliver(FL_ENTER, 0, 1, 1);
    deliver(FL_FOCUS, 0, 1, 1);
    EXPECT_EQ(keys.size(), 0u);
    EXPECT_TRUE(mouse.empty());
}

TEST_F(FltkAdaptorEvents, WheelAndHomeBecomeSignalsAndOtherKeysStillReachTheToolkit) {
    Fl::e_dx = 0;
    Fl::e_dy = -300;
    EXPECT_EQ(view.handle(FL_MOUSEWHEEL), 1);
    Fl::e_dx = 2;  // sideways: nothing for the view
    Fl::e_dy = 0;
    view.handle(FL_MOUSEWHEEL);
    EXPECT_EQ(wheel, std::vector<int>{-300});

    // Keys as the toolkit routes them, with no widget focused (no window
    // manager) and with the window focused.
    window.show();
    const auto press = [this](int keysym, int state = 0) {
        Fl::e_keysym = keysym;
        Fl::e_state = state;
        Fl::handle(FL_KEYBOARD, &window);
    };
    Fl::focus(nullptr);
    press(FL_Home);
    Fl::focus(&window);
    press(FL_Home);
    press(FL_Home, FL_CTRL);  // someone else's shortcut
    EXPECT_EQ(homes.size(), 2u);

    press(FL_Escape);  // the toolkit's default closes the window
    EXPECT_FALSE(window.shown());
    EXPECT_EQ(homes.size(), 2u);
    EXPECT_TRUE(mouse.empty());
}

}  // namespace
