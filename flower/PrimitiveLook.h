// How one class of primitive (points, lines or polygons) is coloured and lit,
// as the drawing of that class reads it from the flower's settings.
#pragma once

#include "camera/Vec.h"

struct PrimitiveLook {
    Vec<float, 3> color;  // the plain colour, when neither flow nor marker is on
    double colorOffset;   // serial numbers by which the flow is shifted
    bool colorFlow;       // each vertex in the flow colour of its element
    bool colorMarker;     // in the colour of its spiral family; never on for points
    bool lighting;
};
