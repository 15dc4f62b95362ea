#pragma once
// How a picture button looks in each state, and where its picture and
// caption go. Portable: the Win32 drawing code only carries these out.
#include <cstdint>

#include "ui/examples/picture_button.h"
#include "ui/examples/png_image.h"

enum class Edge { Raised, Flat };  // push-button 3-D edge / 1-px shadow frame

struct ButtonLook {
    Colour PictureButtonSettings::*face;
    Colour PictureButtonSettings::*caption;
    Edge edge;
    bool outline;    // 1-px black line along the button's edge
    bool focusRect;  // dotted, kFocusInset inside the button's edge
    bool shifted;    // picture and caption moved PressShift right and down
};

constexpr int kFocusInset = 4;

const ButtonLook& LookOf(bool pressed, bool focused);

// The colours a look stands for; DefaultColor hands both to the system
// (kFace for the face, kSystem for the button-text colour).
Colour FaceColour(const PictureButtonSettings& s, const ButtonLook& look);
Colour CaptionColour(const PictureButtonSettings& s, const ButtonLook& look);

struct ButtonLayout {
    int pictureLeft = 0, pictureTop = 0;
    Rect caption;
};

// Picture (pw × ph, or 0 × 0 for none) and caption area in a bw × bh button,
// before the press shift. Without a caption the picture is centred; with one
// the picture sits at the left and the caption is centred in what remains.
ButtonLayout LayOutButton(int bw, int bh, int pw, int ph, bool hasCaption);

// Copies the picture into a top-down 32-bit DIB of dw × dh with its top-left
// corner at (left, top), clipped to the DIB. Pixels whose RGB is exactly the
// transparent colour (an RGB Colour, or kTopLeftPixel) are left alone; every
// other pixel covers what is there, whatever its alpha.
void DrawPictureOpaque(const PngImage& picture, Colour transparent, std::uint32_t* dib, int dw, int dh,
                       int left, int top);
