// libFuzzer target for the PNG decoding wrapper: whatever the bytes, the
// decoder must return cleanly, and what it accepts must be a sane picture.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ui/examples/png_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PngImage image;
    if (DecodePng(data, size, &image)) {
        const bool sane = image.width > 0 && image.height > 0 && image.width <= kMaxPictureSide &&
                          image.height <= kMaxPictureSide &&
                          image.rgba.size() == std::size_t(image.width) * image.height * 4;
        if (!sane) std::abort();
    }
    return 0;
}
