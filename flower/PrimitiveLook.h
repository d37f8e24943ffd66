// How one class of primitive (points, lines or polygons) is coloured and lit:
// the flower keeps one for each class, the drawing reads the one it draws.
#pragma once

#include "camera/Vec.h"

struct PrimitiveLook {
    Vec<float, 3> color;       // the plain colour, when neither flow nor marker is on
    double colorOffset;        // serial numbers by which the flow is shifted
    bool colorFlow;            // each vertex in the flow colour of its element
    bool colorMarker = false;  // in the colour of its spiral family; never on for points
    bool lighting = true;

    // At most one of flow and marker is on.
    void selectFlow() {
        colorFlow = true;
        colorMarker = false;
    }
    void selectMarker() {
        colorFlow = false;
        colorMarker = true;
    }
    void selectColor(Vec<float, 3> rgb) {
        colorFlow = false;
        colorMarker = false;
        color = rgb;
    }
};
