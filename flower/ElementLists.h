// What one class of the flower's primitives hands the driver: the elements
// it joins, in drawing order, as one index list of separate points, segments,
// triangles or quads, with the state changes between its draws. Built when
// what the elements join changes; drawn every frame from the arrays of the
// moment, so that the driver gets a few calls where it got one per vertex.
#pragma once

#include "FibPointSet.h"
#include "SpiralFamily.h"
#include "camera/Vec.h"

#include <GL/gl.h>

#include <vector>

class ElementLists {
public:
    // What the lists depend on besides the family table.
    struct Topology {
        int capacity, count;
        bool spheric, adaptive;
        unsigned mask;  // fixed families only
        bool marker;
        bool operator==(const Topology& o) const {
            return capacity == o.capacity && count == o.count && spheric == o.spheric && adaptive == o.adaptive &&
                   mask == o.mask && marker == o.marker;
        }
    };

    // One strip, fan, quad list, pair list or point list as the drawing
    // routines emit it, added as its separate parts: a strip's segments or
    // triangles in order, each triangle with its winding and its last vertex.
    class Primitive {
    public:
        Primitive(ElementLists& lists, GLenum mode) : lists(lists), mode(mode) {}
        // An element out of range is drawn as the one past the present ones.
        void add(int element);

    private:
        ElementLists& lists;
        GLenum mode;
        unsigned count = 0;
        GLuint held[3] = {0, 0, 0};  // the strip's last two, or the fan's first and last, or a quad's first three
    };

    // Whether the lists were built for this topology and family table.
    bool builtFor(const Topology& topology, const std::vector<SpiralFamily>& families) const;
    // Starts the lists over for them; `present` elements are in range.
    void rebuild(const Topology& topology, const std::vector<SpiralFamily>& families, int present);

    void frontFace(GLenum mode);
    void color(const Vec<float, 3>& rgb);
    // The marker colour of a family's strand, shaded by the serial number of
    // its element as the lists are drawn: the serial numbers move every birth.
    void strandColor(int order, int element);

    // Quads are drawn as they come, from arrays gathered in drawing order:
    // a driver may split the quads of an indexed draw another way than those
    // it is handed vertex after vertex, as the flower once drew them. The
    // positions and, unless null, the colours of the elements, gathered.
    struct Gathered {
        const Vec<double, 3>* positions;
        const Vec<float, 3>* colors;
    };
    Gathered gather(const Vec<double, 3>* positions, const Vec<float, 3>* colors);

    // Every draw, with the arrays enabled and pointed at by the caller (for
    // quads, at the gathered ones); a draw is made only of what was added,
    // so none is empty.
    void draw(const FibPointSet& points) const;

private:
    enum class Kind { elements, frontFace, color, strandColor };
    struct Step {
        Kind kind;
        GLenum mode;  // of the elements, or the front face
        GLsizei first, count;  // a run of `indices`
        int order, element;
        Vec<float, 3> rgb;
    };

    void append(GLenum mode, GLuint element);

    Topology topology{-1, -1, false, false, 0, false};
    std::vector<SpiralFamily> families;
    GLuint outside = 0;
    std::vector<GLuint> indices;
    std::vector<Step> steps;
    std::vector<Vec<double, 3>> gatheredPositions;
    std::vector<Vec<float, 3>> gatheredColors;
};
