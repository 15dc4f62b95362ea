// The two window descriptions as data, what derives from them (Tab order,
// centring, bindings), and the main window as it stands right after a build.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/form.h"
#include "tests/unit/memory_form.h"
#include "ui/examples/examples_window.h"
#include "ui/main/main_window.h"

namespace {

std::vector<std::string> TabUnits(const WindowDesc& w) {
    std::size_t order[32];
    const std::size_t n = TabOrder(w, order, 32);
    std::vector<std::string> units;
    for (std::size_t i = 0; i < n; ++i) units.push_back(w.controls[order[i]].unit);
    return units;
}

struct WindowCase {
    WindowId id;
    Text title;
    int width, height;
    std::size_t controls;
    std::vector<std::string> tabOrder;
};

const WindowCase kWindows[] = {
    {WindowId::Main, "Velmaro彩色聊天字体生成", 646, 272, 23,
     {"编辑框1", "编辑框2", "编辑框3", "按钮1", "按钮2", "按钮3", "按钮4", "编辑框4", "按钮5", "单选框1",
      "单选框2", "单选框3", "选择框1", "按钮6", "选择框2"}},
    {WindowId::Examples, "彩色字体示例", 380, 441, 3, {"超级按钮1", "超级按钮2", "超级按钮3"}},
};

TEST(Descriptions, WindowsSizesUnitsAndTabOrder) {
    for (const WindowCase& c : kWindows) {
        const WindowDesc& w = DescriptionOf(c.id);
        SCOPED_TRACE(w.title);
        EXPECT_EQ(w.id, c.id);
        EXPECT_EQ(Text(w.title), c.title);
        EXPECT_EQ(w.width, c.width);
        EXPECT_EQ(w.height, c.height);
        ASSERT_EQ(w.count, c.controls);
        std::set<std::string> units;
        for (std::size_t i = 0; i < w.count; ++i) units.insert(w.controls[i].unit);
        EXPECT_EQ(units.size(), w.count) << "unit names must be unique within a window";
        EXPECT_EQ(TabUnits(w), c.tabOrder);
    }
}

TEST(Descriptions, TabOrderStopsAtTheCallersCapacity) {
    std::size_t order[4];
    ASSERT_EQ(TabOrder(MainWindow, order, 4), 4u);
    EXPECT_STREQ(MainWindow.controls[order[3]].unit, "按钮1");
}

// The union of the handler columns is the binding table; every other control
// of both windows has no handler.
TEST(Descriptions, BindingTable) {
    struct Binding {
        WindowId window;
        const char* unit;
        Handler handler;
    };
    const Binding bindings[] = {
        {WindowId::Main, "按钮1", ClearInput1},       {WindowId::Main, "按钮2", ClearInput2},
        {WindowId::Main, "按钮3", ClearInput3},       {WindowId::Main, "按钮4", Generate},
        {WindowId::Main, "按钮5", Copy},              {WindowId::Main, "按钮6", OpenExamplesWindow},
        {WindowId::Main, "时钟1", ResetCopyCaption},  {WindowId::Main, "时钟2", KeepOnTop},
        {WindowId::Examples, "超级按钮1", CopyExample1}, {WindowId::Examples, "超级按钮2", CopyExample2},
        {WindowId::Examples, "超级按钮3", CopyExample3},
    };
    for (WindowId id : {WindowId::Main, WindowId::Examples}) {
        const WindowDesc& w = DescriptionOf(id);
        EXPECT_EQ(w.onCreated, nullptr);
        for (std::size_t i = 0; i < w.count; ++i) {
            const ControlDesc& c = w.controls[i];
            Handler expected = nullptr;
            for (const Binding& b : bindings)
                if (b.window == id && std::strcmp(b.unit, c.unit) == 0) expected = b.handler;
            EXPECT_EQ(c.onClick, expected) << c.unit;
        }
    }
}

TEST(Descriptions, TimerPeriods) {
    ASSERT_NE(FindControl(MainWindow, "时钟1"), nullptr);
    ASSERT_NE(FindControl(MainWindow, "时钟2"), nullptr);
    EXPECT_EQ(FindControl(MainWindow, "时钟1")->period, 3000);
    EXPECT_EQ(FindControl(MainWindow, "时钟2")->period, 300);
    EXPECT_EQ(FindControl(MainWindow, "编辑框9"), nullptr);
}

TEST(Centring, TruncatesTowardZero) {
    struct Case {
        int screen, size, origin;
    };
    const Case cases[] = {
        {1024, MainWindow.width, 189},     {768, MainWindow.height, 248},
        {1024, ExamplesWindow.width, 322}, {768, ExamplesWindow.height, 163},
        {1023, 646, 188},  // odd difference: 377 / 2
        {600, 646, -23},   // a screen smaller than the window
        {645, 646, 0},     // -1 / 2 truncates to 0, not -1
        {200, 441, -120},  // -241 / 2 truncates to -120, not -121
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentredOrigin(c.screen, c.size), c.origin) << c.screen << " - " << c.size;
}

TEST(ExampleTexts, BytesAndLengths) {
    EXPECT_EQ(Text(kExampleTexts[0]),
              "<red>\xBA\xA9\xC5\xFA\xBE\xC8\xCE\xD2\xA3\xA1\xA3\xA1\xA3\xA1</red>");
    const std::size_t lengths[] = {25, 23, 54};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(std::strlen(kExampleTexts[i]), lengths[i]) << "text " << i + 1;
    EXPECT_EQ(Text(kExampleTexts[1]), "我这里有<red>老婆</red>");
    EXPECT_EQ(Text(kExampleTexts[2]), "我这里有<SS_Normal_Color>AK47-火麒麟</SS_Normal_Color>");
}

// What a freshly built main window holds, read through the handlers' own accessors.
TEST(MainWindowAtStart, InitialStates) {
    memory_form::Reset();
    ASSERT_TRUE(LoadWindow(WindowId::Main));
    for (const char* edit : {"编辑框1", "编辑框2", "编辑框3", "编辑框4"})
        EXPECT_EQ(ReadText(WindowId::Main, edit), "") << edit;
    struct Checked {
        const char* unit;
        int value;
    };
    const Checked checked[] = {
        {"单选框1", 1}, {"单选框2", 0}, {"单选框3", 0}, {"选择框1", 0}, {"选择框2", 0},
    };
    for (const Checked& c : checked) EXPECT_EQ(ReadChecked(WindowId::Main, c.unit), c.value) << c.unit;
    EXPECT_EQ(ReadText(WindowId::Main, "按钮5"), "\xB8\xB4\xD6\xC6");  // 复制
    for (const char* clear : {"按钮1", "按钮2", "按钮3"})
        EXPECT_EQ(ReadText(WindowId::Main, clear), "\xA1\xC1") << clear;  // ×
}

}  // namespace
