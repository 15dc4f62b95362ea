// Drives the real velmaro-chat.exe from outside, as a user would: starts it,
// finds its windows and controls by what is seen on the screen (class, text,
// place), sends real mouse and keyboard input, reads the clipboard and the
// screen. Every wait polls a condition with a bound; none sleeps blindly.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
using Millis = std::chrono::milliseconds;

// The .exe under test: --exe=PATH on the command line or VELMARO_CHAT_EXE.
// A Unix path (as CMake passes it under Wine) is turned into a DOS path.
void SetToolPath(std::wstring path);
const std::wstring& ToolPath();

// Polls `done` every few ms until it holds or `limit` passes, pumping the
// calling thread's messages meanwhile so the test's own windows stay alive.
bool WaitUntil(const std::function<bool()>& done, Millis limit, Millis every = 5ms);
// Pumps messages for a while: for the few places where time itself is the test.
void PumpFor(Millis span);

struct Control {
    HWND hwnd = nullptr;
    std::wstring cls;
    std::wstring text;
    RECT rect{};  // outer rectangle in the parent's client coordinates
    LONG style = 0;
    LONG exStyle = 0;
    bool visible = false;
};

std::wstring ClassOf(HWND hwnd);
std::wstring TextOf(HWND hwnd);  // WM_GETTEXT, answered by the owning process
bool SetText(HWND hwnd, const std::wstring& text);  // WM_SETTEXT
int CheckOf(HWND hwnd);                              // BM_GETCHECK
bool SetCheck(HWND hwnd, bool on);                   // BM_SETCHECK
RECT ClientRectOf(HWND child);                       // in the parent's client coordinates
Control Describe(HWND hwnd);
// Children in z-order, top first.
std::vector<Control> ChildrenOf(HWND parent);
// Top-level windows in z-order, top first.
std::vector<HWND> TopLevelZOrder();

// One running copy of the tool.
class Tool {
public:
    // Starts the .exe and waits for its visible main window.
    static std::optional<Tool> Launch(Millis limit = 20s);
    Tool(Tool&& other) noexcept;
    Tool& operator=(Tool&& other) noexcept;
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;
    ~Tool();  // closes the tool, and ends it if it will not go

    HWND Main() const { return main_; }
    DWORD Pid() const { return pid_; }
    DWORD Thread() const { return tid_; }
    bool Running() const;
    // Exit code once the process has ended within `limit`, else nothing.
    std::optional<DWORD> WaitExit(Millis limit = 10s) const;

    std::vector<Control> Children() const { return ChildrenOf(main_); }
    // The first child (top of the z-order) with that class and text.
    HWND Find(const std::wstring& cls, const std::wstring& text) const;
    // The visible child of that class under a point of the client area.
    HWND FindAt(const std::wstring& cls, POINT client) const;
    // The control holding the keyboard focus in the tool's thread.
    HWND Focus() const;
    // Makes the main window the foreground window, so input reaches it.
    bool BringToFront() const;

private:
    Tool() = default;
    void Close();
    PROCESS_INFORMATION pi_{};
    HWND main_ = nullptr;
    DWORD pid_ = 0;
    DWORD tid_ = 0;
};

// Makes any top-level window the foreground window, so input reaches it.
bool Activate(HWND window);

extern const wchar_t kMainTitle[];
// Visible top-level windows of a process with that title.
std::vector<HWND> WindowsOf(DWORD pid, const std::wstring& title);

// Real input, through SendInput. The target window must be in front.
void ClickAt(POINT screen);
void Click(HWND control);                         // at its centre
void ClickClient(HWND parent, POINT client);      // at a point of a window's client area
void Key(WORD vk);
void KeyWith(WORD modifier, WORD vk);             // e.g. Shift+Tab
void Type(const std::wstring& text);              // as Unicode characters

// Clipboard, read and written by the test process.
struct ClipboardContent {
    std::optional<std::string> text;      // CF_TEXT, the whole block: bytes and NUL
    std::optional<std::wstring> unicode;  // CF_UNICODETEXT up to its NUL
    std::optional<LCID> locale;           // CF_LOCALE
};
// Opens the clipboard (retrying while another holds it) and reads it.
std::optional<ClipboardContent> ReadClipboard(Millis limit = 3s);
// Places `bytes` as CF_TEXT (a NUL is added) under a window of our own.
bool PutClipboardBytes(const std::string& bytes);
// Places `text` as CF_UNICODETEXT (a NUL is added) under a window of our own.
bool PutClipboardUnicode(const std::wstring& text);
DWORD ClipboardSequence();

// Holds the clipboard open with a window of its own, on its own thread that
// keeps pumping messages, until Release() or the end of `span`.
class ClipboardHolder {
public:
    explicit ClipboardHolder(Millis span);
    ~ClipboardHolder();
    bool Held() const { return held_; }  // the clipboard was opened
    void Release();

private:
    void Run(Millis span);
    HANDLE opened_ = nullptr;
    HANDLE release_ = nullptr;
    bool held_ = false;
    std::thread thread_;
};

// The screen, as shown: one pixel, or a rectangle of pixels as COLORREFs.
COLORREF ScreenPixel(POINT screen);
std::vector<COLORREF> ScreenPixels(const RECT& screen);
RECT ScreenRectOf(HWND hwnd);

// A plain top-level window of the test process (for activation and z-order
// checks). Its messages are pumped by WaitUntil on the creating thread.
class OwnWindow {
public:
    OwnWindow(const RECT& outer, bool topmost);
    ~OwnWindow();
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace e2e
