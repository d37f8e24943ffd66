// The OpenGL visual every frame needs: double buffering, alpha and depth.
#pragma once

class GlVisual {
public:
    // Asks the toolkit for the visual. Where there is no display, or the
    // display cannot give it, says so on the terminal (and in a message box
    // when there is a display to show one) and returns false.
    static bool request();
};
