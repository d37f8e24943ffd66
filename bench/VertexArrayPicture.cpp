#include "VertexArrayPicture.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>
#include <dlfcn.h>
#include <map>

namespace {

using Vertex = VertexArrayPicture::Vertex;

// An array the driver reads, as glGetPointerv and its queries tell it.
struct Array {
    const unsigned char* data = nullptr;
    GLint type = GL_FLOAT, stride = 0, size = 3;

    static Array current(GLenum enabled, GLenum pointer, GLenum type, GLenum stride, GLint size) {
        Array a;
        if (!glIsEnabled(enabled)) return a;
        GLvoid* p = nullptr;
        glGetPointerv(pointer, &p);
        a.data = static_cast<const unsigned char*>(p);
        glGetIntegerv(type, &a.type);
        glGetIntegerv(stride, &a.stride);
        a.size = size;
        return a;
    }
    // Element i as floats, as the driver stores it.
    void read(GLuint i, GLfloat* out) const {
        const std::size_t tight = std::size_t(size) * (type == GL_DOUBLE ? sizeof(GLdouble) : sizeof(GLfloat));
        const unsigned char* at = data + i * (stride ? std::size_t(stride) : tight);
        for (int c = 0; c < size; ++c)
            out[c] = type == GL_DOUBLE ? GLfloat(reinterpret_cast<const GLdouble*>(at)[c])
                                       : reinterpret_cast<const GLfloat*>(at)[c];
    }
};

// The flower's array draws are caught below while `on` is set (and thrown
// away while also `dropping`), and pass straight to the driver otherwise.
// Quads become plain triangles; clockwise-front triangles are turned round
// so that one front face serves them all.
struct Recorder {
    bool on = false;
    bool dropping = false;
    std::vector<Vertex> points, lines, triangles;

    template <class Index>
    void record(GLenum mode, GLsizei count, Index index) {
        const Array position = Array::current(GL_VERTEX_ARRAY, GL_VERTEX_ARRAY_POINTER, GL_VERTEX_ARRAY_TYPE,
                                              GL_VERTEX_ARRAY_STRIDE, 3);
        const Array normal = Array::current(GL_NORMAL_ARRAY, GL_NORMAL_ARRAY_POINTER, GL_NORMAL_ARRAY_TYPE,
                                            GL_NORMAL_ARRAY_STRIDE, 3);
        const Array colour = Array::current(GL_COLOR_ARRAY, GL_COLOR_ARRAY_POINTER, GL_COLOR_ARRAY_TYPE,
                                            GL_COLOR_ARRAY_STRIDE, 3);
        Vertex fixed{};
        GLfloat c[4], n[3];
        glGetFloatv(GL_CURRENT_COLOR, c);
        glGetFloatv(GL_CURRENT_NORMAL, n);
        std::copy(c, c + 3, fixed.colour);
        std::copy(n, n + 3, fixed.normal);
        GLint front = GL_CCW;
        glGetIntegerv(GL_FRONT_FACE, &front);

        std::vector<Vertex> v(std::size_t(count), fixed);
        for (GLsizei i = 0; i < count; ++i) {
            const GLuint e = index(i);
            position.read(e, v[i].position);
            if (normal.data) normal.read(e, v[i].normal);
            if (colour.data) colour.read(e, v[i].colour);
        }
        auto triangle = [&](std::size_t a, std::size_t b, std::size_t c) {
            if (front == GL_CW) std::swap(b, c);
            for (std::size_t i : {a, b, c}) triangles.push_back(v[i]);
        };
        const std::size_t size = v.size();
        switch (mode) {
        case GL_POINTS: points.insert(points.end(), v.begin(), v.end()); break;
        case GL_LINES: lines.insert(lines.end(), v.begin(), v.begin() + size / 2 * 2); break;
        case GL_TRIANGLES:
            for (std::size_t i = 0; i + 2 < size; i += 3) triangle(i, i + 1, i + 2);
            break;
        case GL_QUADS:
            for (std::size_t i = 0; i + 3 < size; i += 4) {
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
void glDrawArrays(GLenum mode, GLint first, GLsizei count) {
    static const auto real = driver<void (*)(GLenum, GLint, GLsizei)>("glDrawArrays");
    if (!recorder.on) return real(mode, first, count);
    if (recorder.dropping) return;
    recorder.record(mode, count, [first](GLsizei i) { return GLuint(first + i); });
}
void glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    static const auto real = driver<void (*)(GLenum, GLsizei, GLenum, const void*)>("glDrawElements");
    if (!recorder.on) return real(mode, count, type, indices);
    if (recorder.dropping) return;
    const GLuint* index = static_cast<const GLuint*>(indices);  // the flower's indices are unsigned ints
    recorder.record(mode, count, [index](GLsizei i) { return index[i]; });
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

FlowerDrawsDropped::FlowerDrawsDropped() {
    recorder = Recorder();
    recorder.on = true;
    recorder.dropping = true;
}

FlowerDrawsDropped::~FlowerDrawsDropped() { recorder = Recorder(); }

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
