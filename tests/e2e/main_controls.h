// The main window's controls as a user finds them: by caption, or by place
// where a control shows no caption of its own. Plus the fixture that shares
// one running tool among the tests of a suite, to keep Wine start-ups few.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/e2e/driver.h"

namespace e2e {

struct MainControls {
    HWND input1 = nullptr, input2 = nullptr, input3 = nullptr, output = nullptr;  // edit boxes by row
    HWND clear1 = nullptr, clear2 = nullptr, clear3 = nullptr;                    // "×" beside each input
    HWND generate = nullptr;                                                     // "生成"
    HWND copy = nullptr;          // beside the output; found by place, its caption changes
    HWND red = nullptr, blue = nullptr, supply = nullptr;                         // option buttons
    HWND redLabel = nullptr, blueLabel = nullptr, supplyLabel = nullptr;          // coloured words over them
    HWND enlarge = nullptr;       // "字体加大"
    HWND keepOnTop = nullptr;     // "保持窗口最前"
    HWND examples = nullptr;      // "示例"
};

// Finds every control; fails the current test when one is missing.
MainControls FindMainControls(const Tool& tool);

// The point of an option button's mark (its round box, left of the caption).
POINT MarkOf(HWND option);

// The tool's state as after a start: inputs and output empty, red selected,
// both check boxes clear. Set from outside, without input.
void ResetMainWindow(const MainControls& c);

// Waits until all input sent before has been handled: moves the focus to
// input1 with a real click, which the tool can only see after what came first.
bool SettleInput(const Tool& tool, const MainControls& c);

// Waits until the copy button's caption has just been reset by its timer,
// so that the next reset is about 3 s away. Copies once to get there.
bool SyncToCaptionReset(const Tool& tool, const MainControls& c);

// One tool for a whole suite; each test brings it to the front.
class SharedTool : public testing::Test {
public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

protected:
    void SetUp() override;
    static std::optional<Tool> tool;
    static MainControls c;
};

}  // namespace e2e
