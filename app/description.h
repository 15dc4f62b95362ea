#pragma once
// Window descriptions: the data from which the form runtime builds windows.
// The control list order is the creation order and the stacking order (first
// entry on top); the Tab order is that list reversed, filtered to Tab stops.
#include <cstddef>
#include <cstdint>

using Handler = void (*)();

enum class WindowId { Main, Examples };
constexpr int kWindowCount = 2;

enum class Kind { Timer, CheckBox, PushButton, Label, OptionButton, Edit, PictureButton };

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

// 0x00BBGGRR like COLORREF, or one of the system colour markers below.
using Colour = std::uint32_t;
constexpr Colour Rgb(int r, int g, int b) {
    return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}
constexpr Colour kFace = 0xFF000001;    // the system's button-face colour
constexpr Colour kSystem = 0xFF000002;  // the control's own system drawing

struct PictureButtonSettings;  // ui/examples/picture_button.h

// Embedded pictures; the values are their resource ids.
enum class Picture { None = 0, A = 101, B = 102, C = 103 };

struct ControlDesc {
    const char* unit = "";
    Kind kind = Kind::Label;
    Rect rect;
    const char* text = "";  // caption or initial content, GBK
    Colour fg = kSystem;
    Colour bg = kSystem;
    bool checked = false;  // initial state of check boxes and option buttons
    int period = 0;        // timers, milliseconds
    Handler onClick = nullptr;  // click for buttons, tick for timers
    const PictureButtonSettings* picture = nullptr;
};

struct WindowDesc {
    WindowId id;
    const char* title;  // GBK
    int width, height;  // outer size; the window is centred on the primary screen
    const ControlDesc* controls;
    std::size_t count;
    Picture background = Picture::None;  // centred in the client area
    Handler onCreated = nullptr;  // neither window binds one; kept for the build order
};

bool IsTabStop(const ControlDesc& c);
// Tab order: indices into the control list, reversed stored order, Tab stops only.
std::size_t TabOrder(const WindowDesc& w, std::size_t* out, std::size_t cap);
// Top-left corner of a window of the given outer size centred on a screen,
// with integer division truncating toward zero.
int CentredOrigin(int screen, int size);
const ControlDesc* FindControl(const WindowDesc& w, const char* unit);
const WindowDesc& DescriptionOf(WindowId id);
