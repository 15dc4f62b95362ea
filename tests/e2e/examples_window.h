// The examples window as a user finds it: by its title, its buttons by their
// place. Plus the pieces of input the driver lacks (press, drag, release) and
// the fixture the examples suites share.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/e2e/main_controls.h"

namespace e2e {

extern const wchar_t kExamplesTitle[];

// The outer rectangle the window gets on the 1024 x 768 desktop, centred.
constexpr RECT kExamplesCentred{322, 163, 322 + 380, 163 + 441};
// The buttons' client rectangles, top to bottom: 超级按钮1, 2, 3.
constexpr RECT kExampleButtonRects[3] = {
    {48, 16, 48 + 272, 16 + 40}, {48, 80, 48 + 272, 80 + 40}, {48, 144, 48 + 272, 144 + 40}};

struct ExamplesWindow {
    HWND window = nullptr;
    std::array<HWND, 3> button{};  // [0] is 超级按钮1 at the top
};

// Top-level windows of the process with the examples title, shown or hidden.
std::vector<HWND> ExamplesWindowsOf(DWORD pid);
// The buttons of an examples window, found at the centres of their places.
ExamplesWindow FindExampleButtons(HWND window);

// What a click on that button must leave on the clipboard: the GBK bytes of
// its text and one NUL (n is 1, 2 or 3).
std::string ExampleClipboardBytes(int n);

// The clipboard's CF_TEXT block as it stands, NUL included; "(no CF_TEXT)"
// when there is none.
std::string ClipboardTextNow();
// Waits for the clipboard to change after the sequence number `before`, then
// for its CF_TEXT to read `expected` (the tool empties before it places), and
// returns what it last read.
std::string WaitForClipboard(DWORD before, const std::string& expected);
// Asks the window to close and waits until it is gone.
bool CloseAndWait(HWND window);

POINT ScreenPoint(HWND window, POINT client);
// The centre of a window in screen coordinates.
POINT CentreOf(HWND window);

// Mouse input in single steps, for presses that the driver's Click cannot
// do. The button events carry their own position: on a busy machine Wine
// now and then loses a lone move, and a press or release that took the
// pointer's position from it would land at the wrong place.
void MoveMouse(POINT screen);
void LeftDownAt(POINT screen);
void LeftUpAt(POINT screen);
// Moves the pointer to a corner that no window of the tool covers, so that
// no hover or tooltip stands over what a test reads from the screen.
void ParkPointer();

// Brings the main window to the front, clicks 示例 and waits for a shown
// examples window; fails the current test if there is none.
ExamplesWindow ClickExamples(const Tool& tool, HWND examplesButton);

// Whether `a` lies above `b` in the z-order of top-level windows.
bool InFrontOf(HWND a, HWND b);

// "RGB(r,g,b)", for failure messages.
std::string ColourName(COLORREF c);

// One screen pixel that must show a colour, or must not show it.
struct PixelCheck {
    std::string what;
    POINT screen;
    COLORREF colour;
    bool shows = true;
};
// Polls the screen until every pixel is as expected or `limit` passes, then
// fails once for each pixel that is not, with what it shows instead.
void ExpectPixels(const std::vector<PixelCheck>& checks, Millis limit = 2s);

// One running tool per suite, as SharedTool; the suite ends with the examples
// window closed first, so the tool can end in the ordinary way.
class ExamplesTest : public SharedTool {
public:
    static void TearDownTestSuite();

protected:
    void SetUp() override;
    // Closes an open examples window and opens a new one, active and with the
    // focus on 超级按钮1: the state right after the first opening.
    ExamplesWindow OpenFresh();
};

}  // namespace e2e
