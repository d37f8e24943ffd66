// The About box: logo, name, tagline and web address.
#include "FlowerUI.h"

#include "Icons.h"

#include <FL/Fl_Group.H>
#include <FL/Fl_Window.H>

namespace {

// One borderless row of text, drawn inside at the top.
Fl_Group* textRow(int x, int y, int w, int h, const char* text, Fl_Font font, int size) {
    Fl_Group* row = new Fl_Group(x, y, w, h, text);
    row->align(FL_ALIGN_TOP | FL_ALIGN_INSIDE);
    row->labelfont(font);
    row->labelsize(size);
    row->end();
    return row;
}

}  // namespace

Fl_Window* FlowerUI::makeAboutBox() {
    if (aboutWindow)
        return aboutWindow;

    aboutWindow = new Fl_Window(427, 155, "About Spiravel");
    aboutWindow->box(FL_PLASTIC_UP_BOX);
    aboutWindow->color(Fl_Color(41));
    aboutWindow->user_data(this);

    Fl_Group* logo = new Fl_Group(18, 24, 204, 72);
    logo->box(FL_RSHADOW_BOX);
    logo->color(Fl_Color(55));
    logo->selection_color(Fl_Color(55));
    logo->image(logoIcon);
    logo->align(FL_ALIGN_INSIDE);
    logo->end();

    textRow(234, 72, 174, 18, "by the contributors", FL_HELVETICA, 16);
    textRow(18, 114, 390, 24, "https://spiravel.example.org", FL_HELVETICA_BOLD, 18)
        ->labelcolor(FL_BLUE);
    textRow(234, 54, 174, 18, "Phyllotaxis in real time", FL_HELVETICA, 16);
    textRow(234, 30, 174, 18, "Spiravel 1.0", FL_HELVETICA_BOLD, 16);

    aboutWindow->end();
    // Kept with the main window by the window manager, as the palette is.
    aboutWindow->set_non_modal();
    return aboutWindow;
}
