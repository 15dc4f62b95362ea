// The process around the main window: closing it in each of the ways a user
// has ends the tool with code 0; two launches are two independent copies.
#include <gtest/gtest.h>

#include "tests/e2e/main_controls.h"

namespace e2e {
namespace {

// The middle of the title bar's close button, found by asking the window
// what each point of its top right corner is.
std::optional<POINT> CloseButtonOf(HWND window) {
    const RECT r = ScreenRectOf(window);
    long sumX = 0, sumY = 0, n = 0;
    for (int y = r.top; y < r.top + 40; y += 2) {
        for (int x = r.right - 80; x < r.right; x += 2) {
            DWORD_PTR hit = 0;
            if (SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000, &hit) &&
                hit == HTCLOSE) {
                sumX += x;
                sumY += y;
                ++n;
            }
        }
    }
    if (n == 0) return std::nullopt;
    return POINT{sumX / n, sumY / n};
}

TEST(Lifecycle, ClosingTheMainWindowEndsTheToolWithCodeZero) {
    struct Case {
        const char* how;
        void (*close)(const Tool&);
    };
    const Case cases[] = {
        {"WM_CLOSE", [](const Tool& t) { PostMessageW(t.Main(), WM_CLOSE, 0, 0); }},
        {"close button",
         [](const Tool& t) {
             const auto at = CloseButtonOf(t.Main());
             ASSERT_TRUE(at) << "no close button in the title bar";
             ClickAt(*at);
         }},
        {"Alt+F4", [](const Tool&) { KeyWith(VK_MENU, VK_F4); }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.how);
        auto tool = Tool::Launch();
        ASSERT_TRUE(tool);
        ASSERT_TRUE(tool->BringToFront());
        k.close(*tool);
        EXPECT_EQ(tool->WaitExit(10s), std::optional<DWORD>(0));
    }
}

TEST(Lifecycle, TwoLaunchesAreTwoIndependentCopies) {
    auto first = Tool::Launch();
    auto second = Tool::Launch();
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_NE(first->Pid(), second->Pid());
    EXPECT_NE(first->Main(), second->Main());
    EXPECT_EQ(WindowsOf(first->Pid(), kMainTitle).size(), 1u);
    EXPECT_EQ(WindowsOf(second->Pid(), kMainTitle).size(), 1u);

    // Each keeps its own inputs, and closing one leaves the other running.
    const MainControls a = FindMainControls(*first);
    const MainControls b = FindMainControls(*second);
    SetText(a.input1, L"first");
    EXPECT_EQ(TextOf(b.input1), L"");
    PostMessageW(first->Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(first->WaitExit(10s), std::optional<DWORD>(0));
    EXPECT_TRUE(second->Running());
    EXPECT_TRUE(IsWindowVisible(second->Main()));
    PostMessageW(second->Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(second->WaitExit(10s), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
