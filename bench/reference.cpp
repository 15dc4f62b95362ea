// The reference for the benchmark: the cheapest honest Win32 program with the
// tool's main window. Same window, same 21 standard controls at the same
// places with the same texts and font, the same two timers doing the same
// work, and a generate button doing the same reads and writes. No form
// runtime, no descriptions, no text conversion: whatever the tool costs above
// this program is overhead of its own.
#include <windows.h>

namespace {

enum Kind { kEdit, kButton, kLabel, kRadio, kCheck };

struct Control {
    Kind kind;
    int left, top, width, height;
    const wchar_t* text;
    COLORREF fg;  // text colour of labels, check boxes and option buttons
};

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kSupply = RGB(216, 216, 0);

// The main window's visible controls in the tool's stored order: a child
// created later goes beneath the earlier ones, so the colour labels lie over
// the option buttons' captions as in the tool.
const Control kControls[] = {
    {kCheck, 16, 0, 112, 24, L"保持窗口最前", kBlack},        // 0  keep on top
    {kButton, 24, 160, 88, 40, L"示例", kBlack},              // 1
    {kLabel, 16, 120, 120, 24, L"输入变色字体后边的字", kBlack},  // 2
    {kLabel, 37, 72, 99, 24, L"输入要变色的字", kBlack},        // 3
    {kLabel, 16, 24, 120, 24, L"输入变色字体前边的字", kBlack},  // 4
    {kCheck, 168, 168, 72, 16, L"字体加大", kBlack},          // 5  enlarge
    {kLabel, 600, 94, 40, 16, L"物资色", kSupply},            // 6
    {kLabel, 600, 71, 32, 16, L"蓝色", RGB(0, 0, 255)},       // 7
    {kLabel, 600, 47, 32, 16, L"红色", RGB(255, 0, 0)},       // 8
    {kRadio, 584, 96, 56, 16, L"物资色", kSupply},            // 9  supply colour
    {kRadio, 584, 72, 56, 16, L"蓝色", RGB(0, 0, 255)},       // 10 blue
    {kRadio, 584, 48, 56, 16, L"红色", kBlack},               // 11 red, selected
    {kButton, 560, 208, 56, 24, L"复制", kBlack},             // 12 copy
    {kEdit, 144, 208, 416, 24, L"", kBlack},                  // 13 output
    {kButton, 248, 144, 200, 56, L"生成", kBlack},            // 14 generate
    {kButton, 560, 120, 24, 24, L"×", kBlack},                // 15
    {kButton, 560, 72, 24, 24, L"×", kBlack},                 // 16
    {kButton, 560, 24, 24, 24, L"×", kBlack},                 // 17
    {kEdit, 144, 120, 416, 24, L"", kBlack},                  // 18 after
    {kEdit, 144, 72, 416, 24, L"", kBlack},                   // 19 coloured
    {kEdit, 144, 24, 416, 24, L"", kBlack},                   // 20 before
};
constexpr int kCount = sizeof kControls / sizeof kControls[0];
enum Index { kKeepOnTop = 0, kEnlarge = 5, kSupplyOption = 9, kBlueOption = 10, kRedOption = 11,
             kCopy = 12, kOutput = 13, kGenerate = 14, kAfter = 18, kColoured = 19, kBefore = 20 };
constexpr int kFirstId = 100;
enum Timer { kCaptionTimer = 1, kTopmostTimer = 2 };

struct Tags {
    const wchar_t* open;
    const wchar_t* close;
};
// [colour][enlarge]
const Tags kTags[3][2] = {
    {{L"<red>", L"</red>"}, {L"<red><big>", L"</big></red>"}},
    {{L"<blue>", L"</blue>"}, {L"<blue><big>", L"</big></blue>"}},
    {{L"<SS_Normal_Color>", L"</>"}, {L"<SS_Normal_Color><big>", L"</big></SS_Normal_Color>"}},
};

HWND controls[kCount];

bool Checked(int i) { return SendMessageW(controls[i], BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Appends a control's text of the given length at out, returns the end.
wchar_t* AppendText(int i, int length, wchar_t* out) {
    return out + (length > 0 ? GetWindowTextW(controls[i], out, length + 1) : 0);
}

wchar_t* AppendLiteral(const wchar_t* s, wchar_t* out) {
    while (*s) *out++ = *s++;
    return out;
}

void ColourStep(int colour) {
    const Tags& tags = kTags[colour][Checked(kEnlarge) ? 1 : 0];
    const int before = GetWindowTextLengthW(controls[kBefore]);
    const int coloured = GetWindowTextLengthW(controls[kColoured]);
    const int after = GetWindowTextLengthW(controls[kAfter]);
    const int total = before + coloured + after + lstrlenW(tags.open) + lstrlenW(tags.close);
    auto* line = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, (total + 1) * sizeof(wchar_t)));
    if (line == nullptr) return;
    wchar_t* end = AppendText(kBefore, before, line);
    end = AppendLiteral(tags.open, end);
    end = AppendText(kColoured, coloured, end);
    end = AppendLiteral(tags.close, end);
    end = AppendText(kAfter, after, end);
    *end = L'\0';
    SetWindowTextW(controls[kOutput], line);
    HeapFree(GetProcessHeap(), 0, line);
}

void Generate() {
    if (Checked(kRedOption)) ColourStep(0);
    if (Checked(kBlueOption)) ColourStep(1);
    if (Checked(kSupplyOption)) ColourStep(2);
}

void KeepOnTop(HWND window) {
    // Read twice like the tool, which must write exactly one value per tick.
    if (Checked(kKeepOnTop))
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!Checked(kKeepOnTop))
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

DWORD StyleOf(Kind kind, int index) {
    switch (kind) {
        case kEdit: return ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP;
        case kButton: return BS_PUSHBUTTON | WS_TABSTOP;
        case kLabel: return SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX;
        case kRadio: return BS_AUTORADIOBUTTON | WS_TABSTOP | (index == kSupplyOption ? WS_GROUP : 0);
        case kCheck: return BS_AUTOCHECKBOX | WS_TABSTOP;
    }
    return 0;
}

bool CreateControls(HWND window, HINSTANCE instance) {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < kCount; ++i) {
        const Control& c = kControls[i];
        const wchar_t* cls = c.kind == kEdit ? L"Edit" : c.kind == kLabel ? L"Static" : L"Button";
        controls[i] = CreateWindowExW(c.kind == kEdit ? WS_EX_CLIENTEDGE : 0, cls, c.text,
                                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | StyleOf(c.kind, i),
                                      c.left, c.top, c.width, c.height, window,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + i)),
                                      instance, nullptr);
        if (controls[i] == nullptr) return false;
        SendMessageW(controls[i], WM_SETFONT, font, FALSE);
        if (c.kind == kEdit) SendMessageW(controls[i], EM_SETLIMITTEXT, 0, 0);  // the platform's maximum
    }
    SendMessageW(controls[kRedOption], BM_SETCHECK, BST_CHECKED, 0);
    return true;
}

LRESULT OnControlColour(HDC dc, HWND control) {
    for (int i = 0; i < kCount; ++i)
        if (controls[i] == control) {
            SetTextColor(dc, kControls[i].fg);
            break;
        }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kFirstId + kGenerate) Generate();
            return 0;
        case WM_TIMER:
            if (wParam == kTopmostTimer) KeepOnTop(window);
            if (wParam == kCaptionTimer) SetWindowTextW(controls[kCopy], L"复制");
            return 0;
        case WM_ACTIVATE:
            // The first box of the Tab order takes the focus as in the tool; its
            // blinking caret is a cost of every idle second.
            if (LOWORD(wParam) != WA_INACTIVE) SetFocus(controls[kBefore]);
            return 0;
        case WM_CTLCOLORSTATIC:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"VelmaroReference";
    if (RegisterClassExW(&wc) == 0) return 1;

    constexpr int kWidth = 646, kHeight = 272;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"Velmaro彩色聊天字体生成",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                  x, y, kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    if (window == nullptr || !CreateControls(window, instance)) return 1;
    SetTimer(window, kTopmostTimer, 300, nullptr);
    SetTimer(window, kCaptionTimer, 3000, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return int(msg.wParam);
}
