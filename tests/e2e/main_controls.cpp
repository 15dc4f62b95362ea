#include "tests/e2e/main_controls.h"

namespace e2e {

std::optional<Tool> SharedTool::tool;
MainControls SharedTool::c;

MainControls FindMainControls(const Tool& tool) {
    MainControls c;
    c.input1 = tool.FindAt(L"Edit", {352, 36});
    c.input2 = tool.FindAt(L"Edit", {352, 84});
    c.input3 = tool.FindAt(L"Edit", {352, 132});
    c.output = tool.FindAt(L"Edit", {352, 220});
    c.clear1 = tool.FindAt(L"Button", {572, 36});
    c.clear2 = tool.FindAt(L"Button", {572, 84});
    c.clear3 = tool.FindAt(L"Button", {572, 132});
    c.generate = tool.Find(L"Button", L"生成");
    c.copy = tool.FindAt(L"Button", {588, 220});
    c.red = tool.Find(L"Button", L"红色");
    c.blue = tool.Find(L"Button", L"蓝色");
    c.supply = tool.Find(L"Button", L"物资色");
    c.redLabel = tool.Find(L"Static", L"红色");
    c.blueLabel = tool.Find(L"Static", L"蓝色");
    c.supplyLabel = tool.Find(L"Static", L"物资色");
    c.enlarge = tool.Find(L"Button", L"字体加大");
    c.keepOnTop = tool.Find(L"Button", L"保持窗口最前");
    c.examples = tool.Find(L"Button", L"示例");
    for (HWND h : {c.input1, c.input2, c.input3, c.output, c.clear1, c.clear2, c.clear3, c.generate, c.copy,
                   c.red, c.blue, c.supply, c.redLabel, c.blueLabel, c.supplyLabel, c.enlarge,
                   c.keepOnTop, c.examples})
        EXPECT_NE(h, nullptr) << "a control of the main window is missing";
    return c;
}

POINT MarkOf(HWND option) {
    const RECT r = ScreenRectOf(option);
    // The mark is at the left end; the coloured label covers the caption.
    return POINT{r.left + 6, (r.top + r.bottom) / 2};
}

void ResetMainWindow(const MainControls& c) {
    for (HWND edit : {c.input1, c.input2, c.input3, c.output}) SetText(edit, L"");
    SetCheck(c.red, true);
    SetCheck(c.blue, false);
    SetCheck(c.supply, false);
    SetCheck(c.enlarge, false);
    SetCheck(c.keepOnTop, false);
}

bool SettleInput(const Tool& tool, const MainControls& c) {
    if (tool.Focus() == c.input1) {
        // Already there: step away first, or the click would prove nothing.
        Key(VK_TAB);
        if (!WaitUntil([&] { return tool.Focus() != c.input1; }, 5s)) return false;
    }
    Click(c.input1);
    return WaitUntil([&] { return tool.Focus() == c.input1; }, 5s);
}

bool SyncToCaptionReset(const Tool& tool, const MainControls& c) {
    // The first change can be missed when a reset falls right after the
    // click; then the copy is simply made again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!tool.BringToFront()) return false;
        Click(c.copy);
        if (!WaitUntil([&] { return TextOf(c.copy) != L"复制"; }, 1500ms, 2ms)) continue;
        if (WaitUntil([&] { return TextOf(c.copy) == L"复制"; }, 4s, 2ms)) return true;
    }
    return false;
}

void SharedTool::SetUpTestSuite() {
    tool = Tool::Launch();
    if (tool) c = FindMainControls(*tool);
}

void SharedTool::TearDownTestSuite() { tool.reset(); }

void SharedTool::SetUp() {
    ASSERT_TRUE(tool.has_value()) << "the tool did not start or showed no main window";
    ASSERT_TRUE(tool->Running()) << "the tool has ended";
    ASSERT_TRUE(tool->BringToFront()) << "the main window cannot be brought to the front";
}

}  // namespace e2e
