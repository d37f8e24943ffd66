// Taps the drawing calls on their way to the driver, for as long as it
// lives: it counts the primitives begun and the array draws, and those with
// no vertex. It can draw each immediate-mode primitive again as its
// separate parts: a line
// strip as single segments, strips and fans as single triangles (winding and
// last vertex kept), points, lines and quads as they are, with the colour
// and normal each vertex had. A picture drawn so is what the primitives
// should look like on any driver. One at a time.
#pragma once

class PrimitiveTap {
public:
    enum class Draw { asCalled, asSeparateParts };

    explicit PrimitiveTap(Draw draw = Draw::asCalled);
    ~PrimitiveTap();
    PrimitiveTap(const PrimitiveTap&) = delete;
    PrimitiveTap& operator=(const PrimitiveTap&) = delete;

    int begun() const;
    int empty() const;
};
