#include "ui/examples/background.h"

Placement PlaceBackground(int cw, int ch, int pw, int ph) {
    if (cw <= 0 || ch <= 0 || pw <= 0 || ph <= 0) return {};
    int w = pw, h = ph;
    if (cw < pw || ch < ph) {
        // Scale by the smaller ratio, compared as cw/pw <= ch/ph without
        // rounding; the side that limits fills the client area exactly.
        if (static_cast<long long>(cw) * ph <= static_cast<long long>(ch) * pw) {
            w = cw;
            h = int(static_cast<long long>(ph) * cw / pw);
        } else {
            h = ch;
            w = int(static_cast<long long>(pw) * ch / ph);
        }
        if (w == 0 || h == 0) return {};
    }
    return {(cw - w) / 2, (ch - h) / 2, w, h};
}

std::vector<std::uint32_t> BlendOverFace(const PngImage& picture, std::uint8_t r, std::uint8_t g,
                                         std::uint8_t b) {
    const std::size_t n = std::size_t(picture.width) * std::size_t(picture.height);
    std::vector<std::uint32_t> pixels;
    if (picture.rgba.size() < n * 4) return pixels;
    pixels.resize(n);
    const std::uint8_t* p = picture.rgba.data();
    for (std::size_t i = 0; i < n; ++i, p += 4)
        pixels[i] = DibPixel(Blend(p[0], p[3], r), Blend(p[1], p[3], g), Blend(p[2], p[3], b));
    return pixels;
}
