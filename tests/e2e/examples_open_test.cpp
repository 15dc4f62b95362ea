// Opening the examples window with 示例: the first click builds it centred,
// unowned and active on 超级按钮1; later clicks only bring the open one back;
// after a close the next click builds it anew.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/e2e/examples_window.h"

namespace e2e {
namespace {

std::string RectName(const RECT& r) {
    char s[64];
    std::snprintf(s, sizeof s, "(%ld, %ld, %ld, %ld)", r.left, r.top, r.right, r.bottom);
    return s;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

bool MoveTo(HWND window, POINT at) {
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return WaitUntil([&] { return ScreenRectOf(window).left == at.x && ScreenRectOf(window).top == at.y; }, 3s);
}

using ExamplesOpening = ExamplesTest;

TEST_F(ExamplesOpening, BuildsAnUnownedCentredFixedWindowActiveOnTheTopButton) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    for (HWND old : ExamplesWindowsOf(tool->Pid())) ASSERT_TRUE(CloseAndWait(old));

    const ExamplesWindow w = ClickExamples(*tool, c.examples);
    ASSERT_NE(w.window, nullptr);
    EXPECT_EQ(ExamplesWindowsOf(tool->Pid()).size(), 1u);
    DWORD pid = 0;
    GetWindowThreadProcessId(w.window, &pid);
    EXPECT_EQ(pid, tool->Pid());
    // Its own top-level window: neither a child nor owned by the main window.
    EXPECT_EQ(GetWindow(w.window, GW_OWNER), nullptr);
    EXPECT_EQ(GetParent(w.window), nullptr);
    EXPECT_TRUE(SameRect(ScreenRectOf(w.window), kExamplesCentred)) << RectName(ScreenRectOf(w.window));

    const LONG style = LONG(GetWindowLongPtrW(w.window, GWL_STYLE));
    const LONG exStyle = LONG(GetWindowLongPtrW(w.window, GWL_EXSTYLE));
    struct Bit {
        const char* name;
        LONG bits;
        bool set;
    };
    const Bit bits[] = {
        {"WS_CAPTION", WS_CAPTION, true},       {"WS_SYSMENU", WS_SYSMENU, true},
        {"WS_MINIMIZEBOX", WS_MINIMIZEBOX, true}, {"WS_MAXIMIZEBOX", WS_MAXIMIZEBOX, false},
        {"WS_THICKFRAME", WS_THICKFRAME, false}, {"WS_CHILD", WS_CHILD, false},
    };
    for (const Bit& b : bits) EXPECT_EQ((style & b.bits) == b.bits, b.set) << b.name;
    // A taskbar button of its own, and never above other windows.
    EXPECT_EQ(exStyle & WS_EX_TOOLWINDOW, 0) << "WS_EX_TOOLWINDOW";
    EXPECT_EQ(exStyle & WS_EX_TOPMOST, 0) << "WS_EX_TOPMOST";

    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == w.window; }, 3s)) << "not the active window";
    EXPECT_TRUE(WaitUntil([&] { return tool->Focus() == w.button[0]; }, 3s)) << "the focus is not on 超级按钮1";
    // Not modal: the main window stays usable.
    EXPECT_TRUE(IsWindowEnabled(tool->Main()));
}

TEST_F(ExamplesOpening, HoldsThreeOwnerDrawnButtonsStackedInStoredOrder) {
    const ExamplesWindow w = OpenFresh();
    ASSERT_NE(w.window, nullptr);
    struct Expected {
        const char* unit;
        RECT rect;
        const wchar_t* text;
    };
    // Z-order, top first: the stored order, which puts the lowest button on top.
    const Expected expected[] = {
        {"超级按钮3", kExampleButtonRects[2], L""},
        {"超级按钮2", kExampleButtonRects[1], L""},
        {"超级按钮1", kExampleButtonRects[0], L"憨批救我！！！"},
    };
    const std::vector<Control> children = ChildrenOf(w.window);
    ASSERT_EQ(children.size(), std::size(expected));
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Control& got = children[i];
        const Expected& want = expected[i];
        SCOPED_TRACE(want.unit);
        EXPECT_EQ(lstrcmpiW(got.cls.c_str(), L"Button"), 0) << testing::PrintToString(got.cls);
        EXPECT_EQ(got.style & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_TRUE(got.style & WS_TABSTOP);
        EXPECT_FALSE(got.style & WS_DISABLED);
        EXPECT_TRUE(got.visible);
        EXPECT_TRUE(SameRect(got.rect, want.rect)) << RectName(got.rect);
        EXPECT_EQ(got.text, want.text);
    }
}

TEST_F(ExamplesOpening, SecondClickBuildsNothingAndBringsTheOpenWindowForward) {
    const ExamplesWindow w = OpenFresh();
    ASSERT_NE(w.window, nullptr);
    const RECT place = ScreenRectOf(w.window);
    // The main window, centred too, now covers the examples window's middle.
    ASSERT_TRUE(tool->BringToFront());
    ASSERT_TRUE(WaitUntil([&] { return InFrontOf(tool->Main(), w.window); }, 3s));

    ClickExamples(*tool, c.examples);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == w.window; }, 3s)) << "not activated";
    EXPECT_TRUE(InFrontOf(w.window, tool->Main()));
    EXPECT_EQ(ExamplesWindowsOf(tool->Pid()), std::vector<HWND>{w.window});
    EXPECT_TRUE(SameRect(ScreenRectOf(w.window), place)) << RectName(ScreenRectOf(w.window));
}

TEST_F(ExamplesOpening, SecondClickRestoresAMinimisedWindowWhereItWas) {
    struct Case {
        const char* how;
        void (*minimise)(HWND);
    };
    const Case cases[] = {
        {"ShowWindow(SW_MINIMIZE)", [](HWND h) { ShowWindow(h, SW_MINIMIZE); }},
        {"WM_SYSCOMMAND SC_MINIMIZE", [](HWND h) { PostMessageW(h, WM_SYSCOMMAND, SC_MINIMIZE, 0); }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.how);
        const ExamplesWindow w = OpenFresh();
        ASSERT_NE(w.window, nullptr);
        // Away from the centre, so that a rebuild would show.
        ASSERT_TRUE(MoveTo(w.window, POINT{60, 40}));
        const RECT place = ScreenRectOf(w.window);
        k.minimise(w.window);
        ASSERT_TRUE(WaitUntil([&] { return IsIconic(w.window) != 0; }, 3s)) << "did not minimise";

        ClickExamples(*tool, c.examples);
        EXPECT_TRUE(WaitUntil([&] { return !IsIconic(w.window); }, 3s)) << "still minimised";
        EXPECT_TRUE(IsWindowVisible(w.window));
        EXPECT_TRUE(SameRect(ScreenRectOf(w.window), place)) << RectName(ScreenRectOf(w.window));
        EXPECT_EQ(ExamplesWindowsOf(tool->Pid()), std::vector<HWND>{w.window});
    }
}

TEST_F(ExamplesOpening, ClosingAndOpeningAgainBuildsAFreshCentredWindow) {
    const ExamplesWindow old = OpenFresh();
    ASSERT_NE(old.window, nullptr);
    // Leave it moved and with the focus elsewhere: none of it may survive.
    Key(VK_TAB);
    Key(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return tool->Focus() == old.button[2]; }, 3s));
    ASSERT_TRUE(MoveTo(old.window, POINT{40, 30}));
    ASSERT_TRUE(CloseAndWait(old.window));
    EXPECT_TRUE(tool->Running());
    EXPECT_TRUE(IsWindowVisible(tool->Main()));

    const ExamplesWindow w = ClickExamples(*tool, c.examples);
    ASSERT_NE(w.window, nullptr);
    EXPECT_NE(w.window, old.window);
    EXPECT_EQ(ExamplesWindowsOf(tool->Pid()).size(), 1u);
    EXPECT_TRUE(SameRect(ScreenRectOf(w.window), kExamplesCentred)) << RectName(ScreenRectOf(w.window));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == w.window; }, 3s)) << "not the active window";
    EXPECT_TRUE(WaitUntil([&] { return tool->Focus() == w.button[0]; }, 3s)) << "the focus is not on 超级按钮1";
}

}  // namespace
}  // namespace e2e
