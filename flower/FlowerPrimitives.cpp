#include "FlowerPrimitives.h"

#include "core/MathConstants.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace primitives {

namespace {
// The palette offers families up to order 17 (step 1597); higher mask bits
// would ask for millions of strands, so they are left out.
constexpr unsigned drawableFamilies = 0xFFFF;

using Primitive = ElementLists::Primitive;

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

// Every place of the ring taken on the sphere: the oldest point rests at the
// south pole, and the patterns that close it are drawn.
bool sphereIsFull(const FlowerShape& shape) {
    const int capacity = shape.points.capacity();
    return shape.spheric && capacity != 0 && shape.points.size() == capacity;
}

// The lowest family of a mask as polygons draw it: its order, or -1 for none.
int lowestOrder(unsigned mask) {
    mask &= drawableFamilies;
    if (mask == 0) return -1;
    int b = 0;
    while (!(mask >> b & 1u)) ++b;
    return b + 2;
}

// The centre patterns, then their mirror at the south pole of a full sphere
// (whatever the count there).
void emitCentrePatterns(const FlowerShape& shape, const Pattern (&patterns)[3], ElementLists& lists) {
    const FibPointSet& points = shape.points;
    for (bool mirrored : {false, true}) {
        if (mirrored ? !sphereIsFull(shape) : points.size() < 14) continue;
        for (const Pattern& pattern : patterns) {
            Primitive primitive(lists, pattern.mode);
            for (std::size_t i = 0; i < pattern.count; ++i)
                primitive.add(mirrored ? points.mirrorOf(pattern.elements[i]) : pattern.elements[i]);
        }
    }
}

// One strip zigzagging between the spirals of steps a and b, advancing by
// b - a each step, from element e; mirrored strips emit the mirror of each element.
void emitBandStrip(const FlowerShape& shape, ElementLists& lists, int e, int a, int b, int last, bool final,
                   bool mirrored) {
    const FibPointSet& points = shape.points;
    Primitive strip(lists, GL_TRIANGLE_STRIP);
    auto put = [&](int x) { strip.add(mirrored ? points.mirrorOf(x) : x); };
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
void drawFixedLines(const FlowerShape& shape, bool marker, unsigned mask, ElementLists& lists) {
    const int n = shape.points.size();
    const bool toSouthPole = sphereIsFull(shape);
    mask &= drawableFamilies;
    for (unsigned b = 0; b < 32; ++b) {
        if (!(mask >> b & 1u)) continue;
        const int order = b + 2;
        const int step = fibonacci(order);
        if (marker) lists.color(markerRgb(order, -1));
        for (int j = 0; j < step; ++j) {
            Primitive strand(lists, GL_LINE_STRIP);
            strand.add(0);
            for (int e = j; e < n; e += step) strand.add(e);
            if (toSouthPole) strand.add(n - 1);
        }
    }
}

void drawCentreLines(const FlowerShape& shape, ElementLists& lists) { emitCentrePatterns(shape, centreLines, lists); }

void drawFamilyLines(const FlowerShape& shape, bool marker, ElementLists& lists) {
    const FibPointSet& points = shape.points;
    const int n = points.size();
    for (const SpiralFamily& family : shape.families) {
        const int step = fibonacci(family.order);
        if (marker) lists.color(markerRgb(family.order, -1));
        const int last = coverageEnd(family.first, family.last, points, shape.spheric);
        // A closed family also runs mirrored through the southern half, as
        // far as its mirror points exist yet.
        if (shape.spheric && family.last >= 0) {
            for (int j = 0; j < step; ++j) {
                Primitive strand(lists, GL_LINE_STRIP);
                for (int e = family.first + j; e <= last; e += step) {
                    const int m = points.mirrorOf(e);
                    if (m < n) strand.add(m);
                }
            }
        }
        for (int j = 0; j < step; ++j) {
            Primitive strand(lists, GL_LINE_STRIP);
            for (int e = family.first + j; e <= last; e += step) strand.add(e);
        }
    }
}

// Quads between the spirals of steps F(k - 1) and F(k), for the lowest
// family in the mask. In marker mode the colours are the elements' own.
void drawFixedPolygons(const FlowerShape& shape, bool marker, unsigned mask, ElementLists& lists) {
    const int k = lowestOrder(mask);
    if (k < 0) return;
    const int a = fibonacci(k - 1), s = fibonacci(k), c = fibonacci(k + 1);
    const int n = shape.points.size();
    if (marker) lists.color(markerRgb(k, 1));
    lists.frontFace(k % 2 ? GL_CW : GL_CCW);
    {
        // The clamped corners meet at element 0 and close the disc around the centre.
        Primitive quads(lists, GL_QUADS);
        for (int j = -c; j <= -1; ++j) {
            if (j + s < 0) continue;
            for (int e : {std::max(j, 0), std::max(j + a, 0), j + c, j + s}) quads.add(e);
        }
    }
    {
        Primitive quads(lists, GL_QUADS);
        for (int j = 0; j <= n - c - 1; ++j)
            for (int e : {j, j + a, j + c, j + s}) quads.add(e);
    }
    if (sphereIsFull(shape)) {
        Primitive quads(lists, GL_QUADS);
        for (int j = n - c; j <= n - 1; ++j) {
            if (j + a > n - 1) continue;
            for (int e : {j, j + a, std::min(j + c, n - 1), std::min(j + s, n - 1)}) quads.add(e);
        }
    }
}

void drawCentrePolygons(const FlowerShape& shape, ElementLists& lists) {
    lists.frontFace(GL_CW);
    emitCentrePatterns(shape, centrePolygons, lists);
}

// Triangle strips filling the band between each family's two neighbours.
void drawFamilyBands(const FlowerShape& shape, bool marker, ElementLists& lists) {
    const FibPointSet& points = shape.points;
    const std::vector<SpiralFamily>& families = shape.families;
    const int n = points.size(), capacity = points.capacity();
    const int count = static_cast<int>(families.size());
    for (int t = 1; t <= count - 2; ++t) {
        const int order = families[t].order;
        const int a = fibonacci(families[t - 1].order);
        const int s = fibonacci(order);
        const int b = fibonacci(families[t + 1].order);
        const int first = families[t + 1].first;
        const int closedAt = families[t - 1].last;
        const bool final = t == count - 2;
        lists.frontFace(order % 2 ? GL_CCW : GL_CW);
        const int last = coverageEnd(first, closedAt, points, shape.spheric);
        for (bool mirrored : {true, false}) {
            if (mirrored && !(shape.spheric && closedAt >= 0 && n >= (capacity + 1) / 2)) continue;
            for (int j = 0; j < s; ++j) {
                const int e = a + first + j;
                if (marker) lists.strandColor(order, e);
                emitBandStrip(shape, lists, e, a, b, last, final, mirrored);
            }
        }
    }
}

// The routines that build one class's lists: in adaptive mode the centre
// pattern, then the families of the table; in fixed mode those of the mask.
struct Routines {
    void (*centre)(const FlowerShape&, ElementLists&);
    void (*families)(const FlowerShape&, bool marker, ElementLists&);
    void (*fixed)(const FlowerShape&, bool marker, unsigned mask, ElementLists&);
};

// The lists are built again only when what they join changes: in adaptive
// mode the family table, in fixed mode the mask.
void keepLists(const FlowerShape& shape, unsigned mask, bool marker, ElementLists& lists, const Routines& build) {
    static const std::vector<SpiralFamily> none;
    const bool adaptive = shape.adaptiveSpirals;
    const ElementLists::Topology topology{shape.points.capacity(), shape.points.size(), shape.spheric, adaptive,
                                          adaptive ? 0u : mask, marker};
    const std::vector<SpiralFamily>& table = adaptive ? shape.families : none;
    if (lists.builtFor(topology, table)) return;
    lists.rebuild(topology, table, shape.points.size());
    if (adaptive) {
        build.centre(shape, lists);
        build.families(shape, marker, lists);
    } else {
        build.fixed(shape, marker, mask, lists);
    }
}

// The arrays a class's draws read, enabled while it lives: positions (on
// the sphere also the normals, a unit position being its own normal; on the
// lit disc every normal is (1, 1, 1)), and colours where the class has its own.
class ClientArrays {
public:
    ClientArrays(const FlowerShape& shape, const PrimitiveLook& look, const Vec<double, 3>* positions,
                 const Vec<float, 3>* colors)
        : normals(look.lighting && shape.spheric), colored(colors != nullptr) {
        glEnableClientState(GL_VERTEX_ARRAY);
        glVertexPointer(3, GL_DOUBLE, sizeof *positions, positions);
        if (normals) {
            glEnableClientState(GL_NORMAL_ARRAY);
            glNormalPointer(GL_DOUBLE, sizeof *positions, positions);
        } else if (look.lighting) {
            glNormal3f(1, 1, 1);
        }
        if (colored) {
            glEnableClientState(GL_COLOR_ARRAY);
            glColorPointer(3, GL_FLOAT, sizeof *colors, colors);
        }
    }
    ~ClientArrays() {
        if (colored) glDisableClientState(GL_COLOR_ARRAY);
        if (normals) glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    }
    ClientArrays(const ClientArrays&) = delete;
    ClientArrays& operator=(const ClientArrays&) = delete;

private:
    bool normals, colored;
};
static_assert(sizeof(Vec<double, 3>) == 3 * sizeof(double) && sizeof(Vec<float, 3>) == 3 * sizeof(float),
              "the arrays are handed over as packed triples");
}  // namespace

void drawPoints(const FlowerShape& shape, const PrimitiveLook& look, const ElementColors& colors) {
    const int n = shape.points.size();
    if (n == 0) return;
    const ClientArrays arrays(shape, look, shape.points.positionData(), look.colorFlow ? colors.data() : nullptr);
    glDrawArrays(GL_POINTS, 0, n);
}

void drawLines(const FlowerShape& shape, const PrimitiveLook& look, const ElementColors& colors, unsigned mask,
               ElementLists& lists) {
    keepLists(shape, mask, look.colorMarker, lists, {drawCentreLines, drawFamilyLines, drawFixedLines});
    const ClientArrays arrays(shape, look, shape.points.positionData(), look.colorFlow ? colors.data() : nullptr);
    lists.draw(shape.points);
}

void drawPolygons(const FlowerShape& shape, const PrimitiveLook& look, ElementColors& colors, unsigned mask,
                  ElementLists& lists) {
    keepLists(shape, mask, look.colorMarker, lists, {drawCentrePolygons, drawFamilyBands, drawFixedPolygons});
    // Fixed quads in marker mode: alternate strands of the family full and
    // at 80 %, by each element's serial number.
    const int k = lowestOrder(mask);
    const bool strandShades = look.colorMarker && !shape.adaptiveSpirals && k >= 0;
    if (strandShades) {
        const int s = fibonacci(k);
        Vec<float, 3>* color = colors.data();
        shape.points.forEachIndex([&](std::int64_t serial) { *color++ = markerRgb(k, static_cast<int>(serial % s & 1)); });
        *color = markerRgb(k, 0);  // out of range: serial number 0
    }
    const Vec<float, 3>* own = look.colorFlow || strandShades ? colors.data() : nullptr;
    const ElementLists::Gathered quads = shape.adaptiveSpirals
                                             ? ElementLists::Gathered{shape.points.positionData(), own}
                                             : lists.gather(shape.points.positionData(), own);
    const ClientArrays arrays(shape, look, quads.positions, quads.colors);
    lists.draw(shape.points);
}

Vec<float, 3> markerRgb(int order, int shade) {
    static const Vec<float, 3> marker[8] = {
        {1.0f, 0.0f, 0.0f}, {1.0f, 0.6f, 0.0f}, {1.0f, 1.0f, 0.0f}, {0.0f, 1.0f, 0.0f},
        {0.0f, 1.0f, 0.9f}, {0.0f, 0.4f, 1.0f}, {0.6f, 0.0f, 1.0f}, {1.0f, 0.0f, 0.6f},
    };
    const Vec<float, 3>& colour = marker[(order + 6) % 8];
    // The letter of the Fibonacci word at `shade`, 0 or 1, picks 80 % or
    // full strength; for the parities the routines pass, 0 and 1 map to themselves.
    using math::golden;
    if (shade < 0 || std::floor((shade + 1) * golden) - std::floor(shade * golden) != 0) return colour;
    return colour * 0.8f;
}

void markerColor(int order, int shade) {
    if (order < 0) return;
    glColor3fv(markerRgb(order, shade).data());
}

}  // namespace primitives
