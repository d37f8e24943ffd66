// Test framework first: the toolkit's headers bring in X11 macros.
#include <gtest/gtest.h>

#include "ui/Icons.h"

#include <FL/Fl.H>
#include <FL/Fl_Image.H>
#include <FL/x.H>
#include <FL/fl_draw.H>

#include <array>
#include <cstdio>
#include <memory>
#include <set>
#include <vector>

namespace {

struct Expected {
    const char* name;
    Fl_Pixmap* icon;
    int width, height, colours;
};

const Expected expected[] = {
    {"planar", &planarIcon, 32, 32, 114},
    {"spheric", &sphericIcon, 32, 32, 255},
    {"uniform density", &uniformDensityIcon, 32, 32, 2},
    {"natural density", &naturalDensityIcon, 32, 32, 2},
    {"slow centre", &slowCentreIcon, 32, 32, 2},
    {"adaptive spirals", &adaptiveSpiralsIcon, 32, 32, 256},
    {"fixed spirals", &fixedSpiralsIcon, 32, 32, 256},
    {"lines", &linesIcon, 32, 32, 2},
    {"polygons", &polygonsIcon, 32, 32, 8},
    {"points", &pointsIcon, 32, 32, 3},
    {"flow-offset strip", &flowOffsetStripIcon, 42, 12, 73},
    {"colour flow", &colorFlowIcon, 32, 32, 255},
    {"size ramp", &sizeRampIcon, 84, 12, 2},
    {"marker", &markerIcon, 32, 32, 122},
    {"width ramp", &widthRampIcon, 84, 12, 2},
    {"flat / smooth", &flatSmoothIcon, 32, 32, 30},
    {"lighting on", &lightingOnIcon, 32, 32, 230},
    {"lighting off", &lightingOffIcon, 32, 32, 216},
    {"logo", &logoIcon, 192, 64, 64},
};

using Rgba = std::array<unsigned char, 4>;

// The pixels as the toolkit decodes them; transparent ones are all alike.
std::vector<Rgba> decode(Fl_Pixmap& icon) {
    Fl_RGB_Image image(&icon, FL_BLACK);
    EXPECT_EQ(image.d(), 4);
    const auto* p = reinterpret_cast<const unsigned char*>(image.data()[0]);
    std::vector<Rgba> out;
    for (int i = 0; i < image.w() * image.h(); ++i, p += 4)
        out.push_back(p[3] ? Rgba{p[0], p[1], p[2], 255} : Rgba{0, 0, 0, 0});
    return out;
}

TEST(Icons, EachDecodesAtItsSizeUsingExactlyItsColours) {
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        const char* const* data = e.icon->data();
        int w = 0, h = 0, n = 0, perPixel = 0;
        ASSERT_EQ(std::sscanf(data[0], "%d %d %d %d", &w, &h, &n, &perPixel), 4);
        EXPECT_EQ(w, e.width);
        EXPECT_EQ(h, e.height);
        EXPECT_EQ(n, -e.colours);  // negative: the compressed colour map
        EXPECT_EQ(perPixel, 1);
        EXPECT_EQ(e.icon->w(), e.width);
        EXPECT_EQ(e.icon->h(), e.height);

        // Every row is exactly one known pixel character per column.
        std::set<unsigned char> mapped;
        for (int i = 0; i < e.colours; ++i)
            mapped.insert(static_cast<unsigned char>(data[1][4 * i]));
        EXPECT_EQ(int(mapped.size()), e.colours);
        for (int y = 0; y < e.height; ++y) {
            const char* row = data[2 + y];
            for (int x = 0; x < e.width; ++x)
                ASSERT_TRUE(mapped.count(static_cast<unsigned char>(row[x]))) << "row " << y << " column " << x;
            ASSERT_EQ(row[e.width], '\0') << "row " << y;
        }

        // No entry is padding: the decoded picture shows every one of them.
        const std::vector<Rgba> pixels = decode(*e.icon);
        ASSERT_EQ(int(pixels.size()), e.width * e.height);
        EXPECT_EQ(int(std::set<Rgba>(pixels.begin(), pixels.end()).size()), e.colours);
    }
}

// Width and height (in opaque rows) of each bar, left to right.
std::vector<std::array<int, 2>> bars(Fl_Pixmap& ramp, bool& edgeRowsEmpty) {
    const std::vector<Rgba> px = decode(ramp);
    const int w = ramp.w(), h = ramp.h();
    auto opaque = [&](int x, int y) { return px[size_t(y * w + x)][3] != 0; };
    edgeRowsEmpty = true;
    for (int x = 0; x < w; ++x)
        edgeRowsEmpty = edgeRowsEmpty && !opaque(x, 0) && !opaque(x, h - 1);
    std::vector<std::array<int, 2>> out;
    int previous = 0;
    for (int x = 0; x < w; ++x) {
        int height = 0;
        for (int y = 0; y < h; ++y)
            height += opaque(x, y);
        if (height > 0 && previous == 0)
            out.push_back({0, height});
        if (height > 0)
            ++out.back()[0];
        previous = height;
    }
    return out;
}

TEST(Icons, RampsHaveTenGrowingBarsAndEmptyEdgeRows) {
    bool sizeEdgesEmpty = false, widthEdgesEmpty = false;
    const auto size = bars(sizeRampIcon, sizeEdgesEmpty);
    const auto width = bars(widthRampIcon, widthEdgesEmpty);
    EXPECT_TRUE(sizeEdgesEmpty);
    EXPECT_TRUE(widthEdgesEmpty);
    ASSERT_EQ(size.size(), 10u);
    ASSERT_EQ(width.size(), 10u);
    for (size_t i = 1; i < 10; ++i) {
        EXPECT_GT(size[i][0], size[i - 1][0]);
        EXPECT_GT(size[i][1], size[i - 1][1]);
        EXPECT_GT(width[i][0], width[i - 1][0]);
        EXPECT_EQ(width[i][1], width[0][1]);
    }
}

// Mean brightness of what the toolkit draws for `icon` on a palette button.
double drawnBrightness(Fl_Pixmap& icon) {
    fl_open_display();
    Fl_Offscreen off = fl_create_offscreen(36, 36);
    fl_begin_offscreen(off);
    fl_draw_box(FL_PLASTIC_UP_BOX, 0, 0, 36, 36, 41);
    icon.draw(2, 2);
    std::unique_ptr<uchar[]> rgb(fl_read_image(nullptr, 2, 2, 32, 32));
    fl_end_offscreen();
    fl_delete_offscreen(off);
    double sum = 0;
    for (int i = 0; i < 32 * 32 * 3; ++i)
        sum += rgb[size_t(i)];
    return sum / (32 * 32 * 3);
}

TEST(Icons, LitAndUnlitBulbsAreEasyToTellApart) {
    // Averaged over the whole square, ground and base included, which both share.
    EXPECT_GT(drawnBrightness(lightingOnIcon) - drawnBrightness(lightingOffIcon), 30.0);
}

}  // namespace
