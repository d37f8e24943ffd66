// Whole frames of a full flower as the program draws them: rebuild plus draw
// with every primitive on, on the sphere, lit, in the default colours, seen
// from the start pose, rendered by the real OpenGL in a 1128 × 666 view.
//
// The reference draws the same picture by the fastest OpenGL 1.1 route: the
// frame's points, lines and triangles, captured once through feedback (lit
// colours, window coordinates), replayed from vertex arrays. It measures
// what rasterising the picture costs on this machine under the same load.
#include "FlowerPicture.h"

#include <benchmark/benchmark.h>

#include <FL/Fl.H>
#include <FL/Fl_Gl_Window.H>
#include <FL/gl.h>

namespace {

class BlankGlWindow : public Fl_Gl_Window {
public:
    BlankGlWindow() : Fl_Gl_Window(0, 0, viewWidth, viewHeight, "frame bench") {
        mode(FL_RGB | FL_DOUBLE | FL_DEPTH | FL_ALPHA);
        show();
        while (!shown()) Fl::wait(0.01);
        Fl::check();
        make_current();
    }

protected:
    void draw() override {}
};

void makeViewCurrent() {
    static BlankGlWindow window;
    window.make_current();
    glViewport(0, 0, viewWidth, viewHeight);
}

// The benchmark's flower, N and spiral mode from its arguments.
struct Scene : FlowerScene {
    explicit Scene(benchmark::State& state)
        : FlowerScene(static_cast<int>(state.range(0)), state.range(1) != 0) {
        makeViewCurrent();
        state.SetLabel(state.range(1) != 0 ? "adaptive" : "fixed");
    }
};

void wholeFrame(benchmark::State& state) {
    Scene scene(state);
    for (auto _ : state) {
        scene.beginFrame();
        scene.flower.draw();
        glFinish();
    }
}

void vertexArrayReference(benchmark::State& state) {
    Scene scene(state);
    const VertexArrayPicture picture(scene.flower);
    picture.enableState();
    for (auto _ : state) {
        scene.beginFrame();
        picture.draw();
        glFinish();
    }
    picture.disableState();
    state.counters["triangles"] = double(picture.triangleCount());
}

BENCHMARK(wholeFrame)
    ->ArgNames({"N", "adaptive"})
    ->ArgsProduct({{4181, 99999}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(vertexArrayReference)
    ->ArgNames({"N", "adaptive"})
    ->ArgsProduct({{4181, 99999}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
