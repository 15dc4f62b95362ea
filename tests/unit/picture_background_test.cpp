// The background picture: the alpha blend over the face colour and where the
// picture goes in the client area.
#include <gtest/gtest.h>

#include "ui/examples/background.h"

namespace {

TEST(BackgroundBlend, KnownTriples) {
    static const struct {
        int picture, alpha, face, expected;
    } kCases[] = {
        {200, 0, 17, 17},     // transparent: the face alone
        {200, 255, 17, 200},  // opaque: the picture alone
        {255, 128, 0, 128},
        {0, 128, 255, 127},
        {100, 128, 200, 149},  // 149.8, truncated
        // Exact results that floating arithmetic lands just below.
        {3, 5, 3, 3},
        {1, 5, 103, 101},
        {0, 65, 51, 38},
        {0, 65, 255, 190},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Blend(std::uint8_t(c.picture), std::uint8_t(c.alpha), std::uint8_t(c.face)), c.expected)
            << "picture " << c.picture << " alpha " << c.alpha << " face " << c.face;
}

TEST(BackgroundBlend, IsTheTruncatedExactValueForEveryInput) {
    int failures = 0;
    for (int a = 0; a < 256; ++a)
        for (int p = 0; p < 256; ++p)
            for (int f = 0; f < 256; ++f) {
                // r = trunc(x) with x = (a·p + (255−a)·f) / 255, i.e. 255r <= 255x < 255(r+1).
                const int r = Blend(std::uint8_t(p), std::uint8_t(a), std::uint8_t(f));
                const int scaled = a * p + (255 - a) * f;
                if ((r * 255 > scaled || scaled >= (r + 1) * 255) && ++failures <= 5)
                    ADD_FAILURE() << "alpha " << a << " picture " << p << " face " << f << " gave " << r;
            }
    EXPECT_EQ(failures, 0);
}

TEST(BackgroundBlend, OverFaceKeepsChannelsApartAndInDibOrder) {
    PngImage picture;
    picture.width = 3;
    picture.height = 1;
    picture.rgba = {10, 20, 30, 255, 10, 20, 30, 0, 255, 0, 0, 128};
    const std::vector<std::uint32_t> out = BlendOverFace(picture, 200, 100, 50);
    const std::vector<std::uint32_t> expected = {
        0x000A141E,  // opaque: the picture's own R, G, B
        0x00C86432,  // transparent: the face
        0x00E33118,  // R (255·128 + 200·127)/255 → 227, G 100·127/255 → 49, B 50·127/255 → 24
    };
    EXPECT_EQ(out, expected);
}

TEST(BackgroundBlend, ShortPixelBufferGivesNothing) {
    PngImage picture;
    picture.width = 2;
    picture.height = 2;
    picture.rgba.assign(12, 0);  // one pixel short
    EXPECT_TRUE(BlendOverFace(picture, 1, 2, 3).empty());
}

TEST(BackgroundPlacement, CentredAndOnlyEverShrunk) {
    static const struct {
        int cw, ch;
        Placement expected;
        const char* what;
    } kCases[] = {
        {374, 412, {90, 109, 194, 193}, "the examples window's client area"},
        {194, 193, {0, 0, 194, 193}, "exactly the picture's size"},
        {195, 194, {0, 0, 194, 193}, "odd spare pixel truncated"},
        {1000, 900, {403, 353, 194, 193}, "large: never scaled up"},
        {97, 400, {0, 152, 97, 96}, "narrower only: width ratio"},
        {400, 96, {152, 0, 96, 96}, "lower only: height ratio"},
        {100, 150, {0, 25, 100, 99}, "both smaller, width limits"},
        {150, 100, {25, 0, 100, 100}, "both smaller, height limits"},
        {0, 0, {0, 0, 0, 0}, "minimised: nothing"},
        {1, 1, {0, 0, 0, 0}, "too small for a single row"},
    };
    for (const auto& c : kCases) {
        const Placement p = PlaceBackground(c.cw, c.ch, 194, 193);
        EXPECT_EQ(p.left, c.expected.left) << c.what;
        EXPECT_EQ(p.top, c.expected.top) << c.what;
        EXPECT_EQ(p.width, c.expected.width) << c.what;
        EXPECT_EQ(p.height, c.expected.height) << c.what;
    }
}

TEST(BackgroundPlacement, NoPictureNoPlacement) {
    const Placement p = PlaceBackground(374, 412, 0, 0);
    EXPECT_EQ(p.width, 0);
    EXPECT_EQ(p.height, 0);
}

}  // namespace
