// Whole frames of a full flower as the program draws them: rebuild plus draw
// with every primitive on, on the sphere, lit, in the default colours, seen
// from the start pose, with the period display on, rendered by the real
// OpenGL in a 1128 × 666 view.
//
// The reference draws the same picture by the fastest OpenGL 1.1 route: the
// frame's points, lines and triangles, recorded once from a real draw,
// replayed from one vertex array by index with the same lighting. It measures what
// rasterising the picture costs on this machine under the same load.
//
// ownWork runs the same frames at growth speed 1 with the flower's array
// draws caught and dropped before the driver: what our own code costs per
// frame. The "allocs" counters count heap allocations per frame, which must
// stay 0 once the flower exists.
#include "HeapCount.h"
#include "VertexArrayPicture.h"
#include "camera/Cam3d.h"
#include "camera/TrackView.h"
#include "core/SmallOSD.h"
#include "core/StartValues.h"
#include "flower/FibSurface.h"
#include "support/GlContext.h"

#include <benchmark/benchmark.h>

#include <FL/gl.h>

namespace {

constexpr int viewWidth = 1128, viewHeight = 666;

void makeViewCurrent() {
    static GlContext view(viewWidth, viewHeight);
    view.makeCurrent();
}

// Clear, camera at the start pose, light: the frame stages before the scene.
void beginFrame(Cam3d& camera) {
    glEnable(GL_DEPTH_TEST);
    glClearColor(startColor[0], startColor[1], startColor[2], 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    camera.applyProjection();
    camera.applyView();
    glEnable(GL_LIGHT0);
}

// A full flower of N points growing at the given speed, in the current
// spiral mode, its period shown by the display, and the camera at the
// program's first pose, (0, 0, 3), once the track view has aimed it at the flower.
struct Scene {
    FibSurface flower;
    SmallOSD display;
    Cam3d camera;

    Scene(benchmark::State& state, double speed) {
        makeViewCurrent();
        const bool adaptive = state.range(1) != 0;
        state.SetLabel(adaptive ? "adaptive" : "fixed");
        flower.setAdaptiveSpirals(adaptive);
        flower.setGrowthSpeed(1);
        for (int i = 0; i <= 100; ++i) flower.setPointCount(static_cast<int>(state.range(0)));
        flower.setGrowthSpeed(speed);
        flower.periodChanged.connect(&display, &SmallOSD::setPeriod);
        display.setVisible(true);

        TrackView track;
        track.coordOut.connect(&camera, &Cam3d::setCoord);
        track.step(startPose, FrameRef());
        display.render();  // the toolkit sets up the font once, at the first text
        for (int i = 0; i < 30; ++i) flower.draw();  // the flower's arrays grow to their size
    }

    // The program's frame after the camera stages: the scene, then the display.
    void draw() {
        flower.draw();
        display.render();
    }
};

void wholeFrame(benchmark::State& state) {
    Scene scene(state, 0.1);
    const long before = heapAllocations();
    for (auto _ : state) {
        beginFrame(scene.camera);
        scene.draw();
        glFinish();
    }
    state.counters["allocs"] = allocationsPerIteration(before);
}

void vertexArrayReference(benchmark::State& state) {
    Scene scene(state, 0.1);
    const VertexArrayPicture picture(scene.flower);
    picture.enableState();
    for (auto _ : state) {
        beginFrame(scene.camera);
        picture.draw();
        scene.display.render();
        glFinish();
    }
    picture.disableState();
    state.counters["triangles"] = double(picture.triangleCount());
}

// CPU time of this thread only: the driver's raster threads are not ours.
void ownWork(benchmark::State& state) {
    Scene scene(state, 1);
    const FlowerDrawsDropped dropped;
    const long before = heapAllocations();
    for (auto _ : state) {
        scene.draw();
        glFinish();
    }
    state.counters["allocs"] = allocationsPerIteration(before);
}

// Each benchmark at both counts, adaptive and fixed.
void countsAndModes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"N", "adaptive"})->ArgsProduct({{4181, 99999}, {1, 0}})->Unit(benchmark::kMillisecond);
}

BENCHMARK(wholeFrame)->Apply(countsAndModes)->UseRealTime();
BENCHMARK(vertexArrayReference)->Apply(countsAndModes)->UseRealTime();
BENCHMARK(ownWork)->Apply(countsAndModes);

}  // namespace

BENCHMARK_MAIN();
