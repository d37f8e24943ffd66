// The flower as the rest of the program sees it: takes every flower setting
// through its slots, grows and draws the flower once per frame, and runs the
// colour flow, whose period it announces after each frame.
#pragma once

#include "ElementLists.h"
#include "FibPointSet.h"
#include "PrimitiveLook.h"
#include "SpiralFamily.h"
#include "camera/Vec.h"
#include "core/sigslot.h"

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

    // The seeds as the last rebuild left them, for checks from outside.
    const FibPointSet& points() const { return pointSet; }

private:
    void rebuild();
    void setUpLighting(bool on);
    // The flow colour of every present element at this offset, and after
    // them that of serial number 0, for any element out of range: written
    // once a frame for each flowing class.
    void prepareFlowColors(double offset);

    int requestedCount = -1;
    bool spheric = true;
    bool adaptiveSpirals = true;
    bool pointColorFlow = false;
    Vec<float, 3> pointColor{1.0f, 0.0f, 0.0f};
    double pointColorOffset = 0;
    bool pointLighting = true;
    // Lines and polygons: flow and marker are never both on (selectSource
    // sets both); with neither, the plain colour applies. The three lighting
    // switches always agree: only setLighting sets them, all at once.
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
    // Per element and one more, the colours of the class being drawn.
    std::vector<Vec<float, 3>> colors;
    // The elements the lines and the polygons join, kept while the flower's
    // topology stays.
    ElementLists lineElements, polygonElements;
    // The driver's (min, max) sizes, asked for while the minimum reads 0.
    float pointSizeRange[2] = {0, 0};
    float lineWidthRange[2] = {0, 0};
};
