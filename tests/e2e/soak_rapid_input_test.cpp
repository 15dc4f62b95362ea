// Hundreds of clicks on 生成, 复制 and 示例 queued at once, posted and as real
// input: the tool works through them, keeps answering, ends with the right
// line in the output box and on the clipboard, and never builds a second
// examples window.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/main_controls.h"
#include "tests/e2e/examples_window.h"
#include "tests/e2e/soak_support.h"

namespace e2e {
namespace {

class SoakRapidInput : public SharedTool {
protected:
    void TearDown() override {
        // An examples window left open would keep the tool alive past the suite.
        for (HWND h : ExamplesWindows()) PostMessageW(h, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return ExamplesWindows().empty(); }, 5s));
    }

    // Every top-level window of the tool with the examples title, shown or not.
    std::vector<HWND> ExamplesWindows() const { return ExamplesWindowsOf(tool->Pid()); }
};

// `clicks` real clicks on a control, all queued by one SendInput call. The
// first click places the pointer and waits for it to arrive: under Wine a
// click sent in the same call as a move may be taken where the pointer was.
void ClickBurst(HWND control, int clicks) {
    ClickAt(CentreOf(control));
    std::vector<INPUT> inputs;
    for (int i = 1; i < clicks; ++i) {
        for (DWORD flag : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
            INPUT button{};
            button.type = INPUT_MOUSE;
            button.mi.dwFlags = flag;
            inputs.push_back(button);
        }
    }
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

TEST_F(SoakRapidInput, WorksThroughHundredsOfQueuedClicks) {
    ResetMainWindow(c);
    ASSERT_TRUE(SetText(c.input1, L"前边"));
    ASSERT_TRUE(SetText(c.input2, L"老婆"));
    ASSERT_TRUE(SetText(c.input3, L"后边"));
    SetCheck(c.red, false);
    SetCheck(c.supply, true);
    SetCheck(c.enlarge, true);
    const std::wstring line = L"前边<SS_Normal_Color><big>老婆</big></SS_Normal_Color>后边";
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(c.input3, EM_SETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored));
    ASSERT_TRUE(PutClipboardBytes("before"));
    ASSERT_TRUE(ExamplesWindows().empty());

    const auto started = std::chrono::steady_clock::now();
    // Real clicks first; what is posted below is taken before them wherever
    // they meet. Once the examples window is up it covers 生成, so some of
    // those clicks may land on its bare background, which does nothing; 复制
    // stays clear of it.
    ClickBurst(c.generate, 100);
    ClickBurst(c.copy, 100);
    const HWND buttons[] = {c.generate, c.copy, c.examples};  // generate first: every copy follows one
    for (int i = 0; i < 100; ++i)
        for (HWND b : buttons) ASSERT_TRUE(PostMessageW(b, BM_CLICK, 0, 0));
    for (int i = 0; i < 50; ++i) {
        for (HWND b : buttons) {
            ASSERT_TRUE(PostMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4)));
            ASSERT_TRUE(PostMessageW(b, WM_LBUTTONUP, 0, MAKELPARAM(4, 4)));
        }
    }
    // Posted last: once it has been taken, so has every posted click.
    ASSERT_TRUE(PostMessageW(c.input3, EM_SETSEL, 1, 2));
    ASSERT_TRUE(WaitUntil(
        [&] {
            DWORD_PTR sel = 0;
            return SendMessageTimeoutW(c.input3, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &sel) &&
                   sel == DWORD_PTR(MAKELONG(1, 2));
        },
        30s, 20ms))
        << "the posted clicks were not all taken within 30 s";
    // Real input is taken in order: the focus reaching 编辑框1 through a
    // click shows that the bursts before it are done. Nothing else gives it
    // the focus, and the posted clicks have moved it to the buttons. The
    // click goes to the box's right end, clear of the examples window; a
    // click that Wine drops is simply sent again.
    ASSERT_NE(tool->Focus(), c.input1);
    const RECT box = ScreenRectOf(c.input1);
    const POINT end{box.right - 8, (box.top + box.bottom) / 2};
    for (HWND h : ExamplesWindows()) {
        const RECT r = ScreenRectOf(h);
        ASSERT_FALSE(PtInRect(&r, end)) << "the examples window covers the end of 编辑框1";
    }
    int markers = 0;
    const bool settled = WaitUntil(
        [&] {
            ++markers;
            ClickAt(end);
            return WaitUntil([&] { return tool->Focus() == c.input1; }, 5s);
        },
        20s);
    std::printf("[   soak   ] 601 posted messages and 200 real clicks taken in %.0f ms (%d settling click%s)\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count(),
                markers, markers == 1 ? "" : "s");
    ASSERT_TRUE(settled) << "the real clicks were not all taken within 20 s";

    EXPECT_TRUE(tool->Running());
    EXPECT_TRUE(Answers(tool->Main())) << "the main window stopped answering";
    EXPECT_EQ(TextOf(c.output), line);
    const auto got = ReadClipboard();
    ASSERT_TRUE(got && got->text);
    EXPECT_TRUE(SameBytes(*got->text, Cp936(line) + '\0'));
    const std::vector<HWND> examples = ExamplesWindows();
    ASSERT_EQ(examples.size(), 1u) << "examples windows";
    EXPECT_TRUE(Answers(examples.front())) << "the examples window stopped answering";
}

}  // namespace
}  // namespace e2e
