// The flower as the rest of the program sees it: takes every flower setting
// through its slots, grows and draws the flower once per frame, and runs the
// colour flow, whose period it announces after each frame.
#pragma once

#include "FibPointSet.h"
#include "SpiralFamily.h"
#include "camera/Vec.h"
#include "core/sigslot.h"

#include <GL/gl.h>

#include <vector>

class FibSurface : public sigslot::has_slots<> {
public:
    FibSurface();

    sigslot::signal1<double> periodChanged;

    void setPointCount(int count);
    void setNoEffectToggle(bool on);
    void setSpheric(bool on);
    void setUniformDensity();
    void setNaturalDensity();
    void setSlowCentreDensity();
    void setAdaptiveSpirals(bool on);
    void showPoints(bool on);
    void showLines(bool on);
    void showPolygons(bool on);
    void setLineSpiralMask(unsigned mask);
    void getLineSpiralMask(unsigned& mask);
    void setPolygonSpiralMask(unsigned mask);
    void getPolygonSpiralMask(unsigned& mask);
    void setPointColorFlow();
    void setPointColor(Vec<float, 3> rgb);
    void setPointColorOffset(double offset);
    void setLineColorFlow();
    void setLineColorMarker();
    void setLineColor(Vec<float, 3> rgb);
    void setLineColorOffset(double offset);
    void setFlatLineColor(bool on);
    void setPolygonColorFlow();
    void setPolygonColorMarker();
    void setPolygonColor(Vec<float, 3> rgb);
    void setPolygonColorOffset(double offset);
    void setFlatPolygonColor(bool on);
    void setColorPeriod(double period);
    void setColorPeriodIncrement(double increment);
    void setColorFlowOrigin(double origin);
    // x in 0..1 across the sizes the driver offers; needs a current GL context.
    void setPointSize(double x);
    void setLineWidth(double x);
    void setGrowthSpeed(double speed);
    void restartGrowth();
    void setLighting(bool on);
    // One frame: grow while the speed is not 0, draw, advance the colour period.
    void draw();

    // Current GL colour: the flow hue of element i, and the colour of a spiral
    // family of the given Fibonacci order (shade 0 or 1 picks 80 % or full
    // strength, a negative shade the colour as it is).
    void flowColor(int i, double offset);
    void markerColor(int order, int shade);

private:
    // How one class of primitive (points, lines, polygons) colours and lights
    // its vertices; a flowing class takes the wheel places prepared for it.
    struct VertexStyle {
        bool flow;
        bool lit;
    };

    void rebuild();
    void setUpLighting(bool on);
    // The wheel place of every present element at this offset, worked out
    // once a frame for each flowing class instead of at each of its vertices.
    void prepareWheel(double offset);
    double wheelAt(int e) const {
        return static_cast<unsigned>(e) < static_cast<unsigned>(wheelCount) ? wheel[e] : wheelOfSerialZero;
    }

    // Drawing routines, in FlowerPrimitives.cpp.
    bool sphereIsFull() const;
    void emit(int e, const VertexStyle& style);
    void emitPattern(GLenum mode, const int* elements, int count, bool mirrored,
                     const VertexStyle& style);
    void emitFixedQuad(int e0, int e1, int e2, int e3, int order, int step);
    void drawPoints();
    void drawFixedLines();
    void drawCentreLines();
    void drawFamilyLines();
    void drawFixedPolygons();
    void drawCentrePolygons();
    void drawFamilyBands();
    void emitBandStrip(int e, int a, int b, int last, bool final, bool mirrored);

    int requestedCount = -1;
    bool spheric = true;
    bool adaptiveSpirals = true;
    bool pointColorFlow = false;
    Vec<float, 3> pointColor{1.0f, 0.0f, 0.0f};
    double pointColorOffset = 0;
    bool pointLighting = true;
    bool lineColorFlow = false;
    bool lineColorMarker = false;
    Vec<float, 3> lineColor{0.0f, 0.0f, 0.0f};
    double lineColorOffset = 0.5;
    bool lineLighting = true;
    bool flatLineColor = false;
    bool polygonColorFlow = true;
    bool polygonColorMarker = false;
    Vec<float, 3> polygonColor{1.0f, 1.0f, 1.0f};
    double polygonColorOffset = 0;
    bool polygonLighting = true;
    bool flatPolygonColor = false;
    unsigned polygonSpiralMask = 0x100;
    unsigned lineSpiralMask = 0x380;
    int pointSize = 3;
    int lineWidth = 1;
    double growthSpeed = 0.1;
    FibPointSet pointSet;
    std::vector<SpiralFamily> families;
    bool pointsVisible = true;
    bool linesVisible = true;
    bool polygonsVisible = true;
    double colorPeriod = 0.618;
    double colorPeriodIncrement = 1e-6;
    // One entry per place in the ring, the first wheelCount for this frame's
    // elements; small, because the polygons reach each element about six
    // times a frame, in jumps. Any other element has serial number 0.
    std::vector<double> wheel;
    int wheelCount = 0;
    double wheelOfSerialZero = 0;
    // The driver's (min, max) sizes, asked for while the minimum reads 0.
    float pointSizeRange[2] = {0, 0};
    float lineWidthRange[2] = {0, 0};
};
