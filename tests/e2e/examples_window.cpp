#include "tests/e2e/examples_window.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace e2e {

const wchar_t kExamplesTitle[] = L"彩色字体示例";

namespace {

// One mouse event at an absolute screen position, aimed at the pixel's middle.
void SendMouseAt(POINT screen, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in.mi.dx = LONG((screen.x * 65536LL + 32768) / GetSystemMetrics(SM_CXSCREEN));
    in.mi.dy = LONG((screen.y * 65536LL + 32768) / GetSystemMetrics(SM_CYSCREEN));
    SendInput(1, &in, sizeof in);
}

}  // namespace

std::vector<HWND> ExamplesWindowsOf(DWORD pid) {
    // Hidden ones count too: a second build that never showed is still one.
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND h, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(h, &owner);
            if (owner == s->pid && TextOf(h) == kExamplesTitle) s->found.push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ExamplesWindow FindExampleButtons(HWND window) {
    ExamplesWindow w;
    w.window = window;
    for (const Control& c : ChildrenOf(window)) {
        if (!c.visible || lstrcmpiW(c.cls.c_str(), L"Button") != 0) continue;
        for (int i = 0; i < 3; ++i) {
            const RECT& r = kExampleButtonRects[i];
            const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            if (w.button[i] == nullptr && PtInRect(&c.rect, centre)) w.button[i] = c.hwnd;
        }
    }
    return w;
}

std::string ExampleClipboardBytes(int n) {
    // GBK bytes written out, so that the expectation does not pass through
    // the compiler's or the system's code page. Each ends with its one NUL.
    static const std::string texts[3] = {
        // "<red>憨批救我！！！</red>": 25 bytes, the "！" full width (A3 A1)
        std::string("<red>\xBA\xA9\xC5\xFA\xBE\xC8\xCE\xD2\xA3\xA1\xA3\xA1\xA3\xA1</red>", 26),
        // "我这里有<red>老婆</red>": 23 bytes
        std::string("\xCE\xD2\xD5\xE2\xC0\xEF\xD3\xD0<red>\xC0\xCF\xC6\xC5</red>", 24),
        // "我这里有<SS_Normal_Color>AK47-火麒麟</SS_Normal_Color>": 54 bytes
        std::string("\xCE\xD2\xD5\xE2\xC0\xEF\xD3\xD0<SS_Normal_Color>AK47-"
                    "\xBB\xF0\xF7\xE8\xF7\xEB</SS_Normal_Color>",
                    55),
    };
    if (n < 1 || n > 3) throw std::out_of_range("there are three examples");
    return texts[n - 1];
}

std::string ClipboardTextNow() {
    const auto got = ReadClipboard();
    return got && got->text ? *got->text : std::string("(no CF_TEXT)");
}

std::string WaitForClipboard(DWORD before, const std::string& expected) {
    WaitUntil([&] { return ClipboardSequence() != before; }, 5s);
    std::string got;
    WaitUntil([&] { return (got = ClipboardTextNow()) == expected; }, 1s, 10ms);
    return got;
}

bool CloseAndWait(HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return WaitUntil([&] { return !IsWindow(window); }, 5s);
}

POINT ScreenPoint(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

POINT CentreOf(HWND window) {
    const RECT r = ScreenRectOf(window);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void MoveMouse(POINT screen) {
    SendMouseAt(screen, 0);
    POINT at{};
    if (!WaitUntil([&] { return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y; }, 200ms, 2ms))
        SetCursorPos(screen.x, screen.y);  // the normalised move may round a pixel off
}

void LeftDownAt(POINT screen) { SendMouseAt(screen, MOUSEEVENTF_LEFTDOWN); }
void LeftUpAt(POINT screen) { SendMouseAt(screen, MOUSEEVENTF_LEFTUP); }

void ParkPointer() { MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 8, 8}); }

bool InFrontOf(HWND a, HWND b) {
    const std::vector<HWND> z = TopLevelZOrder();
    const auto pa = std::find(z.begin(), z.end(), a);
    const auto pb = std::find(z.begin(), z.end(), b);
    return pa != z.end() && pb != z.end() && pa < pb;
}

std::string ColourName(COLORREF c) {
    char s[32];
    std::snprintf(s, sizeof s, "RGB(%d,%d,%d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return s;
}

void ExpectPixels(const std::vector<PixelCheck>& checks, Millis limit) {
    const auto right = [](const PixelCheck& k) { return (ScreenPixel(k.screen) == k.colour) == k.shows; };
    WaitUntil([&] { return std::all_of(checks.begin(), checks.end(), right); }, limit, 20ms);
    for (const PixelCheck& k : checks) {
        const COLORREF seen = ScreenPixel(k.screen);
        if ((seen == k.colour) != k.shows)
            ADD_FAILURE() << k.what << " at screen (" << k.screen.x << ", " << k.screen.y << "): "
                          << (k.shows ? "expected " : "expected anything but ") << ColourName(k.colour)
                          << ", shows " << ColourName(seen);
    }
}

void ExamplesTest::TearDownTestSuite() {
    if (tool && tool->Running())
        for (HWND w : ExamplesWindowsOf(tool->Pid())) CloseAndWait(w);
    SharedTool::TearDownTestSuite();
}

void ExamplesTest::SetUp() {
    SharedTool::SetUp();
    ParkPointer();
}

ExamplesWindow ClickExamples(const Tool& tool, HWND examplesButton) {
    if (!tool.BringToFront()) {
        ADD_FAILURE() << "the main window cannot be brought to the front";
        return {};
    }
    Click(examplesButton);
    HWND found = nullptr;
    if (!WaitUntil(
            [&] {
                for (HWND w : ExamplesWindowsOf(tool.Pid()))
                    if (IsWindowVisible(w)) found = w;
                return found != nullptr;
            },
            5s)) {
        ADD_FAILURE() << "no examples window after a click on 示例";
        return {};
    }
    ExamplesWindow w = FindExampleButtons(found);
    for (int i = 0; i < 3; ++i)
        if (w.button[i] == nullptr) ADD_FAILURE() << "no button at the place of 超级按钮" << i + 1;
    return w;
}

ExamplesWindow ExamplesTest::OpenFresh() {
    for (HWND w : ExamplesWindowsOf(tool->Pid()))
        if (!CloseAndWait(w)) ADD_FAILURE() << "the examples window did not close";
    ExamplesWindow w = ClickExamples(*tool, c.examples);
    if (w.window == nullptr) return w;
    if (!WaitUntil([&] { return GetForegroundWindow() == w.window && tool->Focus() == w.button[0]; }, 5s))
        ADD_FAILURE() << "the new examples window is not active with the focus on 超级按钮1";
    return w;
}

}  // namespace e2e
