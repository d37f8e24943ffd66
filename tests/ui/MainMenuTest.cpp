// The menu's three live items, chosen as the toolkit chooses them.
#include "support/UiHarness.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

namespace {

class MainMenu : public ::testing::Test {
protected:
    MainMenu() {
        ui.makeMainWindow();
        menuBar = static_cast<Fl_Menu_Bar*>(ui.mainWindow->child(0)->as_group()->child(0));
    }
    ~MainMenu() override {
        for (Fl_Window* w : {ui.aboutWindow, ui.paletteWindow, ui.mainWindow})
            if (w)
                w->hide();
    }

    void choose(const char* path) {
        const Fl_Menu_Item* item = menuBar->find_item(path);
        ASSERT_NE(item, nullptr) << path;
        menuBar->picked(item);
        settle();
    }

    int shownWindowsTitled(const std::string& title) {
        int n = 0;
        for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
            n += w->label() && title == w->label();
        return n;
    }

    FlowerUI ui;
    Fl_Menu_Bar* menuBar = nullptr;
};

TEST_F(MainMenu, ControlPaletteShowsTheClosedPaletteWithItsSettingsKept) {
    choose("&View/Control &palette");
    ASSERT_TRUE(ui.paletteWindow->shown());
    click(ui.planarButton);
    ui.paletteWindow->hide();  // what its close box does
    settle();
    EXPECT_FALSE(ui.paletteWindow->shown());

    choose("&View/Control &palette");
    EXPECT_TRUE(ui.paletteWindow->shown());
    EXPECT_TRUE(ui.planarButton->value());
    choose("&View/Control &palette");
    EXPECT_EQ(shownWindowsTitled("Control Palette"), 1);
}

TEST_F(MainMenu, AboutTwiceOpensOneWindow) {
    choose("&Help/&About...");
    ASSERT_NE(ui.aboutWindow, nullptr);
    Fl_Window* about = ui.aboutWindow;
    EXPECT_TRUE(about->shown());
    choose("&Help/&About...");
    EXPECT_EQ(ui.aboutWindow, about);
    EXPECT_EQ(shownWindowsTitled("About Spiravel"), 1);
}

TEST_F(MainMenu, FileItemsCannotBeChosen) {
    for (const char* path : {"&File/&Open...", "&File/&Save", "&File/Save &as..."}) {
        const Fl_Menu_Item* item = menuBar->find_item(path);
        ASSERT_NE(item, nullptr) << path;
        EXPECT_FALSE(item->activevisible()) << path;
        EXPECT_EQ(item->callback(), nullptr) << path;
    }
}

TEST_F(MainMenu, ExitEndsTheProcessWithStatusZero) {
    EXPECT_EXIT(choose("&File/E&xit"), ::testing::ExitedWithCode(0), "");
}

}  // namespace
