// The picture button's look: state → colours and decorations, the layout of
// picture and caption, and copying the picture over the face.
#include <gtest/gtest.h>

#include "ui/examples/picture_button_look.h"

namespace {

// Six different colours, so that any mix-up between them shows.
PictureButtonSettings DistinctColours() {
    return {
        .FgColorOut = Rgb(1, 0, 0),
        .BkColorOut = Rgb(2, 0, 0),
        .FgColorIn = Rgb(3, 0, 0),
        .BkColorIn = Rgb(4, 0, 0),
        .FgColorFocus = Rgb(5, 0, 0),
        .BkColorFocus = Rgb(6, 0, 0),
    };
}

TEST(PictureButtonLook, StateDecidesColoursAndDecorations) {
    static const struct {
        bool pressed, focused;
        Colour face, caption;
        Edge edge;
        bool outline, focusRect, shifted;
    } kCases[] = {
        {false, false, Rgb(2, 0, 0), Rgb(1, 0, 0), Edge::Raised, false, false, false},  // Out
        {false, true, Rgb(6, 0, 0), Rgb(5, 0, 0), Edge::Raised, true, true, false},     // Focus
        {true, true, Rgb(4, 0, 0), Rgb(3, 0, 0), Edge::Flat, true, true, true},         // In wins over Focus
        {true, false, Rgb(4, 0, 0), Rgb(3, 0, 0), Edge::Flat, false, false, true},
    };
    const PictureButtonSettings s = DistinctColours();
    for (const auto& c : kCases) {
        const ButtonLook& look = LookOf(c.pressed, c.focused);
        SCOPED_TRACE(testing::Message() << "pressed " << c.pressed << " focused " << c.focused);
        EXPECT_EQ(FaceColour(s, look), c.face);
        EXPECT_EQ(CaptionColour(s, look), c.caption);
        EXPECT_EQ(look.edge, c.edge);
        EXPECT_EQ(look.outline, c.outline);
        EXPECT_EQ(look.focusRect, c.focusRect);
        EXPECT_EQ(look.shifted, c.shifted);
    }
}

TEST(PictureButtonLook, ExamplesWindowColoursByState) {
    // The defaults are the examples window's buttons: red on face, black on
    // red while pressed.
    const PictureButtonSettings s;
    EXPECT_EQ(FaceColour(s, LookOf(false, false)), kFace);
    EXPECT_EQ(CaptionColour(s, LookOf(false, false)), Rgb(255, 0, 0));
    EXPECT_EQ(FaceColour(s, LookOf(false, true)), kFace);
    EXPECT_EQ(CaptionColour(s, LookOf(false, true)), Rgb(255, 0, 0));
    EXPECT_EQ(FaceColour(s, LookOf(true, true)), Rgb(255, 0, 0));
    EXPECT_EQ(CaptionColour(s, LookOf(true, true)), Rgb(0, 0, 0));
}

TEST(PictureButtonLook, DefaultColorHandsColoursToTheSystem) {
    PictureButtonSettings s = DistinctColours();
    s.DefaultColor = true;
    for (bool pressed : {false, true})
        for (bool focused : {false, true}) {
            EXPECT_EQ(FaceColour(s, LookOf(pressed, focused)), kFace);
            EXPECT_EQ(CaptionColour(s, LookOf(pressed, focused)), kSystem);
        }
}

TEST(PictureButtonLayout, PictureWithoutCaptionIsCentredTruncating) {
    static const struct {
        int bw, bh, pw, ph, left, top;
    } kCases[] = {
        {272, 40, 110, 34, 81, 3},  // picture B
        {272, 40, 198, 32, 37, 4},  // picture C
        {271, 39, 110, 34, 80, 2},  // odd spare pixels go right and down
        {272, 40, 272, 40, 0, 0},
    };
    for (const auto& c : kCases) {
        const ButtonLayout at = LayOutButton(c.bw, c.bh, c.pw, c.ph, false);
        EXPECT_EQ(at.pictureLeft, c.left) << c.pw << " x " << c.ph;
        EXPECT_EQ(at.pictureTop, c.top) << c.pw << " x " << c.ph;
    }
}

TEST(PictureButtonLayout, CaptionTakesTheButtonOrWhatThePictureLeaves) {
    const ButtonLayout only = LayOutButton(272, 40, 0, 0, true);
    EXPECT_EQ(only.caption.left, 0);
    EXPECT_EQ(only.caption.top, 0);
    EXPECT_EQ(only.caption.width, 272);
    EXPECT_EQ(only.caption.height, 40);

    const ButtonLayout both = LayOutButton(272, 40, 110, 34, true);  // picture left, caption right
    EXPECT_EQ(both.pictureLeft, kFocusInset);
    EXPECT_EQ(both.pictureTop, 3);
    EXPECT_EQ(both.caption.left, kFocusInset + 110);
    EXPECT_EQ(both.caption.left + both.caption.width, 272);
    EXPECT_EQ(both.caption.height, 40);
}

// A 5 × 4 DIB of face pixels and a 3 × 2 picture whose top-left pixel and one
// more have the colour (236, 236, 236).
constexpr std::uint32_t kFacePixel = DibPixel(1, 2, 3);
constexpr std::uint32_t kSpeckle = DibPixel(236, 236, 236);

PngImage SmallPicture() {
    PngImage p;
    p.width = 3;
    p.height = 2;
    p.rgba = {
        236, 236, 236, 255, 255, 255, 255, 255, 10, 20, 30, 0,  // last: alpha 0, still drawn
        40,  50,  60,  255, 236, 236, 236, 255, 236, 236, 237, 255,
    };
    return p;
}

std::vector<std::uint32_t> Drawn(Colour transparent, int left, int top) {
    std::vector<std::uint32_t> dib(5 * 4, kFacePixel);  // exact size: ASan sees any stray write
    DrawPictureOpaque(SmallPicture(), transparent, dib.data(), 5, 4, left, top);
    return dib;
}

TEST(PictureButtonDraw, TransparentColourLetsTheFaceThrough) {
    const std::uint32_t F = kFacePixel, W = DibPixel(255, 255, 255);
    const std::uint32_t A = DibPixel(10, 20, 30), B = DibPixel(40, 50, 60), N = DibPixel(236, 236, 237);
    const std::vector<std::uint32_t> expected = {
        F, F, F, F, F,  //
        F, F, W, A, F,  //
        F, B, F, N, F,  //
        F, F, F, F, F,
    };
    EXPECT_EQ(Drawn(Rgb(236, 236, 236), 1, 1), expected);
    EXPECT_EQ(Drawn(kTopLeftPixel, 1, 1), expected);  // the top-left pixel is that colour here
    // A transparent colour the picture does not use: every pixel covers the face.
    const std::vector<std::uint32_t> all = Drawn(Rgb(0, 0, 0), 1, 1);
    EXPECT_EQ(all[6], kSpeckle);
    EXPECT_EQ(all[12], kSpeckle);
}

TEST(PictureButtonDraw, ClippedAtEveryEdgeOfTheDib) {
    const std::uint32_t F = kFacePixel, B = DibPixel(40, 50, 60), N = DibPixel(236, 236, 237);
    {
        SCOPED_TRACE("top-left corner outside");
        const std::vector<std::uint32_t> expected = {
            F, N, F, F, F,  //
            F, F, F, F, F,  //
            F, F, F, F, F,  //
            F, F, F, F, F,
        };
        EXPECT_EQ(Drawn(Rgb(236, 236, 236), -1, -1), expected);
    }
    {
        SCOPED_TRACE("bottom-right corner outside");
        const std::vector<std::uint32_t> expected = {
            F, F, F, F, F,  //
            F, F, F, F, F,  //
            F, F, F, F, F,  //
            F, F, F, F, B,
        };
        EXPECT_EQ(Drawn(Rgb(236, 236, 236), 4, 2), expected);  // (4, 2) itself is a speckle
    }
    {
        SCOPED_TRACE("wholly outside");
        EXPECT_EQ(Drawn(Rgb(236, 236, 236), 5, 0), std::vector<std::uint32_t>(20, F));
        EXPECT_EQ(Drawn(Rgb(236, 236, 236), 0, -2), std::vector<std::uint32_t>(20, F));
    }
}

}  // namespace
