#include "ui/examples/png_image.h"

#include <png.h>

namespace {

// The simplified API keeps its setjmp/longjmp inside libpng; we only ever see
// return codes, so no jump crosses our frames. png_image_free is harmless on
// an image that libpng has already released.
struct ImageGuard {
    png_image image{};
    ImageGuard() { image.version = PNG_IMAGE_VERSION; }
    ~ImageGuard() { png_image_free(&image); }
};

}  // namespace

bool DecodePng(const void* data, std::size_t size, PngImage* out) {
    if (data == nullptr || size == 0 || out == nullptr) return false;
    ImageGuard g;
    if (!png_image_begin_read_from_memory(&g.image, data, size)) return false;
    if (g.image.width == 0 || g.image.height == 0 || g.image.width > png_uint_32(kMaxPictureSide) ||
        g.image.height > png_uint_32(kMaxPictureSide))
        return false;
    g.image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(g.image));
    if (!png_image_finish_read(&g.image, nullptr, rgba.data(), 0, nullptr)) return false;
    out->width = int(g.image.width);
    out->height = int(g.image.height);
    out->rgba = std::move(rgba);
    return true;
}
