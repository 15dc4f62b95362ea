// Copies from the examples window, by real mouse input: a click puts the
// button's text on the clipboard, byte for byte, and does nothing else; a
// press that is released off the button copies nothing.
#include <gtest/gtest.h>

#include "tests/e2e/examples_window.h"

namespace e2e {
namespace {

const std::string kSentinel("sentinel", 9);

using ExamplesCopy = ExamplesTest;

TEST_F(ExamplesCopy, EachClickPutsExactlyItsTextOnTheClipboardSilently) {
    struct Case {
        const char* unit;
        int text;
        std::size_t bytes;  // before the NUL
        const wchar_t* caption;
    };
    const Case cases[] = {
        {"超级按钮1", 1, 25, L"憨批救我！！！"},
        {"超级按钮2", 2, 23, L""},
        {"超级按钮3", 3, 54, L""},
    };
    const ExamplesWindow w = OpenFresh();
    ASSERT_NE(w.window, nullptr);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.unit);
        const std::string expected = ExampleClipboardBytes(k.text);
        ASSERT_EQ(expected.size(), k.bytes + 1);
        HWND button = w.button[std::size_t(k.text - 1)];
        ASSERT_TRUE(PutClipboardBytes("sentinel"));
        // The second click must leave the same text, whether or not it
        // arrives as a double click.
        for (int click = 1; click <= 2; ++click) {
            SCOPED_TRACE(click == 1 ? "first click" : "second click");
            ASSERT_TRUE(Activate(w.window));
            const DWORD before = ClipboardSequence();
            Click(button);
            EXPECT_EQ(WaitForClipboard(before, expected), expected);
            EXPECT_NE(ClipboardSequence(), before) << "the clipboard was not replaced";
        }
        // Silent: no confirmation on the main window's copy button, nothing
        // changed in the examples window, which stays open.
        EXPECT_EQ(TextOf(c.copy), L"复制");
        EXPECT_EQ(TextOf(button), k.caption);
        EXPECT_TRUE(IsWindowVisible(w.window));
        EXPECT_EQ(TextOf(w.window), kExamplesTitle);
        EXPECT_TRUE(WaitUntil([&] { return tool->Focus() == button; }, 3s)) << "the click gave it no focus";
    }
    ParkPointer();
}

TEST_F(ExamplesCopy, PressIsRedWhileHeldAndReleasingOffTheButtonCopiesNothing) {
    const ExamplesWindow w = OpenFresh();
    ASSERT_NE(w.window, nullptr);
    HWND button = w.button[1];
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF red = RGB(255, 0, 0);
    ASSERT_NE(face, red);
    // A face pixel of 超级按钮2 left of its picture, clear of edge and focus rectangle.
    const POINT facePixel =
        ScreenPoint(w.window, POINT{kExampleButtonRects[1].left + 20, kExampleButtonRects[1].top + 20});
    const POINT onButton = CentreOf(button);
    const POINT offButton = ScreenPoint(w.window, POINT{20, 100});
    // Held still at `at`, as a hand does: the pointer trembles by a pixel
    // until the button shows `colour`.
    const auto holdAt = [&](POINT at, COLORREF colour) {
        int tremble = 0;
        return WaitUntil(
            [&] {
                MoveMouse(POINT{at.x + (tremble++ & 1), at.y});
                return ScreenPixel(facePixel) == colour;
            },
            3s, 20ms);
    };
    ASSERT_TRUE(PutClipboardBytes("sentinel"));
    const DWORD before = ClipboardSequence();

    LeftDownAt(onButton);
    EXPECT_TRUE(holdAt(onButton, red)) << "held on the button, its face shows " << ColourName(ScreenPixel(facePixel));
    // Held outside, it is shown unpressed again.
    EXPECT_TRUE(holdAt(offButton, face)) << "held off the button, its face shows "
                                         << ColourName(ScreenPixel(facePixel));
    LeftUpAt(offButton);

    // The press gave 超级按钮2 the focus; once Tab has moved it on, the
    // release before it has been handled too.
    Key(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return tool->Focus() == w.button[2]; }, 3s)) << "the input was not handled";
    EXPECT_EQ(ClipboardSequence(), before);
    EXPECT_EQ(ClipboardTextNow(), kSentinel);
    ParkPointer();
}

}  // namespace
}  // namespace e2e
