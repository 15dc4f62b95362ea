// The main window as it stands after start: place, frame, the 23 controls in
// stacking order with their kinds, texts and rectangles, and initial states.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "tests/e2e/main_controls.h"

namespace e2e {
namespace {

TEST(Session, ScreenIsTheVirtual1024x768DesktopAndCodePageIs936) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_EQ(GetACP(), 936u);
}

enum class Kind { Timer, Check, Push, Label, Option, Edit };

struct Expected {
    const char* unit;  // for messages only
    Kind kind;
    int left, top, width, height;
    const wchar_t* text;
};

// Top of the stacking order first.
const Expected kControls[] = {
    {"时钟2", Kind::Timer, 112, 0, 48, 16, L""},
    {"选择框2", Kind::Check, 16, 0, 112, 24, L"保持窗口最前"},
    {"按钮6", Kind::Push, 24, 160, 88, 40, L"示例"},
    {"标签6", Kind::Label, 16, 120, 120, 24, L"输入变色字体后边的字"},
    {"标签5", Kind::Label, 37, 72, 99, 24, L"输入要变色的字"},
    {"标签4", Kind::Label, 16, 24, 120, 24, L"输入变色字体前边的字"},
    {"时钟1", Kind::Timer, 568, 168, 40, 24, L""},
    {"选择框1", Kind::Check, 168, 168, 72, 16, L"字体加大"},
    {"标签3", Kind::Label, 600, 94, 40, 16, L"物资色"},
    {"标签2", Kind::Label, 600, 71, 32, 16, L"蓝色"},
    {"标签1", Kind::Label, 600, 47, 32, 16, L"红色"},
    {"单选框3", Kind::Option, 584, 96, 56, 16, L"物资色"},
    {"单选框2", Kind::Option, 584, 72, 56, 16, L"蓝色"},
    {"单选框1", Kind::Option, 584, 48, 56, 16, L"红色"},
    {"按钮5", Kind::Push, 560, 208, 56, 24, L"复制"},
    {"编辑框4", Kind::Edit, 144, 208, 416, 24, L""},
    {"按钮4", Kind::Push, 248, 144, 200, 56, L"生成"},
    {"按钮3", Kind::Push, 560, 120, 24, 24, L"×"},
    {"按钮2", Kind::Push, 560, 72, 24, 24, L"×"},
    {"按钮1", Kind::Push, 560, 24, 24, 24, L"×"},
    {"编辑框3", Kind::Edit, 144, 120, 416, 24, L""},
    {"编辑框2", Kind::Edit, 144, 72, 416, 24, L""},
    {"编辑框1", Kind::Edit, 144, 24, 416, 24, L""},
};

// What a user (or an accessibility tool) can tell the kind by.
::testing::AssertionResult IsKind(const Control& c, Kind kind) {
    const LONG type = c.style & BS_TYPEMASK;
    const bool isButton = c.cls == L"Button";
    bool ok = false;
    switch (kind) {
        case Kind::Timer: ok = !c.visible; break;
        case Kind::Edit: ok = c.visible && c.cls == L"Edit"; break;
        case Kind::Label: ok = c.visible && c.cls == L"Static"; break;
        case Kind::Push: ok = c.visible && isButton && type == BS_PUSHBUTTON; break;
        case Kind::Check: ok = c.visible && isButton && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX); break;
        case Kind::Option:
            ok = c.visible && isButton && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
            break;
    }
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "class " << testing::PrintToString(c.cls) << ", style 0x" << std::hex
                                         << c.style << (c.visible ? ", visible" : ", hidden");
}

// Text is drawn smoothed, so its pixels are judged by their tint, not by
// the exact colour: how far the colour's own channels stand above the others.
int Tint(COLORREF px, COLORREF colour) {
    int in = 255, out = 0;
    for (auto [p, c] : {std::pair{GetRValue(px), GetRValue(colour)}, std::pair{GetGValue(px), GetGValue(colour)},
                        std::pair{GetBValue(px), GetBValue(colour)}}) {
        if (c > 128) in = std::min<int>(in, p);
        else out = std::max<int>(out, p);
    }
    return in - out;
}

bool IsGreyInk(COLORREF px) {
    const int hi = std::max({GetRValue(px), GetGValue(px), GetBValue(px)});
    const int lo = std::min({GetRValue(px), GetGValue(px), GetBValue(px)});
    return hi < 160 && hi - lo < 30;
}

using MainWindow = SharedTool;

TEST_F(MainWindow, HasItsTitleAFixedFrameAndIsCentred) {
    EXPECT_EQ(TextOf(tool->Main()), kMainTitle);
    const RECT r = ScreenRectOf(tool->Main());
    EXPECT_EQ(r.left, 189);
    EXPECT_EQ(r.top, 248);
    EXPECT_EQ(r.right - r.left, 646);
    EXPECT_EQ(r.bottom - r.top, 272);
    const LONG style = LONG(GetWindowLongPtrW(tool->Main(), GWL_STYLE));
    const LONG exStyle = LONG(GetWindowLongPtrW(tool->Main(), GWL_EXSTYLE));
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(GetMenu(tool->Main()), nullptr);
}

TEST_F(MainWindow, HasTheTwentyThreeControlsInStackingOrder) {
    const std::vector<Control> children = tool->Children();
    ASSERT_EQ(children.size(), std::size(kControls));
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Expected& e = kControls[i];
        const Control& got = children[i];
        SCOPED_TRACE(testing::Message() << "#" << i + 1 << " " << e.unit);
        EXPECT_TRUE(IsKind(got, e.kind));
        if (e.kind != Kind::Timer) {
            EXPECT_EQ(got.text, e.text);
        }
        EXPECT_EQ(got.rect.left, e.left);
        EXPECT_EQ(got.rect.top, e.top);
        EXPECT_EQ(got.rect.right - got.rect.left, e.width);
        EXPECT_EQ(got.rect.bottom - got.rect.top, e.height);
    }
}

TEST_F(MainWindow, StartsWithRedSelectedAndEverythingElseEmpty) {
    EXPECT_EQ(CheckOf(c.red), BST_CHECKED);
    EXPECT_EQ(CheckOf(c.blue), BST_UNCHECKED);
    EXPECT_EQ(CheckOf(c.supply), BST_UNCHECKED);
    EXPECT_EQ(CheckOf(c.enlarge), BST_UNCHECKED);
    EXPECT_EQ(CheckOf(c.keepOnTop), BST_UNCHECKED);
    for (HWND edit : {c.input1, c.input2, c.input3, c.output}) EXPECT_EQ(TextOf(edit), L"");
    EXPECT_EQ(TextOf(c.copy), L"复制");
}

// The coloured words lie above the option buttons' own captions: the user
// sees the label's colour there, never the black caption of 单选框1 beneath.
TEST_F(MainWindow, ShowsTheColouredWordsOverTheOptionCaptions) {
    struct Case {
        HWND label;
        COLORREF colour;
    };
    const Case cases[] = {{c.redLabel, RGB(255, 0, 0)}, {c.blueLabel, RGB(0, 0, 255)}, {c.supplyLabel, RGB(216, 216, 0)}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::PrintToString(TextOf(k.label)));
        int tinted = 0, grey = 0;
        // Painting may still be under way right after the window came to the front.
        WaitUntil(
            [&] {
                tinted = grey = 0;
                for (COLORREF px : ScreenPixels(ScreenRectOf(k.label))) {
                    if (Tint(px, k.colour) > 60) ++tinted;
                    if (IsGreyInk(px)) ++grey;
                }
                return tinted > 10 && grey == 0;
            },
            3s, 50ms);
        EXPECT_GT(tinted, 10) << "the label's text colour is not on the screen";
        EXPECT_EQ(grey, 0) << "grey ink: the option's own black caption shows through";
    }
}

}  // namespace
}  // namespace e2e
