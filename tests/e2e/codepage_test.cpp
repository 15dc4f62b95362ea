// Under an ANSI code page of 1252 (LANG=C.UTF-8): the tool's Chinese texts
// still show as the right Unicode text, and the line still reaches the
// clipboard as GBK bytes that any reader can turn into the right Chinese.
#include <gtest/gtest.h>

#include "tests/e2e/gbk_texts.h"
#include "tests/e2e/main_controls.h"

namespace e2e {
namespace {

class Cp1252 : public SharedTool {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 1252u) << "this suite runs with LANG=C.UTF-8";
        SharedTool::SetUp();
    }
};

TEST_F(Cp1252, CaptionsReadBackAsTheirChineseText) {
    EXPECT_EQ(TextOf(tool->Main()), L"Velmaro彩色聊天字体生成");
    struct Case {
        const wchar_t* cls;
        const wchar_t* text;
    };
    const Case cases[] = {
        {L"Button", L"复制"},         {L"Button", L"示例"},     {L"Button", L"保持窗口最前"},
        {L"Button", L"生成"},         {L"Button", L"字体加大"}, {L"Button", L"物资色"},
        {L"Static", L"输入要变色的字"}, {L"Static", L"红色"},     {L"Button", L"×"},
    };
    for (const Case& k : cases) EXPECT_NE(tool->Find(k.cls, k.text), nullptr) << testing::PrintToString(std::wstring(k.text));
}

TEST_F(Cp1252, CopiesAChineseLineAsGbkWithTheChineseLocale) {
    ResetMainWindow(c);
    SetText(c.input1, L"我这里有");
    SetText(c.input2, L"老婆");
    ClickAt(MarkOf(c.supply));
    ASSERT_TRUE(WaitUntil([&] { return CheckOf(c.supply) == BST_CHECKED; }, 5s));
    Click(c.generate);
    const std::wstring line = L"我这里有<SS_Normal_Color>老婆</>";
    ASSERT_TRUE(WaitUntil([&] { return TextOf(c.output) == line; }, 5s)) << testing::PrintToString(TextOf(c.output));

    ASSERT_TRUE(PutClipboardBytes("before"));
    const DWORD before = ClipboardSequence();
    Click(c.copy);
    ASSERT_TRUE(WaitUntil([&] { return ClipboardSequence() != before; }, 5s));
    const auto got = ReadClipboard();
    ASSERT_TRUE(got);
    ASSERT_TRUE(got->text);
    EXPECT_EQ(*got->text, Gbk(line) + '\0');
    ASSERT_TRUE(got->locale);
    EXPECT_EQ(*got->locale, 0x0804u);
    ASSERT_TRUE(got->unicode);
    EXPECT_EQ(*got->unicode, line);
}

}  // namespace
}  // namespace e2e
