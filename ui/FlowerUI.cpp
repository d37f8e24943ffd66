#include "FlowerUI.h"

#include <FL/Fl_Window.H>

FlowerUI& FlowerUI::of(Fl_Widget* widget) {
    return *static_cast<FlowerUI*>(widget->top_window()->user_data());
}
