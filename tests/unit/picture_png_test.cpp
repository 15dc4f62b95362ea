// Decoding PNG pictures in memory: valid images of every shape we use, the
// three real pictures, and broken or hostile input (ASan/LSan watch for
// crashes and leaks on the failure paths).
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "ui/examples/png_image.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Encode(int w, int h, png_uint_32 format, const Bytes& pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(w);
    image.height = png_uint_32(h);
    image.format = format;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr)) return {};
    Bytes png(size);
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, pixels.data(), 0, nullptr)) return {};
    png.resize(size);
    return png;
}

// A 3 × 2 RGBA picture with distinct channels and partial alpha.
const Bytes kSmallRgba = {
    255, 0,   0,  255, 0,  255, 0,  128, 0,   0,   255, 0,  //
    1,   2,   3,  4,   90, 80,  70, 255, 236, 236, 236, 255,
};

std::uint32_t Get32(const Bytes& b, std::size_t at) {
    return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 | std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(v >> (24 - 8 * i));
}

// Offset of the first chunk of this type (its length field), or 0.
std::size_t FindChunk(const Bytes& png, const char* type) {
    for (std::size_t at = 8; at + 12 <= png.size(); at += 12 + Get32(png, at))
        if (std::memcmp(&png[at + 4], type, 4) == 0) return at;
    return 0;
}

void FixCrc(Bytes& png, std::size_t chunk) {
    const std::uint32_t length = Get32(png, chunk);
    Put32(png, chunk + 8 + length, std::uint32_t(crc32(0, &png[chunk + 4], uInt(4 + length))));
}

bool Decodes(const Bytes& png, PngImage* out) { return DecodePng(png.data(), png.size(), out); }

TEST(PngDecode, RoundTripsEveryLayoutToRgba) {
    static const struct {
        png_uint_32 format;
        Bytes pixels;    // 3 × 2 in the written layout
        Bytes expected;  // as RGBA
        const char* what;
    } kCases[] = {
        {PNG_FORMAT_RGBA, kSmallRgba, kSmallRgba, "RGBA, partial alpha kept unpremultiplied"},
        {PNG_FORMAT_RGB,
         {10, 20, 30, 40, 50, 60, 70, 80, 90, 236, 236, 236, 0, 0, 0, 255, 255, 255},
         {10, 20, 30, 255, 40, 50, 60, 255, 70, 80, 90, 255, 236, 236, 236, 255, 0, 0, 0, 255, 255, 255, 255, 255},
         "RGB gains opaque alpha"},
        {PNG_FORMAT_GRAY,
         {0, 50, 100, 150, 200, 255},
         {0, 0, 0, 255, 50, 50, 50, 255, 100, 100, 100, 255, 150, 150, 150, 255, 200, 200, 200, 255, 255, 255, 255, 255},
         "grey spread over R, G, B"},
    };
    for (const auto& c : kCases) {
        const Bytes png = Encode(3, 2, c.format, c.pixels);
        ASSERT_FALSE(png.empty()) << c.what;
        PngImage image;
        ASSERT_TRUE(Decodes(png, &image)) << c.what;
        EXPECT_EQ(image.width, 3) << c.what;
        EXPECT_EQ(image.height, 2) << c.what;
        EXPECT_EQ(image.rgba, c.expected) << c.what;
    }
}

TEST(PngDecode, SideLimitIsInclusive) {
    static const struct {
        int w, h;
        bool decodes;
    } kCases[] = {{kMaxPictureSide, 1, true}, {1, kMaxPictureSide, true},
                  {kMaxPictureSide + 1, 1, false}, {1, kMaxPictureSide + 1, false}};
    for (const auto& c : kCases) {
        const Bytes png = Encode(c.w, c.h, PNG_FORMAT_RGBA, Bytes(std::size_t(c.w) * c.h * 4, 7));
        ASSERT_FALSE(png.empty());
        PngImage image;
        EXPECT_EQ(Decodes(png, &image), c.decodes) << c.w << " x " << c.h;
    }
}

TEST(PngDecode, BrokenInputIsRefusedAndLeavesTheResultAlone) {
    const Bytes good = Encode(3, 2, PNG_FORMAT_RGBA, kSmallRgba);
    ASSERT_FALSE(good.empty());
    const std::size_t ihdr = FindChunk(good, "IHDR"), idat = FindChunk(good, "IDAT");
    ASSERT_EQ(ihdr, 8u);
    ASSERT_NE(idat, 0u);

    struct Case {
        const char* what;
        Bytes png;
    };
    std::vector<Case> cases;
    auto add = [&](const char* what, auto change) {
        Bytes png = good;
        change(png);
        cases.push_back({what, std::move(png)});
    };
    add("empty", [](Bytes& p) { p.clear(); });
    add("signature only", [](Bytes& p) { p.resize(8); });
    add("bad signature", [](Bytes& p) { p[1] = 'X'; });
    add("cut inside IHDR", [&](Bytes& p) { p.resize(ihdr + 15); });
    add("cut inside IDAT", [&](Bytes& p) { p.resize(idat + 10); });
    add("cut before IDAT's CRC", [&](Bytes& p) { p.resize(idat + 8 + Get32(p, idat)); });
    add("IHDR CRC wrong", [&](Bytes& p) { p[ihdr + 8 + 3] ^= 1; });  // width changed, CRC kept
    add("IDAT CRC wrong", [&](Bytes& p) { p[idat + 8 + Get32(p, idat)] ^= 0x80; });
    add("IDAT not zlib (CRC right)", [&](Bytes& p) {
        p[idat + 8] = 0xFF;
        FixCrc(p, idat);
    });
    add("100000 x 100000 declared (CRC right)", [&](Bytes& p) {
        Put32(p, ihdr + 8, 100000);
        Put32(p, ihdr + 12, 100000);
        FixCrc(p, ihdr);
    });
    add("width 0 (CRC right)", [&](Bytes& p) {
        Put32(p, ihdr + 8, 0);
        FixCrc(p, ihdr);
    });
    add("more rows declared than sent (CRC right)", [&](Bytes& p) {
        Put32(p, ihdr + 12, 200);
        FixCrc(p, ihdr);
    });

    for (const Case& c : cases) {
        PngImage image;
        image.width = 5;
        image.rgba = {9};
        EXPECT_FALSE(Decodes(c.png, &image)) << c.what;
        EXPECT_EQ(image.width, 5) << c.what;
        EXPECT_EQ(image.height, 0) << c.what;
        EXPECT_EQ(image.rgba, Bytes{9}) << c.what;
    }
    PngImage image;
    EXPECT_FALSE(DecodePng(nullptr, 100, &image));
    EXPECT_FALSE(DecodePng(good.data(), good.size(), nullptr));
}

// The real pictures, read from the source tree.
struct AssetCase {
    const char* file;
    int width, height;
    int colourType;  // in the IHDR: 6 RGBA, 2 RGB
};

const AssetCase kAssets[] = {
    {"picture_a.png", 194, 193, 6},
    {"picture_b.png", 110, 34, 2},
    {"picture_c.png", 198, 32, 2},
};

Bytes ReadAsset(const char* name) {
    const std::filesystem::path path = std::filesystem::path(VELMARO_SOURCE_DIR) / "assets" / name;
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool AssetsPresent() {
    for (const AssetCase& a : kAssets)
        if (!std::filesystem::exists(std::filesystem::path(VELMARO_SOURCE_DIR) / "assets" / a.file)) return false;
    return true;
}

struct AlphaCounts {
    int transparent = 0, partial = 0, opaque = 0, speckle = 0;  // speckle: RGB(236, 236, 236)
};

AlphaCounts Count(const PngImage& image) {
    AlphaCounts n;
    for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
        const std::uint8_t* p = &image.rgba[i];
        (p[3] == 0 ? n.transparent : p[3] == 255 ? n.opaque : n.partial)++;
        if (p[0] == 236 && p[1] == 236 && p[2] == 236) n.speckle++;
    }
    return n;
}

TEST(PngAssets, SizesAndPixelFormats) {
    if (!AssetsPresent()) GTEST_SKIP() << "assets/picture_*.png not drawn yet";
    for (const AssetCase& a : kAssets) {
        const Bytes png = ReadAsset(a.file);
        ASSERT_GT(png.size(), 33u) << a.file;
        EXPECT_EQ(png[24], 8) << a.file << ": bit depth";
        EXPECT_EQ(png[25], a.colourType) << a.file << ": colour type";
        PngImage image;
        ASSERT_TRUE(Decodes(png, &image)) << a.file;
        EXPECT_EQ(image.width, a.width) << a.file;
        EXPECT_EQ(image.height, a.height) << a.file;
    }
}

TEST(PngAssets, BackgroundHasSoftEdgesOnATransparentSurround) {
    if (!AssetsPresent()) GTEST_SKIP() << "assets/picture_*.png not drawn yet";
    PngImage a;
    ASSERT_TRUE(Decodes(ReadAsset("picture_a.png"), &a));
    const AlphaCounts n = Count(a);
    EXPECT_GT(n.transparent, 0);
    EXPECT_GT(n.partial, 0);
    EXPECT_GT(n.opaque, 0);
    EXPECT_EQ(a.rgba[3], 0) << "top-left corner lies outside the figure";
}

TEST(PngAssets, ButtonPicturesAreOpaqueWith25TransparentColourPixels) {
    if (!AssetsPresent()) GTEST_SKIP() << "assets/picture_*.png not drawn yet";
    for (const char* file : {"picture_b.png", "picture_c.png"}) {
        PngImage image;
        ASSERT_TRUE(Decodes(ReadAsset(file), &image)) << file;
        const AlphaCounts n = Count(image);
        EXPECT_EQ(n.opaque, image.width * image.height) << file;
        EXPECT_EQ(n.speckle, 25) << file;
    }
}

}  // namespace
