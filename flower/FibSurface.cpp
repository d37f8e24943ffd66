#include "FibSurface.h"

#include "FlowColor.h"
#include "FlowerPrimitives.h"

#include <GL/gl.h>

namespace {
// Size picked from the driver's range: x × max + (1 - x) × min, truncated.
int pickSize(double x, GLenum rangeQuery, float range[2]) {
    if (range[0] == 0.0f) glGetFloatv(rangeQuery, range);
    return static_cast<int>(x * range[1] + (1 - x) * range[0]);
}

// Lines and polygons take the flow colour, their family's marker colour or
// their plain colour: one at a time.
void selectSource(bool& flow, bool& marker, bool toFlow, bool toMarker) {
    flow = toFlow;
    marker = toMarker;
}
}  // namespace

FibSurface::FibSurface() {
    pointSet.selectSpheric();
    pointSet.selectUniformDensity();
    rebuild();
}

void FibSurface::rebuild() {
    pointSet.resize(requestedCount);  // the set ignores -1, the count before any request
    colors.resize(pointSet.capacity() + 1);  // allocates only when the count changes
    pointSet.grow(growthSpeed * 0.01 * pointSet.capacity());
    rebuildFamilies(families, pointSet, spheric);
}

void FibSurface::setPointCount(int count) {
    requestedCount = count;
    rebuild();
}

// The palette has a toggle that sets nothing; it is received so that every
// palette signal has its slot.
void FibSurface::setNoEffectToggle(bool) {}

void FibSurface::setSpheric(bool on) {
    spheric = on;
    if (on)
        pointSet.selectSpheric();
    else
        pointSet.selectPlanar();
    rebuild();
}

void FibSurface::setUniformDensity() {
    pointSet.selectUniformDensity();
    rebuild();
}

void FibSurface::setNaturalDensity() {
    pointSet.selectNaturalDensity();
    rebuild();
}

void FibSurface::setSlowCentreDensity() {
    pointSet.selectSlowCentreDensity();
    rebuild();
}

void FibSurface::setAdaptiveSpirals(bool on) {
    adaptiveSpirals = on;
    rebuild();
}

void FibSurface::showPoints(bool on) { pointsVisible = on; }
void FibSurface::showLines(bool on) { linesVisible = on; }
void FibSurface::showPolygons(bool on) { polygonsVisible = on; }

void FibSurface::setLineSpiralMask(unsigned mask) { lineSpiralMask = mask; }
void FibSurface::getLineSpiralMask(unsigned& mask) { mask = lineSpiralMask; }
void FibSurface::setPolygonSpiralMask(unsigned mask) { polygonSpiralMask = mask; }
void FibSurface::getPolygonSpiralMask(unsigned& mask) { mask = polygonSpiralMask; }

void FibSurface::setPointColorFlow() { pointColorFlow = true; }

void FibSurface::setPointColor(Vec<float, 3> rgb) {
    pointColorFlow = false;
    pointColor = rgb;
}

void FibSurface::setPointColorOffset(double offset) { pointColorOffset = offset; }

void FibSurface::setLineColorFlow() { selectSource(lineColorFlow, lineColorMarker, true, false); }
void FibSurface::setLineColorMarker() { selectSource(lineColorFlow, lineColorMarker, false, true); }

void FibSurface::setLineColor(Vec<float, 3> rgb) {
    selectSource(lineColorFlow, lineColorMarker, false, false);
    lineColor = rgb;
}

void FibSurface::setLineColorOffset(double offset) { lineColorOffset = offset; }
void FibSurface::setFlatLineColor(bool on) { flatLineColor = on; }

void FibSurface::setPolygonColorFlow() { selectSource(polygonColorFlow, polygonColorMarker, true, false); }
void FibSurface::setPolygonColorMarker() { selectSource(polygonColorFlow, polygonColorMarker, false, true); }

void FibSurface::setPolygonColor(Vec<float, 3> rgb) {
    selectSource(polygonColorFlow, polygonColorMarker, false, false);
    polygonColor = rgb;
}

void FibSurface::setPolygonColorOffset(double offset) { polygonColorOffset = offset; }
void FibSurface::setFlatPolygonColor(bool on) { flatPolygonColor = on; }

void FibSurface::setColorPeriod(double period) { colorPeriod = period; }
void FibSurface::setColorPeriodIncrement(double increment) { colorPeriodIncrement = increment; }
// The palette's "Origen" field: received and ignored, the flow starts at
// serial number 0 whatever it says.
void FibSurface::setColorFlowOrigin(double) {}

void FibSurface::setPointSize(double x) { pointSize = pickSize(x, GL_POINT_SIZE_RANGE, pointSizeRange); }
void FibSurface::setLineWidth(double x) { lineWidth = pickSize(x, GL_LINE_WIDTH_RANGE, lineWidthRange); }

void FibSurface::setGrowthSpeed(double speed) {
    growthSpeed = speed > 0 ? (speed < 1 ? speed : 1.0) : 0.0;  // NaN stops growth too
}

void FibSurface::restartGrowth() { pointSet.restart(); }

void FibSurface::setLighting(bool on) {
    pointLighting = on;
    lineLighting = on;
    polygonLighting = on;
}

void FibSurface::setUpLighting(bool on) {
    if (on) {
        glEnable(GL_LIGHTING);
        glEnable(GL_COLOR_MATERIAL);
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    } else {
        glDisable(GL_LIGHTING);
    }
}

void FibSurface::draw() {
    using namespace primitives;
    if (growthSpeed != 0) rebuild();

    // One push per group, in this order: the frame's calls stay as they have
    // always been. Mesa 22 restores only the innermost of nested pushes, so
    // there the polygon and depth state set below outlives the frame.
    glPushAttrib(GL_POLYGON_BIT);
    glPushAttrib(GL_DEPTH_BUFFER_BIT);
    glPushAttrib(GL_LIGHTING_BIT);
    // The offset pushes filled polygons back so the lines and points on them show.
    glDepthFunc(GL_LESS);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(5.0, 5.0);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);

    const FlowerShape shape{pointSet, families, spheric, adaptiveSpirals};
    const PrimitiveLook lineLook{lineColor, lineColorOffset, lineColorFlow, lineColorMarker, lineLighting};
    const PrimitiveLook pointLook{pointColor, pointColorOffset, pointColorFlow, false, pointLighting};
    const PrimitiveLook polygonLook{polygonColor, polygonColorOffset, polygonColorFlow, polygonColorMarker,
                                    polygonLighting};
    auto colorsFor = [&](const PrimitiveLook& look) -> std::vector<Vec<float, 3>>& {
        if (look.colorFlow) prepareFlowColors(look.colorOffset);
        return colors;
    };

    setUpLighting(lineLook.lighting);
    glShadeModel(flatLineColor ? GL_FLAT : GL_SMOOTH);
    if (linesVisible) {
        glLineWidth(lineWidth);
        glColor3fv(lineLook.color.data());
        drawLines(shape, lineLook, colorsFor(lineLook), lineSpiralMask, lineElements);
    }

    // On the disc the points are never hidden by the polygons.
    glDepthFunc(spheric ? GL_LEQUAL : GL_ALWAYS);
    if (pointsVisible) {
        glPointSize(pointSize);
        glColor3fv(pointLook.color.data());
        drawPoints(shape, pointLook, colorsFor(pointLook));
    }
    glDepthFunc(GL_LESS);

    setUpLighting(polygonLook.lighting);
    glShadeModel(flatPolygonColor ? GL_FLAT : GL_SMOOTH);
    if (polygonsVisible) {
        glColor3fv(polygonLook.color.data());
        drawPolygons(shape, polygonLook, colorsFor(polygonLook), polygonSpiralMask, polygonElements);
    }

    glPopAttrib();
    glPopAttrib();
    glPopAttrib();

    colorPeriod += colorPeriodIncrement;
    periodChanged.emit(colorPeriod);
}

void FibSurface::prepareFlowColors(double offset) {
    const double period = colorPeriod;
    // As the driver would store the doubles of a colour call: as floats.
    auto asStored = [](const Vec<double, 3>& c) { return Vec<float, 3>(c[0], c[1], c[2]); };
    Vec<float, 3>* color = colors.data();
    pointSet.forEachIndex(
        [&](std::int64_t serial) { *color++ = asStored(wheelColor(flowWheel(serial, offset, period))); });
    *color = asStored(wheelColor(flowWheel(0, offset, period)));
}
