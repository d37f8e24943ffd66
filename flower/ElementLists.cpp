#include "ElementLists.h"

#include "FlowerPrimitives.h"

void ElementLists::Primitive::add(int element) {
    const GLuint v = static_cast<unsigned>(element) < lists.outside ? GLuint(element) : lists.outside;
    const unsigned i = count++;
    switch (mode) {
    case GL_POINTS:
        lists.append(GL_POINTS, v);
        break;
    case GL_LINES:
        if (i % 2) {
            lists.append(GL_LINES, held[0]);
            lists.append(GL_LINES, v);
        }
        held[0] = v;
        break;
    case GL_LINE_STRIP:
        if (i > 0) {
            lists.append(GL_LINES, held[0]);
            lists.append(GL_LINES, v);
        }
        held[0] = v;
        break;
    case GL_TRIANGLE_STRIP:
        // Triangle i of a strip is i, i + 1, i + 2, its first two swapped for odd i.
        if (i >= 2) {
            const GLuint older = held[i % 2], newer = held[1 - i % 2];
            const bool odd = i % 2;
            lists.append(GL_TRIANGLES, odd ? newer : older);
            lists.append(GL_TRIANGLES, odd ? older : newer);
            lists.append(GL_TRIANGLES, v);
        }
        held[i % 2] = v;
        break;
    case GL_TRIANGLE_FAN:
        if (i >= 2) {
            lists.append(GL_TRIANGLES, held[0]);
            lists.append(GL_TRIANGLES, held[1]);
            lists.append(GL_TRIANGLES, v);
        }
        held[i == 0 ? 0 : 1] = v;
        break;
    case GL_QUADS:
        if (i % 4 == 3) {
            for (GLuint corner : held) lists.append(GL_QUADS, corner);
            lists.append(GL_QUADS, v);
        } else {
            held[i % 4] = v;
        }
        break;
    }
}

bool ElementLists::builtFor(const Topology& t, const std::vector<SpiralFamily>& table) const {
    if (!(t == topology) || table.size() != families.size()) return false;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].order != families[i].order || table[i].first != families[i].first ||
            table[i].last != families[i].last)
            return false;
    return true;
}

void ElementLists::rebuild(const Topology& t, const std::vector<SpiralFamily>& table, int present) {
    topology = t;
    families = table;  // keeps its storage once grown
    outside = GLuint(present);
    indices.clear();
    steps.clear();
}

void ElementLists::append(GLenum mode, GLuint element) {
    const GLsizei end = GLsizei(indices.size());
    indices.push_back(element);
    if (!steps.empty()) {
        Step& last = steps.back();
        if (last.kind == Kind::elements && last.mode == mode && last.first + last.count == end) {
            ++last.count;
            return;
        }
    }
    steps.push_back(Step{Kind::elements, mode, end, 1, 0, 0, {}});
}

void ElementLists::frontFace(GLenum mode) { steps.push_back(Step{Kind::frontFace, mode, 0, 0, 0, 0, {}}); }

void ElementLists::color(const Vec<float, 3>& rgb) { steps.push_back(Step{Kind::color, 0, 0, 0, 0, 0, rgb}); }

void ElementLists::strandColor(int order, int element) {
    steps.push_back(Step{Kind::strandColor, 0, 0, 0, order, element, {}});
}

ElementLists::Gathered ElementLists::gather(const Vec<double, 3>* positions, const Vec<float, 3>* colors) {
    gatheredPositions.resize(indices.size());
    for (std::size_t i = 0; i < indices.size(); ++i) gatheredPositions[i] = positions[indices[i]];
    if (!colors) return {gatheredPositions.data(), nullptr};
    gatheredColors.resize(indices.size());
    for (std::size_t i = 0; i < indices.size(); ++i) gatheredColors[i] = colors[indices[i]];
    return {gatheredPositions.data(), gatheredColors.data()};
}

void ElementLists::draw(const FibPointSet& points) const {
    // Runs of elements with no change of state between them go as one draw.
    GLenum mode = 0;
    GLsizei first = 0, count = 0;
    auto flush = [&] {
        if (count > 0 && mode == GL_QUADS) glDrawArrays(mode, first, count);
        else if (count > 0) glDrawElements(mode, count, GL_UNSIGNED_INT, indices.data() + first);
        count = 0;
    };
    Vec<float, 3> current;
    bool colorKnown = false;
    for (const Step& step : steps) {
        switch (step.kind) {
        case Kind::elements:
            if (count > 0 && (step.mode != mode || step.first != first + count)) flush();
            if (count == 0) mode = step.mode, first = step.first;
            count += step.count;
            break;
        case Kind::frontFace:
            flush();
            glFrontFace(step.mode);
            break;
        case Kind::color:
            flush();
            glColor3fv(step.rgb.data());
            current = step.rgb, colorKnown = true;
            break;
        case Kind::strandColor: {
            const Vec<float, 3> rgb = primitives::markerRgb(step.order, static_cast<int>(points.indexAt(step.element) & 1));
            if (colorKnown && rgb == current) break;
            flush();
            glColor3fv(rgb.data());
            current = rgb, colorKnown = true;
            break;
        }
        }
    }
    flush();
}
