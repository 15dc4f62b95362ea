#pragma once
// PNG pictures decoded in memory into plain RGBA rows.
#include <cstddef>
#include <cstdint>
#include <vector>

struct PngImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;  // top-down rows, 4 bytes per pixel: R, G, B, A
};

// Our pictures are a few hundred pixels across; anything larger is refused
// before a buffer is allocated, so a crafted header cannot ask for gigabytes.
constexpr int kMaxPictureSide = 1024;

// False, with *out untouched, for anything that is not a whole, valid PNG of
// at most kMaxPictureSide pixels per side.
bool DecodePng(const void* data, std::size_t size, PngImage* out);

// A pixel as 32-bit Windows DIBs store it (bytes B, G, R, unused), kept here
// so that the portable blending and compositing can be tested natively.
constexpr std::uint32_t DibPixel(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}
