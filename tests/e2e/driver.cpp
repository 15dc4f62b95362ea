#include "tests/e2e/driver.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace e2e {

const wchar_t kMainTitle[] = L"Velmaro彩色聊天字体生成";

namespace {

// Cross-process messages: the tool answers within this, or it is hung.
constexpr UINT kAnswerMs = 5000;

std::wstring toolPath;

LRESULT Ask(HWND hwnd, UINT msg, WPARAM w, LPARAM l, bool* ok = nullptr) {
    DWORD_PTR result = 0;
    const bool answered = SendMessageTimeoutW(hwnd, msg, w, l, SMTO_ABORTIFHUNG, kAnswerMs, &result) != 0;
    if (ok) *ok = answered;
    return answered ? LRESULT(result) : 0;
}

void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

ATOM PlainClass() {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = L"VelmaroE2EWindow";
        return RegisterClassW(&wc);
    }();
    return atom;
}

HWND CreatePlain(DWORD exStyle, DWORD style, const RECT& r) {
    return CreateWindowExW(exStyle, MAKEINTATOM(PlainClass()), L"e2e", style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// Owns what the test places on the clipboard, for the life of the process, on
// a thread that always pumps: EmptyClipboard in another program sends the
// owner a message and waits for it.
class ClipboardOwner {
public:
    static HWND Window() {
        static ClipboardOwner owner;
        return owner.hwnd_;
    }

private:
    ClipboardOwner() {
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::thread([this, ready] {
            hwnd_ = CreatePlain(WS_EX_TOOLWINDOW, WS_POPUP, RECT{0, 0, 1, 1});
            SetEvent(ready);
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        }).detach();
        WaitForSingleObject(ready, 5000);
        CloseHandle(ready);
    }
    HWND hwnd_ = nullptr;
};

bool OpenClipboardWithin(HWND owner, Millis limit) {
    return WaitUntil([owner] { return OpenClipboard(owner) != 0; }, limit, 2ms);
}

void SendInputs(std::vector<INPUT> inputs) {
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    switch (vk) {
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
        case VK_HOME: case VK_END: case VK_INSERT: case VK_DELETE:
            in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
            break;
        default:
            break;
    }
    if (up) in.ki.dwFlags |= KEYEVENTF_KEYUP;
    return in;
}

}  // namespace

// --- the tool's path -----------------------------------------------------------

void SetToolPath(std::wstring path) {
    if (!path.empty() && path[0] == L'/') {
        // Under Wine a Unix path needs its DOS name before CreateProcess takes it.
        using ToDos = LPWSTR(CDECL*)(LPCSTR);
        auto toDos = reinterpret_cast<ToDos>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_dos_file_name")));
        if (toDos) {
            const int n = WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
            std::string unix(std::size_t(n), '\0');
            WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, unix.data(), n, nullptr, nullptr);
            if (LPWSTR dos = toDos(unix.c_str())) {
                path = dos;
                HeapFree(GetProcessHeap(), 0, dos);
            }
        }
    }
    toolPath = std::move(path);
}

const std::wstring& ToolPath() { return toolPath; }

// --- waiting -------------------------------------------------------------------

bool WaitUntil(const std::function<bool()>& done, Millis limit, Millis every) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        PumpPending();
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(every.count()), QS_ALLINPUT);
    }
}

void PumpFor(Millis span) {
    WaitUntil([] { return false; }, span);
}

// --- windows and controls --------------------------------------------------------

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

std::wstring TextOf(HWND hwnd) {
    const LRESULT length = Ask(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(std::size_t(length) + 1, L'\0');
    const LRESULT got = Ask(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::size_t(std::clamp<LRESULT>(got, 0, length)));
    return text;
}

bool SetText(HWND hwnd, const std::wstring& text) {
    bool ok = false;
    const LRESULT r = Ask(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &ok);
    return ok && r != 0;
}

int CheckOf(HWND hwnd) { return int(Ask(hwnd, BM_GETCHECK, 0, 0)); }

bool SetCheck(HWND hwnd, bool on) {
    bool ok = false;
    Ask(hwnd, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0, &ok);
    return ok;
}

RECT ClientRectOf(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT ScreenRectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

Control Describe(HWND hwnd) {
    Control c;
    c.hwnd = hwnd;
    c.cls = ClassOf(hwnd);
    c.text = TextOf(hwnd);
    c.rect = ClientRectOf(hwnd);
    c.style = LONG(GetWindowLongPtrW(hwnd, GWL_STYLE));
    c.exStyle = LONG(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    c.visible = IsWindowVisible(hwnd) != 0;
    return c;
}

std::vector<Control> ChildrenOf(HWND parent) {
    std::vector<Control> out;
    for (HWND h = GetWindow(parent, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
        out.push_back(Describe(h));
    return out;
}

std::vector<HWND> TopLevelZOrder() {
    std::vector<HWND> out;
    for (HWND h = GetTopWindow(nullptr); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) out.push_back(h);
    return out;
}

std::vector<HWND> WindowsOf(DWORD pid, const std::wstring& title) {
    struct Search {
        DWORD pid;
        const std::wstring* title;
        std::vector<HWND> found;
    } search{pid, &title, {}};
    EnumWindows(
        [](HWND h, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(h, &owner);
            if (owner == s->pid && IsWindowVisible(h) && TextOf(h) == *s->title) s->found.push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// --- the tool --------------------------------------------------------------------

std::optional<Tool> Tool::Launch(Millis limit) {
    const std::wstring& path = ToolPath();
    std::wstring cmdline = L"\"" + path + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    Tool tool;
    if (!CreateProcessW(path.c_str(), cmdline.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &tool.pi_))
        return std::nullopt;
    tool.pid_ = tool.pi_.dwProcessId;
    const bool up = WaitUntil(
        [&] {
            auto found = WindowsOf(tool.pid_, kMainTitle);
            if (found.empty()) return WaitForSingleObject(tool.pi_.hProcess, 0) == WAIT_OBJECT_0;
            tool.main_ = found.front();
            return true;
        },
        limit, 10ms);
    if (!up || tool.main_ == nullptr) return std::nullopt;  // the destructor ends the process
    tool.tid_ = GetWindowThreadProcessId(tool.main_, nullptr);
    return tool;
}

Tool::Tool(Tool&& other) noexcept { *this = std::move(other); }

Tool& Tool::operator=(Tool&& other) noexcept {
    if (this != &other) {
        Close();
        pi_ = std::exchange(other.pi_, PROCESS_INFORMATION{});
        main_ = std::exchange(other.main_, nullptr);
        pid_ = std::exchange(other.pid_, 0);
        tid_ = std::exchange(other.tid_, 0);
    }
    return *this;
}

Tool::~Tool() { Close(); }

void Tool::Close() {
    if (pi_.hProcess == nullptr) return;
    if (Running()) {
        for (HWND h : WindowsOf(pid_, kMainTitle)) PostMessageW(h, WM_CLOSE, 0, 0);
        if (!WaitExit(5s)) TerminateProcess(pi_.hProcess, 1);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
    pi_ = PROCESS_INFORMATION{};
}

bool Tool::Running() const { return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Tool::WaitExit(Millis limit) const {
    if (!WaitUntil([&] { return WaitForSingleObject(pi_.hProcess, 0) == WAIT_OBJECT_0; }, limit, 10ms))
        return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(pi_.hProcess, &code)) return std::nullopt;
    return code;
}

HWND Tool::Find(const std::wstring& cls, const std::wstring& text) const {
    for (const Control& c : Children())
        if (lstrcmpiW(c.cls.c_str(), cls.c_str()) == 0 && c.text == text) return c.hwnd;
    return nullptr;
}

HWND Tool::FindAt(const std::wstring& cls, POINT client) const {
    for (const Control& c : Children())
        if (c.visible && lstrcmpiW(c.cls.c_str(), cls.c_str()) == 0 && PtInRect(&c.rect, client)) return c.hwnd;
    return nullptr;
}

HWND Tool::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(tid_, &info) ? info.hwndFocus : nullptr;
}

bool Tool::BringToFront() const { return Activate(main_); }

bool Activate(HWND window) {
    return WaitUntil(
        [&] {
            if (GetForegroundWindow() == window) return true;
            SetForegroundWindow(window);
            return false;
        },
        3s, 20ms);
}

// --- input -----------------------------------------------------------------------

void ClickAt(POINT screen) {
    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int h = GetSystemMetrics(SM_CYSCREEN);
    // Every event carries the place (normalised, aimed at the middle of the
    // pixel): a pointer motion from the X server between the move and the
    // press must not move the press elsewhere.
    auto at = [&](DWORD flags) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = LONG((screen.x * 65536LL + 32768) / w);
        in.mi.dy = LONG((screen.y * 65536LL + 32768) / h);
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
        return in;
    };
    // A second click on the same spot within the double-click time would be a
    // double-click, which, unlike a click, does not move the focus into an
    // edit box: wait it out as a user would.
    static POINT lastAt{-100, -100};
    static auto lastWhen = std::chrono::steady_clock::time_point{};
    if (std::abs(screen.x - lastAt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
        std::abs(screen.y - lastAt.y) <= GetSystemMetrics(SM_CYDOUBLECLK)) {
        const auto free = lastWhen + Millis(GetDoubleClickTime() + 50);
        const auto now = std::chrono::steady_clock::now();
        if (now < free) PumpFor(std::chrono::duration_cast<Millis>(free - now));
    }
    SendInputs({at(0), at(MOUSEEVENTF_LEFTDOWN), at(MOUSEEVENTF_LEFTUP)});
    lastAt = screen;
    lastWhen = std::chrono::steady_clock::now();
}

void Click(HWND control) {
    const RECT r = ScreenRectOf(control);
    ClickAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void ClickClient(HWND parent, POINT client) {
    ClientToScreen(parent, &client);
    ClickAt(client);
}

void Key(WORD vk) { SendInputs({KeyInput(vk, false), KeyInput(vk, true)}); }

void KeyWith(WORD modifier, WORD vk) {
    SendInputs({KeyInput(modifier, false), KeyInput(vk, false), KeyInput(vk, true), KeyInput(modifier, true)});
}

void Type(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t ch : text) {
        for (bool up : {false, true}) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wScan = WORD(ch);
            in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(in);
        }
    }
    SendInputs(std::move(inputs));
}

// --- clipboard -------------------------------------------------------------------

std::optional<ClipboardContent> ReadClipboard(Millis limit) {
    if (!OpenClipboardWithin(nullptr, limit)) return std::nullopt;
    ClipboardContent content;
    if (IsClipboardFormatAvailable(CF_TEXT)) {
        if (HANDLE h = GetClipboardData(CF_TEXT)) {
            if (const auto* p = static_cast<const char*>(GlobalLock(h))) {
                content.text.emplace(p, GlobalSize(h));
                GlobalUnlock(h);
            }
        }
    }
    if (IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
                const std::size_t most = GlobalSize(h) / sizeof(wchar_t);
                content.unicode.emplace(p, std::find(p, p + most, L'\0'));
                GlobalUnlock(h);
            }
        }
    }
    if (IsClipboardFormatAvailable(CF_LOCALE)) {
        if (HANDLE h = GetClipboardData(CF_LOCALE)) {
            if (const auto* p = static_cast<const LCID*>(GlobalLock(h))) {
                content.locale = *p;
                GlobalUnlock(h);
            }
        }
    }
    CloseClipboard();
    return content;
}

namespace {

// One block in one format, placed under the test's own clipboard owner.
bool PutClipboardBlock(UINT format, const void* data, std::size_t size) {
    if (!OpenClipboardWithin(ClipboardOwner::Window(), 3s)) return false;
    bool placed = false;
    if (EmptyClipboard()) {
        if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size)) {
            std::memcpy(GlobalLock(block), data, size);
            GlobalUnlock(block);
            placed = SetClipboardData(format, block) != nullptr;
            if (!placed) GlobalFree(block);
        }
    }
    CloseClipboard();
    return placed;
}

}  // namespace

bool PutClipboardBytes(const std::string& bytes) {
    return PutClipboardBlock(CF_TEXT, bytes.c_str(), bytes.size() + 1);
}

bool PutClipboardUnicode(const std::wstring& text) {
    return PutClipboardBlock(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

DWORD ClipboardSequence() { return GetClipboardSequenceNumber(); }

ClipboardHolder::ClipboardHolder(Millis span) {
    opened_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread(&ClipboardHolder::Run, this, span);
    WaitForSingleObject(opened_, 5000);
}

ClipboardHolder::~ClipboardHolder() {
    Release();
    if (thread_.joinable()) thread_.join();
    CloseHandle(opened_);
    CloseHandle(release_);
}

void ClipboardHolder::Release() { SetEvent(release_); }

void ClipboardHolder::Run(Millis span) {
    HWND own = CreatePlain(WS_EX_TOOLWINDOW, WS_POPUP, RECT{0, 0, 1, 1});
    held_ = own != nullptr && OpenClipboardWithin(own, 3s);
    SetEvent(opened_);
    if (held_) {
        // Keep answering messages while holding: OpenClipboard in another
        // program asks the holder before it gives up.
        const auto end = std::chrono::steady_clock::now() + span;
        for (;;) {
            const auto left = std::chrono::duration_cast<Millis>(end - std::chrono::steady_clock::now());
            if (left.count() <= 0) break;
            const DWORD r = MsgWaitForMultipleObjects(1, &release_, FALSE, DWORD(left.count()), QS_ALLINPUT);
            if (r == WAIT_OBJECT_0) break;
            PumpPending();
        }
        CloseClipboard();
    }
    if (own) DestroyWindow(own);
}

// --- screen ----------------------------------------------------------------------

COLORREF ScreenPixel(POINT screen) {
    return ScreenPixels(RECT{screen.x, screen.y, screen.x + 1, screen.y + 1}).at(0);
}

std::vector<COLORREF> ScreenPixels(const RECT& r) {
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    std::vector<COLORREF> out;
    if (w <= 0 || h <= 0) return out;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib && bits) {
        HGDIOBJ old = SelectObject(mem, dib);
        BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
        GdiFlush();
        const auto* px = static_cast<const DWORD*>(bits);
        out.reserve(std::size_t(w) * std::size_t(h));
        for (int i = 0; i < w * h; ++i)
            out.push_back(RGB((px[i] >> 16) & 0xFF, (px[i] >> 8) & 0xFF, px[i] & 0xFF));
        SelectObject(mem, old);
    }
    if (dib) DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return out;
}

// --- a window of the test ----------------------------------------------------------

OwnWindow::OwnWindow(const RECT& outer, bool topmost) {
    hwnd_ = CreatePlain(topmost ? WS_EX_TOPMOST : 0, WS_OVERLAPPEDWINDOW, outer);
    if (hwnd_) {
        ShowWindow(hwnd_, topmost ? SW_SHOWNOACTIVATE : SW_SHOW);
        PumpPending();
    }
}

OwnWindow::~OwnWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
    PumpPending();
}

}  // namespace e2e
