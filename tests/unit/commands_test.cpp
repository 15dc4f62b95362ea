// The main window's commands and the examples window's copies, clicked and
// ticked on the in-memory form.
#include <gtest/gtest.h>

#include <vector>

#include "app/form.h"
#include "tests/unit/memory_form.h"
#include "ui/examples/examples_window.h"
#include "ui/main/clipboard.h"

namespace {

using memory_form::Click;
using memory_form::Step;
using memory_form::Tick;
using memory_form::Type;

constexpr WindowId kMain = WindowId::Main;
constexpr WindowId kExamples = WindowId::Examples;

const Text kCopy = "\xB8\xB4\xD6\xC6";                      // 复制
const Text kCopied = "\xB8\xB4\xD6\xC6\xB3\xC9\xB9\xA6";    // 复制成功
const Text kNotCopied = "\xB8\xB4\xD6\xC6\xCA\xA7\xB0\xDC";  // 复制失败

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        memory_form::Reset();
        ASSERT_TRUE(LoadWindow(kMain));
    }
};

TEST_F(Commands, EachClearButtonEmptiesOnlyItsOwnInput) {
    const char* const edits[] = {"编辑框1", "编辑框2", "编辑框3", "编辑框4"};
    const char* const buttons[] = {"按钮1", "按钮2", "按钮3"};
    for (int b = 0; b < 3; ++b) {
        SCOPED_TRACE(buttons[b]);
        for (const char* e : edits) Type(kMain, e, Text("text of ") + e);
        Click(kMain, "单选框2");
        Click(kMain, "选择框1");
        Click(kMain, buttons[b]);
        for (int e = 0; e < 4; ++e)
            EXPECT_EQ(ReadText(kMain, edits[e]), e == b ? Text() : Text("text of ") + edits[e]) << edits[e];
        EXPECT_EQ(ReadChecked(kMain, "单选框2"), 1);
        EXPECT_EQ(ReadChecked(kMain, "选择框1"), 1);
        Click(kMain, "选择框1");  // back off for the next round
    }
}

TEST_F(Commands, CopyPutsTheOutputBytesAndSaysWhetherItWorked) {
    struct Case {
        const char* name;
        bool clipboardWorks;
        Text output;
        Text caption;
        Text clipboard;  // what the clipboard holds afterwards
    };
    const Case cases[] = {
        {"Chinese line", true, "我这里有<red>老婆</red>", kCopied, "我这里有<red>老婆</red>"},
        {"empty box gives the empty text", true, "", kCopied, ""},
        {"a hand edit is copied as it stands", true, " <x> 手写 ", kCopied, " <x> 手写 "},
        {"clipboard unavailable keeps the old contents", false, "new line", kNotCopied, "before"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        memory_form::Reset();
        ASSERT_TRUE(LoadWindow(kMain));
        ASSERT_TRUE(PutClipboardText("before"));
        memory_form::SetClipboardSucceeds(c.clipboardWorks);
        Type(kMain, "编辑框4", c.output);
        Click(kMain, "按钮5");
        EXPECT_EQ(ReadText(kMain, "按钮5"), c.caption);
        EXPECT_EQ(memory_form::ClipboardState().text, c.clipboard);
        EXPECT_EQ(ReadText(kMain, "编辑框4"), c.output);
    }
}

TEST_F(Commands, GeneratedLineIsWhatGetsCopied) {
    Type(kMain, "编辑框2", "老婆");
    Click(kMain, "按钮4");
    Click(kMain, "按钮5");
    EXPECT_EQ(memory_form::ClipboardState().text, "<red>\xC0\xCF\xC6\xC5</red>");
}

TEST_F(Commands, CaptionResetWritesCopyOnEveryTick) {
    Click(kMain, "按钮5");
    ASSERT_EQ(ReadText(kMain, "按钮5"), kCopied);
    for (int tick = 0; tick < 3; ++tick) Tick(kMain, "时钟1");
    EXPECT_EQ(ReadText(kMain, "按钮5"), kCopy);
    // Written unconditionally, even when the caption already reads 复制.
    std::vector<memory_form::TextWrite> resets;
    for (const auto& w : memory_form::TextWrites())
        if (w.unit == "按钮5" && w.text == kCopy) resets.push_back(w);
    EXPECT_EQ(resets.size(), 3u);
}

TEST_F(Commands, KeepOnTopWritesOneValueOnEveryTick) {
    struct Round {
        bool toggle;  // click 选择框2 before the tick
        int written;
    };
    const Round rounds[] = {{false, 0}, {false, 0}, {true, 1}, {false, 1}, {true, 0}, {true, 1}, {true, 0}};
    std::vector<memory_form::TopmostWrite> expected;
    for (const Round& r : rounds) {
        if (r.toggle) Click(kMain, "选择框2");
        Tick(kMain, "时钟2");
        expected.push_back({kMain, r.written});
        EXPECT_EQ(memory_form::TopmostWrites(), expected);
    }
}

TEST_F(Commands, NothingActsOnTheWindowUntilATimerTicks) {
    EXPECT_TRUE(memory_form::TopmostWrites().empty());
    EXPECT_TRUE(memory_form::TextWrites().empty());
}

TEST_F(Commands, ExamplesButtonsCopyTheirTextsExactly) {
    Click(kMain, "按钮6");
    const char* const buttons[] = {"超级按钮1", "超级按钮2", "超级按钮3"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(buttons[i]);
        for (int twice = 0; twice < 2; ++twice) {
            Click(kExamples, buttons[i]);
            EXPECT_EQ(memory_form::ClipboardState().text, Text(kExampleTexts[i]));
        }
    }
    EXPECT_EQ(memory_form::ClipboardState().puts, 6);
    // Silent copies: no caption or content of either window was written.
    EXPECT_TRUE(memory_form::TextWrites().empty());
    EXPECT_EQ(ReadText(kExamples, "超级按钮1"), "憨批救我！！！");
}

TEST_F(Commands, ExamplesButtonOpensOneWindowAndReopensAfterClose) {
    auto builds = [] {
        int n = 0;
        for (const Step& s : memory_form::Steps()) n += s.op == Step::CreateWindow && s.window == kExamples;
        return n;
    };
    Click(kMain, "按钮6");
    EXPECT_TRUE(memory_form::IsShown(kExamples));
    Click(kMain, "按钮6");
    EXPECT_EQ(builds(), 1);
    EXPECT_EQ(memory_form::Steps().back(), (Step{Step::Activate, kExamples}));

    EXPECT_FALSE(memory_form::CloseWindow(kExamples));
    Click(kMain, "按钮6");
    EXPECT_EQ(builds(), 2);
    EXPECT_TRUE(memory_form::IsShown(kExamples));
}

}  // namespace
