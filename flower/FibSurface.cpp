#include "FibSurface.h"

#include "FlowColor.h"

#include <cmath>

namespace {
// Size picked from the driver's range: x × max + (1 - x) × min, truncated.
int pickSize(double x, GLenum rangeQuery, float range[2]) {
    if (range[0] == 0.0f) glGetFloatv(rangeQuery, range);
    return static_cast<int>(x * range[1] + (1 - x) * range[0]);
}
}  // namespace

FibSurface::FibSurface() {
    pointSet.selectSpheric();
    pointSet.selectUniformDensity();
    rebuild();
}

void FibSurface::rebuild() {
    pointSet.resize(requestedCount);  // the set ignores -1, the count before any request
    wheel.resize(pointSet.capacity());  // allocates only when the count changes
    pointSet.grow(growthSpeed * 0.01 * pointSet.capacity());
    rebuildFamilies(families, pointSet, spheric);
}

void FibSurface::setPointCount(int count) {
    requestedCount = count;
    rebuild();
}

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

void FibSurface::setLineColorFlow() {
    lineColorFlow = true;
    lineColorMarker = false;
}

void FibSurface::setLineColorMarker() {
    lineColorFlow = false;
    lineColorMarker = true;
}

void FibSurface::setLineColor(Vec<float, 3> rgb) {
    lineColorFlow = false;
    lineColorMarker = false;
    lineColor = rgb;
}

void FibSurface::setLineColorOffset(double offset) { lineColorOffset = offset; }
void FibSurface::setFlatLineColor(bool on) { flatLineColor = on; }

void FibSurface::setPolygonColorFlow() {
    polygonColorFlow = true;
    polygonColorMarker = false;
}

void FibSurface::setPolygonColorMarker() {
    polygonColorFlow = false;
    polygonColorMarker = true;
}

void FibSurface::setPolygonColor(Vec<float, 3> rgb) {
    polygonColorFlow = false;
    polygonColorMarker = false;
    polygonColor = rgb;
}

void FibSurface::setPolygonColorOffset(double offset) { polygonColorOffset = offset; }
void FibSurface::setFlatPolygonColor(bool on) { flatPolygonColor = on; }

void FibSurface::setColorPeriod(double period) { colorPeriod = period; }
void FibSurface::setColorPeriodIncrement(double increment) { colorPeriodIncrement = increment; }
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
    if (growthSpeed != 0) rebuild();

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

    setUpLighting(lineLighting);
    glShadeModel(flatLineColor ? GL_FLAT : GL_SMOOTH);
    if (linesVisible) {
        glLineWidth(lineWidth);
        glColor3fv(lineColor.data());
        if (lineColorFlow) prepareWheel(lineColorOffset);
        if (adaptiveSpirals) {
            drawCentreLines();
            drawFamilyLines();
        } else {
            drawFixedLines();
        }
    }

    // On the disc the points are never hidden by the polygons.
    glDepthFunc(spheric ? GL_LEQUAL : GL_ALWAYS);
    if (pointsVisible) {
        glPointSize(pointSize);
        glColor3fv(pointColor.data());
        if (pointColorFlow) prepareWheel(pointColorOffset);
        drawPoints();
    }
    glDepthFunc(GL_LESS);

    setUpLighting(polygonLighting);
    glShadeModel(flatPolygonColor ? GL_FLAT : GL_SMOOTH);
    if (polygonsVisible) {
        glColor3fv(polygonColor.data());
        if (polygonColorFlow) prepareWheel(polygonColorOffset);
        if (adaptiveSpirals) {
            drawCentrePolygons();
            drawFamilyBands();
        } else {
            drawFixedPolygons();
        }
    }

    glPopAttrib();
    glPopAttrib();
    glPopAttrib();

    colorPeriod += colorPeriodIncrement;
    periodChanged.emit(colorPeriod);
}

void FibSurface::flowColor(int i, double offset) {
    const Vec<double, 3> c = wheelColor(flowWheel(pointSet.indexAt(i), offset, colorPeriod));
    glColor3d(c[0], c[1], c[2]);
}

void FibSurface::prepareWheel(double offset) {
    const double period = colorPeriod;
    double* place = wheel.data();
    pointSet.forEachIndex([&](std::int64_t serial) { *place++ = flowWheel(serial, offset, period); });
    wheelOfSerialZero = flowWheel(0, offset, period);
}

void FibSurface::markerColor(int order, int shade) {
    if (order < 0) return;
    static const Vec<float, 3> marker[8] = {
        {1.0f, 0.0f, 0.0f}, {1.0f, 0.6f, 0.0f}, {1.0f, 1.0f, 0.0f}, {0.0f, 1.0f, 0.0f},
        {0.0f, 1.0f, 0.9f}, {0.0f, 0.4f, 1.0f}, {0.6f, 0.0f, 1.0f}, {1.0f, 0.0f, 0.6f},
    };
    const Vec<float, 3>& colour = marker[(order + 6) % 8];
    if (shade < 0 || std::floor((shade + 1) * 0.6180339887498949) - std::floor(shade * 0.6180339887498949) != 0) {
        glColor3fv(colour.data());
    } else {
        const Vec<float, 3> shaded = colour * 0.8f;
        glColor3fv(shaded.data());
    }
}
