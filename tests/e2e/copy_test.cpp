// Copy and clear. The clipboard is read by the test process and compared
// byte for byte with GBK.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/gbk_texts.h"
#include "tests/e2e/main_controls.h"

namespace e2e {
namespace {

class Copy : public SharedTool {
protected:
    // Clicks 复制 and reads the clipboard once the tool has changed it.
    std::optional<ClipboardContent> CopyAndRead() {
        const DWORD before = ClipboardSequence();
        Click(c.copy);
        if (!WaitUntil([&] { return ClipboardSequence() != before; }, 5s)) return std::nullopt;
        return ReadClipboard();
    }
};

// The bytes the clipboard must hold: the text's GBK bytes and one NUL.
std::string WithNul(std::wstring_view text) { return Gbk(text) + '\0'; }

TEST_F(Copy, PutsTheOutputBoxAsGbkBytesWithOneNul) {
    for (const wchar_t* output : {L"<red>hello</red>", L"我这里有<red>老婆</red>", L""}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(output)));
        ASSERT_TRUE(PutClipboardBytes("something else"));
        SetText(c.output, output);
        const auto got = CopyAndRead();
        ASSERT_TRUE(got) << "the clipboard did not change";
        ASSERT_TRUE(got->text) << "no CF_TEXT";
        EXPECT_EQ(*got->text, WithNul(output));
    }
}

TEST_F(Copy, TakesTheOutputBoxAsTheUserEditedIt) {
    ResetMainWindow(c);
    SetText(c.input2, L"老婆");
    Click(c.generate);
    ASSERT_TRUE(WaitUntil([&] { return TextOf(c.output) == L"<red>老婆</red>"; }, 5s));
    Click(c.output);
    ASSERT_TRUE(WaitUntil([&] { return tool->Focus() == c.output; }, 5s));
    Key(VK_END);
    Type(L"！！");
    ASSERT_TRUE(WaitUntil([&] { return TextOf(c.output) == L"<red>老婆</red>！！"; }, 5s))
        << testing::PrintToString(TextOf(c.output));
    const auto got = CopyAndRead();
    ASSERT_TRUE(got && got->text);
    EXPECT_EQ(*got->text, WithNul(L"<red>老婆</red>！！"));
}

TEST_F(Copy, ConfirmsOnTheCaptionUntilTheTimerResetsIt) {
    ASSERT_TRUE(SyncToCaptionReset(*tool, c)) << "the caption never went back to 复制";
    SetText(c.output, L"abc");
    const auto clicked = std::chrono::steady_clock::now();
    Click(c.copy);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(c.copy) == L"复制成功"; }, 1s, 2ms))
        << testing::PrintToString(TextOf(c.copy));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(c.copy) == L"复制"; }, 3500ms, 2ms))
        << "still " << testing::PrintToString(TextOf(c.copy));
    // The reset comes with the 3-second timer's next tick, which is most of a
    // period away right after a reset: not at once, not from a short timer.
    EXPECT_GE(std::chrono::steady_clock::now() - clicked, 1500ms);
}

TEST_F(Copy, FailsAndLeavesTheClipboardAloneWhileAnotherProgramHoldsIt) {
    ASSERT_TRUE(SyncToCaptionReset(*tool, c));
    ASSERT_TRUE(PutClipboardBytes("before"));
    const DWORD sequence = ClipboardSequence();
    SetText(c.output, L"我这里有<red>老婆</red>");
    std::wstring caption;
    {
        ClipboardHolder holder(3s);
        ASSERT_TRUE(holder.Held());
        Click(c.copy);
        // Held until the tool has answered the click.
        EXPECT_TRUE(WaitUntil([&] { return (caption = TextOf(c.copy)) != L"复制"; }, 2s, 2ms));
    }
    EXPECT_EQ(caption, L"复制失败");
    const auto got = ReadClipboard();
    ASSERT_TRUE(got && got->text);
    EXPECT_EQ(*got->text, WithNul(L"before"));
    EXPECT_EQ(ClipboardSequence(), sequence);
}

TEST_F(Copy, SucceedsWhenTheClipboardIsHeldOnlyBriefly) {
    ASSERT_TRUE(SyncToCaptionReset(*tool, c));
    ASSERT_TRUE(PutClipboardBytes("before"));
    SetText(c.output, L"短暂");
    std::wstring caption;
    {
        ClipboardHolder holder(10ms);
        ASSERT_TRUE(holder.Held());
        Click(c.copy);
        EXPECT_TRUE(WaitUntil([&] { return (caption = TextOf(c.copy)) != L"复制"; }, 2s, 2ms));
    }
    EXPECT_EQ(caption, L"复制成功");
    const auto got = ReadClipboard();
    ASSERT_TRUE(got && got->text);
    EXPECT_EQ(*got->text, WithNul(L"短暂"));
}

using Clear = SharedTool;

TEST_F(Clear, EachCrossEmptiesOnlyItsOwnInput) {
    struct Case {
        HWND MainControls::*button;
        HWND MainControls::*input;
    };
    const Case cases[] = {{&MainControls::clear1, &MainControls::input1},
                          {&MainControls::clear2, &MainControls::input2},
                          {&MainControls::clear3, &MainControls::input3}};
    for (const Case& k : cases) {
        ResetMainWindow(c);
        SetCheck(c.red, false);
        SetCheck(c.blue, true);
        SetCheck(c.enlarge, true);
        const HWND inputs[] = {c.input1, c.input2, c.input3};
        const std::wstring texts[] = {L"前边", L"要变色", L"后边"};
        for (int i = 0; i < 3; ++i) SetText(inputs[i], texts[i]);
        SetText(c.output, L"line");
        HWND input = c.*k.input;
        SCOPED_TRACE(testing::PrintToString(TextOf(input)));
        Click(c.*k.button);
        ASSERT_TRUE(WaitUntil([&] { return TextOf(input).empty(); }, 5s));
        for (int i = 0; i < 3; ++i) {
            if (inputs[i] == input) continue;
            EXPECT_EQ(TextOf(inputs[i]), texts[i]);
        }
        EXPECT_EQ(TextOf(c.output), L"line");
        EXPECT_EQ(CheckOf(c.blue), BST_CHECKED);
        EXPECT_EQ(CheckOf(c.enlarge), BST_CHECKED);
    }
}

}  // namespace
}  // namespace e2e
