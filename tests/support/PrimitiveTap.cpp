#include "support/PrimitiveTap.h"

#include <GL/gl.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

template <class F>
F driver(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

struct Real {
    void (*begin)(GLenum) = driver<void (*)(GLenum)>("glBegin");
    void (*end)() = driver<void (*)()>("glEnd");
    void (*color3d)(GLdouble, GLdouble, GLdouble) = driver<void (*)(GLdouble, GLdouble, GLdouble)>("glColor3d");
    void (*color3fv)(const GLfloat*) = driver<void (*)(const GLfloat*)>("glColor3fv");
    void (*normal3dv)(const GLdouble*) = driver<void (*)(const GLdouble*)>("glNormal3dv");
    void (*normal3f)(GLfloat, GLfloat, GLfloat) = driver<void (*)(GLfloat, GLfloat, GLfloat)>("glNormal3f");
    void (*vertex3dv)(const GLdouble*) = driver<void (*)(const GLdouble*)>("glVertex3dv");
    void (*drawArrays)(GLenum, GLint, GLsizei) = driver<void (*)(GLenum, GLint, GLsizei)>("glDrawArrays");
    void (*drawElements)(GLenum, GLsizei, GLenum, const void*) =
        driver<void (*)(GLenum, GLsizei, GLenum, const void*)>("glDrawElements");
};

const Real& real() {
    static const Real r;
    return r;
}

// What the driver stores of each call: floats.
struct Vertex {
    GLfloat colour[4], normal[3], position[3];
};

struct Tap {
    bool on = false;
    bool separate = false;
    bool inside = false;
    GLenum mode = 0;
    int begun = 0, empty = 0;
    Vertex current{};
    std::vector<Vertex> primitive;

    void drawSeparately() const {
        const std::vector<Vertex>& v = primitive;
        const std::size_t n = v.size();
        std::vector<std::size_t> order;
        GLenum as = mode;
        switch (mode) {
        case GL_LINE_STRIP:
            as = GL_LINES;
            for (std::size_t i = 0; i + 1 < n; ++i) order.insert(order.end(), {i, i + 1});
            break;
        case GL_TRIANGLE_STRIP:
            as = GL_TRIANGLES;
            for (std::size_t i = 0; i + 2 < n; ++i)
                order.insert(order.end(), i % 2 ? std::initializer_list<std::size_t>{i + 1, i, i + 2}
                                                : std::initializer_list<std::size_t>{i, i + 1, i + 2});
            break;
        case GL_TRIANGLE_FAN:
            as = GL_TRIANGLES;
            for (std::size_t i = 1; i + 1 < n; ++i) order.insert(order.end(), {0, i, i + 1});
            break;
        default:
            for (std::size_t i = 0; i < n; ++i) order.push_back(i);
        }
        real().begin(as);
        for (std::size_t i : order) {
            glColor4fv(v[i].colour);
            glNormal3fv(v[i].normal);
            glVertex3fv(v[i].position);
        }
        real().end();
    }
} tap;

}  // namespace

PrimitiveTap::PrimitiveTap(Draw draw) {
    tap = Tap();
    tap.on = true;
    tap.separate = draw == Draw::asSeparateParts;
}

PrimitiveTap::~PrimitiveTap() { tap = Tap(); }

int PrimitiveTap::begun() const { return tap.begun; }
int PrimitiveTap::empty() const { return tap.empty; }

extern "C" {
void glBegin(GLenum mode) {
    if (tap.on) {
        ++tap.begun;
        tap.inside = true;
        tap.mode = mode;
        tap.primitive.clear();
        if (tap.separate) {
            glGetFloatv(GL_CURRENT_COLOR, tap.current.colour);
            glGetFloatv(GL_CURRENT_NORMAL, tap.current.normal);
            return;
        }
    }
    real().begin(mode);
}
void glEnd() {
    if (tap.on) {
        tap.inside = false;
        if (tap.primitive.empty()) ++tap.empty;
        if (tap.separate) {
            if (!tap.primitive.empty()) tap.drawSeparately();
            return;
        }
    }
    real().end();
}
void glColor3d(GLdouble r, GLdouble g, GLdouble b) {
    if (tap.on && tap.separate && tap.inside) {
        GLfloat* c = tap.current.colour;
        c[0] = GLfloat(r), c[1] = GLfloat(g), c[2] = GLfloat(b), c[3] = 1;
        return;
    }
    real().color3d(r, g, b);
}
void glColor3fv(const GLfloat* rgb) {
    if (tap.on && tap.separate && tap.inside) {
        std::copy(rgb, rgb + 3, tap.current.colour);
        tap.current.colour[3] = 1;
        return;
    }
    real().color3fv(rgb);
}
void glNormal3dv(const GLdouble* n) {
    if (tap.on && tap.separate && tap.inside) {
        std::transform(n, n + 3, tap.current.normal, [](GLdouble x) { return GLfloat(x); });
        return;
    }
    real().normal3dv(n);
}
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    if (tap.on && tap.separate && tap.inside) {
        GLfloat* n = tap.current.normal;
        n[0] = x, n[1] = y, n[2] = z;
        return;
    }
    real().normal3f(x, y, z);
}
void glVertex3dv(const GLdouble* p) {
    if (tap.on) {
        Vertex v = tap.current;
        std::transform(p, p + 3, v.position, [](GLdouble x) { return GLfloat(x); });
        tap.primitive.push_back(v);
        if (tap.separate) return;
    }
    real().vertex3dv(p);
}
void glDrawArrays(GLenum mode, GLint first, GLsizei count) {
    if (tap.on) ++tap.begun, tap.empty += count == 0;
    real().drawArrays(mode, first, count);
}
void glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    if (tap.on) ++tap.begun, tap.empty += count == 0;
    real().drawElements(mode, count, type, indices);
}
}
