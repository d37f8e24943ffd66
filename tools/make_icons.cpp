// Draws the palette's and the About box's pictures and writes them, as XPM
// arrays in the toolkit's compressed colour-map form, to ui/Icons.cpp; and
// the program's own icon, the logo's sunflower head, as PNGs and an SVG.
//
//   make_icons OUTPUT.cpp ICON_DIR [SHEET.ppm]
//
// Text is rendered by the toolkit, so an X display is needed: `make icons`
// runs the build's make_icons under xvfb-run. SHEET, when given, gets every
// pixmap at four times its size on the ground it is shown on.
#include "core/MathConstants.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <zlib.h>

namespace {

using math::pi;
constexpr double goldenAngle = pi * (3.0 - 2.23606797749979);

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

Rgba rgb(double r, double g, double b, double a = 1) {
    return {r / 255, g / 255, b / 255, a};
}

double clamp01(double v) { return std::min(1.0, std::max(0.0, v)); }

double smoothstep(double e0, double e1, double v) {
    const double t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

Rgba mix(const Rgba& p, const Rgba& q, double t) {
    return {p.r + (q.r - p.r) * t, p.g + (q.g - p.g) * t, p.b + (q.b - p.b) * t,
            p.a + (q.a - p.a) * t};
}

Rgba scaled(const Rgba& c, double k) {
    return {clamp01(c.r * k), clamp01(c.g * k), clamp01(c.b * k), c.a};
}

// Hue in turns (0 red, 1/6 yellow, 1/3 green, 1/2 cyan, 2/3 blue, 5/6 magenta).
Rgba hsv(double h, double s, double v) {
    h = (h - std::floor(h)) * 6;
    const int i = static_cast<int>(h) % 6;
    const double f = h - std::floor(h);
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (i) {
    case 0: return {v, t, p, 1};
    case 1: return {q, v, p, 1};
    case 2: return {p, v, t, 1};
    case 3: return {p, q, v, 1};
    case 4: return {t, p, v, 1};
    default: return {v, p, q, 1};
    }
}

double distToSegment(double x, double y, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = clamp01(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy));
    return std::hypot(x - ax - t * dx, y - ay - t * dy);
}

using Shape = std::function<bool(double, double)>;
using Shader = std::function<Rgba(double, double)>;

Shader solid(Rgba c) {
    return [c](double, double) { return c; };
}

// A supersampled picture in premultiplied colour; coordinates are icon pixels.
class Canvas {
public:
    Canvas(int w, int h, int samples) : w_(w), h_(h), s_(samples), px_(size_t(w * h * samples * samples)) {}

    int width() const { return w_; }
    int height() const { return h_; }
    int samples() const { return s_; }

    void paint(const Shape& inside, const Shader& colour) {
        const int sw = w_ * s_;
        for (int sy = 0; sy < h_ * s_; ++sy)
            for (int sx = 0; sx < sw; ++sx) {
                const double x = (sx + 0.5) / s_, y = (sy + 0.5) / s_;
                if (!inside(x, y))
                    continue;
                const Rgba c = colour(x, y);
                Rgba& d = px_[size_t(sy * sw + sx)];
                const double k = 1 - c.a;
                d = {c.r * c.a + d.r * k, c.g * c.a + d.g * k, c.b * c.a + d.b * k, c.a + d.a * k};
            }
    }

    // Straight (not premultiplied) colour and coverage of every icon pixel.
    std::vector<Rgba> pixels() const {
        std::vector<Rgba> out;
        const int sw = w_ * s_;
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                Rgba sum;
                for (int j = 0; j < s_; ++j)
                    for (int i = 0; i < s_; ++i) {
                        const Rgba& p = px_[size_t((y * s_ + j) * sw + x * s_ + i)];
                        sum = {sum.r + p.r, sum.g + p.g, sum.b + p.b, sum.a + p.a};
                    }
                const double a = sum.a / (s_ * s_);
                out.push_back(a > 0 ? Rgba{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, a} : Rgba{});
            }
        return out;
    }

private:
    int w_, h_, s_;
    std::vector<Rgba> px_;
};

// Text coverage at the canvas's sample resolution, drawn by the toolkit into
// an offscreen pixmap and read back.
class TextMask {
public:
    explicit TextMask(const Canvas& c) : w_(c.width() * c.samples()), h_(c.height() * c.samples()), s_(c.samples()), cov_(size_t(w_ * h_)) {}

    // Draws `text` with its ink box centred on (cx, cy), in icon pixels.
    void draw(const char* text, Fl_Font font, double size, double cx, double cy) {
        Fl_Offscreen off = fl_create_offscreen(w_, h_);
        fl_begin_offscreen(off);
        fl_color(FL_BLACK);
        fl_rectf(0, 0, w_, h_);
        fl_color(FL_WHITE);
        fl_font(font, static_cast<int>(std::lround(size * s_)));
        int dx, dy, tw, th;
        fl_text_extents(text, dx, dy, tw, th);
        fl_draw(text, static_cast<int>(std::lround(cx * s_ - dx - tw / 2.0)),
                static_cast<int>(std::lround(cy * s_ - dy - th / 2.0)));
        std::unique_ptr<uchar[]> image(fl_read_image(nullptr, 0, 0, w_, h_));
        fl_end_offscreen();
        fl_delete_offscreen(off);
        for (size_t i = 0; i < cov_.size(); ++i)
            cov_[i] = std::max(cov_[i], image[i * 3 + 1] / 255.0f);
    }

    // Width of `text`'s ink at `size`, in icon pixels.
    double inkWidth(const char* text, Fl_Font font, double size) const {
        fl_font(font, static_cast<int>(std::lround(size * s_)));
        int dx, dy, tw, th;
        fl_text_extents(text, dx, dy, tw, th);
        return double(tw) / s_;
    }

    bool covers(double x, double y) const {
        return sample(static_cast<int>(x * s_), static_cast<int>(y * s_)) >= 0.5f;
    }

    // Within `radius` icon pixels of covered ink.
    bool near(double x, double y, double radius) const {
        const int r = static_cast<int>(std::ceil(radius * s_));
        const int sx = static_cast<int>(x * s_), sy = static_cast<int>(y * s_);
        for (int j = -r; j <= r; ++j)
            for (int i = -r; i <= r; ++i)
                if (i * i + j * j <= r * r && sample(sx + i, sy + j) >= 0.5f)
                    return true;
        return false;
    }

private:
    float sample(int sx, int sy) const {
        if (sx < 0 || sy < 0 || sx >= w_ || sy >= h_)
            return 0;
        return cov_[size_t(sy * w_ + sx)];
    }

    int w_, h_, s_;
    std::vector<float> cov_;
};

// ---- Reducing a picture to exactly the number of colours asked for --------

using Rgb8 = std::array<int, 3>;

Rgb8 toRgb8(const Rgba& c) {
    return {int(std::lround(clamp01(c.r) * 255)), int(std::lround(clamp01(c.g) * 255)),
            int(std::lround(clamp01(c.b) * 255))};
}

struct Cluster {
    double n = 0, r = 0, g = 0, b = 0;  // pixel count and channel sums
    Rgb8 dominant{};                    // most frequent original colour
    double dominantCount = 0;
    bool alive = true;
};

double mergeCost(const Cluster& p, const Cluster& q) {
    const double dr = p.r / p.n - q.r / q.n, dg = p.g / p.n - q.g / q.n, db = p.b / p.n - q.b / q.n;
    return p.n * q.n / (p.n + q.n) * (2 * dr * dr + 4 * dg * dg + 3 * db * db);
}

// Ward's agglomerative clustering down to `target` colours. Pictures with few
// colours keep each cluster's most frequent colour (pure inks stay pure);
// richer ones take the cluster mean.
std::map<Rgb8, Rgb8> reduce(const std::map<Rgb8, int>& histogram, size_t target) {
    std::vector<Cluster> cs;
    std::vector<Rgb8> keys;
    for (const auto& [c, n] : histogram) {
        cs.push_back({double(n), double(c[0] * n), double(c[1] * n), double(c[2] * n), c, double(n), true});
        keys.push_back(c);
    }
    std::vector<int> owner(cs.size());
    for (size_t i = 0; i < cs.size(); ++i)
        owner[i] = int(i);

    const size_t n = cs.size();
    std::vector<size_t> nn(n);
    std::vector<double> nd(n);
    auto findNearest = [&](size_t i) {
        nd[i] = 1e300;
        for (size_t k = 0; k < n; ++k)
            if (k != i && cs[k].alive) {
                const double d = mergeCost(cs[i], cs[k]);
                if (d < nd[i])
                    nd[i] = d, nn[i] = k;
            }
    };
    for (size_t i = 0; i < n; ++i)
        findNearest(i);

    for (size_t alive = n; alive > target; --alive) {
        size_t i = n;
        for (size_t k = 0; k < n; ++k)
            if (cs[k].alive && (i == n || nd[k] < nd[i]))
                i = k;
        const size_t j = nn[i];
        Cluster& a = cs[i];
        const Cluster& b = cs[j];
        if (b.dominantCount > a.dominantCount)
            a.dominant = b.dominant, a.dominantCount = b.dominantCount;
        a.n += b.n, a.r += b.r, a.g += b.g, a.b += b.b;
        cs[j].alive = false;
        for (auto& o : owner)
            if (size_t(o) == j)
                o = int(i);
        for (size_t k = 0; k < n; ++k)
            if (cs[k].alive && (k == i || nn[k] == i || nn[k] == j))
                findNearest(k);
    }

    const bool keepDominant = target <= 8;
    std::map<Rgb8, Rgb8> mapping;
    for (size_t k = 0; k < n; ++k) {
        const Cluster& c = cs[size_t(owner[k])];
        mapping[keys[k]] = keepDominant ? c.dominant
                                        : Rgb8{int(std::lround(c.r / c.n)), int(std::lround(c.g / c.n)),
                                               int(std::lround(c.b / c.n))};
    }
    return mapping;
}

// A neighbour of `c` one step away in one channel that is not in `used`.
Rgb8 freshNeighbour(Rgb8 c, const std::map<Rgb8, int>& used) {
    for (int step = 1;; ++step)
        for (int ch = 0; ch < 3; ++ch)
            for (int sign : {1, -1}) {
                Rgb8 d = c;
                d[size_t(ch)] += sign * step;
                if (d[size_t(ch)] >= 0 && d[size_t(ch)] <= 255 && !used.count(d))
                    return d;
            }
}

// ---- Icons -----------------------------------------------------------------

struct Icon {
    std::string name;
    int width, height, colours;
    std::vector<Rgba> pixels;  // straight colour and coverage
    Rgb8 ground;               // what the icon is seen on
    std::string comment;
};

struct Xpm {
    std::vector<std::string> strings;  // header, colour map, rows
    std::vector<Rgb8> shown;           // each pixel as seen on its ground
    int nudged = 0;                    // pixels moved by one level to reach the colour count
};

// Pixel characters, most readable first. A blank stands only for the
// transparent entry, which is always first, except when all 256 are needed.
std::vector<unsigned char> pixelCharacters(bool transparent) {
    std::vector<unsigned char> out;
    for (int c = 33; c < 127; ++c)
        if (c != '"' && c != '\\' && c != '?')
            out.push_back(static_cast<unsigned char>(c));
    for (int c = 128; c < 256; ++c)
        out.push_back(static_cast<unsigned char>(c));
    for (int c = 1; c < 32; ++c)
        out.push_back(static_cast<unsigned char>(c));
    for (unsigned char c : {'"', '\\', '?', '\177', '\0'})
        out.push_back(c);
    if (!transparent)
        out.push_back(' ');
    return out;
}

Xpm encode(const Icon& icon) {
    const size_t count = icon.pixels.size();
    std::vector<bool> clear(count);
    std::vector<Rgb8> colour(count);
    bool transparent = false;
    const Rgba ground = rgb(icon.ground[0], icon.ground[1], icon.ground[2]);
    // Half-covered pixels become opaque, blended with the ground they will be
    // seen on; less covered ones become transparent.
    for (size_t i = 0; i < count; ++i) {
        const Rgba& p = icon.pixels[i];
        clear[i] = p.a < 0.5;
        transparent = transparent || clear[i];
        colour[i] = toRgb8(mix(ground, p, p.a));
    }
    const size_t opaque = size_t(icon.colours) - (transparent ? 1 : 0);

    std::map<Rgb8, int> histogram;
    for (size_t i = 0; i < count; ++i)
        if (!clear[i])
            ++histogram[colour[i]];
    if (histogram.size() > opaque) {
        const auto mapping = reduce(histogram, opaque);
        histogram.clear();
        for (size_t i = 0; i < count; ++i)
            if (!clear[i])
                ++histogram[colour[i] = mapping.at(colour[i])];
    }
    Xpm xpm;
    // Too few distinct colours (or means that coincide): split the most
    // frequent colour by moving single pixels one level in one channel.
    while (histogram.size() < opaque) {
        auto most = std::max_element(histogram.begin(), histogram.end(),
                                     [](const auto& p, const auto& q) { return p.second < q.second; });
        if (most->second < 2)
            throw std::runtime_error(icon.name + ": too few pixels for its colours");
        const Rgb8 from = most->first, to = freshNeighbour(from, histogram);
        size_t seen = 0, pick = size_t(most->second / 2);
        for (size_t i = 0; i < count; ++i)
            if (!clear[i] && colour[i] == from && seen++ == pick) {
                colour[i] = to;
                break;
            }
        --most->second;
        histogram[to] = 1;
        ++xpm.nudged;
    }

    const std::vector<unsigned char> chars = pixelCharacters(transparent);
    std::map<Rgb8, unsigned char> charOf;
    std::string map;
    if (transparent)
        map += std::string(" \0\0\0", 4);
    size_t next = 0;
    for (const auto& entry : histogram) {
        const Rgb8& c = entry.first;
        const unsigned char ch = chars.at(next++);
        charOf[c] = ch;
        map += static_cast<char>(ch);
        for (int v : c)
            map += static_cast<char>(v);
    }
    std::ostringstream header;
    header << icon.width << ' ' << icon.height << " -" << icon.colours << " 1";
    xpm.strings = {header.str(), map};
    for (int y = 0; y < icon.height; ++y) {
        std::string row;
        for (int x = 0; x < icon.width; ++x) {
            const size_t i = size_t(y * icon.width + x);
            row += clear[i] ? ' ' : static_cast<char>(charOf.at(colour[i]));
            xpm.shown.push_back(clear[i] ? icon.ground : colour[i]);
        }
        xpm.strings.push_back(row);
    }
    return xpm;
}

// A picture's rows as 8-bit RGBA bytes, top to bottom.
std::string rgba8(const Canvas& c) {
    std::string bytes;
    for (const Rgba& p : c.pixels()) {
        const Rgb8 v = toRgb8(p);
        for (int channel : {v[0], v[1], v[2], int(std::lround(clamp01(p.a) * 255))})
            bytes += static_cast<char>(channel);
    }
    return bytes;
}

// A C++ string literal for any bytes: printable ASCII as is, quotes,
// backslashes and question marks escaped, everything else as three-digit
// octal (which cannot run into a following digit).
std::string literal(const std::string& bytes) {
    std::string out = "\"";
    for (unsigned char c : bytes) {
        if (c == '"' || c == '\\' || c == '?') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 32 && c < 127) {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", c);
            out += buf;
        }
    }
    return out + "\"";
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

// The program's own icon at the sizes the windows hand to the desktop.
const int windowIconSizes[] = {16, 32, 48, 64};

void writeSource(const std::string& path, const std::vector<Icon>& icons, const std::vector<Xpm>& xpms,
                 const std::vector<Canvas>& windowIcons) {
    std::ostringstream out;
    out << "// Generated by tools/make_icons.cpp; rerun `make icons` to rewrite it.\n"
           "// Each picture is an XPM array in the toolkit's compressed colour-map form:\n"
           "// the header's negative colour count announces one string of 4-byte entries\n"
           "// (pixel character, red, green, blue); a leading blank entry is transparent.\n"
           "#include \"ui/Icons.h\"\n";
    for (size_t k = 0; k < icons.size(); ++k) {
        const Icon& icon = icons[k];
        const Xpm& xpm = xpms[k];
        out << "\n// " << icon.comment << "\nstatic const char* const " << icon.name << "Data[] = {\n    "
            << literal(xpm.strings[0]) << ",\n";
        const std::string& map = xpm.strings[1];
        for (size_t i = 0; i < map.size(); i += 32)
            out << "    " << literal(map.substr(i, 32)) << (i + 32 >= map.size() ? ",\n" : "\n");
        for (size_t i = 2; i < xpm.strings.size(); ++i)
            out << "    " << literal(xpm.strings[i]) << ",\n";
        out << "};\nFl_Pixmap " << icon.name << "(" << icon.name << "Data);\n";
    }
    out << "\n// The program's own icon, the logo's sunflower head, as rows of 8-bit RGBA.\n";
    std::string list;
    for (const Canvas& c : windowIcons) {
        const std::string name = "programIcon" + std::to_string(c.width());
        const std::string bytes = rgba8(c);
        out << "static const unsigned char " << name << "Data[] =\n";
        for (size_t i = 0; i < bytes.size(); i += 32)
            out << "    " << literal(bytes.substr(i, 32)) << (i + 32 >= bytes.size() ? ";\n" : "\n");
        out << "static Fl_RGB_Image " << name << "(" << name << "Data, " << c.width() << ", " << c.height()
            << ", 4);\n";
        list += (list.empty() ? "&" : ", &") + name;
    }
    out << "const Fl_RGB_Image* programIcons[] = {" << list << "};\n";
    writeFile(path, out.str());
}

// All icons, four times their size on their grounds, in a column-wrapped sheet.
void writeSheet(const std::string& path, const std::vector<Icon>& icons, const std::vector<Xpm>& xpms) {
    const int zoom = 4, gap = 8, sheetW = 900;
    struct Place { int x, y; };
    std::vector<Place> places;
    int x = gap, y = gap, rowH = 0;
    for (const Icon& icon : icons) {
        if (x + icon.width * zoom + gap > sheetW)
            x = gap, y += rowH + gap, rowH = 0;
        places.push_back({x, y});
        x += icon.width * zoom + gap;
        rowH = std::max(rowH, icon.height * zoom);
    }
    const int sheetH = y + rowH + gap;
    std::vector<unsigned char> img(size_t(sheetW * sheetH * 3), 200);
    for (size_t k = 0; k < icons.size(); ++k)
        for (int py = 0; py < icons[k].height * zoom; ++py)
            for (int px = 0; px < icons[k].width * zoom; ++px) {
                const Rgb8& c = xpms[k].shown[size_t((py / zoom) * icons[k].width + px / zoom)];
                unsigned char* d = &img[size_t(((places[k].y + py) * sheetW + places[k].x + px) * 3)];
                d[0] = static_cast<unsigned char>(c[0]), d[1] = static_cast<unsigned char>(c[1]),
                d[2] = static_cast<unsigned char>(c[2]);
            }
    std::ostringstream out;
    out << "P6\n" << sheetW << ' ' << sheetH << "\n255\n";
    out.write(reinterpret_cast<const char*>(img.data()), std::streamsize(img.size()));
    writeFile(path, out.str());
}

// A picture as an 8-bit RGBA PNG, unfiltered rows, deflated.
std::string png(const Canvas& c) {
    std::string raw;
    const std::string bytes = rgba8(c);
    const size_t row = size_t(c.width()) * 4;
    for (size_t i = 0; i < bytes.size(); i += row)
        raw += '\0' + bytes.substr(i, row);
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(&packed[0]), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
                  uLong(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("cannot compress a picture");
    packed.resize(packedSize);

    auto bigEndian = [](uint32_t v) {
        return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    };
    auto chunk = [&](const char* type, const std::string& data) {
        const std::string body = type + data;
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()));
        return bigEndian(uint32_t(data.size())) + body + bigEndian(uint32_t(crc));
    };
    // Width, height, 8 bits a channel, RGBA, standard compression and filters, no interlace.
    const std::string header = bigEndian(uint32_t(c.width())) + bigEndian(uint32_t(c.height())) + "\x08\x06" + std::string(3, '\0');
    return "\x89PNG\r\n\x1a\n" + chunk("IHDR", header) + chunk("IDAT", packed) + chunk("IEND", "");
}

// ---- Pictures --------------------------------------------------------------

// Two crossing families of logarithmic spirals around (cx, cy), m and n arms,
// at right angles everywhere; integer u or v lies on a spiral.
struct SpiralLattice {
    double cx, cy, m, n;
    void at(double x, double y, double& u, double& v) const {
        const double r = std::max(1e-6, std::hypot(x - cx, y - cy)), t = std::atan2(y - cy, x - cx);
        u = (m * t + n * std::log(r)) / (2 * pi);
        v = (n * t - m * std::log(r)) / (2 * pi);
    }
    // Distance in pixels from the nearest spiral of each family.
    void lineDistances(double x, double y, double& du, double& dv) const {
        double u, v;
        at(x, y, u, v);
        const double r = std::max(1e-6, std::hypot(x - cx, y - cy));
        const double gradient = std::sqrt(m * m + n * n) / (2 * pi * r);
        du = std::abs(u - std::round(u)) / gradient;
        dv = std::abs(v - std::round(v)) / gradient;
    }
};

Shape everywhere() {
    return [](double, double) { return true; };
}

Shape disc(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape rect(double x0, double y0, double x1, double y1) {
    return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

Shape stroke(std::vector<std::array<double, 2>> points, double width) {
    return [=](double x, double y) {
        for (size_t i = 1; i < points.size(); ++i)
            if (distToSegment(x, y, points[i - 1][0], points[i - 1][1], points[i][0], points[i][1]) <= width / 2)
                return true;
        return false;
    };
}

Canvas planar() {
    Canvas c(32, 32, 8);
    // The disc tilted back and turned a little: screen point -> disc (u, v).
    const double cx = 16, cy = 15, rx = 14.5, ry = 7.5, turn = -0.22;
    auto toDisc = [=](double x, double y, double& u, double& v) {
        const double dx = x - cx, dy = y - cy;
        u = (dx * std::cos(turn) + dy * std::sin(turn)) / rx;
        v = (-dx * std::sin(turn) + dy * std::cos(turn)) / ry;
    };
    // The rim: the same disc seen a little lower, in grey.
    c.paint([=](double x, double y) { double u, v; toDisc(x, y - 2.5, u, v); return u * u + v * v <= 1; },
            [](double, double y) { return mix(rgb(170, 170, 178), rgb(120, 120, 130), clamp01((y - 14) / 12)); });
    c.paint([=](double x, double y) { double u, v; toDisc(x, y, u, v); return u * u + v * v <= 1; },
            [=](double x, double y) {
                double u, v;
                toDisc(x, y, u, v);
                const double light = 1 - 0.16 * (u + v + 2) / 4;
                const bool cross = (std::abs(u) < 0.1 || std::abs(v) < 0.13) && u * u + v * v < 0.78;
                return scaled(cross ? rgb(235, 20, 20) : rgb(255, 255, 255), light);
            });
    return c;
}

Canvas spheric() {
    Canvas c(32, 32, 8);
    const double cx = 16, cy = 16, R = 14.6;
    // Rotation of the sphere's own frame against the view.
    const double tilt = 0.45, spin = 0.35;
    c.paint(disc(cx, cy, R), [=](double x, double y) {
        const double nx = (x - cx) / R, ny = -(y - cy) / R, nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
        // Lambert and a highlight, light from the upper left front.
        const double lx = -0.45, ly = 0.55, lz = 0.7;
        const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
        const double hz = 0.5 * (lz + 1), hx = 0.5 * lx, hy = 0.5 * ly, hl = std::sqrt(hx * hx + hy * hy + hz * hz);
        const double specular = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hl), 40);
        // Into the sphere's frame: around x by tilt, then around its axis by spin.
        const double y1 = ny * std::cos(tilt) - nz * std::sin(tilt), z1 = ny * std::sin(tilt) + nz * std::cos(tilt);
        const double x2 = nx * std::cos(spin) - z1 * std::sin(spin), z2 = nx * std::sin(spin) + z1 * std::cos(spin);
        bool red = std::abs(y1) < 0.07;  // equator
        for (double phi : {0.0, pi / 3, 2 * pi / 3})
            red = red || std::abs(x2 * std::cos(phi) - z2 * std::sin(phi)) < 0.07;
        const Rgba base = red ? rgb(225, 25, 30) : rgb(255, 255, 255);
        const double k = 0.28 + 0.8 * diffuse;
        Rgba lit = scaled(base, k);
        return mix(lit, rgb(255, 255, 255), 0.7 * specular);
    });
    return c;
}

Canvas formula(const char* variable, bool root, bool squared) {
    Canvas c(32, 32, 8);
    TextMask text(c);
    const Rgba black = rgb(0, 0, 0);
    if (root) {
        text.draw(variable, FL_TIMES_ITALIC, 22, 21.5, 18.5);
        c.paint(stroke({{2.5, 18}, {5.5, 16}, {10, 28}}, 2.2), solid(black));
        c.paint(stroke({{10, 28}, {14.5, 5.5}, {30, 5.5}}, 1.7), solid(black));
    } else if (squared) {
        text.draw(variable, FL_TIMES_ITALIC, 27, 12.5, 19);
        text.draw("2", FL_TIMES_BOLD, 15, 25.5, 8.5);
    } else {
        text.draw(variable, FL_TIMES_ITALIC, 34, 16, 16);
    }
    c.paint([&](double x, double y) { return text.covers(x, y); }, solid(black));
    return c;
}

const SpiralLattice patchLattice{0, 32, 13, 21};

// Shade of a lattice cell: lighter in its middle, darker at its borders.
double cellRelief(double u, double v) {
    const double fu = u - std::floor(u) - 0.5, fv = v - std::floor(v) - 0.5;
    return 1.0 - 0.9 * (fu * fu + fv * fv);
}

Canvas adaptiveSpirals() {
    Canvas c(32, 32, 8);
    c.paint(everywhere(), [](double x, double y) {
        double u, v;
        patchLattice.at(x, y, u, v);
        const double band = std::floor(u), across = std::floor(v);
        // The bands cycle through blue, cyan and green.
        const double hues[] = {0.62, 0.5, 0.36, 0.55};
        const double hue = hues[int(band - 4 * std::floor(band / 4))] + 0.02 * std::sin(across);
        const double value = (0.62 + 0.3 * cellRelief(u, v)) * (0.85 + 0.15 * ((int(across) & 1) ? 1 : 0)) *
                             (0.8 + 0.2 * x / 32);
        return hsv(hue, 0.8 - 0.2 * y / 32, value);
    });
    return c;
}

Canvas fixedSpirals() {
    Canvas c(32, 32, 8);
    c.paint(everywhere(), [](double x, double y) {
        double u, v;
        patchLattice.at(x, y, u, v);
        const bool inBand = (int(std::floor(u)) & 1) == 0;
        const double relief = cellRelief(u, v), light = 0.85 + 0.15 * (x + y) / 64;
        if (inBand)
            return hsv(0.99 + 0.02 * std::sin(v), 0.85, (0.55 + 0.45 * relief) * light);
        return hsv(0.02, 0.1 + 0.1 * (1 - relief), (0.82 + 0.12 * relief) * light);
    });
    return c;
}

Canvas lines() {
    Canvas c(32, 32, 8);
    c.paint([](double x, double y) {
        // Near the centre the spirals crowd into a blot.
        if (std::hypot(x - patchLattice.cx, y - patchLattice.cy) < 7)
            return false;
        double du, dv;
        patchLattice.lineDistances(x, y, du, dv);
        return std::min(du, dv) < 0.55;
    }, solid(rgb(0, 0, 0)));
    return c;
}

// The family lights' eight colours.
const Rgba familyColours[] = {rgb(255, 0, 0),   rgb(255, 109, 0), rgb(255, 255, 0), rgb(63, 255, 0),
                              rgb(0, 255, 191), rgb(0, 145, 255), rgb(127, 0, 255), rgb(255, 0, 255)};

Canvas polygons() {
    Canvas c(32, 32, 1);
    c.paint(everywhere(), [](double x, double y) {
        double u, v;
        patchLattice.at(x, y, u, v);
        const int k = int(std::floor(u)) + 3 * int(std::floor(v));
        return familyColours[((k % 8) + 8) % 8];
    });
    return c;
}

Canvas points() {
    Canvas c(32, 32, 8);
    c.paint(disc(16, 16, 15.5), solid(rgb(135, 135, 135)));
    const int count = 24;
    for (int i = 1; i <= count; ++i) {
        const double r = 13 * std::sqrt((i - 0.5) / count), t = i * goldenAngle;
        // Three colours leave no room for soft edges: square dots read best.
        const double x = std::round(16 + r * std::cos(t)), y = std::round(16 + r * std::sin(t));
        c.paint(rect(x - 1, y - 1, x + 1, y + 1), solid(rgb(235, 0, 0)));
    }
    return c;
}

Canvas flowOffsetStrip() {
    Canvas c(42, 12, 4);
    c.paint(everywhere(), [](double x, double y) {
        const double shade = 1 - 0.35 * std::pow(std::abs(y - 4.5) / 7.5, 1.5);
        return hsv(5.0 / 6 * x / 42, 1 - 0.25 * clamp01((4 - y) / 4), shade);
    });
    return c;
}

Canvas colorFlow() {
    Canvas c(32, 32, 8);
    c.paint(disc(16, 16, 15), [](double x, double y) {
        const double dx = x - 16, dy = y - 16, r = std::hypot(dx, dy);
        const double hue = std::atan2(dy, dx) / (2 * pi) + 0.05 * r;
        const double shade = 1 - 0.3 * ((dx + dy) / 30 + 0.5) * (r / 15);
        return hsv(hue, clamp01(0.25 + r / 10), shade);
    });
    return c;
}

// Ten bars, 1 to 10 pixels wide, three pixels apart; rows 0 and 11 stay empty.
Canvas ramp(bool growingHeight) {
    Canvas c(84, 12, 1);
    double x = 1;
    for (int i = 0; i < 10; ++i) {
        const double top = growingHeight ? 10 - i : 1;
        c.paint(rect(x, top, x + i + 1, 11), solid(rgb(0, 0, 0)));
        x += i + 1 + 3;
    }
    return c;
}

Canvas marker() {
    Canvas c(32, 32, 8);
    c.paint(disc(16, 16, 15), [](double x, double y) {
        const double dx = x - 16, dy = y - 16, r = std::max(1e-6, std::hypot(dx, dy));
        const double turn = (2 * std::atan2(dy, dx) + 2.2 * std::log(r)) / (2 * pi);
        const double f = turn - std::floor(turn);
        // Softened arm edges: the picture needs its 122 colours.
        const double arm = smoothstep(0.0, 0.04, f) - smoothstep(0.46, 0.5, f);
        const Rgba green = scaled(rgb(40, 220, 60), 1.1 - 0.4 * (dx + dy + 30) / 60);
        return mix(rgb(12, 22, 12), green, arm);
    });
    return c;
}

Canvas flatSmooth() {
    Canvas c(32, 32, 1);
    c.paint(rect(4, 1, 15, 31), solid(rgb(0, 0, 0)));
    for (int b = 0; b < 3; ++b)
        c.paint(rect(5, 2 + 10 * b, 14, 7 + 10 * b), solid(rgb(255, 255, 255)));
    c.paint(rect(17, 1, 28, 31), [](double, double y) {
        const double v = 255 * (1 - (y - 1.5) / 29);
        return rgb(v, v, v);
    });
    return c;
}

// A light bulb: a round glass narrowing to a neck, on a screw base.
bool inGlass(double x, double y) {
    if (std::hypot(x - 16, y - 12) <= 9.5)
        return true;
    if (y < 12 || y > 22.5)
        return false;
    const double t = (y - 12) / 10.5;
    const double half = 9.5 - 5.0 * std::sin(t * pi / 2);
    return std::abs(x - 16) <= half;
}

void paintBase(Canvas& c) {
    c.paint(rect(11.5, 22, 20.5, 28), [](double x, double y) {
        const double thread = 0.5 + 0.5 * std::cos((y - 22) * 2 * pi / 2.0);
        const double round = 1 - 0.5 * std::pow(std::abs(x - 15) / 5.5, 2);
        return scaled(mix(rgb(120, 120, 125), rgb(215, 215, 220), thread), round);
    });
    c.paint([](double x, double y) { return y >= 28 && y < 30.5 && std::abs(x - 16) <= 3.2 - (y - 28) * 0.6; },
            solid(rgb(40, 40, 40)));
}

const std::vector<std::array<double, 2>> filament = {{13, 18}, {13.5, 11}, {14.5, 13}, {15.5, 10}, {16.5, 13}, {17.5, 10}, {18.5, 13}, {19, 18}};

Canvas lightingOn() {
    Canvas c(32, 32, 8);
    // Rays and halo first, then the glass over them.
    for (int i = 0; i < 9; ++i) {
        const double t = pi * (1.1 + i * 0.1);
        const double cx = 16 + std::cos(t) * 12.5, cy = 12 + std::sin(t) * 12.5;
        const double ex = 16 + std::cos(t) * 15.5, ey = 12 + std::sin(t) * 15.5;
        c.paint(stroke({{cx, cy}, {ex, ey}}, 1.8), [=](double x, double y) {
            return mix(rgb(255, 250, 150), rgb(255, 190, 20), clamp01(std::hypot(x - cx, y - cy) / 3));
        });
    }
    c.paint(disc(16, 12, 11.8), [](double x, double y) {
        const double r = std::hypot(x - 16, y - 12);
        return rgb(255, 240, 120, 1 - smoothstep(9.0, 11.8, r) * 0.55);
    });
    c.paint(inGlass, [](double x, double y) {
        const double r = std::hypot(x - 16, y - 12.5);
        const Rgba glow = mix(rgb(255, 255, 235), rgb(255, 200, 30), smoothstep(2, 11, r));
        return scaled(glow, 1.04 - 0.1 * clamp01((x - 8) / 16));
    });
    c.paint(stroke(filament, 1.1), [](double, double y) { return mix(rgb(255, 255, 255), rgb(255, 150, 40), (y - 10) / 8); });
    paintBase(c);
    return c;
}

Canvas lightingOff() {
    Canvas c(32, 32, 8);
    c.paint(inGlass, [](double x, double y) {
        const double r = std::hypot(x - 13, y - 8);
        Rgba glass = scaled(mix(rgb(100, 108, 122), rgb(30, 33, 42), smoothstep(0, 15, r)), 1.1 - 0.2 * clamp01((y - 3) / 20));
        const double edge = std::hypot(x - 16, y - 12);
        if (y < 14)
            glass = mix(glass, rgb(120, 125, 140), smoothstep(8.0, 9.5, edge) * 0.6);
        const double glint = std::exp(-(std::pow(x - 12, 2) / 2.0 + std::pow(y - 7.5, 2) / 4.0));
        return mix(glass, rgb(210, 215, 230), 0.8 * glint);
    });
    c.paint(stroke(filament, 1.0), solid(rgb(20, 20, 22)));
    paintBase(c);
    return c;
}

// ---- The sunflower head: the logo's and the program's own icon -------------

// Lengths in units of a 64-unit square centred on the head; the raster and the
// SVG drawing read the same figures.
namespace sunflower {
constexpr double centre = 32;
constexpr int petalsPerRing = 21;
constexpr double petalMid = 20.5, petalHalfLength = 10.5, petalHalfWidth = 3.6;
constexpr double petalFadeFrom = 12, petalFadeTo = 26;  // base colour to tip colour, along the petal
constexpr double backRingShade = 0.82;
constexpr double discRadius = 14.5, discFadeFrom = 8;
constexpr int seeds = 150;
constexpr double seedSpread = 13.5, seedRadius = 0.75;
const Rgba petalBase = rgb(235, 130, 0), petalTip = rgb(255, 215, 20);
const Rgba discInner = rgb(95, 55, 15), discOuter = rgb(50, 25, 5);
const Rgba seedInner = rgb(190, 130, 40), seedOuter = rgb(120, 70, 20);

// Direction of petal i of a ring, in radians; the back ring (0) sits between the front's petals.
double petalAngle(int ring, int i) { return (i + 0.5 * ring) * 2 * pi / petalsPerRing; }

struct Seed {
    double x, y, r;  // position, and distance from the centre
};

Seed seed(int i) {
    const double r = seedSpread * std::sqrt((i - 0.5) / seeds), t = i * goldenAngle;
    return {centre + r * std::cos(t), centre + r * std::sin(t), r};
}

Rgba seedColour(const Seed& s) { return mix(seedInner, seedOuter, s.r / seedSpread); }
}  // namespace sunflower

// Paints the head with `unit` canvas pixels to a unit, its square at the canvas's corner.
void paintSunflower(Canvas& c, double unit) {
    using namespace sunflower;
    auto inUnits = [unit](const Shape& s) { return Shape([=](double x, double y) { return s(x / unit, y / unit); }); };
    auto shadeInUnits = [unit](const Shader& s) { return Shader([=](double x, double y) { return s(x / unit, y / unit); }); };
    for (int ring = 0; ring < 2; ++ring)
        for (int i = 0; i < petalsPerRing; ++i) {
            const double t = petalAngle(ring, i);
            const double px = std::cos(t), py = std::sin(t);
            auto local = [=](double x, double y, double& along, double& across) {
                along = (x - centre) * px + (y - centre) * py;
                across = -(x - centre) * py + (y - centre) * px;
            };
            c.paint(inUnits([=](double x, double y) {
                double a, s;
                local(x, y, a, s);
                const double e = (a - petalMid) / petalHalfLength, f = s / petalHalfWidth;
                return e * e + f * f <= 1;
            }), shadeInUnits([=](double x, double y) {
                double a, s;
                local(x, y, a, s);
                const Rgba petal = mix(petalBase, petalTip, smoothstep(petalFadeFrom, petalFadeTo, a));
                return scaled(petal, (ring == 0 ? backRingShade : 1.0) * (1 - 0.25 * std::abs(s) / petalHalfWidth));
            }));
        }
    c.paint(inUnits(disc(centre, centre, discRadius)), shadeInUnits([](double x, double y) {
        const double r = std::hypot(x - centre, y - centre);
        return mix(discInner, discOuter, smoothstep(discFadeFrom, discRadius, r));
    }));
    for (int i = 1; i <= seeds; ++i) {
        const Seed s = seed(i);
        c.paint(inUnits(disc(s.x, s.y, seedRadius)), solid(seedColour(s)));
    }
}

// The head as SVG. Gradients stand in for the raster's shading: along each
// petal, darker towards its sides (a black veil), and out across the disc.
std::string sunflowerSvg() {
    using namespace sunflower;
    std::ostringstream out;
    auto colour = [](const Rgba& c) {
        const Rgb8 v = toRgb8(c);
        char buf[8];
        std::snprintf(buf, sizeof buf, "#%02x%02x%02x", v[0], v[1], v[2]);
        return std::string(buf);
    };
    auto number = [](double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.3f", v);
        std::string s = buf;
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
        return s;
    };
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
           "  <title>Spiravel</title>\n  <defs>\n";
    for (int ring = 0; ring < 2; ++ring) {
        const double shade = ring == 0 ? backRingShade : 1.0;
        out << "    <linearGradient id=\"petal" << ring << "\" gradientUnits=\"userSpaceOnUse\" x1=\""
            << number(petalFadeFrom) << "\" y1=\"0\" x2=\"" << number(petalFadeTo) << "\" y2=\"0\">"
            << "<stop offset=\"0\" stop-color=\"" << colour(scaled(petalBase, shade)) << "\"/>"
            << "<stop offset=\"1\" stop-color=\"" << colour(scaled(petalTip, shade)) << "\"/></linearGradient>\n";
    }
    // The raster darkens a petal by a quarter at its sides, as a black veil of that opacity would.
    out << "    <linearGradient id=\"sides\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" << number(-petalHalfWidth)
        << "\" x2=\"0\" y2=\"" << number(petalHalfWidth) << "\">"
        << "<stop offset=\"0\" stop-opacity=\"0.25\"/><stop offset=\"0.5\" stop-opacity=\"0\"/>"
        << "<stop offset=\"1\" stop-opacity=\"0.25\"/></linearGradient>\n";
    out << "    <radialGradient id=\"disc\" gradientUnits=\"userSpaceOnUse\" cx=\"" << number(centre) << "\" cy=\""
        << number(centre) << "\" r=\"" << number(discRadius) << "\">"
        << "<stop offset=\"" << number(discFadeFrom / discRadius) << "\" stop-color=\"" << colour(discInner) << "\"/>"
        << "<stop offset=\"1\" stop-color=\"" << colour(discOuter) << "\"/></radialGradient>\n  </defs>\n";
    const std::string petal = "<ellipse cx=\"" + number(petalMid) + "\" cy=\"0\" rx=\"" + number(petalHalfLength) +
                              "\" ry=\"" + number(petalHalfWidth) + "\" fill=\"url(#";
    for (int ring = 0; ring < 2; ++ring)
        for (int i = 0; i < petalsPerRing; ++i)
            out << "  <g transform=\"translate(" << number(centre) << ' ' << number(centre) << ") rotate("
                << number(petalAngle(ring, i) * 180 / pi) << ")\">" << petal << "petal" << ring << ")\"/>" << petal
                << "sides)\"/></g>\n";
    out << "  <circle cx=\"" << number(centre) << "\" cy=\"" << number(centre) << "\" r=\"" << number(discRadius)
        << "\" fill=\"url(#disc)\"/>\n";
    for (int i = 1; i <= seeds; ++i) {
        const Seed s = seed(i);
        out << "  <circle cx=\"" << number(s.x) << "\" cy=\"" << number(s.y) << "\" r=\"" << number(seedRadius)
            << "\" fill=\"" << colour(seedColour(s)) << "\"/>\n";
    }
    out << "</svg>\n";
    return out.str();
}

Canvas logo() {
    Canvas c(192, 64, 4);
    paintSunflower(c, 1);

    TextMask text(c);
    const double left = 68, right = 189, lineH = 30;
    double size = 40;
    while (std::max(text.inkWidth("Spiravel", FL_HELVETICA_BOLD, size),
                    text.inkWidth("viewer", FL_HELVETICA_BOLD, size)) > right - left)
        size -= 0.5;
    const double mid = (left + right) / 2;
    text.draw("Spiravel", FL_HELVETICA_BOLD, size, mid, 2 + lineH / 2);
    text.draw("viewer", FL_HELVETICA_BOLD, size, mid, 64 - 2 - lineH / 2);
    c.paint([&](double x, double y) { return x > left - 4 && text.near(x, y, 1.4); }, solid(rgb(110, 60, 5)));
    c.paint([&](double x, double y) { return text.covers(x, y); },
            [](double, double y) {
                const double row = std::fmod(y, 32.0) / 32;
                return mix(rgb(255, 245, 90), rgb(255, 185, 0), row);
            });
    return c;
}

// The program's own icon, the logo's sunflower head filling the square;
// small sizes take more samples so the seeds still blend smoothly.
Canvas appIcon(int size) {
    Canvas c(size, size, std::max(4, 256 / size));
    paintSunflower(c, size / 64.0);
    return c;
}

// DIR/SIZExSIZE.png at each size the desktop looks for, and DIR/scalable.svg.
void writeAppIcons(const std::string& dir) {
    for (int size : {16, 32, 48, 64, 128, 256})
        writeFile(dir + "/" + std::to_string(size) + "x" + std::to_string(size) + ".png", png(appIcon(size)));
    writeFile(dir + "/scalable.svg", sunflowerSvg());
}

// The colour in the middle of a box as the toolkit draws it: plastic boxes
// come out much lighter than their colour index.
Rgb8 boxFace(Fl_Boxtype box, Fl_Color colour) {
    const int size = 36;
    Fl_Offscreen off = fl_create_offscreen(size, size);
    fl_begin_offscreen(off);
    fl_draw_box(box, 0, 0, size, size, colour);
    uchar pixel[3];
    fl_read_image(pixel, size / 2, size / 2, 1, 1);
    fl_end_offscreen();
    fl_delete_offscreen(off);
    return {pixel[0], pixel[1], pixel[2]};
}

Icon icon(const char* name, int colours, const Canvas& c, Rgb8 ground, const char* comment) {
    return {name, c.width(), c.height(), colours, c.pixels(), ground, comment};
}

void writeEverything(const char* source, const char* iconDir, const char* sheet) {
    fl_open_display();
    const Rgb8 palette = boxFace(FL_PLASTIC_UP_BOX, 41);  // the palette's buttons and boxes
    const Rgb8 white = boxFace(FL_RSHADOW_BOX, FL_WHITE);  // the About box's logo panel

    const std::vector<Icon> icons = {
        icon("planarIcon", 114, planar(), palette, "A flat white disc seen at a slant, with a red cross."),
        icon("sphericIcon", 255, spheric(), palette, "A shaded white sphere crossed by red great circles."),
        icon("uniformDensityIcon", 2, formula("x", true, false), palette, "The square root of x."),
        icon("naturalDensityIcon", 2, formula("x", false, false), palette, "x."),
        icon("slowCentreIcon", 2, formula("x", false, true), palette, "x squared."),
        icon("adaptiveSpiralsIcon", 256, adaptiveSpirals(), palette, "Polygon bands in blues, cyans and greens."),
        icon("fixedSpiralsIcon", 256, fixedSpirals(), palette, "Red polygon bands of one spiral family."),
        icon("linesIcon", 2, lines(), palette, "Thin black lines of two crossing spiral families."),
        icon("polygonsIcon", 8, polygons(), palette, "Quadrilaterals in the eight family colours."),
        icon("pointsIcon", 3, points(), palette, "Red dots on a grey disc."),
        icon("flowOffsetStripIcon", 73, flowOffsetStrip(), palette, "A rainbow from red to magenta."),
        icon("colorFlowIcon", 255, colorFlow(), palette, "A disc with a rainbow swirl."),
        icon("sizeRampIcon", 2, ramp(true), palette, "Ten black bars growing in width and height."),
        icon("markerIcon", 122, marker(), palette, "A two-armed swirl in green and black."),
        icon("widthRampIcon", 2, ramp(false), palette, "Ten black bars growing in width."),
        icon("flatSmoothIcon", 30, flatSmooth(), palette, "Flat black and white blocks beside a smooth grey gradient."),
        icon("lightingOnIcon", 230, lightingOn(), palette, "A glowing light bulb."),
        icon("lightingOffIcon", 216, lightingOff(), palette, "An unlit, dark light bulb."),
        icon("logoIcon", 64, logo(), white, "A sunflower head beside the program's name."),
    };
    std::vector<Xpm> xpms;
    for (const Icon& i : icons) {
        xpms.push_back(encode(i));
        if (xpms.back().nudged)
            std::fprintf(stderr, "%s: %d pixels moved one level to make %d colours\n", i.name.c_str(),
                         xpms.back().nudged, i.colours);
    }
    std::vector<Canvas> windowIcons;
    for (int size : windowIconSizes)
        windowIcons.push_back(appIcon(size));
    writeSource(source, icons, xpms, windowIcons);
    writeAppIcons(iconDir);
    if (sheet)
        writeSheet(sheet, icons, xpms);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp ICON_DIR [SHEET.ppm]\n", argv[0]);
        return 2;
    }
    try {
        writeEverything(argv[1], argv[2], argc > 3 ? argv[3] : nullptr);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}

