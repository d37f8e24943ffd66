// The main window: its menu bar over the OpenGL view, and what the menu does.
#include "FlowerUI.h"

#include "Icons.h"
#include "window/FltkAdaptor.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Window.H>

#include <cstdlib>

namespace {

// The toolkit closes a window on Escape, which suits a dialog: here it would
// end the program and lose every setting of the session. The close box and
// the window manager still close it.
void mainWindowClosing(Fl_Widget* window, void*) {
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape)
        return;
    window->hide();
}

void exitChosen(Fl_Widget*, void*) {
    std::exit(0);
}

void paletteChosen(Fl_Widget* menuBar, void*) {
    FlowerUI::of(menuBar).makePalette()->show();
}

void aboutChosen(Fl_Widget* menuBar, void*) {
    FlowerUI::of(menuBar).makeAboutBox()->show();
}

// The file items stay inactive: the program reads and writes no files.
const Fl_Menu_Item menuTable[] = {
    {"&File", 0, nullptr, nullptr, FL_SUBMENU, FL_NORMAL_LABEL, 0, 13, FL_BLACK},
    {"&Open...", 0, nullptr, nullptr, FL_MENU_INACTIVE, FL_NORMAL_LABEL, 0, 13, FL_BLACK},
    {"&Save", 0, nullptr, nullptr, FL_MENU_INACTIVE, FL_NORMAL_LABEL, 0, 13, FL_BLACK},
    {"Save &as...", 0, nullptr, nullptr, FL_MENU_INACTIVE | FL_MENU_DIVIDER, FL_NORMAL_LABEL, 0,
     13, FL_BLACK},
    {"E&xit", 0, exitChosen, nullptr, 0, FL_NORMAL_LABEL, 0, 13, FL_BLACK},
    {nullptr, 0, nullptr, nullptr, 0, 0, 0, 0, 0},
    {"&View", 0, nullptr, nullptr, FL_SUBMENU, FL_NORMAL_LABEL, 0, 13, FL_BLACK},
    {"Control &palette", 0, paletteChosen, nullptr, 0, FL_NORMAL_LABEL, 0, 13, FL_BLACK},
    {nullptr, 0, nullptr, nullptr, 0, 0, 0, 0, 0},
    {"&Help", 0, nullptr, nullptr, FL_SUBMENU, FL_NORMAL_LABEL, 0, 13, FL_BLACK},
    {"&About...", 0, aboutChosen, nullptr, 0, FL_NORMAL_LABEL, 0, 13, FL_BLACK},
    {nullptr, 0, nullptr, nullptr, 0, 0, 0, 0, 0},
    {nullptr, 0, nullptr, nullptr, 0, 0, 0, 0, 0},
};

}  // namespace

Fl_Window* FlowerUI::makeMainWindow() {
    if (mainWindow)
        return mainWindow;

    // One class and icon for every window of the program, so that the desktop
    // ties them to the program's launcher and not to every program of the toolkit.
    Fl_Window::default_xclass("spiravel");
    Fl_Window::default_icons(programIcons, programIconCount);

    mainWindow = new Fl_Window(1129, 696, "Spiravel 1.0 - the Spiravel contributors");
    mainWindow->user_data(this);
    mainWindow->callback(mainWindowClosing);

    Fl_Group* outer = new Fl_Group(0, 0, 1128, 696);

    Fl_Menu_Bar* menuBar = new Fl_Menu_Bar(0, 0, 1128, 30);
    menuBar->box(FL_PLASTIC_UP_BOX);
    menuBar->color(Fl_Color(41));
    menuBar->labelsize(13);
    menuBar->menu(menuTable);

    Fl_Group* inner = new Fl_Group(0, 30, 1128, 666);
    glView = new FltkAdaptor(0, 30, 1128, 666);
    glView->box(FL_NO_BOX);
    glView->color(FL_GRAY);
    glView->selection_color(FL_GRAY);
    glView->labeltype(FL_NORMAL_LABEL);
    glView->labelfont(0);
    glView->labelsize(14);
    glView->labelcolor(FL_BLACK);
    glView->align(FL_ALIGN_CENTER);
    glView->when(FL_WHEN_RELEASE);
    inner->end();

    // The menu bar keeps its height; the view takes the rest.
    outer->resizable(inner);
    outer->end();
    mainWindow->end();
    mainWindow->resizable(mainWindow);

    makePalette();
    syncPointCountSlider();
    return mainWindow;
}
