#include "ui/examples/picture_button_look.h"

#include <algorithm>

namespace {

using S = PictureButtonSettings;

// [pressed][focused]. The "In" colours are the control's hover-or-pressed
// colours; in the 3-D style only a press brings them.
constexpr ButtonLook kLooks[2][2] = {
    {
        // normal
        {&S::BkColorOut, &S::FgColorOut, Edge::Raised, false, false, false},
        // focused
        {&S::BkColorFocus, &S::FgColorFocus, Edge::Raised, true, true, false},
    },
    {
        // pressed without the focus (BM_SETSTATE from outside)
        {&S::BkColorIn, &S::FgColorIn, Edge::Flat, false, false, true},
        // pressed by mouse or Space
        {&S::BkColorIn, &S::FgColorIn, Edge::Flat, true, true, true},
    },
};

// Room left between a picture placed at the left and the button's edge.
constexpr int kSideMargin = kFocusInset;

}  // namespace

const ButtonLook& LookOf(bool pressed, bool focused) { return kLooks[pressed][focused]; }

Colour FaceColour(const PictureButtonSettings& s, const ButtonLook& look) {
    return s.DefaultColor ? kFace : s.*look.face;
}

Colour CaptionColour(const PictureButtonSettings& s, const ButtonLook& look) {
    return s.DefaultColor ? kSystem : s.*look.caption;
}

ButtonLayout LayOutButton(int bw, int bh, int pw, int ph, bool hasCaption) {
    ButtonLayout l;
    l.pictureTop = (bh - ph) / 2;
    if (!hasCaption) {
        l.pictureLeft = (bw - pw) / 2;
        return l;
    }
    if (pw <= 0) {
        l.caption = {0, 0, bw, bh};
        return l;
    }
    l.pictureLeft = kSideMargin;
    const int right = std::min(bw, kSideMargin + pw);
    l.caption = {right, 0, bw - right, bh};
    return l;
}

void DrawPictureOpaque(const PngImage& picture, Colour transparent, std::uint32_t* dib, int dw, int dh,
                       int left, int top) {
    const int pw = picture.width, ph = picture.height;
    if (dib == nullptr || pw <= 0 || ph <= 0 || picture.rgba.size() < std::size_t(pw) * ph * 4) return;
    const std::uint8_t* rgba = picture.rgba.data();
    const std::uint32_t skip = transparent == kTopLeftPixel
                                   ? DibPixel(rgba[0], rgba[1], rgba[2])
                                   : DibPixel(transparent & 0xFF, (transparent >> 8) & 0xFF,
                                              (transparent >> 16) & 0xFF);
    const int x0 = std::max(0, -left), x1 = std::min(pw, dw - left);
    const int y0 = std::max(0, -top), y1 = std::min(ph, dh - top);
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* src = rgba + (std::size_t(y) * pw + x0) * 4;
        std::uint32_t* dst = dib + std::size_t(y + top) * dw + left;
        for (int x = x0; x < x1; ++x, src += 4) {
            const std::uint32_t p = DibPixel(src[0], src[1], src[2]);
            if (p != skip) dst[x] = p;
        }
    }
}
