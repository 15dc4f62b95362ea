#pragma once
// The examples window's background: picture A blended over the face colour
// and centred in the client area, shrunk (never enlarged) to fit.
#include <cstdint>
#include <vector>

#include "ui/examples/png_image.h"

struct Placement {
    int left = 0, top = 0, width = 0, height = 0;
};

// Where a picture of pw × ph goes in a client area of cw × ch. An empty
// placement (width or height 0) means there is nothing to draw.
Placement PlaceBackground(int cw, int ch, int pw, int ph);

// alpha/255 × picture + (1 − alpha/255) × face, truncated: exact, per channel.
constexpr std::uint8_t Blend(std::uint8_t picture, std::uint8_t alpha, std::uint8_t face) {
    return std::uint8_t((unsigned(alpha) * picture + (255u - alpha) * face) / 255u);
}

// The picture's pixels blended over the face colour (r, g, b), as top-down
// 32-bit DIB pixels ready for SetDIBitsToDevice/StretchDIBits.
std::vector<std::uint32_t> BlendOverFace(const PngImage& picture, std::uint8_t r, std::uint8_t g,
                                         std::uint8_t b);
