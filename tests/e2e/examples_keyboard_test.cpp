// The examples window's keyboard: Tab order top-down, Space as a click,
// Enter as nothing, Esc as close, and the focus kept across deactivation.
#include <gtest/gtest.h>

#include "tests/e2e/examples_window.h"

namespace e2e {
namespace {

const std::string kSentinel("sentinel", 9);

// Which button holds the focus, for failure messages.
std::string FocusName(const ExamplesWindow& w, HWND focus) {
    for (std::size_t i = 0; i < w.button.size(); ++i)
        if (focus == w.button[i]) return "超级按钮" + std::to_string(i + 1);
    return focus == nullptr ? "nothing" : "a window other than the buttons";
}

using ExamplesKeyboard = ExamplesTest;

TEST_F(ExamplesKeyboard, TabGoesDownAndShiftTabUpBothWrapping) {
    const ExamplesWindow w = OpenFresh();
    ASSERT_NE(w.window, nullptr);
    struct Step {
        bool shift;
        int focus;  // index of the button that must have it afterwards
    };
    const Step steps[] = {{false, 1}, {false, 2}, {false, 0}, {true, 2}, {true, 1}, {true, 0}};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const Step& s = steps[i];
        if (s.shift)
            KeyWith(VK_SHIFT, VK_TAB);
        else
            Key(VK_TAB);
        HWND want = w.button[std::size_t(s.focus)];
        EXPECT_TRUE(WaitUntil([&] { return tool->Focus() == want; }, 3s))
            << "step " << i + 1 << (s.shift ? " (Shift+Tab)" : " (Tab)") << ": expected "
            << FocusName(w, want) << ", focus on " << FocusName(w, tool->Focus());
    }
}

TEST_F(ExamplesKeyboard, SpaceClicksTheFocusedButtonAndEnterDoesNothing) {
    const ExamplesWindow w = OpenFresh();
    ASSERT_NE(w.window, nullptr);
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE("超级按钮" + std::to_string(n));
        HWND focused = w.button[std::size_t(n - 1)];
        ASSERT_TRUE(WaitUntil([&] { return tool->Focus() == focused; }, 3s));

        ASSERT_TRUE(PutClipboardBytes("sentinel"));
        DWORD before = ClipboardSequence();
        Key(VK_SPACE);
        const std::string expected = ExampleClipboardBytes(n);
        EXPECT_EQ(WaitForClipboard(before, expected), expected);

        // Enter neither clicks nor moves the focus: the Tab after it lands
        // on the next button, and the clipboard keeps the sentinel.
        ASSERT_TRUE(PutClipboardBytes("sentinel"));
        before = ClipboardSequence();
        Key(VK_RETURN);
        Key(VK_TAB);
        HWND next = w.button[std::size_t(n % 3)];
        EXPECT_TRUE(WaitUntil([&] { return tool->Focus() == next; }, 3s))
            << "after Enter and Tab the focus is on " << FocusName(w, tool->Focus());
        EXPECT_EQ(ClipboardSequence(), before);
        EXPECT_EQ(ClipboardTextNow(), kSentinel);
    }
}

TEST_F(ExamplesKeyboard, TheFocusComesBackToTheSameButtonAfterDeactivation) {
    for (bool viaExamplesButton : {false, true}) {
        SCOPED_TRACE(viaExamplesButton ? "activated again by 示例" : "activated again by the test");
        const ExamplesWindow w = OpenFresh();
        ASSERT_NE(w.window, nullptr);
        KeyWith(VK_SHIFT, VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return tool->Focus() == w.button[2]; }, 3s));
        ASSERT_TRUE(tool->BringToFront());
        ASSERT_TRUE(WaitUntil([&] { return tool->Focus() != w.button[2]; }, 3s)) << "the main window took no focus";

        if (viaExamplesButton)
            ClickExamples(*tool, c.examples);
        else
            ASSERT_TRUE(Activate(w.window));
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == w.window && tool->Focus() == w.button[2]; }, 3s))
            << "focus on " << FocusName(w, tool->Focus());
    }
}

TEST_F(ExamplesKeyboard, EscClosesOnlyTheExamplesWindowWhicheverButtonHasTheFocus) {
    for (int tabs = 0; tabs < 3; ++tabs) {
        SCOPED_TRACE("focus on 超级按钮" + std::to_string(tabs + 1));
        const ExamplesWindow w = OpenFresh();
        ASSERT_NE(w.window, nullptr);
        for (int i = 0; i < tabs; ++i) Key(VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return tool->Focus() == w.button[std::size_t(tabs)]; }, 3s));
        Key(VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(w.window); }, 3s)) << "still open";
        EXPECT_TRUE(ExamplesWindowsOf(tool->Pid()).empty());
        EXPECT_TRUE(tool->Running());
        EXPECT_TRUE(IsWindowVisible(tool->Main()));
    }
}

}  // namespace
}  // namespace e2e
