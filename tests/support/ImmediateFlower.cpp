#include "support/ImmediateFlower.h"

#include "flower/FlowColor.h"
#include "flower/FlowerPrimitives.h"
#include "flower/SpiralFamily.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace {

using primitives::FlowerShape;
using primitives::markerColor;

// The colour wheel of the class being drawn: the place of every present
// element this frame (read only while the class flows), and of any element
// out of range, which takes the colour of serial number 0.
struct WheelPlaces {
    const double* present;
    double outside;
};

// The palette offers families up to order 17 (step 1597); higher mask bits
// would ask for millions of strands, so they are left out.
constexpr unsigned drawableFamilies = 0xFFFF;

// A fixed pattern: its primitive and its elements in drawing order.
struct Pattern {
    GLenum mode;
    const int* elements;
    std::size_t count;
};

// The centre tables: the elements, in drawing order, of the fixed line and
// polygon patterns that join the 14 youngest points, where the spiral
// families do not hold yet; mirrored they close the south pole of a full sphere.
const int centreLineStripA[] = {7, 4, 0, 3, 11, 6, 1, 9, 4, 12, 7, 2, 10, 5, 13, 8, 3, 6};
const int centreLineStripB[] = {8, 5, 0, 1, 4, 2, 5, 3, 1};
const int centreLinePair[] = {0, 2};
const int centreFanA[] = {4, 9, 1, 0, 2, 7, 12};
const int centreFanB[] = {5, 10, 2, 0, 3, 8, 13};
const int centreStrip[] = {0, 1, 3, 6, 11};

const Pattern centreLines[] = {
    {GL_LINE_STRIP, centreLineStripA, std::size(centreLineStripA)},
    {GL_LINE_STRIP, centreLineStripB, std::size(centreLineStripB)},
    {GL_LINES, centreLinePair, std::size(centreLinePair)},
};
const Pattern centrePolygons[] = {
    {GL_TRIANGLE_FAN, centreFanA, std::size(centreFanA)},
    {GL_TRIANGLE_FAN, centreFanB, std::size(centreFanB)},
    {GL_TRIANGLE_STRIP, centreStrip, std::size(centreStrip)},
};

// How one class of primitive colours and lights its vertices, with the
// arrays it reads there, taken once before the class draws: a local value
// stays in registers across the driver calls at every vertex, where what the
// shape and the look refer to would be fetched again.
class VertexStyle {
public:
    VertexStyle(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel)
        : positions(shape.points.positionData()),
          origin(&shape.points.positionAt(-1)),  // what any element out of range lies at
          wheel(look.colorFlow ? wheel.present : nullptr),
          wheelOutside(wheel.outside),
          count(shape.points.size()),
          lit(look.lighting),
          spheric(shape.spheric) {}

    // Colour, normal, vertex; out of range, the origin in the colour of
    // serial number 0. On the sphere a point's position is its own normal.
    // Inline: it runs at every vertex, over a million times a frame at full size.
    void emit(int e) const {
        const bool present = static_cast<unsigned>(e) < count;
        if (wheel) {
            const Vec<double, 3> c = wheelColor(present ? wheel[e] : wheelOutside);
            glColor3d(c[0], c[1], c[2]);
        }
        const Vec<double, 3>* position = present ? &positions[e] : origin;
        if (lit) {
            if (spheric)
                glNormal3dv(position->data());
            else
                glNormal3f(1, 1, 1);
        }
        glVertex3dv(position->data());
    }

private:
    const Vec<double, 3>* positions;
    const Vec<double, 3>* origin;
    const double* wheel;  // null unless flowing
    double wheelOutside;
    unsigned count;
    bool lit;
    bool spheric;
};

// One primitive, begun on its first vertex and ended only if it was begun:
// Mesa's llvmpipe drops primitives that follow runs of empty begin/end
// pairs, and a strand or strip with nothing in range would make one.
class Primitive {
public:
    Primitive(GLenum mode, const VertexStyle& style) : mode(mode), style(style) {}
    ~Primitive() {
        if (begun) glEnd();
    }
    Primitive(const Primitive&) = delete;
    Primitive& operator=(const Primitive&) = delete;

    void emit(int e) {
        begin();
        style.emit(e);
    }
    // In the colour of a family's strand, set between the flow colour and the normal.
    void emit(int e, int markerOrder, int shade) {
        begin();
        markerColor(markerOrder, shade);
        style.emit(e);
    }

private:
    void begin() {
        if (!begun) glBegin(mode);
        begun = true;
    }

    GLenum mode;
    const VertexStyle& style;
    bool begun = false;
};

// Every place of the ring taken on the sphere: the oldest point rests at the
// south pole, and the patterns that close it are drawn.
bool sphereIsFull(const FlowerShape& shape) {
    const int capacity = shape.points.capacity();
    return shape.spheric && capacity != 0 && shape.points.size() == capacity;
}

// The centre patterns, then their mirror at the south pole of a full sphere
// (whatever the count there).
void emitCentrePatterns(const FlowerShape& shape, const Pattern (&patterns)[3], const VertexStyle& style) {
    const FibPointSet& points = shape.points;
    for (bool mirrored : {false, true}) {
        if (mirrored ? !sphereIsFull(shape) : points.size() < 14) continue;
        for (const Pattern& pattern : patterns) {
            Primitive primitive(pattern.mode, style);
            for (std::size_t i = 0; i < pattern.count; ++i)
                primitive.emit(mirrored ? points.mirrorOf(pattern.elements[i]) : pattern.elements[i]);
        }
    }
}

// One strip zigzagging between the spirals of steps a and b, advancing by
// b - a each step, from element e; mirrored strips emit the mirror of each element.
void emitBandStrip(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel, int e, int a, int b,
                   int last, bool final, bool mirrored) {
    const FibPointSet& points = shape.points;
    const VertexStyle style(shape, look, wheel);
    Primitive strip(GL_TRIANGLE_STRIP, style);
    auto put = [&](int x) { strip.emit(mirrored ? points.mirrorOf(x) : x); };
    if (mirrored) {
        // Skip ahead until both mirrored corners exist; b - a is the band's own step.
        const int n = points.size();
        while (n - a <= points.mirrorOf(e)) e += b - a;
    }
    while (true) {
        put(e);
        if ((!final && e > last) || e - a > last) break;
        put(e - a);
        e = e - a + b;
        if (final && e > last) break;
    }
}

// Every strand starts at the centre point and, on a full sphere, ends at the south pole.
void drawFixedLines(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel, unsigned mask) {
    const VertexStyle style(shape, look, wheel);
    const int n = shape.points.size();
    const bool toSouthPole = sphereIsFull(shape);
    const bool marker = look.colorMarker;
    mask &= drawableFamilies;
    for (unsigned b = 0; b < 32; ++b) {
        if (!(mask >> b & 1u)) continue;
        const int order = b + 2;
        const int step = fibonacci(order);
        if (marker) markerColor(order, -1);
        for (int j = 0; j < step; ++j) {
            Primitive strand(GL_LINE_STRIP, style);
            strand.emit(0);
            for (int e = j; e < n; e += step) strand.emit(e);
            if (toSouthPole) strand.emit(n - 1);
        }
    }
}

void drawCentreLines(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel) {
    emitCentrePatterns(shape, centreLines, VertexStyle(shape, look, wheel));
}

void drawFamilyLines(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel) {
    const FibPointSet& points = shape.points;
    const VertexStyle style(shape, look, wheel);
    const int n = points.size();
    const bool marker = look.colorMarker;
    for (const SpiralFamily& family : shape.families) {
        const int step = fibonacci(family.order);
        if (marker) markerColor(family.order, -1);
        const int last = coverageEnd(family.first, family.last, points, shape.spheric);
        // A closed family also runs mirrored through the southern half, as
        // far as its mirror points exist yet.
        if (shape.spheric && family.last >= 0) {
            for (int j = 0; j < step; ++j) {
                Primitive strand(GL_LINE_STRIP, style);
                for (int e = family.first + j; e <= last; e += step) {
                    const int m = points.mirrorOf(e);
                    if (m < n) strand.emit(m);
                }
            }
        }
        for (int j = 0; j < step; ++j) {
            Primitive strand(GL_LINE_STRIP, style);
            for (int e = family.first + j; e <= last; e += step) strand.emit(e);
        }
    }
}

// Quads between the spirals of steps F(k - 1) and F(k), for the lowest family in the mask.
void drawFixedPolygons(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel, unsigned mask) {
    mask &= drawableFamilies;
    if (mask == 0) return;
    int b = 0;
    while (!(mask >> b & 1u)) ++b;
    const int k = b + 2;
    const int a = fibonacci(k - 1), s = fibonacci(k), c = fibonacci(k + 1);
    const FibPointSet& points = shape.points;
    const int n = points.size();
    const VertexStyle style(shape, look, wheel);
    const bool marker = look.colorMarker;
    if (marker) markerColor(k, 1);
    glFrontFace(k % 2 ? GL_CW : GL_CCW);
    // In marker mode alternate strands of the family are shaded full and at 80 %.
    auto quad = [&](Primitive& quads, int e0, int e1, int e2, int e3) {
        for (int e : {e0, e1, e2, e3}) {
            if (marker)
                quads.emit(e, k, static_cast<int>(points.indexAt(e) % s & 1));
            else
                quads.emit(e);
        }
    };

    {
        // The clamped corners meet at element 0 and close the disc around the centre.
        Primitive quads(GL_QUADS, style);
        for (int j = -c; j <= -1; ++j) {
            if (j + s < 0) continue;
            quad(quads, std::max(j, 0), std::max(j + a, 0), j + c, j + s);
        }
    }
    {
        Primitive quads(GL_QUADS, style);
        for (int j = 0; j <= n - c - 1; ++j) quad(quads, j, j + a, j + c, j + s);
    }
    if (sphereIsFull(shape)) {
        Primitive quads(GL_QUADS, style);
        for (int j = n - c; j <= n - 1; ++j) {
            if (j + a > n - 1) continue;
            quad(quads, j, j + a, std::min(j + c, n - 1), std::min(j + s, n - 1));
        }
    }
}

void drawCentrePolygons(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel) {
    glFrontFace(GL_CW);
    emitCentrePatterns(shape, centrePolygons, VertexStyle(shape, look, wheel));
}

// Triangle strips filling the band between each family's two neighbours.
void drawFamilyBands(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel) {
    const FibPointSet& points = shape.points;
    const std::vector<SpiralFamily>& families = shape.families;
    const int n = points.size(), capacity = points.capacity();
    const int count = static_cast<int>(families.size());
    const bool marker = look.colorMarker;
    for (int t = 1; t <= count - 2; ++t) {
        const int order = families[t].order;
        const int a = fibonacci(families[t - 1].order);
        const int s = fibonacci(order);
        const int b = fibonacci(families[t + 1].order);
        const int first = families[t + 1].first;
        const int closedAt = families[t - 1].last;
        const bool final = t == count - 2;
        glFrontFace(order % 2 ? GL_CCW : GL_CW);
        const int last = coverageEnd(first, closedAt, points, shape.spheric);
        for (bool mirrored : {true, false}) {
            if (mirrored && !(shape.spheric && closedAt >= 0 && n >= (capacity + 1) / 2)) continue;
            for (int j = 0; j < s; ++j) {
                const int e = a + first + j;
                if (marker) markerColor(order, static_cast<int>(points.indexAt(e) & 1));
                emitBandStrip(shape, look, wheel, e, a, b, last, final, mirrored);
            }
        }
    }
}

using Routine = void (*)(const FlowerShape&, const PrimitiveLook&, WheelPlaces);
using MaskRoutine = void (*)(const FlowerShape&, const PrimitiveLook&, WheelPlaces, unsigned);

// Adaptive, the centre pattern, then the families; fixed, the mask's families.
template <Routine centre, Routine families, MaskRoutine fixed>
void drawSpirals(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel, unsigned mask) {
    if (shape.adaptiveSpirals) {
        centre(shape, look, wheel);
        families(shape, look, wheel);
    } else {
        fixed(shape, look, wheel, mask);
    }
}

void drawPoints(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel) {
    const VertexStyle style(shape, look, wheel);
    const int n = shape.points.size();
    Primitive points(GL_POINTS, style);
    for (int e = 0; e < n; ++e) points.emit(e);
}

void drawLines(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel, unsigned mask) {
    drawSpirals<drawCentreLines, drawFamilyLines, drawFixedLines>(shape, look, wheel, mask);
}

void drawPolygons(const FlowerShape& shape, const PrimitiveLook& look, WheelPlaces wheel, unsigned mask) {
    drawSpirals<drawCentrePolygons, drawFamilyBands, drawFixedPolygons>(shape, look, wheel, mask);
}


}  // namespace

void FlowerSettings::applyTo(FibSurface& flower) const {
    flower.setGrowthSpeed(0);
    flower.setColorPeriod(period);
    flower.setColorPeriodIncrement(0);
    flower.setAdaptiveSpirals(adaptive);
    flower.setLineSpiralMask(lineMask);
    flower.setPolygonSpiralMask(polygonMask);
    if (pointSource == flow) flower.setPointColorFlow(); else flower.setPointColor(pointColor);
    switch (lineSource) {
    case plain: flower.setLineColor(lineColor); break;
    case flow: flower.setLineColorFlow(); break;
    case marker: flower.setLineColorMarker(); break;
    }
    switch (polygonSource) {
    case plain: flower.setPolygonColor(polygonColor); break;
    case flow: flower.setPolygonColorFlow(); break;
    case marker: flower.setPolygonColorMarker(); break;
    }
    flower.setPointColorOffset(pointOffset);
    flower.setLineColorOffset(lineOffset);
    flower.setPolygonColorOffset(polygonOffset);
    flower.setLighting(lighting);
    flower.setFlatLineColor(flatLines);
    flower.setFlatPolygonColor(flatPolygons);
    flower.showPoints(points);
    flower.showLines(lines);
    flower.showPolygons(polygons);
    if (pointSize >= 0) flower.setPointSize(pointSize);
    if (lineWidth >= 0) flower.setLineWidth(lineWidth);
    flower.setSpheric(spheric);
    if (density == uniform) flower.setUniformDensity();
    if (density == natural) flower.setNaturalDensity();
    if (density == slowCentre) flower.setSlowCentreDensity();
}

namespace {

int sizeIn(GLenum range, double x, int otherwise) {
    if (x < 0) return otherwise;
    GLfloat r[2];
    glGetFloatv(range, r);
    return static_cast<int>(x * r[1] + (1 - x) * r[0]);
}

void setUpLighting(bool on) {
    if (on) {
        glEnable(GL_LIGHTING);
        glEnable(GL_COLOR_MATERIAL);
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    } else {
        glDisable(GL_LIGHTING);
    }
}

}  // namespace

void drawImmediately(const FibSurface& flower, const FlowerSettings& s) {
    const FibPointSet& points = flower.points();
    std::vector<SpiralFamily> families;
    rebuildFamilies(families, points, s.spheric);
    std::vector<double> wheel(points.size());
    auto wheelFor = [&](FlowerSettings::Source source, double offset) {
        if (source == FlowerSettings::flow) {
            double* place = wheel.data();
            points.forEachIndex([&](std::int64_t serial) { *place++ = flowWheel(serial, offset, s.period); });
        }
        return WheelPlaces{wheel.data(), flowWheel(0, offset, s.period)};
    };
    const FlowerShape shape{points, families, s.spheric, s.adaptive};
    const PrimitiveLook lineLook{s.lineColor, s.lineOffset, s.lineSource == FlowerSettings::flow,
                                 s.lineSource == FlowerSettings::marker, s.lighting};
    const PrimitiveLook pointLook{s.pointColor, s.pointOffset, s.pointSource == FlowerSettings::flow, false,
                                  s.lighting};
    const PrimitiveLook polygonLook{s.polygonColor, s.polygonOffset, s.polygonSource == FlowerSettings::flow,
                                    s.polygonSource == FlowerSettings::marker, s.lighting};

    glPushAttrib(GL_POLYGON_BIT);
    glPushAttrib(GL_DEPTH_BUFFER_BIT);
    glPushAttrib(GL_LIGHTING_BIT);
    glDepthFunc(GL_LESS);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(5.0, 5.0);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);

    setUpLighting(lineLook.lighting);
    glShadeModel(s.flatLines ? GL_FLAT : GL_SMOOTH);
    if (s.lines) {
        glLineWidth(sizeIn(GL_LINE_WIDTH_RANGE, s.lineWidth, 1));
        glColor3fv(lineLook.color.data());
        drawLines(shape, lineLook, wheelFor(s.lineSource, s.lineOffset), s.lineMask);
    }
    glDepthFunc(s.spheric ? GL_LEQUAL : GL_ALWAYS);
    if (s.points) {
        glPointSize(sizeIn(GL_POINT_SIZE_RANGE, s.pointSize, 3));
        glColor3fv(pointLook.color.data());
        drawPoints(shape, pointLook, wheelFor(s.pointSource, s.pointOffset));
    }
    glDepthFunc(GL_LESS);
    setUpLighting(polygonLook.lighting);
    glShadeModel(s.flatPolygons ? GL_FLAT : GL_SMOOTH);
    if (s.polygons) {
        glColor3fv(polygonLook.color.data());
        drawPolygons(shape, polygonLook, wheelFor(s.polygonSource, s.polygonOffset), s.polygonMask);
    }
    glPopAttrib();
    glPopAttrib();
    glPopAttrib();
}
