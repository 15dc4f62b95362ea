// Keyboard navigation with real key presses: the first focus, Tab and
// Shift+Tab order, arrows among the options, Enter and Esc.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/e2e/main_controls.h"

namespace e2e {
namespace {

std::vector<HWND> TabOrder(const MainControls& c) {
    return {c.input1, c.input2, c.input3, c.clear1, c.clear2, c.clear3, c.generate, c.output,
            c.copy,   c.red,    c.blue,   c.supply, c.enlarge, c.examples, c.keepOnTop};
}

std::wstring Name(HWND h) { return h ? ClassOf(h) + L" \"" + TextOf(h) + L"\"" : L"(none)"; }

class Keyboard : public SharedTool {
protected:
    ::testing::AssertionResult FocusBecomes(HWND expected) {
        if (WaitUntil([&] { return tool->Focus() == expected; }, 5s)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "focus on " << testing::PrintToString(Name(tool->Focus()))
                                             << ", expected " << testing::PrintToString(Name(expected));
    }

    // Focus on input1 by a click, then Tab along the order to `target`.
    ::testing::AssertionResult TabTo(HWND target) {
        Click(c.input1);
        if (auto r = FocusBecomes(c.input1); !r) return r;
        for (HWND h : TabOrder(c)) {
            if (h == target) return ::testing::AssertionSuccess();
            Key(VK_TAB);
            const std::vector<HWND> order = TabOrder(c);
            const auto at = std::find(order.begin(), order.end(), h);
            if (auto r = FocusBecomes(*(at + 1)); !r) return r;
        }
        return ::testing::AssertionFailure() << "not in the Tab order";
    }
};

TEST_F(Keyboard, TabAndShiftTabFollowTheOrderAndWrap) {
    ResetMainWindow(c);
    const std::vector<HWND> order = TabOrder(c);
    Click(c.input1);
    ASSERT_TRUE(FocusBecomes(c.input1));
    for (std::size_t i = 1; i <= order.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "Tab #" << i);
        Key(VK_TAB);
        ASSERT_TRUE(FocusBecomes(order[i % order.size()]));
    }
    for (std::size_t i = 1; i <= order.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "Shift+Tab #" << i);
        KeyWith(VK_SHIFT, VK_TAB);
        ASSERT_TRUE(FocusBecomes(order[(order.size() - i) % order.size()]));
    }
}

TEST_F(Keyboard, ArrowsMoveAmongTheOptionsAndSelect) {
    struct Case {
        HWND from;
        WORD key;
        HWND to;
    };
    const Case cases[] = {
        {c.red, VK_DOWN, c.blue},   {c.blue, VK_DOWN, c.supply}, {c.supply, VK_DOWN, c.red},
        {c.red, VK_UP, c.supply},   {c.supply, VK_UP, c.blue},   {c.blue, VK_RIGHT, c.supply},
        {c.supply, VK_RIGHT, c.red}, {c.red, VK_LEFT, c.supply},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << testing::PrintToString(TextOf(k.from)) << " key " << k.key);
        ClickAt(MarkOf(k.from));
        ASSERT_TRUE(FocusBecomes(k.from));
        ASSERT_TRUE(WaitUntil([&] { return CheckOf(k.from) == BST_CHECKED; }, 5s));
        Key(k.key);
        ASSERT_TRUE(FocusBecomes(k.to));
        EXPECT_TRUE(WaitUntil([&] { return CheckOf(k.to) == BST_CHECKED; }, 5s));
        for (HWND other : {c.red, c.blue, c.supply}) {
            if (other == k.to) continue;
            EXPECT_EQ(CheckOf(other), BST_UNCHECKED) << testing::PrintToString(TextOf(other));
        }
    }
}

// Enter neither moves the focus nor presses the focused button: the Tab that
// follows lands next to where Enter was pressed, and nothing was generated,
// cleared, copied or ticked.
TEST_F(Keyboard, EnterDoesNothing) {
    for (HWND at : {c.input1, c.clear1, c.generate, c.copy, c.enlarge}) {
        SCOPED_TRACE(testing::PrintToString(Name(at)));
        ResetMainWindow(c);
        SetText(c.input1, L"kept");
        ASSERT_TRUE(TabTo(at));
        const DWORD clipboard = ClipboardSequence();
        Key(VK_RETURN);
        Key(VK_TAB);
        const std::vector<HWND> order = TabOrder(c);
        ASSERT_TRUE(FocusBecomes(*(std::find(order.begin(), order.end(), at) + 1)));
        EXPECT_EQ(TextOf(c.input1), L"kept");
        EXPECT_EQ(TextOf(c.output), L"");
        EXPECT_EQ(ClipboardSequence(), clipboard);
        EXPECT_EQ(CheckOf(c.enlarge), BST_UNCHECKED);
    }
}

TEST(KeyboardAtStart, TypingGoesIntoTheFirstInput) {
    auto tool = Tool::Launch();
    ASSERT_TRUE(tool);
    EXPECT_EQ(GetForegroundWindow(), tool->Main()) << "the main window is not active after start";
    ASSERT_TRUE(tool->BringToFront());
    const MainControls c = FindMainControls(*tool);
    EXPECT_TRUE(WaitUntil([&] { return tool->Focus() == c.input1; }, 5s));
    Type(L"ab我");
    EXPECT_TRUE(WaitUntil([&] { return TextOf(c.input1) == L"ab我"; }, 5s)) << testing::PrintToString(TextOf(c.input1));
    for (HWND edit : {c.input2, c.input3, c.output}) EXPECT_EQ(TextOf(edit), L"");
}

// Esc closes the window whichever control has the focus, and with it the tool.
TEST(KeyboardEsc, ClosesTheWindowAndTheToolEndsWithCodeZero) {
    struct Case {
        const char* where;
        HWND MainControls::*control;
    };
    const Case cases[] = {{"input", &MainControls::input2}, {"option", &MainControls::blue}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.where);
        auto tool = Tool::Launch();
        ASSERT_TRUE(tool);
        ASSERT_TRUE(tool->BringToFront());
        const MainControls c = FindMainControls(*tool);
        HWND target = c.*k.control;
        if (target == c.blue) {
            ClickAt(MarkOf(target));
        } else {
            Click(target);
        }
        ASSERT_TRUE(WaitUntil([&] { return tool->Focus() == target; }, 5s));
        Key(VK_ESCAPE);
        EXPECT_EQ(tool->WaitExit(10s), std::optional<DWORD>(0));
    }
}

}  // namespace
}  // namespace e2e
