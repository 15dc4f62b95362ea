// The tool with both windows open ends when the last of them closes, in
// either order, with exit code 0; the examples window works on alone.
#include <gtest/gtest.h>

#include "tests/e2e/examples_window.h"

namespace e2e {
namespace {

// Closes whatever examples window a failed test leaves, so that the Tool can
// end the process in the ordinary way.
struct ExamplesCloser {
    const std::optional<Tool>& tool;
    ~ExamplesCloser() {
        if (tool && tool->Running())
            for (HWND w : ExamplesWindowsOf(tool->Pid())) CloseAndWait(w);
    }
};

// Whether the process is still there a moment after a close: an end would
// follow the close at once, so half a second tells.
bool StaysRunning(const Tool& tool) { return !tool.WaitExit(500ms).has_value(); }

TEST(ExamplesLifecycle, ClosingTheExamplesWindowThenTheMainWindowEndsWithCodeZero) {
    auto tool = Tool::Launch();
    ASSERT_TRUE(tool);
    ExamplesCloser closer{tool};
    const MainControls c = FindMainControls(*tool);
    const ExamplesWindow w = ClickExamples(*tool, c.examples);
    ASSERT_NE(w.window, nullptr);
    ASSERT_TRUE(Activate(w.window));

    KeyWith(VK_MENU, VK_F4);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(w.window); }, 5s)) << "Alt+F4 did not close the examples window";
    EXPECT_TRUE(StaysRunning(*tool)) << "the tool ended with its main window open";
    EXPECT_TRUE(IsWindowVisible(tool->Main()));

    PostMessageW(tool->Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(tool->WaitExit(10s), std::optional<DWORD>(0));
}

TEST(ExamplesLifecycle, ClosingTheMainWindowFirstLeavesTheExamplesWindowWorking) {
    auto tool = Tool::Launch();
    ASSERT_TRUE(tool);
    ExamplesCloser closer{tool};
    const MainControls c = FindMainControls(*tool);
    const ExamplesWindow w = ClickExamples(*tool, c.examples);
    ASSERT_NE(w.window, nullptr);

    PostMessageW(tool->Main(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(tool->Main()); }, 5s)) << "the main window did not close";
    EXPECT_TRUE(StaysRunning(*tool)) << "the tool ended with the examples window open";
    ASSERT_TRUE(IsWindowVisible(w.window));

    // Still copying, on its own.
    ASSERT_TRUE(Activate(w.window));
    ASSERT_TRUE(PutClipboardBytes("sentinel"));
    const DWORD before = ClipboardSequence();
    Click(w.button[1]);
    const std::string expected = ExampleClipboardBytes(2);
    EXPECT_EQ(WaitForClipboard(before, expected), expected);
    ParkPointer();

    ASSERT_TRUE(Activate(w.window));
    Key(VK_ESCAPE);
    EXPECT_EQ(tool->WaitExit(10s), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
