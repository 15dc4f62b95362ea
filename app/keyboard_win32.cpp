// Keyboard rules of the tool's windows. The Tab order is the reverse of the
// stacking order, so the dialog manager (which walks the stacking order) is
// not used: Tab, arrows among option buttons, Esc and Enter are handled here
// before a message is dispatched.
#include "app/form_win32.h"

namespace {

constexpr std::size_t kMaxControls = sizeof FormWindow{}.controls / sizeof(HWND);

bool CanFocus(const FormWindow& f, std::size_t i) {
    return IsWindowVisible(f.controls[i]) && IsWindowEnabled(f.controls[i]);
}

// The control of the Tab order `step` places away from the focused one, wrapping.
HWND NextTabStop(const FormWindow& f, HWND focus, int step) {
    std::size_t order[kMaxControls];
    std::size_t n = 0;
    std::size_t all[kMaxControls];
    const std::size_t total = TabOrder(*f.desc, all, kMaxControls);
    for (std::size_t k = 0; k < total; ++k)
        if (CanFocus(f, all[k])) order[n++] = all[k];
    if (n == 0) return nullptr;
    const int at = IndexOf(f, focus);
    for (std::size_t k = 0; k < n; ++k)
        if (int(order[k]) == at) return f.controls[order[(k + n + step) % n]];
    return f.controls[order[step > 0 ? 0 : n - 1]];
}

void MoveFocus(HWND target) {
    if (target == nullptr) return;
    SetFocus(target);
    // As in dialogs: tabbing into an edit box selects its text.
    wchar_t cls[8];
    if (GetClassNameW(target, cls, 8) && lstrcmpiW(cls, L"Edit") == 0)
        SendMessageW(target, EM_SETSEL, 0, -1);
}

// Arrows on an option button: the previous or next option button of the Tab
// order, wrapping, becomes selected and focused.
bool MoveAmongOptions(FormWindow& f, HWND focus, int step) {
    const int at = IndexOf(f, focus);
    if (at < 0 || f.desc->controls[at].kind != Kind::OptionButton) return false;
    std::size_t all[kMaxControls];
    std::size_t options[kMaxControls];
    std::size_t n = 0;
    const std::size_t total = TabOrder(*f.desc, all, kMaxControls);
    for (std::size_t k = 0; k < total; ++k)
        if (f.desc->controls[all[k]].kind == Kind::OptionButton && CanFocus(f, all[k])) options[n++] = all[k];
    for (std::size_t k = 0; k < n; ++k) {
        if (int(options[k]) != at) continue;
        const std::size_t next = options[(k + n + step) % n];
        SelectOption(f, next);
        SetFocus(f.controls[next]);
        return true;
    }
    return false;
}

}  // namespace

HWND FirstTabStop(const FormWindow& f) { return NextTabStop(f, nullptr, 1); }

void SelectOption(FormWindow& f, std::size_t index) {
    for (std::size_t i = 0; i < f.desc->count; ++i)
        if (f.desc->controls[i].kind == Kind::OptionButton)
            SendMessageW(f.controls[i], BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool HandleFormKeyboard(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR) return false;
    FormWindow* f = FormOf(GetAncestor(msg.hwnd, GA_ROOT));
    if (f == nullptr) return false;
    if (msg.message == WM_CHAR)  // their key-downs were handled; keep the edit boxes from beeping
        return msg.wParam == L'\t' || msg.wParam == L'\r' || msg.wParam == L'\n' || msg.wParam == 0x1B;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (msg.wParam) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
            MoveFocus(NextTabStop(*f, GetFocus(), shift ? -1 : 1));
            return true;
        case VK_ESCAPE:
            PostMessageW(f->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);  // as the close button does
            return true;
        case VK_RETURN:
            return true;  // no default button: Enter presses nothing
        case VK_RIGHT:
        case VK_DOWN:
            return MoveAmongOptions(*f, GetFocus(), 1);
        case VK_LEFT:
        case VK_UP:
            return MoveAmongOptions(*f, GetFocus(), -1);
    }
    return false;
}
