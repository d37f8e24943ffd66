// A frame of the flower as plain vertex arrays, the fastest OpenGL 1.1
// route to the same picture: the reference the frame benchmarks measure the
// program's own frames against.
#pragma once

#include "flower/FibSurface.h"

#include <GL/gl.h>

#include <cstddef>
#include <vector>

// The frame's points, lines and triangles, recorded from one real draw of
// the flower (lit colours as the flower sets them), replayed from one vertex
// array by index with the same lighting, culling, depth tests and polygon
// offset.
class VertexArrayPicture {
public:
    // Records one draw; needs the current GL context the flower draws in.
    explicit VertexArrayPicture(FibSurface& flower);

    // The state the arrays are drawn in, set once around any number of draws.
    void enableState() const;
    void disableState() const;
    void draw() const;

    std::size_t triangleCount() const { return triangles.size() / 3; }

    struct Vertex {
        GLfloat position[3], normal[3], colour[3];
    };

private:
    std::vector<Vertex> vertices;
    std::vector<GLuint> points, lines, triangles;
};

// While one exists, the flower's array draws are caught and thrown away
// before the driver, so that a draw costs only our own work.
class FlowerDrawsDropped {
public:
    FlowerDrawsDropped();
    ~FlowerDrawsDropped();
    FlowerDrawsDropped(const FlowerDrawsDropped&) = delete;
    FlowerDrawsDropped& operator=(const FlowerDrawsDropped&) = delete;
};
