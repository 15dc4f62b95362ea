// The form runtime on Win32: builds windows from their descriptions, turns
// messages into events and gives the handlers their property access.
#include "app/form_win32.h"

#include <commctrl.h>

#include <cstring>

#include "app/form.h"
#include "app/gbk_win32.h"
#include "app/runtime_win32.h"
#include "app/shell.h"
#include "ui/examples/background_win32.h"
#include "ui/examples/picture_button_win32.h"

namespace {

constexpr wchar_t kFormClass[] = L"VelmaroForm";
constexpr int kIconId = 1;

FormWindow forms[kWindowCount];
HINSTANCE instance;

DWORD StyleOf(Kind kind) {
    switch (kind) {
        case Kind::Timer:  // a hidden place holder; its system timer lives on the form
            return WS_CHILD | WS_DISABLED;
        case Kind::CheckBox:
            return WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE;
        case Kind::OptionButton:  // the runtime keeps the three exclusive itself
            return WS_CHILD | WS_TABSTOP | BS_RADIOBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE;
        case Kind::PushButton:
            return WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
        case Kind::Label:
            // SS_NOTIFY: a label takes its own clicks instead of passing them to
            // the option button beneath it.
            return WS_CHILD | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX | SS_NOTIFY;
        case Kind::Edit:
            return WS_CHILD | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
        case Kind::PictureButton:
            break;
    }
    return WS_CHILD;
}

const wchar_t* ClassOf(Kind kind) {
    switch (kind) {
        case Kind::Timer:
        case Kind::Label:
            return L"Static";
        case Kind::Edit:
            return L"Edit";
        default:
            return L"Button";
    }
}

COLORREF ColourOf(Colour c, COLORREF fallback) {
    if (c == kFace) return GetSysColor(COLOR_BTNFACE);
    if (c == kSystem) return fallback;
    return c;
}

HBRUSH BrushOf(Colour c) {
    if (c == Rgb(255, 255, 255)) return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    return GetSysColorBrush(COLOR_BTNFACE);
}

HWND ControlOf(WindowId w, const char* unit) {
    const FormWindow& f = Form(w);
    if (f.hwnd == nullptr) return nullptr;
    for (std::size_t i = 0; i < f.desc->count; ++i)
        if (std::strcmp(f.desc->controls[i].unit, unit) == 0) return f.controls[i];
    return nullptr;
}

// --- building ----------------------------------------------------------------

bool IsOpen(WindowId w) { return Form(w).hwnd != nullptr; }
bool IsMinimised(WindowId w) { return IsIconic(Form(w).hwnd) != FALSE; }
void Restore(WindowId w) { ShowWindow(Form(w).hwnd, SW_RESTORE); }

void Activate(WindowId w) {
    HWND hwnd = Form(w).hwnd;
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
}

bool CreateFormWindow(const WindowDesc& d) {
    FormWindow& f = Form(d.id);
    f = FormWindow{};
    f.desc = &d;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    const int x = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), d.width);
    const int y = CentredOrigin(GetSystemMetrics(SM_CYSCREEN), d.height);
    f.hwnd = CreateWindowExW(0, kFormClass, Wide(d.title).c_str(), style, x, y, d.width, d.height,
                             nullptr, nullptr, instance, &f);
    return f.hwnd != nullptr;
}

bool CreateControl(const WindowDesc& d, std::size_t i) {
    FormWindow& f = Form(d.id);
    const ControlDesc& c = d.controls[i];
    const int id = kFirstControlId + int(i);
    HWND h;
    if (c.kind == Kind::PictureButton) {
        h = CreatePictureButton(f.hwnd, c, id);
    } else {
        const DWORD exStyle = c.kind == Kind::Edit ? WS_EX_CLIENTEDGE : 0;
        h = CreateWindowExW(exStyle, ClassOf(c.kind), Wide(c.text).c_str(),
                            StyleOf(c.kind) | WS_CLIPSIBLINGS, c.rect.left, c.rect.top,
                            c.rect.width, c.rect.height, f.hwnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        if (h != nullptr) {
            SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
            if (c.kind == Kind::Edit) {
                SendMessageW(h, EM_SETLIMITTEXT, 0, 0);  // the platform's maximum
                CentreEditLine(h);
            }
            if (c.checked) SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
        }
    }
    if (h == nullptr) return false;
    f.controls[i] = h;
    // First in the list on top, each next one directly beneath the one before.
    SetWindowPos(h, i == 0 ? HWND_TOP : f.controls[i - 1], 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (c.kind == Kind::Timer && c.period > 0 &&
        SetTimer(f.hwnd, kFirstTimerId + i, UINT(c.period), nullptr) == 0)
        return false;
    return true;
}

void ShowControl(const WindowDesc& d, std::size_t i) { ShowWindow(Form(d.id).controls[i], SW_SHOWNA); }

void DestroyFormWindow(WindowId w) {
    if (Form(w).hwnd != nullptr) DestroyWindow(Form(w).hwnd);
    Form(w) = FormWindow{};
}

void ShowFormWindow(WindowId w) {
    ShowWindow(Form(w).hwnd, SW_SHOWNORMAL);
    UpdateWindow(Form(w).hwnd);
}

const BuildOps kBuildOps = {
    .isOpen = IsOpen,
    .isMinimised = IsMinimised,
    .restore = Restore,
    .activate = Activate,
    .createWindow = CreateFormWindow,
    .createControl = CreateControl,
    .showControl = ShowControl,
    .destroyWindow = DestroyFormWindow,
    .showWindow = ShowFormWindow,
};

// --- messages ------------------------------------------------------------------

void OnCommand(FormWindow& f, WPARAM wParam, LPARAM lParam) {
    const int index = IndexOf(f, reinterpret_cast<HWND>(lParam));
    // STN_CLICKED shares BN_CLICKED's value: only buttons click.
    if (index < 0 || HIWORD(wParam) != BN_CLICKED) return;
    const ControlDesc& c = f.desc->controls[index];
    if (c.kind == Kind::Label || c.kind == Kind::Timer || c.kind == Kind::Edit) return;
    if (c.kind == Kind::OptionButton && !EventsHeld()) SelectOption(f, std::size_t(index));
    Deliver(c.onClick);
}

void OnTimer(FormWindow& f, WPARAM id) {
    const std::size_t index = id - kFirstTimerId;
    if (index < f.desc->count && f.desc->controls[index].kind == Kind::Timer)
        Deliver(f.desc->controls[index].onClick);
}

LRESULT OnControlColour(FormWindow& f, HDC dc, HWND control) {
    const int index = IndexOf(f, control);
    const ControlDesc* c = index < 0 ? nullptr : &f.desc->controls[index];
    const Colour bg = c ? c->bg : kFace;
    SetTextColor(dc, ColourOf(c ? c->fg : kSystem, GetSysColor(COLOR_WINDOWTEXT)));
    SetBkColor(dc, ColourOf(bg, GetSysColor(COLOR_BTNFACE)));
    return reinterpret_cast<LRESULT>(BrushOf(bg));
}

void OnActivate(FormWindow& f, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(f.hwnd, focus)) f.lastFocus = focus;
        return;
    }
    if (HIWORD(wParam) != 0) return;  // minimised: the focus waits for the restore
    HWND target = f.lastFocus != nullptr && IsWindow(f.lastFocus) ? f.lastFocus : FirstTabStop(f);
    if (target != nullptr) SetFocus(target);
}

bool OnEraseBackground(FormWindow& f, HDC dc) {
    if (f.desc->background == Picture::None) return false;
    RECT client;
    GetClientRect(f.hwnd, &client);
    PaintBackground(dc, client, f.desc->background);
    return true;
}

void OnDestroyed(WindowId w) {
    Form(w) = FormWindow{};
    if (WindowDestroyed(w)) PostQuitMessage(0);
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* f = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (f == nullptr || f->desc == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_COMMAND:
            OnCommand(*f, wParam, lParam);
            return 0;
        case WM_TIMER:
            OnTimer(*f, wParam);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            return OnControlColour(*f, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DRAWITEM:
            if (DrawPictureButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_ERASEBKGND:
            if (OnEraseBackground(*f, reinterpret_cast<HDC>(wParam))) return 1;
            break;
        case WM_ACTIVATE:
            OnActivate(*f, wParam);
            return 0;
        case WM_SETFOCUS:  // e.g. after a restore: hand the focus on to a control
            if (HWND target = f->lastFocus ? f->lastFocus : FirstTabStop(*f)) SetFocus(target);
            return 0;
        case WM_NCDESTROY: {
            const WindowId w = f->desc->id;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            if (Form(w).hwnd == hwnd) OnDestroyed(w);
            break;
        }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

FormWindow& Form(WindowId w) { return forms[static_cast<int>(w)]; }

FormWindow* FormOf(HWND hwnd) {
    for (FormWindow& f : forms)
        if (f.hwnd != nullptr && f.hwnd == hwnd) return &f;
    return nullptr;
}

int IndexOf(const FormWindow& f, HWND control) {
    if (control == nullptr) return -1;
    for (std::size_t i = 0; i < f.desc->count; ++i)
        if (f.controls[i] == control) return int(i);
    return -1;
}

bool RegisterFormClass(HINSTANCE inst) {
    instance = inst;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FormProc;
    wc.hInstance = inst;
    wc.hIcon = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    wc.hIconSm = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    return RegisterClassExW(&wc) != 0;
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (HandleFormKeyboard(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return int(msg.wParam);
}

// --- the handlers' view ----------------------------------------------------------

Text ReadText(WindowId w, const char* unit) {
    HWND h = ControlOf(w, unit);
    if (h == nullptr) return {};
    const int length = GetWindowTextLengthW(h);
    if (length <= 0) return {};
    std::wstring wide(std::size_t(length) + 1, L'\0');
    const int got = GetWindowTextW(h, wide.data(), length + 1);
    return Gbk(wide.data(), got);
}

void WriteText(WindowId w, const char* unit, const Text& text) {
    if (HWND h = ControlOf(w, unit)) SetWindowTextW(h, Wide(text).c_str());
}

int ReadChecked(WindowId w, const char* unit) {
    HWND h = ControlOf(w, unit);
    return h != nullptr && SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void WriteAlwaysOnTop(WindowId w, int on) {
    if (HWND h = Form(w).hwnd)
        SetWindowPos(h, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool LoadWindow(WindowId w) { return LoadWindowWith(kBuildOps, w); }
