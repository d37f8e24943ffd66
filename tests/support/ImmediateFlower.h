// The flower drawn as it was before vertex arrays, kept to compare frames
// with: every vertex handed over by calls of its own (colour, normal,
// vertex), each strand and strip its own primitive, in the same state set-up.
#pragma once

#include "camera/Vec.h"
#include "flower/FibSurface.h"

// A flower's settings as a frame test gives them: to the flower through its
// slots, and to the drawing below as they are.
struct FlowerSettings {
    enum Source { plain, flow, marker };  // marker: lines and polygons only
    enum Density { uniform, natural, slowCentre };

    bool spheric = true;
    Density density = uniform;
    bool adaptive = true;
    unsigned lineMask = 0x380, polygonMask = 0x100;
    Source pointSource = plain, lineSource = plain, polygonSource = flow;
    Vec<float, 3> pointColor{1.0f, 0.0f, 0.0f}, lineColor{0.0f, 0.0f, 0.0f}, polygonColor{1.0f, 1.0f, 1.0f};
    double pointOffset = 0, lineOffset = 0.5, polygonOffset = 0;
    bool lighting = true, flatLines = false, flatPolygons = false;
    bool points = true, lines = true, polygons = true;
    double period = 0.618;
    double pointSize = -1, lineWidth = -1;  // 0..1 of the driver's range; negative: the defaults, 3 and 1

    // Everything above, the colour period held (no increment) and the
    // growth frozen; the mapping and density last, as they rebuild.
    void applyTo(FibSurface& flower) const;
};

// One frame of the flower as it stood after its last rebuild, drawn today's way.
void drawImmediately(const FibSurface& flower, const FlowerSettings& settings);
