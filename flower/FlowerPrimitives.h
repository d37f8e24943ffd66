// The flower's drawing routines: points, spiral lines and the polygons
// between neighbouring spirals, each fixed (palette masks) or adaptive (the
// family table), plus the patterns that close the centre and, on a full
// sphere, the south pole. They read the flower and never change it; the
// caller has set up all GL state, the plain colour included, before they run.
// The driver gets vertex arrays: the point set's positions (on the sphere
// its normals too), per-element colours where a class has its own, and the
// elements each class joins, kept in its ElementLists from frame to frame.
#pragma once

#include "ElementLists.h"
#include "FibPointSet.h"
#include "PrimitiveLook.h"
#include "SpiralFamily.h"
#include "camera/Vec.h"

#include <vector>

namespace primitives {

// The flower as the last rebuild left it.
struct FlowerShape {
    const FibPointSet& points;
    const std::vector<SpiralFamily>& families;
    bool spheric;
    bool adaptiveSpirals;  // spirals from the family table, else from the palette's masks
};

// A colour for every present element and, one past them, for any element
// out of range: the flow colours of a flowing class, as its caller wrote
// them this frame; for other classes, room the drawing may use.
using ElementColors = std::vector<Vec<float, 3>>;

void drawPoints(const FlowerShape& shape, const PrimitiveLook& look, const ElementColors& colors);
// Adaptive, the centre pattern and then the families of the table; fixed,
// the families of the mask (bit b: Fibonacci order b + 2), polygons only for
// the lowest of them.
void drawLines(const FlowerShape& shape, const PrimitiveLook& look, const ElementColors& colors, unsigned mask,
               ElementLists& lists);
void drawPolygons(const FlowerShape& shape, const PrimitiveLook& look, ElementColors& colors, unsigned mask,
                  ElementLists& lists);

// The colour of a spiral family of the given Fibonacci order (shade 0 or 1
// picks 80 % or full strength, a negative shade the colour as it is), and
// the same as the current GL colour; nothing for a negative order.
Vec<float, 3> markerRgb(int order, int shade);
void markerColor(int order, int shade);

}  // namespace primitives
