// The picture the frame benchmarks draw: a full flower with every primitive
// on, on the sphere, lit, in the default colours, seen from the program's
// start pose in a view of the program's size; and the same picture as plain
// vertex arrays, the fastest OpenGL 1.1 route, for the references.
#pragma once

#include "camera/Cam3d.h"
#include "flower/FibSurface.h"

#include <GL/gl.h>

#include <cstddef>
#include <vector>

constexpr int viewWidth = 1128, viewHeight = 666;

// A full flower of n points growing at the default speed, and the camera at
// the program's first pose, (0, 0, 3), once the track view has aimed it.
struct FlowerScene {
    FibSurface flower;
    Cam3d camera;

    FlowerScene(int n, bool adaptiveSpirals);
    // Clear, camera, light: the frame stages before the scene.
    void beginFrame();
};

// The frame's points, lines and triangles, recorded from one real draw of
// the flower (lit colours as the flower sets them), replayed from vertex
// arrays with the same lighting, culling, depth tests and polygon offset.
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
    std::vector<Vertex> points, lines, triangles;
};
