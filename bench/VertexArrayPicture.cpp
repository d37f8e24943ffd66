#include "VertexArrayPicture.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <dlfcn.h>
#include <map>

namespace {

using Vertex = VertexArrayPicture::Vertex;

// The flower's immediate-mode calls are caught below while `on` is set (and
// thrown away while also `dropping`), and pass straight to the driver
// otherwise. Strips, fans and quads become plain
// triangles and lines; clockwise-front triangles are turned round so that
// one front face serves them all.
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

VertexArrayPicture::VertexArrayPicture(FibSurface& flower) {
    recorder = Recorder();
    recorder.on = true;
    flower.draw();
    recorder.on = false;

    // Each distinct vertex is kept once and the lists refer to it by index,
    // so that the driver transforms and lights a vertex that neighbouring
    // triangles share once, as it does along the flower's own strips.
    std::map<std::array<GLfloat, 9>, GLuint> indexOf;
    auto index = [&](const std::vector<Vertex>& list, std::vector<GLuint>& indices) {
        for (const Vertex& v : list) {
            std::array<GLfloat, 9> key;
            std::memcpy(key.data(), &v, sizeof key);
            const auto [it, added] = indexOf.try_emplace(key, GLuint(vertices.size()));
            if (added) vertices.push_back(v);
            indices.push_back(it->second);
        }
    };
    index(recorder.points, points);
    index(recorder.lines, lines);
    index(recorder.triangles, triangles);
    recorder = Recorder();
}

ImmediateModeDropped::ImmediateModeDropped() {
    recorder = Recorder();
    recorder.on = true;
    recorder.dropping = true;
}

ImmediateModeDropped::~ImmediateModeDropped() { recorder = Recorder(); }

void VertexArrayPicture::enableState() const {
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
}

void VertexArrayPicture::disableState() const {
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void VertexArrayPicture::draw() const {
    glVertexPointer(3, GL_FLOAT, sizeof(Vertex), vertices.data()->position);
    glNormalPointer(GL_FLOAT, sizeof(Vertex), vertices.data()->normal);
    glColorPointer(3, GL_FLOAT, sizeof(Vertex), vertices.data()->colour);
    glDepthFunc(GL_LESS);
    glDrawElements(GL_LINES, GLsizei(lines.size()), GL_UNSIGNED_INT, lines.data());
    glDepthFunc(GL_LEQUAL);
    glDrawElements(GL_POINTS, GLsizei(points.size()), GL_UNSIGNED_INT, points.data());
    glDepthFunc(GL_LESS);
    glDrawElements(GL_TRIANGLES, GLsizei(triangles.size()), GL_UNSIGNED_INT, triangles.data());
}
