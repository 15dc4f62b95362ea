// Generate through real clicks on the real buttons: the colour option, the
// size box and 生成, with the line read back from the output box.
#include <gtest/gtest.h>

#include "tests/e2e/main_controls.h"

namespace e2e {
namespace {

enum class Colour { Red, Blue, Supply };

struct Case {
    const wchar_t* before;
    const wchar_t* coloured;
    const wchar_t* after;
    Colour colour;
    bool enlarge;
    const wchar_t* line;
};

// Together they use each of the six tag pairs.
const Case kCases[] = {
    {L"", L"", L"", Colour::Supply, false, L"<SS_Normal_Color></>"},
    {L"", L"金色", L"", Colour::Blue, true, L"<blue><big>金色</big></blue>"},
    {L"我这里有", L"老婆", L"", Colour::Red, false, L"我这里有<red>老婆</red>"},
    {L"我这里有", L"老婆", L"", Colour::Supply, true, L"我这里有<SS_Normal_Color><big>老婆</big></SS_Normal_Color>"},
    {L"a", L"b", L"c", Colour::Red, true, L"a<red><big>b</big></red>c"},
    {L" 前 ", L"蓝", L" 后 ", Colour::Blue, false, L" 前 <blue>蓝</blue> 后 "},
    // What the user types is kept as typed, tags and brackets included.
    {L"<x>", L"<red>y</red>", L">", Colour::Red, false, L"<x><red><red>y</red></red>>"},
};

class Generate : public SharedTool {
protected:
    HWND OptionOf(Colour colour) const {
        return colour == Colour::Red ? c.red : colour == Colour::Blue ? c.blue : c.supply;
    }

    // Clicks 生成 and waits for the output box to read `line`.
    std::wstring GenerateAndWaitFor(const std::wstring& line) {
        Click(c.generate);
        std::wstring got;
        WaitUntil([&] { return (got = TextOf(c.output)) == line; }, 5s);
        return got;
    }
};

TEST_F(Generate, ComposesTheLineFromInputsOptionAndSize) {
    for (const Case& k : kCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(k.line)));
        ResetMainWindow(c);
        SetText(c.output, L"(old line)");
        SetText(c.input1, k.before);
        SetText(c.input2, k.coloured);
        SetText(c.input3, k.after);
        HWND option = OptionOf(k.colour);
        if (option != c.red) {
            ClickAt(MarkOf(option));
            ASSERT_TRUE(WaitUntil([&] { return CheckOf(option) == BST_CHECKED; }, 5s));
        }
        if (k.enlarge) {
            Click(c.enlarge);
            ASSERT_TRUE(WaitUntil([&] { return CheckOf(c.enlarge) == BST_CHECKED; }, 5s));
        }
        EXPECT_EQ(GenerateAndWaitFor(k.line), k.line);
    }
}

TEST_F(Generate, TakesTextTypedOnTheKeyboard) {
    ResetMainWindow(c);
    Click(c.input1);
    ASSERT_TRUE(WaitUntil([&] { return tool->Focus() == c.input1; }, 5s));
    Type(L"我这里有");
    Click(c.input2);
    ASSERT_TRUE(WaitUntil([&] { return tool->Focus() == c.input2; }, 5s));
    Type(L"老婆");
    ASSERT_TRUE(WaitUntil([&] { return TextOf(c.input2) == L"老婆"; }, 5s));
    EXPECT_EQ(TextOf(c.input1), L"我这里有");
    EXPECT_EQ(GenerateAndWaitFor(L"我这里有<red>老婆</red>"), L"我这里有<red>老婆</red>");
}

TEST_F(Generate, ReplacesTheWholeLineWhenOnlyTheColourChanged) {
    ResetMainWindow(c);
    SetText(c.input2, L"字");
    ASSERT_EQ(GenerateAndWaitFor(L"<red>字</red>"), L"<red>字</red>");
    ClickAt(MarkOf(c.blue));
    ASSERT_TRUE(WaitUntil([&] { return CheckOf(c.blue) == BST_CHECKED; }, 5s));
    EXPECT_EQ(GenerateAndWaitFor(L"<blue>字</blue>"), L"<blue>字</blue>");
}

// No option on (set from outside, the user cannot get there): the output box
// keeps what it held.
TEST_F(Generate, LeavesTheOutputAloneWithNoColourSelected) {
    ResetMainWindow(c);
    SetCheck(c.red, false);
    SetText(c.input2, L"字");
    SetText(c.output, L"kept");
    Click(c.generate);
    ASSERT_TRUE(SettleInput(*tool, c));
    EXPECT_EQ(TextOf(c.output), L"kept");
}

TEST(GenerateAtStart, GivesAnEmptyRedLine) {
    auto tool = Tool::Launch();
    ASSERT_TRUE(tool);
    ASSERT_TRUE(tool->BringToFront());
    const MainControls c = FindMainControls(*tool);
    Click(c.generate);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(c.output) == L"<red></red>"; }, 5s))
        << testing::PrintToString(TextOf(c.output));
}

}  // namespace
}  // namespace e2e
