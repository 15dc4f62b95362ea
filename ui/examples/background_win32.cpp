#include "ui/examples/background_win32.h"

#include <cstdint>
#include <vector>

#include "ui/examples/background.h"
#include "ui/examples/picture_win32.h"

namespace {

// One background picture per process: decoded once, blended again only when
// the face colour changes. A picture that fails to decode is not retried.
struct Cache {
    Picture picture = Picture::None;
    bool decoded = false;
    PngImage image;
    COLORREF face = CLR_INVALID;
    std::vector<std::uint32_t> blended;
};

const Cache* Prepared(Picture p, COLORREF face) {
    static Cache cache;
    if (cache.picture != p) {
        cache = Cache{};
        cache.picture = p;
        cache.decoded = LoadPicture(p, &cache.image);
    }
    if (!cache.decoded) return nullptr;
    if (cache.face != face) {
        cache.blended = BlendOverFace(cache.image, GetRValue(face), GetGValue(face), GetBValue(face));
        cache.face = face;
    }
    return cache.blended.empty() ? nullptr : &cache;
}

void FillFace(HDC dc, const RECT& r) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace

void PaintBackground(HDC dc, const RECT& client, Picture p) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Cache* c = p == Picture::None ? nullptr : Prepared(p, face);
    const int cw = client.right - client.left, ch = client.bottom - client.top;
    const Placement at = c ? PlaceBackground(cw, ch, c->image.width, c->image.height) : Placement{};
    if (at.width == 0 || at.height == 0) {
        FillFace(dc, client);
        return;
    }
    const int x = client.left + at.left, y = client.top + at.top;

    // The face around the picture only, so no pixel is painted twice.
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, x, y, x + at.width, y + at.height);
    FillFace(dc, client);
    RestoreDC(dc, saved);

    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = c->image.width;
    bi.bmiHeader.biHeight = -c->image.height;  // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    bool drawn;
    if (at.width == c->image.width && at.height == c->image.height) {
        drawn = SetDIBitsToDevice(dc, x, y, DWORD(at.width), DWORD(at.height), 0, 0, 0,
                                  UINT(c->image.height), c->blended.data(), &bi, DIB_RGB_COLORS) != 0;
    } else {
        // HALFTONE averages the pixels it drops; the brush origin must be
        // reset after choosing it.
        const int oldMode = SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        drawn = StretchDIBits(dc, x, y, at.width, at.height, 0, 0, c->image.width, c->image.height,
                              c->blended.data(), &bi, DIB_RGB_COLORS, SRCCOPY) != 0;
        if (oldMode != 0) SetStretchBltMode(dc, oldMode);
    }
    if (!drawn) {
        const RECT hole = {x, y, x + at.width, y + at.height};
        FillFace(dc, hole);
    }
}
