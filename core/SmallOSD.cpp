#include "SmallOSD.h"

#include <FL/Enumerations.H>
#include <FL/gl.h>

#include <cstdio>

namespace {
// Room for the label and any number "%g" writes (at most "-1.23457e-308"):
// the text is reassigned every frame and should never need the heap for it.
constexpr std::size_t longestText = 8 + 13;

// The toolkit's bitmap font takes its glyphs from the window system, where a
// glyph without ink, the blank, can come out with no advance: each blank
// moves the raster position by the font's blank width itself.
void drawWithBlanks(const std::string& text, float x, float y) {
    glRasterPos2f(x, y);
    for (std::size_t start = 0;;) {
        const std::size_t blank = text.find(' ', start);
        const std::size_t end = blank == std::string::npos ? text.size() : blank;
        gl_draw(text.c_str() + start, int(end - start));
        if (blank == std::string::npos)
            return;
        glBitmap(0, 0, 0, 0, float(gl_width(' ')), 0, nullptr);
        start = blank + 1;
    }
}

}  // namespace

SmallOSD::SmallOSD() { text.reserve(longestText); }

void SmallOSD::setPeriod(double period) {
    char number[32];
    std::snprintf(number, sizeof number, "%g", period);
    text = "Period: ";
    text += number;
}

void SmallOSD::render() {
    if (!visible)
        return;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (viewport[2] <= 0 || viewport[3] <= 0)
        return;  // no room for text, nor for the projection that places it
    glPushAttrib(GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, viewport[2], 0, viewport[3], -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);  // the text is never hidden by the scene

    gl_font(FL_HELVETICA_BOLD, 20);
    glColor3f(0, 0, 0);
    drawWithBlanks(text, 22.0f, 20.0f);
    glColor3f(1, 1, 1);
    drawWithBlanks(text, 20.0f, 22.0f);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}
