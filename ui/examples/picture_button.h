#pragma once
// Settings of the picture button, by the control's own names. The button is
// an owner-drawn push button: a picture and/or a caption on a face whose
// colours follow the state (normal, focused, pressed), with a tooltip.
#include "app/description.h"

enum class ButtonStyle { ThreeD, Flat };

constexpr Colour kTopLeftPixel = 0xFF000003;  // transparent colour taken from the picture

struct PictureButtonSettings {
    ButtonStyle BtnStyle = ButtonStyle::ThreeD;
    Picture PicOut = Picture::None;
    Colour TransColorOut = kTopLeftPixel;
    int PressShift = 1;  // pixels right and down while pressed
    const char* FontFace = "等线";
    int FontHeight = 27;  // character height in pixels
    int FontWeight = 400;
    bool DefaultColor = false;
    Colour FgColorOut = Rgb(255, 0, 0);
    Colour BkColorOut = kFace;
    Colour FgColorIn = Rgb(0, 0, 0);
    Colour BkColorIn = Rgb(255, 0, 0);
    Colour FgColorFocus = Rgb(255, 0, 0);
    Colour BkColorFocus = kFace;
    const char* ToolTip = "";
};
