#include "GlVisual.h"

#include <FL/Fl.H>
#include <FL/fl_ask.H>

#include <cstdio>
#include <cstdlib>

namespace {

const char* const noVisual =
    "This display offers no OpenGL visual with double buffering,\n"
    "an alpha channel and a depth buffer, which Spiravel needs.";

}  // namespace

bool GlVisual::request() {
    // Without this the toolkit's own complaint names an empty display.
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        std::fputs("Spiravel cannot start: no display is set (DISPLAY is empty).\n", stderr);
        return false;
    }
    if (Fl::gl_visual(FL_DOUBLE | FL_ALPHA | FL_DEPTH))
        return true;
    std::fprintf(stderr, "Spiravel cannot start.\n%s\n", noVisual);
    fl_message_title("Spiravel");
    fl_alert("%s", noVisual);
    return false;
}
