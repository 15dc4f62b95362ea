// Keep-on-top: 保持窗口最前 makes the main window a topmost window within a
// tick of its 300 ms timer, without moving it or taking the activation, and
// keeps it above other topmost windows.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/main_controls.h"

namespace e2e {
namespace {

bool IsTopmost(HWND h) { return (GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool Above(HWND a, HWND b) {
    const std::vector<HWND> z = TopLevelZOrder();
    const auto pa = std::find(z.begin(), z.end(), a);
    const auto pb = std::find(z.begin(), z.end(), b);
    return pa != z.end() && pb != z.end() && pa < pb;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

class KeepOnTop : public SharedTool {
protected:
    void TearDown() override {
        SetCheck(c.keepOnTop, false);
        WaitUntil([&] { return !IsTopmost(tool->Main()); }, 1s);
    }
};

TEST_F(KeepOnTop, ClickingTheBoxTurnsItOnAndOff) {
    const RECT place = ScreenRectOf(tool->Main());
    Click(c.keepOnTop);
    ASSERT_TRUE(WaitUntil([&] { return CheckOf(c.keepOnTop) == BST_CHECKED; }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(tool->Main()); }, 1s)) << "not topmost within 1 s";
    Click(c.keepOnTop);
    ASSERT_TRUE(WaitUntil([&] { return CheckOf(c.keepOnTop) == BST_UNCHECKED; }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(tool->Main()); }, 1s)) << "still topmost after 1 s";
    EXPECT_TRUE(SameRect(ScreenRectOf(tool->Main()), place));
}

// Another window is active; the box is ticked without activating the tool
// (the state is what the timer polls).
TEST_F(KeepOnTop, LeavesTheActivationWhereItIs) {
    const RECT place = ScreenRectOf(tool->Main());
    OwnWindow other(RECT{20, 20, 320, 220}, false);
    ASSERT_NE(other.Handle(), nullptr);
    ASSERT_TRUE(WaitUntil(
        [&] {
            SetForegroundWindow(other.Handle());
            return GetForegroundWindow() == other.Handle();
        },
        3s, 20ms));
    ASSERT_TRUE(SetCheck(c.keepOnTop, true));
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(tool->Main()); }, 1s)) << "not topmost within 1 s";
    // Some more ticks: none of them may take the activation or move the window.
    PumpFor(700ms);
    EXPECT_EQ(GetForegroundWindow(), other.Handle());
    EXPECT_TRUE(SameRect(ScreenRectOf(tool->Main()), place));

    ASSERT_TRUE(SetCheck(c.keepOnTop, false));
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(tool->Main()); }, 1s)) << "still topmost after 1 s";
    PumpFor(700ms);
    EXPECT_EQ(GetForegroundWindow(), other.Handle());
    EXPECT_TRUE(SameRect(ScreenRectOf(tool->Main()), place));
}

TEST_F(KeepOnTop, CoversATopmostWindowPlacedOverIt) {
    ASSERT_TRUE(SetCheck(c.keepOnTop, true));
    ASSERT_TRUE(WaitUntil([&] { return IsTopmost(tool->Main()); }, 1s));
    // Over the output box, whose inside is white when the tool is in front.
    const RECT box = ScreenRectOf(c.output);
    const POINT probe{box.left + 8, box.top + 4};
    OwnWindow cover(RECT{probe.x - 100, probe.y - 60, probe.x + 200, probe.y + 60}, true);
    ASSERT_NE(cover.Handle(), nullptr);
    SetWindowPos(cover.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return Above(tool->Main(), cover.Handle()); }, 1s))
        << "the topmost window stays above the main window";
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(probe) == RGB(255, 255, 255); }, 2s))
        << "the output box is not visible at the probe";
}

}  // namespace
}  // namespace e2e
