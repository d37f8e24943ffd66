// Whole frames of a full flower as the program draws them: rebuild plus draw
// with every primitive on, on the sphere, lit, in the default colours, seen
// from the start pose, rendered by the real OpenGL in a 1128 × 666 view.
//
// The reference draws the same picture by the fastest OpenGL 1.1 route: the
// frame's points, lines and triangles, captured once through feedback (lit
// colours, window coordinates), replayed from vertex arrays. It measures
// what rasterising the picture costs on this machine under the same load.
#include "VertexArrayPicture.h"
#include "camera/Cam3d.h"
#include "camera/TrackView.h"
#include "flower/FibSurface.h"

#include <benchmark/benchmark.h>

#include <FL/Fl.H>
#include <FL/Fl_Gl_Window.H>
#include <FL/gl.h>

namespace {

constexpr int viewWidth = 1128, viewHeight = 666;

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

// Clear, camera at the start pose, light: the frame stages before the scene.
void beginFrame(Cam3d& camera) {
    glEnable(GL_DEPTH_TEST);
    glClearColor(0.5f, 0.7f, 0.9f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    camera.applyProjection();
    camera.applyView();
    glEnable(GL_LIGHT0);
}

// A full flower of N points growing at the default speed, in the current
// spiral mode, and the camera at the program's first pose, (0, 0, 3), once
// the track view has aimed it at the flower.
struct Scene {
    FibSurface flower;
    Cam3d camera;

    explicit Scene(benchmark::State& state) {
        makeViewCurrent();
        const bool adaptive = state.range(1) != 0;
        state.SetLabel(adaptive ? "adaptive" : "fixed");
        flower.setAdaptiveSpirals(adaptive);
        flower.setGrowthSpeed(1);
        for (int i = 0; i <= 100; ++i) flower.setPointCount(static_cast<int>(state.range(0)));
        flower.setGrowthSpeed(0.1);

        Coord start;
        start.position = Vec<double, 3>(0, 0, 3);
        start.angles = Vec<double, 3>(0, 1.5707963267948966, 0);
        TrackView track;
        track.coordOut.connect(&camera, &Cam3d::setCoord);
        track.step(start, FrameRef());
    }
};

void wholeFrame(benchmark::State& state) {
    Scene scene(state);
    for (auto _ : state) {
        beginFrame(scene.camera);
        scene.flower.draw();
        glFinish();
    }
}

void vertexArrayReference(benchmark::State& state) {
    Scene scene(state);
    const VertexArrayPicture picture(scene.flower);
    picture.enableState();
    for (auto _ : state) {
        beginFrame(scene.camera);
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
