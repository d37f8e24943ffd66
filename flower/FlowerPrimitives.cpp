// FibSurface's drawing routines: points, spiral lines and the polygons
// between neighbouring spirals, each fixed (palette masks) or adaptive (the
// family table), plus the patterns that close the centre and, on a full
// sphere, the south pole. draw() has set up all state before these run.
#include "FibSurface.h"
#include "FlowColor.h"

#include <algorithm>
#include <iterator>

namespace {
// The palette offers families up to order 17 (step 1597); higher mask bits
// would ask for millions of strands, so they are left out.
constexpr unsigned drawableFamilies = 0xFFFF;

// The centre tables: the elements, in drawing order, of the fixed line and
// polygon patterns that join the 14 youngest points, where the spiral
// families do not hold yet; mirrored they close the south pole of a full sphere.
const int centreLineStripA[] = {7, 4, 0, 3, 11, 6, 1, 9, 4, 12, 7, 2, 10, 5, 13, 8, 3, 6};
const int centreLineStripB[] = {8, 5, 0, 1, 4, 2, 5, 3, 1};
const int centreLinePair[] = {0, 2};
const int centreFanA[] = {4, 9, 1, 0, 2, 7, 12};
const int centreFanB[] = {5, 10, 2, 0, 3, 8, 13};
const int centreStrip[] = {0, 1, 3, 6, 11};
}  // namespace

// Every place of the ring taken on the sphere: the oldest point rests at the
// south pole, and the patterns that close it are drawn.
bool FibSurface::sphereIsFull() const {
    const int capacity = pointSet.capacity();
    return spheric && capacity != 0 && pointSet.size() == capacity;
}

FibSurface::VertexStyle::VertexStyle(const FibSurface& flower, bool flow, bool lit)
    : positions(flower.pointSet.positionData()),
      origin(&flower.pointSet.positionAt(-1)),  // what any element out of range lies at
      wheel(flow ? flower.wheel.data() : nullptr),
      wheelOutside(flower.wheelOfSerialZero),
      count(flower.pointSet.size()),
      lit(lit),
      spheric(flower.spheric) {}

// On the sphere a point's position is its own normal. Inline: it runs at
// every vertex, over a million times a frame at full size.
inline void FibSurface::VertexStyle::emit(int e) const {
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

void FibSurface::emitPattern(GLenum mode, const int* elements, int count, bool mirrored,
                             const VertexStyle& style) {
    glBegin(mode);
    for (int i = 0; i < count; ++i) style.emit(mirrored ? pointSet.mirrorOf(elements[i]) : elements[i]);
    glEnd();
}

void FibSurface::drawPoints() {
    const VertexStyle style(*this, pointColorFlow, pointLighting);
    const int n = pointSet.size();
    glBegin(GL_POINTS);
    for (int e = 0; e < n; ++e) style.emit(e);
    glEnd();
}

// Every strand starts at the centre point and, on a full sphere, ends at the south pole.
void FibSurface::drawFixedLines() {
    const VertexStyle style(*this, lineColorFlow, lineLighting);
    const int n = pointSet.size();
    const bool toSouthPole = sphereIsFull();
    const unsigned mask = lineSpiralMask & drawableFamilies;
    for (unsigned b = 0; b < 32; ++b) {
        if (!(mask >> b & 1u)) continue;
        const int order = b + 2;
        const int step = fibonacci(order);
        if (lineColorMarker) markerColor(order, -1);
        for (int j = 0; j < step; ++j) {
            glBegin(GL_LINE_STRIP);
            style.emit(0);
            for (int e = j; e < n; e += step) style.emit(e);
            if (toSouthPole) style.emit(n - 1);
            glEnd();
        }
    }
}

void FibSurface::drawCentreLines() {
    const VertexStyle style(*this, lineColorFlow, lineLighting);
    for (bool mirrored : {false, true}) {
        if (mirrored ? !sphereIsFull() : pointSet.size() < 14) continue;
        emitPattern(GL_LINE_STRIP, centreLineStripA, std::size(centreLineStripA), mirrored, style);
        emitPattern(GL_LINE_STRIP, centreLineStripB, std::size(centreLineStripB), mirrored, style);
        emitPattern(GL_LINES, centreLinePair, std::size(centreLinePair), mirrored, style);
    }
}

void FibSurface::drawFamilyLines() {
    const VertexStyle style(*this, lineColorFlow, lineLighting);
    const int n = pointSet.size();
    for (const SpiralFamily& family : families) {
        const int step = fibonacci(family.order);
        if (lineColorMarker) markerColor(family.order, -1);
        const int last = coverageEnd(family.first, family.last, pointSet, spheric);
        // A closed family also runs mirrored through the southern half, as
        // far as its mirror points exist yet.
        if (spheric && family.last >= 0) {
            for (int j = 0; j < step; ++j) {
                glBegin(GL_LINE_STRIP);
                for (int e = family.first + j; e <= last; e += step) {
                    const int m = pointSet.mirrorOf(e);
                    if (m < n) style.emit(m);
                }
                glEnd();
            }
        }
        for (int j = 0; j < step; ++j) {
            glBegin(GL_LINE_STRIP);
            for (int e = family.first + j; e <= last; e += step) style.emit(e);
            glEnd();
        }
    }
}

// In marker mode alternate strands of the family are shaded full and at 80 %.
void FibSurface::emitFixedQuad(int e0, int e1, int e2, int e3, int order, int step, const VertexStyle& style) {
    for (int e : {e0, e1, e2, e3}) {
        if (polygonColorMarker) markerColor(order, static_cast<int>(pointSet.indexAt(e) % step & 1));
        style.emit(e);
    }
}

// Quads between the spirals of steps F(k - 1) and F(k), for the lowest family in the mask.
void FibSurface::drawFixedPolygons() {
    const unsigned mask = polygonSpiralMask & drawableFamilies;
    if (mask == 0) return;
    int b = 0;
    while (!(mask >> b & 1u)) ++b;
    const int k = b + 2;
    const int a = fibonacci(k - 1), s = fibonacci(k), c = fibonacci(k + 1);
    const int n = pointSet.size();
    const VertexStyle style(*this, polygonColorFlow, polygonLighting);
    if (polygonColorMarker) markerColor(k, 1);
    glFrontFace(k % 2 ? GL_CW : GL_CCW);

    // The clamped corners meet at element 0 and close the disc around the centre.
    glBegin(GL_QUADS);
    for (int j = -c; j <= -1; ++j) {
        if (j + s < 0) continue;
        emitFixedQuad(std::max(j, 0), std::max(j + a, 0), j + c, j + s, k, s, style);
    }
    glEnd();

    glBegin(GL_QUADS);
    for (int j = 0; j <= n - c - 1; ++j) emitFixedQuad(j, j + a, j + c, j + s, k, s, style);
    glEnd();

    if (sphereIsFull()) {
        glBegin(GL_QUADS);
        for (int j = n - c; j <= n - 1; ++j) {
            if (j + a > n - 1) continue;
            emitFixedQuad(j, j + a, std::min(j + c, n - 1), std::min(j + s, n - 1), k, s, style);
        }
        glEnd();
    }
}

void FibSurface::drawCentrePolygons() {
    const VertexStyle style(*this, polygonColorFlow, polygonLighting);
    glFrontFace(GL_CW);
    for (bool mirrored : {false, true}) {
        if (mirrored ? !sphereIsFull() : pointSet.size() < 14) continue;
        emitPattern(GL_TRIANGLE_FAN, centreFanA, std::size(centreFanA), mirrored, style);
        emitPattern(GL_TRIANGLE_FAN, centreFanB, std::size(centreFanB), mirrored, style);
        emitPattern(GL_TRIANGLE_STRIP, centreStrip, std::size(centreStrip), mirrored, style);
    }
}

// One strip zigzagging between the spirals of steps a and b, advancing by
// b - a each step, from element e; mirrored strips emit the mirror of each element.
void FibSurface::emitBandStrip(int e, int a, int b, int last, bool final, bool mirrored) {
    const VertexStyle style(*this, polygonColorFlow, polygonLighting);
    auto put = [&](int x) { style.emit(mirrored ? pointSet.mirrorOf(x) : x); };
    glBegin(GL_TRIANGLE_STRIP);
    if (mirrored) {
        // Skip ahead until both mirrored corners exist; b - a is the band's own step.
        const int n = pointSet.size();
        while (n - a <= pointSet.mirrorOf(e)) e += b - a;
    }
    while (true) {
        put(e);
        if ((!final && e > last) || e - a > last) break;
        put(e - a);
        e = e - a + b;
        if (final && e > last) break;
    }
    glEnd();
}

// Triangle strips filling the band between each family's two neighbours.
void FibSurface::drawFamilyBands() {
    const int n = pointSet.size(), capacity = pointSet.capacity();
    const int count = static_cast<int>(families.size());
    for (int t = 1; t <= count - 2; ++t) {
        const int order = families[t].order;
        const int a = fibonacci(families[t - 1].order);
        const int s = fibonacci(order);
        const int b = fibonacci(families[t + 1].order);
        const int first = families[t + 1].first;
        const int closedAt = families[t - 1].last;
        const bool final = t == count - 2;
        glFrontFace(order % 2 ? GL_CCW : GL_CW);
        const int last = coverageEnd(first, closedAt, pointSet, spheric);
        for (bool mirrored : {true, false}) {
            if (mirrored && !(spheric && closedAt >= 0 && n >= (capacity + 1) / 2)) continue;
            for (int j = 0; j < s; ++j) {
                const int e = a + first + j;
                if (polygonColorMarker) markerColor(order, static_cast<int>(pointSet.indexAt(e) & 1));
                emitBandStrip(e, a, b, last, final, mirrored);
            }
        }
    }
}
