// The flower's drawing routines: points, spiral lines and the polygons
// between neighbouring spirals, each fixed (palette masks) or adaptive (the
// family table), plus the patterns that close the centre and, on a full
// sphere, the south pole. They read the flower and never change it; the
// caller has set up all GL state, the plain colour included, before they run.
#pragma once

#include "FibPointSet.h"
#include "PrimitiveLook.h"
#include "SpiralFamily.h"

#include <vector>

namespace primitives {

// The flower as the last rebuild left it.
struct FlowerShape {
    const FibPointSet& points;
    const std::vector<SpiralFamily>& families;
    bool spheric;
    bool adaptiveSpirals;  // spirals from the family table, else from the palette's masks
};

// The colour wheel of the class being drawn: the place of every present
// element this frame (read only while the class flows), and of any element
// out of range, which takes the colour of serial number 0.
struct WheelPlaces {
    const double* present;
    double outside;
};

void drawPoints(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel);
// Adaptive, the centre pattern and then the families of the table; fixed,
// the families of the mask (bit b: Fibonacci order b + 2), polygons only for
// the lowest of them.
void drawLines(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel, unsigned mask);
void drawPolygons(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel, unsigned mask);

// Current GL colour: that of a spiral family of the given Fibonacci order
// (shade 0 or 1 picks 80 % or full strength, a negative shade the colour as
// it is); nothing for a negative order.
void markerColor(int order, int shade);

}  // namespace primitives
