// Composing a chat line, checked twice per case: Compose itself, and the
// generate button on the main window fed through its controls.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "app/form.h"
#include "markup/chat_markup.h"
#include "tests/unit/memory_form.h"

namespace {

using memory_form::Click;
using memory_form::Type;

constexpr WindowId kMain = WindowId::Main;

struct LineCase {
    const char* name;
    Text before, coloured, after;
    ColourChoice colour;
    const char* option;  // the option button to click; nullptr keeps the state at start
    bool enlarge;
    Text expected;
};

const LineCase kLines[] = {
    {"red", "a", "b", "c", ColourChoice::Red, "单选框1", false, "a<red>b</red>c"},
    {"red big", "a", "b", "c", ColourChoice::Red, "单选框1", true, "a<red><big>b</big></red>c"},
    {"blue", "a", "b", "c", ColourChoice::Blue, "单选框2", false, "a<blue>b</blue>c"},
    {"blue big", "a", "b", "c", ColourChoice::Blue, "单选框2", true, "a<blue><big>b</big></blue>c"},
    {"supply", "a", "b", "c", ColourChoice::Supply, "单选框3", false, "a<SS_Normal_Color>b</>c"},
    {"supply big", "a", "b", "c", ColourChoice::Supply, "单选框3", true,
     "a<SS_Normal_Color><big>b</big></SS_Normal_Color>c"},
    {"empty inputs right after start", "", "", "", ColourChoice::Red, nullptr, false, "<red></red>"},
    {"empty inputs, supply", "", "", "", ColourChoice::Supply, "单选框3", false, "<SS_Normal_Color></>"},
    {"only coloured text, blue big", "", "xyz", "", ColourChoice::Blue, "单选框2", true,
     "<blue><big>xyz</big></blue>"},
    {"tags typed by the user stay as typed", "<red>1<", "</>", "<big>>", ColourChoice::Red, "单选框1", false,
     "<red>1<<red></></red><big>>"},
    {"spaces are not trimmed", " a ", " ", "b ", ColourChoice::Blue, "单选框2", false, " a <blue> </blue>b "},
    // Expected bytes spelled out in GBK, so the case does not lean on the compiler's conversion.
    {"Chinese byte for byte", "你好", "火麒麟", "！", ColourChoice::Red, "单选框1", false,
     "\xC4\xE3\xBA\xC3<red>\xBB\xF0\xF7\xE8\xF7\xEB</red>\xA3\xA1"},
    {"worked example, red", "我这里有", "老婆", "", ColourChoice::Red, "单选框1", false,
     "我这里有<red>老婆</red>"},
    {"worked example, supply big", "我这里有", "老婆", "", ColourChoice::Supply, "单选框3", true,
     "我这里有<SS_Normal_Color><big>老婆</big></SS_Normal_Color>"},
};

void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }

class Generate : public ::testing::TestWithParam<LineCase> {
protected:
    void SetUp() override {
        memory_form::Reset();
        ASSERT_TRUE(LoadWindow(kMain));
    }
};

TEST_P(Generate, ComposesTheLineFromTheControls) {
    const LineCase& c = GetParam();
    EXPECT_EQ(Compose(c.before, c.coloured, c.after, c.colour, c.enlarge), c.expected);

    Type(kMain, "编辑框1", c.before);
    Type(kMain, "编辑框2", c.coloured);
    Type(kMain, "编辑框3", c.after);
    if (c.option) Click(kMain, c.option);
    if (c.enlarge) Click(kMain, "选择框1");
    Click(kMain, "按钮4");
    EXPECT_EQ(ReadText(kMain, "编辑框4"), c.expected);
    // Generating reads the inputs and leaves them alone.
    EXPECT_EQ(ReadText(kMain, "编辑框1"), c.before);
    EXPECT_EQ(ReadText(kMain, "编辑框2"), c.coloured);
}

INSTANTIATE_TEST_SUITE_P(Lines, Generate, ::testing::ValuesIn(kLines),
                         [](const ::testing::TestParamInfo<LineCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(GenerateBytes, ChineseLineIsTheSumOfItsPieces) {
    // 4 + 5 ("<red>") + 6 + 6 ("</red>") + 2
    EXPECT_EQ(Compose("你好", "火麒麟", "！", ColourChoice::Red, false).size(), 23u);
    // The worked example is the examples window's text 2, byte for byte.
    EXPECT_EQ(Compose("我这里有", "老婆", "", ColourChoice::Red, false),
              "\xCE\xD2\xD5\xE2\xC0\xEF\xD3\xD0<red>\xC0\xCF\xC6\xC5</red>");
}

class GenerateAgain : public ::testing::Test {
protected:
    void SetUp() override {
        memory_form::Reset();
        ASSERT_TRUE(LoadWindow(kMain));
        Type(kMain, "编辑框1", "我这里有");
        Type(kMain, "编辑框2", "老婆");
    }
};

TEST_F(GenerateAgain, SameInputsGiveTheSameLineAndANewColourReplacesIt) {
    Click(kMain, "按钮4");
    Click(kMain, "按钮4");
    EXPECT_EQ(ReadText(kMain, "编辑框4"), "我这里有<red>老婆</red>");
    Click(kMain, "单选框2");
    Click(kMain, "按钮4");
    EXPECT_EQ(ReadText(kMain, "编辑框4"), "我这里有<blue>老婆</blue>");
}

TEST_F(GenerateAgain, OverwritesAHandEditOfTheOutput) {
    Type(kMain, "编辑框4", "hand edit");
    Click(kMain, "按钮4");
    EXPECT_EQ(ReadText(kMain, "编辑框4"), "我这里有<red>老婆</red>");
}

// The three option checks are independent: none on writes nothing, and with
// several on (not reachable by clicking) each later colour overwrites.
TEST_F(GenerateAgain, OptionStatesTheUserCannotClickInto) {
    struct Case {
        int red, blue, supply;
        Text expected;
    };
    const Case cases[] = {
        {0, 0, 0, "kept"},
        {1, 0, 1, "我这里有<SS_Normal_Color>老婆</>"},
        {1, 1, 0, "我这里有<blue>老婆</blue>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        Type(kMain, "编辑框4", "kept");
        memory_form::SetChecked(kMain, "单选框1", c.red);
        memory_form::SetChecked(kMain, "单选框2", c.blue);
        memory_form::SetChecked(kMain, "单选框3", c.supply);
        Click(kMain, "按钮4");
        EXPECT_EQ(ReadText(kMain, "编辑框4"), c.expected);
    }
}

}  // namespace
