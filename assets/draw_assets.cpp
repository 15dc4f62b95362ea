// Draws the tool's icon and example pictures. Native helper, not part of the .exe:
//   draw_assets FONT_FILE OUT_DIR
// Output must be byte-identical on every run, so: no clocks, no metadata chunks,
// fixed zlib settings and a fixed-seed generator.
#include <ft2build.h>
#include FT_FREETYPE_H
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------- geometry

constexpr double kPi = std::numbers::pi;

struct V {
    double x, y;
};
V operator+(V a, V b) { return {a.x + b.x, a.y + b.y}; }
V operator-(V a, V b) { return {a.x - b.x, a.y - b.y}; }
V operator*(V a, double k) { return {a.x * k, a.y * k}; }
double dot(V a, V b) { return a.x * b.x + a.y * b.y; }
double len(V a) { return std::sqrt(dot(a, a)); }

// Shapes are signed distance functions: negative inside. That makes outlines
// (grow by a width) and cel shading (shift the shape) one-liners.
using Sdf = std::function<double(V)>;

Sdf ellipse(V c, V r, double turnDeg = 0) {
    double cs = std::cos(turnDeg * kPi / 180), sn = std::sin(turnDeg * kPi / 180);
    return [=](V p) {
        V d = p - c;
        V q{d.x * cs + d.y * sn, -d.x * sn + d.y * cs};
        double k0 = len({q.x / r.x, q.y / r.y});
        double k1 = len({q.x / (r.x * r.x), q.y / (r.y * r.y)});
        return k1 == 0 ? -std::min(r.x, r.y) : k0 * (k0 - 1) / k1;
    };
}
Sdf circle(V c, double r) { return ellipse(c, {r, r}); }

// Exact polygon distance; `round` grows it so corners come out soft.
Sdf polygon(std::vector<V> v, double round = 0) {
    return [=](V p) {
        double d = dot(p - v[0], p - v[0]), s = 1;
        for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
            V e = v[j] - v[i], w = p - v[i];
            V b = w - e * std::clamp(dot(w, e) / dot(e, e), 0.0, 1.0);
            d = std::min(d, dot(b, b));
            bool c1 = p.y >= v[i].y, c2 = p.y < v[j].y, c3 = e.x * w.y > e.y * w.x;
            if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
        }
        return s * std::sqrt(d) - round;
    };
}

// A stroke along a polyline; radius(t) gives its width, t running 0..1 along its length.
Sdf stroke(std::vector<V> pts, std::function<double(double)> radius) {
    std::vector<double> at{0};
    for (size_t i = 1; i < pts.size(); ++i) at.push_back(at.back() + len(pts[i] - pts[i - 1]));
    return [=](V p) {
        double best = 1e9;
        for (size_t i = 1; i < pts.size(); ++i) {
            V e = pts[i] - pts[i - 1], w = p - pts[i - 1];
            double h = std::clamp(dot(w, e) / dot(e, e), 0.0, 1.0);
            double t = (at[i - 1] + h * (at[i] - at[i - 1])) / at.back();
            best = std::min(best, len(w - e * h) - radius(t));
        }
        return best;
    };
}
Sdf line(V a, V b, double r) { return stroke({a, b}, [r](double) { return r; }); }

std::vector<V> bezier(V a, V b, V c, V d, int n = 24) {
    std::vector<V> out;
    for (int i = 0; i <= n; ++i) {
        double t = double(i) / n, u = 1 - t;
        out.push_back(a * (u * u * u) + b * (3 * u * u * t) + c * (3 * u * t * t) + d * (t * t * t));
    }
    return out;
}

Sdf unite(Sdf a, Sdf b, double k = 0) {
    return [=](V p) {
        double x = a(p), y = b(p);
        if (k <= 0) return std::min(x, y);
        double h = std::max(k - std::abs(x - y), 0.0) / k;
        return std::min(x, y) - h * h * k * 0.25;
    };
}
Sdf intersect(Sdf a, Sdf b) { return [=](V p) { return std::max(a(p), b(p)); }; }
Sdf grow(Sdf a, double d) { return [=](V p) { return a(p) - d; }; }

// ---------------------------------------------------------------- painting

struct Rgba {
    double r, g, b, a = 1;  // colour 0..255, alpha 0..1
};
using Paint = std::function<Rgba(V)>;
Paint solid(Rgba c) { return [c](V) { return c; }; }

// Two-tone shading lit from the upper left: the shadow is the crescent the
// shape leaves uncovered when shifted towards the light.
Paint cel(Sdf shape, V shift, Rgba light, Rgba shadow) {
    return [=](V p) { return shape(p + shift) < 0 ? light : shadow; };
}

// Premultiplied RGBA raster drawn in design units: pixel = design * scale + origin.
struct Canvas {
    int w, h;
    double scale;
    V origin;
    int ss;  // supersamples per axis
    std::vector<Rgba> px = std::vector<Rgba>(size_t(w) * h, Rgba{0, 0, 0, 0});

    void fill(const Sdf& shape, const Paint& paint) {
        const double unit = 1 / scale;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                V centre = (V{x + 0.5, y + 0.5} - origin) * unit;
                if (shape(centre) > 3 * unit) continue;  // clear of the pixel
                Rgba sum{0, 0, 0, 0};
                for (int sy = 0; sy < ss; ++sy)
                    for (int sx = 0; sx < ss; ++sx) {
                        V p = (V{x + (sx + 0.5) / ss, y + (sy + 0.5) / ss} - origin) * unit;
                        if (shape(p) >= 0) continue;
                        Rgba c = paint(p);
                        sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
                    }
                if (sum.a == 0) continue;
                double n = ss * ss;
                Rgba& d = px[size_t(y) * w + x];
                double keep = 1 - sum.a / n;
                d = {sum.r / n + d.r * keep, sum.g / n + d.g * keep, sum.b / n + d.b * keep,
                     sum.a / n + d.a * keep};
            }
    }

    // Straight-alpha 8-bit RGBA, top row first.
    std::vector<uint8_t> rgba8() const {
        std::vector<uint8_t> out;
        for (const Rgba& p : px) {
            int a = int(std::lround(std::clamp(p.a, 0.0, 1.0) * 255));
            auto ch = [&](double v) -> uint8_t {
                return a == 0 ? 0 : uint8_t(std::clamp(std::lround(v / p.a), 0L, 255L));
            };
            out.insert(out.end(), {ch(p.r), ch(p.g), ch(p.b), uint8_t(a)});
        }
        return out;
    }
};

// ---------------------------------------------------------------- the cat

const Rgba kInk{50, 48, 66}, kShadow{103, 103, 126}, kLight{136, 136, 159};
const Rgba kPale{172, 172, 194}, kPaleShadow{150, 150, 174}, kInnerEar{156, 132, 172};

struct Style {
    double outline;  // design units
    bool detailed;   // the small icon drops what would turn to mush at 32 px
};

// A body part: dark outline first, then the shaded fill on top of it.
void part(Canvas& cv, const Sdf& s, const Paint& fill, const Style& st) {
    cv.fill(grow(s, st.outline), solid(kInk));
    cv.fill(s, fill);
}

Paint body(const Sdf& s) { return cel(s, {6, 7}, kLight, kShadow); }

// Drawn in a 194 x 193 design space; the icon reuses it at a smaller scale.
void drawCat(Canvas& cv, const Style& st) {
    const bool big = st.detailed;

    // Tail first: it sits behind the body, a bushy curl up the left side.
    auto tailPath = bezier({84, 172}, {40, 186}, {22, 174}, {22, 148});
    auto curl = bezier({22, 148}, {22, 124}, {6, 112}, {4, 132});
    tailPath.insert(tailPath.end(), curl.begin() + 1, curl.end());
    Sdf tail = stroke(tailPath, [](double t) { return 5 + 8 * std::sin(kPi * (0.1 + 0.8 * t)); });
    part(cv, tail, body(tail), st);
    Sdf tip = intersect(tail, circle(tailPath.back(), 16));
    cv.fill(tip, cel(tip, {3, 4}, kPale, kPaleShadow));

    Sdf torso = ellipse({110, 150}, {48, 38});
    part(cv, torso, body(torso), st);
    Sdf chest = intersect(torso, ellipse({106, 150}, {26, 30}));
    cv.fill(chest, cel(chest, {4, 5}, kPale, kPaleShadow));
    for (double fx : {88.0, 134.0}) {
        Sdf foot = ellipse({fx, 179}, {15, 9});
        part(cv, foot, cel(foot, {3, 4}, kPale, kPaleShadow), st);
    }

    // Head: round skull widened by cheek fluff, ears blended in.
    Sdf head = unite(ellipse({106, 80}, {66, 52}), ellipse({106, 100}, {74, 32}), 14);
    Sdf earL = polygon({{40, 74}, {50, 8}, {92, 32}}, 3);
    Sdf earR = polygon({{120, 32}, {162, 8}, {172, 74}}, 3);
    Sdf skull = unite(head, unite(earL, earR), 5);
    part(cv, skull, body(skull), st);
    cv.fill(polygon({{54, 56}, {57, 24}, {82, 39}}, 2), solid(kInnerEar));
    cv.fill(polygon({{130, 39}, {155, 24}, {158, 56}}, 2), solid(kInnerEar));

    // Paler band across the lower face.
    Sdf muzzle = intersect(head, ellipse({106, 114}, {50, 22}));
    cv.fill(muzzle, cel(muzzle, {3, 4}, kPale, kPaleShadow));

    if (big) {
        // Gloom: a violet wash over the brow with dark streaks falling from it.
        cv.fill(intersect(skull, polygon({{0, 0}, {194, 0}, {194, 70}, {0, 70}})), [](V p) {
            return Rgba{60, 50, 96, 0.42 * std::clamp((70 - p.y) / 44, 0.0, 1.0)};
        });
        const double xs[] = {80, 90, 100, 110, 120, 130};
        const double ends[] = {52, 60, 56, 62, 54, 58};
        for (int i = 0; i < 6; ++i)
            cv.fill(line({xs[i], 32}, {xs[i], ends[i]}, 1.3), [&, i](V p) {
                return Rgba{40, 36, 64, 0.9 * (1 - 0.8 * (p.y - 32) / (ends[i] - 32))};
            });
        // Worried brows: inner ends raised.
        cv.fill(line({68, 79}, {88, 72}, 1.5), solid(kInk));
        cv.fill(line({124, 72}, {144, 79}, 1.5), solid(kInk));
    }

    // Small dark dot eyes with a glint.
    for (double ex : {82.0, 130.0}) {
        cv.fill(circle({ex, 91}, big ? 5.5 : 11), solid({30, 28, 42}));
        if (big) cv.fill(circle({ex - 1.8, 89.2}, 1.7), solid({236, 238, 250}));
    }
    cv.fill(polygon({{100, 103}, {112, 103}, {106, 109}}, big ? 1.8 : 5), solid({146, 92, 178}));

    if (big) {
        // Small round open mouth, and whiskers.
        cv.fill(circle({106, 121}, 6.8), solid(kInk));
        cv.fill(circle({106, 121}, 4.8), solid({104, 48, 84}));
        cv.fill(circle({106, 123.2}, 2.4), solid({170, 96, 132}));
        for (int side : {-1, 1})
            for (double dy : {-3.0, 4.0}) {
                V a{106 + side * 30.0, 112 + dy * 0.5}, b{106 + side * 62.0, 110 + dy * 1.6};
                cv.fill(line(a, b, 0.8), solid({50, 48, 66, 0.7}));
            }
        // Sweat drop on the brow.
        Sdf drop = unite(circle({154, 62}, 6.2), polygon({{154, 46}, {148.5, 60}, {159.5, 60}}), 3);
        cv.fill(grow(drop, 1.4), solid({78, 112, 158}));
        cv.fill(drop, cel(drop, {-2, 2}, {188, 224, 250}, {150, 196, 236}));
        cv.fill(ellipse({151.8, 63}, {1.4, 2.4}, -15), solid({250, 252, 255}));
    }

    // One paw raised to the chest; at icon size it would only blur the belly.
    if (!big) return;
    Sdf arm = unite(line({140, 176}, {126, 150}, 11), ellipse({121, 144}, {15, 12}, -20), 6);
    part(cv, arm, body(arm), st);
    for (double tx : {114.0, 121.0, 128.0})
        cv.fill(line({tx, 134 + std::abs(tx - 121) * 0.2}, {tx + 0.6, 139}, 0.9), solid(kInk));
}

// ---------------------------------------------------------------- text

struct Rgb8 {
    uint8_t r, g, b;
    bool operator==(const Rgb8&) const = default;
};
const Rgb8 kWhite{255, 255, 255}, kKey{236, 236, 236};

struct Run {
    std::u32string text;
    Rgb8 colour;
};

struct Image {
    int w, h;
    std::vector<Rgb8> px = std::vector<Rgb8>(size_t(w) * h, kWhite);
    Rgb8& at(int x, int y) { return px[size_t(y) * w + x]; }
};

struct Box {
    int x0, y0, x1, y1;  // inclusive
};

class Font {
public:
    explicit Font(const char* file) {
        if (FT_Init_FreeType(&lib_) || FT_New_Face(lib_, file, 0, &face_))
            throw std::runtime_error(std::string("cannot open font ") + file);
    }
    ~Font() {
        FT_Done_Face(face_);
        FT_Done_FreeType(lib_);
    }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Calls put(x, y, coverage, colour) for every inked pixel with the baseline
    // at y = 0 and the pen starting at x = 0.
    template <class Put>
    void render(const std::vector<Run>& runs, int px, Put put) {
        FT_Set_Pixel_Sizes(face_, 0, px);
        int pen = 0;
        for (const Run& run : runs)
            for (char32_t ch : run.text) {
                const FT_UInt index = FT_Get_Char_Index(face_, ch);
                if (index == 0 && ch != U' ') throw std::runtime_error("glyph missing from font");
                if (FT_Load_Glyph(face_, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL))
                    throw std::runtime_error("cannot render glyph");
                const FT_GlyphSlot g = face_->glyph;
                const FT_Bitmap& bm = g->bitmap;
                for (unsigned r = 0; r < bm.rows; ++r)
                    for (unsigned c = 0; c < bm.width; ++c)
                        if (uint8_t v = bm.buffer[r * bm.pitch + c])
                            put(pen + g->bitmap_left + int(c), int(r) - g->bitmap_top, v, run.colour);
                pen += int(g->advance.x >> 6);
            }
    }

private:
    FT_Library lib_{};
    FT_Face face_{};
};

// The largest size whose ink fits the box, centred in it.
Image drawText(Font& font, int w, int h, Box box, const std::vector<Run>& runs) {
    int size = 0;
    Box ink{};
    for (int px = 10; px <= 40; ++px) {
        Box b{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
        font.render(runs, px, [&](int x, int y, uint8_t, Rgb8) {
            b = {std::min(b.x0, x), std::min(b.y0, y), std::max(b.x1, x), std::max(b.y1, y)};
        });
        if (b.x1 - b.x0 > box.x1 - box.x0 || b.y1 - b.y0 > box.y1 - box.y0) break;
        size = px;
        ink = b;
    }
    if (size == 0) throw std::runtime_error("text does not fit");
    int dx = box.x0 - ink.x0 + ((box.x1 - box.x0) - (ink.x1 - ink.x0)) / 2;
    int dy = box.y0 - ink.y0 + ((box.y1 - box.y0) - (ink.y1 - ink.y0)) / 2;
    Image img{w, h};
    font.render(runs, size, [&](int x, int y, uint8_t cov, Rgb8 c) {
        Rgb8& d = img.at(x + dx, y + dy);
        auto mix = [cov](uint8_t under, uint8_t over) {
            return uint8_t((under * (255 - cov) + over * cov + 127) / 255);
        };
        d = {mix(d.r, c.r), mix(d.g, c.g), mix(d.b, c.b)};
    });
    return img;
}

// The button showing the picture keys out RGB(236,236,236), and it expects
// exactly 25 such pixels: trim surplus ones and promote the closest greys.
void settleKeyColour(Image& img, int want) {
    int have = 0;
    for (Rgb8& p : img.px)
        if (p == kKey && ++have > want) p = {237, 237, 237};
    for (int dist = 1; have < want && dist <= 12; ++dist)  // 12 keeps clear of white
        for (Rgb8& p : img.px)
            if (have < want && p.r == p.g && p.g == p.b && std::abs(p.r - 236) == dist) {
                p = kKey;
                ++have;
            }
    if (have != want) throw std::runtime_error("not enough grey edge pixels");
}

// Faint dust, as on a scanned label.
void speckle(Image& img, uint32_t seed, Box area, int count) {
    std::mt19937 gen(seed);
    for (int i = 0; i < count; ++i) {
        int x = area.x0 + int(gen() % uint32_t(area.x1 - area.x0 + 1));
        int y = area.y0 + int(gen() % uint32_t(area.y1 - area.y0 + 1));
        uint8_t v = uint8_t(214 + gen() % 20);  // 214..233: never the key colour
        img.at(x, y) = {v, v, v};
    }
}

// ---------------------------------------------------------------- files

void writePng(const std::string& path, int w, int h, bool alpha, const std::vector<uint8_t>& data) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        throw std::runtime_error("libpng failed on " + path);
    }
    png_init_io(png, f);
    png_set_compression_level(png, 9);
    png_set_filter(png, 0, PNG_ALL_FILTERS);
    png_set_IHDR(png, info, w, h, 8, alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const size_t stride = size_t(w) * (alpha ? 4 : 3);
    for (int y = 0; y < h; ++y) png_write_row(png, data.data() + y * stride);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
}

void writePng(const std::string& path, const Image& img) {
    std::vector<uint8_t> data;
    for (Rgb8 p : img.px) data.insert(data.end(), {p.r, p.g, p.b});
    writePng(path, img.w, img.h, false, data);
}

// One 32 x 32 32-bit image: header, directory entry, DIB (double height for
// the AND mask), bottom-up BGRA, then the 1 bpp mask.
void writeIco(const std::string& path, const std::vector<uint8_t>& rgba) {
    const int n = 32, maskStride = 4;
    std::vector<uint8_t> out;
    auto u16 = [&](unsigned v) { out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8)}); };
    auto u32 = [&](unsigned v) { u16(v & 0xFFFF); u16(v >> 16); };
    const unsigned dibSize = 40 + n * n * 4 + n * maskStride;
    u16(0), u16(1), u16(1);                                   // ICONDIR
    out.insert(out.end(), {uint8_t(n), uint8_t(n), 0, 0});    // ICONDIRENTRY
    u16(1), u16(32), u32(dibSize), u32(6 + 16);
    u32(40), u32(n), u32(2 * n), u16(1), u16(32);             // BITMAPINFOHEADER
    u32(0), u32(n * n * 4 + n * maskStride), u32(0), u32(0), u32(0), u32(0);
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x) {
            const uint8_t* p = &rgba[(size_t(y) * n + x) * 4];
            out.insert(out.end(), {p[2], p[1], p[0], p[3]});
        }
    for (int y = n - 1; y >= 0; --y) {
        uint8_t row[maskStride] = {};
        for (int x = 0; x < n; ++x)
            if (rgba[(size_t(y) * n + x) * 4 + 3] == 0) row[x / 8] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row, row + maskStride);
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size() || std::fclose(f) != 0)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_assets FONT_FILE OUT_DIR\n");
        return 2;
    }
    try {
        const std::string dir = std::string(argv[2]) + "/";

        Canvas a{194, 193, 0.96, {12, 3}, 6};
        drawCat(a, {2.6, true});
        writePng(dir + "picture_a.png", a.w, a.h, true, a.rgba8());

        // The figure spans about x -12..184, y -2..193 of the design space.
        const double s = 30.0 / 200;
        Canvas icon{32, 32, s, {1 + 12 * s, 1 + 2 * s}, 8};
        drawCat(icon, {0.9 / s, false});
        writeIco(dir + "velmaro.ico", icon.rgba8());

        Font font(argv[1]);
        Image b = drawText(font, 110, 34, {5, 6, 108, 22},
                           {{U"我这里有", {0, 0, 0}}, {U"老婆", {255, 0, 0}}});
        settleKeyColour(b, 25);
        speckle(b, 7, {0, 0, 3, 2}, 4);
        speckle(b, 11, {109, 3, 109, 30}, 3);
        writePng(dir + "picture_b.png", b);

        Image c = drawText(font, 198, 32, {9, 9, 182, 25},
                           {{U"我这里有 ", {0, 0, 0}}, {U"AK47-火麒麟", {255, 192, 0}}});
        settleKeyColour(c, 25);
        speckle(c, 13, {0, 0, 3, 2}, 4);
        speckle(c, 17, {197, 2, 197, 29}, 3);
        writePng(dir + "picture_c.png", c);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "draw_assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
