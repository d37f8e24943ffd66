// A real OpenGL context for tests: a shown toolkit GL window under the
// virtual X server, current after construction, with the viewport set.
#pragma once

#include <array>
#include <memory>

class Fl_Gl_Window;

using Rgb = std::array<int, 3>;

class GlContext {
public:
    explicit GlContext(int width = 800, int height = 600);
    ~GlContext();

    void makeCurrent();
    Fl_Gl_Window& window() { return *window_; }

    // A pixel of the back buffer, origin at the lower left; 0..255 per channel.
    Rgb readPixel(int x, int y);

private:
    std::unique_ptr<Fl_Gl_Window> window_;
};
