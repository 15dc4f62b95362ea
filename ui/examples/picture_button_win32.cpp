#include "ui/examples/picture_button_win32.h"

#include <commctrl.h>

#include <string>

#include "app/gbk_win32.h"
#include "ui/examples/picture_button.h"
#include "ui/examples/picture_button_look.h"
#include "ui/examples/picture_win32.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x5042;  // "PB"
// Also marks the window as a picture button for WM_DRAWITEM: MinGW's import
// library lacks GetWindowSubclass.
constexpr wchar_t kStateProp[] = L"VelmaroPictureButton";
constexpr int kTipWidth = 400;

// Everything one button owns; attached as the subclass's reference data.
struct ButtonState {
    PictureButtonSettings settings;
    PngImage picture;  // empty when there is none or it did not decode
    HFONT font = nullptr;
    HWND tooltip = nullptr;
};

void Release(ButtonState* s) {
    if (s->tooltip != nullptr && IsWindow(s->tooltip)) DestroyWindow(s->tooltip);
    if (s->font != nullptr) DeleteObject(s->font);
    delete s;
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR ref) {
    switch (msg) {
        case WM_LBUTTONDBLCLK:
            // An owner-drawn BUTTON turns the second click of a double click
            // into BN_DOUBLECLICKED without pressing; a push button presses
            // and clicks again, and so do we.
            return DefSubclassProc(hwnd, WM_LBUTTONDOWN, wParam, lParam);
        case WM_NCDESTROY:
            RemovePropW(hwnd, kStateProp);
            RemoveWindowSubclass(hwnd, ButtonProc, kSubclassId);
            Release(reinterpret_cast<ButtonState*>(ref));
            break;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

const ButtonState* StateOf(HWND hwnd) {
    return hwnd == nullptr ? nullptr : static_cast<const ButtonState*>(GetPropW(hwnd, kStateProp));
}

HFONT CreateCaptionFont(const PictureButtonSettings& s) {
    // A negative height asks for the character height, not the cell height.
    // Charset and quality are ours, not the description's.
    return CreateFontW(-s.FontHeight, 0, 0, 0, s.FontWeight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       Wide(s.FontFace).c_str());
}

HWND CreateTooltip(HWND button, HWND parent, const char* hint) {
    if (hint == nullptr || *hint == '\0') return nullptr;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(button, GWLP_HINSTANCE));
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               GetAncestor(parent, GA_ROOT), nullptr, instance, nullptr);
    if (tip == nullptr) return nullptr;
    std::wstring text = Wide(hint);
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_SUBCLASS | TTF_IDISHWND;  // the whole button, mouse relayed by the tooltip
    ti.hwnd = parent;
    ti.uId = reinterpret_cast<UINT_PTR>(button);
    ti.lpszText = text.data();
    if (!SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti))) {
        DestroyWindow(tip);
        return nullptr;
    }
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
    return tip;
}

COLORREF Resolved(Colour c, int systemColour) {
    if (c == kFace) return GetSysColor(COLOR_BTNFACE);
    if (c == kSystem) return GetSysColor(systemColour);
    return c;
}

void DrawCaption(HDC dc, HWND button, const ButtonState& s, const ButtonLook& look, RECT area) {
    const int length = GetWindowTextLengthW(button);
    if (length <= 0) return;
    std::wstring caption(std::size_t(length) + 1, L'\0');
    caption.resize(std::size_t(GetWindowTextW(button, caption.data(), length + 1)));
    if (caption.empty()) return;

    HGDIOBJ oldFont = SelectObject(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Resolved(CaptionColour(s.settings, look), COLOR_BTNTEXT));
    const int n = int(caption.size());
    RECT measured = area;
    DrawTextW(dc, caption.data(), n, &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    if (measured.right - measured.left <= area.right - area.left) {
        DrawTextW(dc, caption.data(), n, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    } else {
        // Too wide for one line: wrap, and centre the block ourselves, since
        // DT_VCENTER only works for single lines.
        measured = area;
        DrawTextW(dc, caption.data(), n, &measured,
                  DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
        const int spare = (area.bottom - area.top) - (measured.bottom - measured.top);
        if (spare > 0) area.top += spare / 2;
        DrawTextW(dc, caption.data(), n, &area, DT_CENTER | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
}

// Paints the whole button with its top-left corner at the DC's origin. The
// picture needs the pixels of a 32-bit DIB; without them it is left out.
void Paint(HDC dc, std::uint32_t* pixels, int w, int h, HWND button, const ButtonState& s,
           const ButtonLook& look) {
    RECT box = {0, 0, w, h};
    if (look.outline) {
        FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&box, -1, -1);
    }
    SetDCBrushColor(dc, Resolved(FaceColour(s.settings, look), COLOR_BTNFACE));
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    if (look.edge == Edge::Flat) {
        FrameRect(dc, &box, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        // BF_SOFT puts the highlight outside the light line on the top and
        // left, as an ordinary push button draws its raised edge.
        DrawEdge(dc, &box, EDGE_RAISED, BF_RECT | BF_SOFT);
    }

    const int shift = look.shifted ? s.settings.PressShift : 0;
    const bool hasCaption = GetWindowTextLengthW(button) > 0;
    const ButtonLayout at = LayOutButton(w, h, s.picture.width, s.picture.height, hasCaption);
    if (pixels != nullptr && s.picture.width > 0) {
        GdiFlush();  // GDI may still be writing into the DIB
        Colour transparent = s.settings.TransColorOut;
        if (transparent == kFace || transparent == kSystem) transparent = GetSysColor(COLOR_BTNFACE);
        DrawPictureOpaque(s.picture, transparent, pixels, w, h, at.pictureLeft + shift,
                          at.pictureTop + shift);
    }
    RECT captionArea = {at.caption.left, at.caption.top, at.caption.left + at.caption.width,
                        at.caption.top + at.caption.height};
    OffsetRect(&captionArea, shift, shift);
    DrawCaption(dc, button, s, look, captionArea);

    // Drawn whatever ODS_NOFOCUSRECT says: the focused look always has it.
    if (look.focusRect) {
        RECT focus = {0, 0, w, h};
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        // The dots are an XOR pattern taken through the DC's text and
        // background colours, which the caption has just changed.
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace

HWND CreatePictureButton(HWND parent, const ControlDesc& c, int id) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    HWND button = CreateWindowExW(0, WC_BUTTONW, Wide(c.text).c_str(),
                                  WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_OWNERDRAW,
                                  c.rect.left, c.rect.top, c.rect.width, c.rect.height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (button == nullptr) return nullptr;

    auto* s = new ButtonState;
    if (c.picture != nullptr) s->settings = *c.picture;
    if (!SetWindowSubclass(button, ButtonProc, kSubclassId, reinterpret_cast<DWORD_PTR>(s))) {
        delete s;
        DestroyWindow(button);
        return nullptr;
    }
    if (!SetPropW(button, kStateProp, s)) {
        DestroyWindow(button);  // the subclass frees the state
        return nullptr;
    }
    // From here on the state belongs to the button and leaves with it.
    LoadPicture(s->settings.PicOut, &s->picture);  // one that fails stays empty and is not drawn
    s->font = CreateCaptionFont(s->settings);
    if (s->font != nullptr) SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(s->font), FALSE);
    s->tooltip = CreateTooltip(button, parent, s->settings.ToolTip);
    return button;
}

bool DrawPictureButton(const DRAWITEMSTRUCT& dis) {
    if (dis.CtlType != ODT_BUTTON) return false;
    const ButtonState* s = StateOf(dis.hwndItem);
    if (s == nullptr) return false;
    const ButtonLook& look = LookOf((dis.itemState & ODS_SELECTED) != 0, (dis.itemState & ODS_FOCUS) != 0);
    const int w = dis.rcItem.right - dis.rcItem.left, h = dis.rcItem.bottom - dis.rcItem.top;
    if (w <= 0 || h <= 0) return true;

    // Drawn off-screen and copied in one blit, so the face never flickers
    // through the picture.
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;  // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC mem = CreateCompatibleDC(dis.hDC);
    HBITMAP bitmap = mem ? CreateDIBSection(dis.hDC, &bi, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(mem, bitmap);
        Paint(mem, static_cast<std::uint32_t*>(bits), w, h, dis.hwndItem, *s, look);
        BitBlt(dis.hDC, dis.rcItem.left, dis.rcItem.top, w, h, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteObject(bitmap);
    } else {
        // Out of GDI memory: draw straight on the screen, without the picture.
        POINT origin;
        OffsetViewportOrgEx(dis.hDC, dis.rcItem.left, dis.rcItem.top, &origin);
        Paint(dis.hDC, nullptr, w, h, dis.hwndItem, *s, look);
        SetViewportOrgEx(dis.hDC, origin.x, origin.y, nullptr);
    }
    if (mem != nullptr) DeleteDC(mem);
    return true;
}
