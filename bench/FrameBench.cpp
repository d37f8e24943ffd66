// Whole frames of a full flower as the program draws them: rebuild plus draw
// with every primitive on, on the sphere, lit, in the default colours, seen
// from the start pose, with the period display on, rendered by the real
// OpenGL in a 1128 × 666 view.
//
// The reference draws the same picture by the fastest OpenGL 1.1 route: the
// frame's points, lines and triangles, recorded once from a real draw,
// replayed from vertex arrays with the same lighting. It measures what
// rasterising the picture costs on this machine under the same load.
//
// ownWork runs the same frames at growth speed 1 with the immediate-mode
// calls caught and dropped before the driver: what our own code costs per
// frame. The "allocs" counters count heap allocations per frame, which must
// stay 0 once the flower exists.
#include "HeapCount.h"
#include "camera/Cam3d.h"
#include "camera/TrackView.h"
#include "core/SmallOSD.h"
#include "flower/FibSurface.h"
#include "support/GlContext.h"

#include <benchmark/benchmark.h>

#include <FL/gl.h>

#include <algorithm>
#include <dlfcn.h>
#include <vector>

namespace {

constexpr int viewWidth = 1128, viewHeight = 666;

void makeViewCurrent() {
    static GlContext view(viewWidth, viewHeight);
    view.makeCurrent();
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

        Coord start;
        start.position = Vec<double, 3>(0, 0, 3);
        start.angles = Vec<double, 3>(0, 1.5707963267948966, 0);
        TrackView track;
        track.coordOut.connect(&camera, &Cam3d::setCoord);
        track.step(start, FrameRef());
        display.render();  // the toolkit sets up the font once, at the first text
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

// The reference's vertex lists, recorded from one real draw: the flower's
// immediate-mode calls are caught below while `on` (and thrown away while
// also `dropping`), and pass straight to the driver otherwise. Strips, fans
// and quads become plain triangles and lines; clockwise-front triangles are
// turned round so that one front face serves them all.
struct Vertex {
    GLfloat position[3], normal[3], colour[3];
};

struct Recorder {
    bool on = false;
    bool dropping = false;
    GLenum mode = 0;
    GLfloat colour[3] = {1, 1, 1}, normal[3] = {0, 0, 1};
    std::vector<Vertex> primitive, points, lines, triangles;

    void end() {
        const std::vector<Vertex>& v = primitive;
        const std::size_t n = v.size();
        GLint front = GL_CCW;
        glGetIntegerv(GL_FRONT_FACE, &front);
        auto triangle = [&](std::size_t a, std::size_t b, std::size_t c) {
            if (front == GL_CW) std::swap(b, c);
            for (std::size_t i : {a, b, c}) triangles.push_back(v[i]);
        };
        switch (mode) {
        case GL_POINTS: points.insert(points.end(), v.begin(), v.end()); break;
        case GL_LINES: lines.insert(lines.end(), v.begin(), v.begin() + n / 2 * 2); break;
        case GL_LINE_STRIP:
            for (std::size_t i = 0; i + 1 < n; ++i) lines.insert(lines.end(), {v[i], v[i + 1]});
            break;
        case GL_TRIANGLE_STRIP:
            for (std::size_t i = 0; i + 2 < n; ++i)
                i % 2 ? triangle(i + 1, i, i + 2) : triangle(i, i + 1, i + 2);
            break;
        case GL_TRIANGLE_FAN:
            for (std::size_t i = 1; i + 1 < n; ++i) triangle(0, i, i + 1);
            break;
        case GL_QUADS:
            for (std::size_t i = 0; i + 3 < n; i += 4) {
                triangle(i, i + 1, i + 2);
                triangle(i, i + 2, i + 3);
            }
            break;
        }
    }
} recorder;

template <class F>
F driver(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {
void glBegin(GLenum mode) {
    static const auto real = driver<void (*)(GLenum)>("glBegin");
    if (!recorder.on) return real(mode);
    if (recorder.dropping) return;
    recorder.mode = mode;
    recorder.primitive.clear();
}
void glEnd() {
    static const auto real = driver<void (*)()>("glEnd");
    if (!recorder.on) return real();
    if (recorder.dropping) return;
    recorder.end();
}
void glColor3d(GLdouble r, GLdouble g, GLdouble b) {
    static const auto real = driver<void (*)(GLdouble, GLdouble, GLdouble)>("glColor3d");
    if (!recorder.on) return real(r, g, b);
    if (recorder.dropping) return;
    recorder.colour[0] = GLfloat(r), recorder.colour[1] = GLfloat(g), recorder.colour[2] = GLfloat(b);
}
void glColor3fv(const GLfloat* c) {
    static const auto real = driver<void (*)(const GLfloat*)>("glColor3fv");
    if (!recorder.on) return real(c);
    if (recorder.dropping) return;
    std::copy(c, c + 3, recorder.colour);
}
void glNormal3dv(const GLdouble* n) {
    static const auto real = driver<void (*)(const GLdouble*)>("glNormal3dv");
    if (!recorder.on) return real(n);
    if (recorder.dropping) return;
    std::copy(n, n + 3, recorder.normal);
}
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    static const auto real = driver<void (*)(GLfloat, GLfloat, GLfloat)>("glNormal3f");
    if (!recorder.on) return real(x, y, z);
    if (recorder.dropping) return;
    recorder.normal[0] = x, recorder.normal[1] = y, recorder.normal[2] = z;
}
void glVertex3dv(const GLdouble* p) {
    static const auto real = driver<void (*)(const GLdouble*)>("glVertex3dv");
    if (!recorder.on) return real(p);
    if (recorder.dropping) return;
    Vertex v{{GLfloat(p[0]), GLfloat(p[1]), GLfloat(p[2])}, {}, {}};
    std::copy(recorder.normal, recorder.normal + 3, v.normal);
    std::copy(recorder.colour, recorder.colour + 3, v.colour);
    recorder.primitive.push_back(v);
}
}

namespace {

void drawArrays(GLenum mode, const std::vector<Vertex>& vertices) {
    glVertexPointer(3, GL_FLOAT, sizeof(Vertex), vertices.data()->position);
    glNormalPointer(GL_FLOAT, sizeof(Vertex), vertices.data()->normal);
    glColorPointer(3, GL_FLOAT, sizeof(Vertex), vertices.data()->colour);
    glDrawArrays(mode, 0, static_cast<GLsizei>(vertices.size()));
}

void vertexArrayReference(benchmark::State& state) {
    Scene scene(state, 0.1);
    recorder = Recorder();
    recorder.on = true;
    scene.flower.draw();
    recorder.on = false;

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(5.0, 5.0);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glPointSize(3);
    for (auto _ : state) {
        beginFrame(scene.camera);
        glDepthFunc(GL_LESS);
        drawArrays(GL_LINES, recorder.lines);
        glDepthFunc(GL_LEQUAL);
        drawArrays(GL_POINTS, recorder.points);
        glDepthFunc(GL_LESS);
        drawArrays(GL_TRIANGLES, recorder.triangles);
        scene.display.render();
        glFinish();
    }
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    state.counters["triangles"] = double(recorder.triangles.size() / 3);
}

// CPU time of this thread only: the driver's raster threads are not ours.
void ownWork(benchmark::State& state) {
    Scene scene(state, 1);
    recorder = Recorder();
    recorder.on = true;
    recorder.dropping = true;
    const long before = heapAllocations();
    for (auto _ : state) {
        scene.draw();
        glFinish();
    }
    state.counters["allocs"] = allocationsPerIteration(before);
    recorder.on = false;
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
BENCHMARK(ownWork)
    ->ArgNames({"N", "adaptive"})
    ->ArgsProduct({{4181, 99999}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
