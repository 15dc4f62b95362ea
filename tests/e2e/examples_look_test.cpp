// The examples window as it shows on the screen, checked at a few pixels
// that prove it: picture A centred and blended over the face, picture B with
// the face through its transparent colour, the focused button's outline,
// and the main window kept in front of it by 保持窗口最前.
#include <gtest/gtest.h>

#include "tests/e2e/examples_window.h"

namespace e2e {
namespace {

// Pixels of assets/picture_a.png (194 x 193, RGBA), listed with
// `convert picture_a.png txt:-` and chosen to lie clear of the buttons for a
// client area of about 374 x 416: opaque body colours, whose 3 x 3
// neighbourhood has the same colour; anti-aliased outline pixels of partial
// alpha, whose right neighbour differs, to catch a picture one pixel off; and
// two fully transparent corners.
struct PictureAPixel {
    int x, y;
    BYTE r, g, b, alpha;
};
const PictureAPixel kPictureA[] = {
    {33, 134, 136, 136, 159, 255},  // light body
    {73, 119, 172, 172, 194, 255},  // pale band
    {154, 173, 103, 103, 126, 255}, // shadow
    {156, 21, 104, 100, 133, 255},  // ear
    {115, 103, 146, 92, 178, 255},  // violet nose
    {139, 91, 30, 28, 42, 255},     // eye
    {174, 18, 50, 48, 66, 35},      // outline
    {79, 15, 50, 48, 66, 92},
    {43, 85, 50, 48, 66, 170},
    {0, 192, 0, 0, 0, 0},           // corners
    {193, 192, 0, 0, 0, 0},
};

// Pixels of assets/picture_b.png (110 x 34, RGB), listed the same way: five
// of its 25 pixels of RGB(236, 236, 236), which show the face, and their
// neighbours, which cover it.
struct PictureBPixel {
    int x, y;
    bool transparent;
    COLORREF colour;  // when not transparent
};
const PictureBPixel kPictureB[] = {
    {12, 6, true, 0},   {63, 18, true, 0},  {66, 18, true, 0},
    {16, 20, true, 0},  {38, 21, true, 0},
    {11, 6, false, RGB(255, 255, 255)},  {12, 7, false, RGB(0, 0, 0)},
    {64, 19, false, RGB(255, 255, 255)}, {104, 10, false, RGB(255, 0, 0)},
    {0, 0, false, RGB(255, 255, 255)},
};
constexpr POINT kPictureBAt{81, 3};  // in 超级按钮2: (272 - 110) / 2, (40 - 34) / 2

BYTE Blend(BYTE picture, BYTE alpha, BYTE face) {
    return BYTE((unsigned(alpha) * picture + (255u - alpha) * face) / 255u);
}

bool UnderAButton(POINT client) {
    for (const RECT& r : kExampleButtonRects)
        if (PtInRect(&r, client)) return true;
    return false;
}

using ExamplesLook = ExamplesTest;

TEST_F(ExamplesLook, PictureAIsCentredInTheClientAreaAndBlendedOverTheFace) {
    const ExamplesWindow w = OpenFresh();
    ASSERT_NE(w.window, nullptr);
    RECT client{};
    ASSERT_TRUE(GetClientRect(w.window, &client));
    const int cw = client.right, ch = client.bottom;
    ASSERT_GE(cw, 194);  // else the picture is shrunk and these pixels do not apply
    ASSERT_GE(ch, 193);
    const POINT origin{(cw - 194) / 2, (ch - 193) / 2};
    const COLORREF face = GetSysColor(COLOR_BTNFACE);

    std::vector<PixelCheck> checks;
    for (const PictureAPixel& p : kPictureA) {
        const POINT at{origin.x + p.x, origin.y + p.y};
        ASSERT_FALSE(UnderAButton(at)) << "picture pixel (" << p.x << ", " << p.y << ") lies under a button";
        const COLORREF want =
            RGB(Blend(p.r, p.alpha, GetRValue(face)), Blend(p.g, p.alpha, GetGValue(face)),
                Blend(p.b, p.alpha, GetBValue(face)));
        checks.push_back({"picture A (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")",
                          ScreenPoint(w.window, at), want});
    }
    // Around the picture the face colour only.
    checks.push_back({"left of the picture", ScreenPoint(w.window, POINT{origin.x - 2, origin.y + 150}), face});
    checks.push_back({"bottom right corner", ScreenPoint(w.window, POINT{cw - 2, ch - 2}), face});
    ExpectPixels(checks);
}

TEST_F(ExamplesLook, PictureBShowsTheFaceThroughItsTransparentColourOnly) {
    const ExamplesWindow w = OpenFresh();
    ASSERT_NE(w.window, nullptr);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ASSERT_NE(face, RGB(236, 236, 236)) << "the face looks like the transparent colour: nothing to tell apart";
    // 超级按钮2 is neither focused nor pressed, so its face is the button face.
    const RECT button = ScreenRectOf(w.button[1]);
    std::vector<PixelCheck> checks;
    for (const PictureBPixel& p : kPictureB) {
        const POINT at{button.left + kPictureBAt.x + p.x, button.top + kPictureBAt.y + p.y};
        checks.push_back({"picture B (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")", at,
                          p.transparent ? face : p.colour});
    }
    ExpectPixels(checks);
}

TEST_F(ExamplesLook, OnlyTheFocusedButtonHasABlackOutline) {
    const ExamplesWindow w = OpenFresh();
    ASSERT_NE(w.window, nullptr);
    const COLORREF black = RGB(0, 0, 0);
    for (std::size_t focused = 0; focused < 3; ++focused) {
        SCOPED_TRACE("focus on 超级按钮" + std::to_string(focused + 1));
        if (focused > 0) Key(VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return tool->Focus() == w.button[focused]; }, 3s));
        std::vector<PixelCheck> checks;
        for (std::size_t i = 0; i < 3; ++i) {
            const RECT r = ScreenRectOf(w.button[i]);
            const std::string name = "超级按钮" + std::to_string(i + 1);
            const POINT top{r.left + 136, r.top}, left{r.left, r.top + 20};
            if (i == focused) {
                checks.push_back({name + " top edge", top, black});
                checks.push_back({name + " left edge", left, black});
                checks.push_back({name + " bottom edge", POINT{r.left + 136, r.bottom - 1}, black});
                checks.push_back({name + " right edge", POINT{r.right - 1, r.top + 20}, black});
            } else {
                // The raised edge is light on the top and left, dark on the
                // other two sides, so only those two tell the outline apart.
                checks.push_back({name + " top edge", top, black, false});
                checks.push_back({name + " left edge", left, black, false});
            }
        }
        ExpectPixels(checks);
    }
}

class ExamplesKeepOnTop : public ExamplesTest {
protected:
    void TearDown() override {
        SetCheck(c.keepOnTop, false);
        WaitUntil([&] { return (GetWindowLongPtrW(tool->Main(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0; }, 1s);
    }
};

HWND RootAt(POINT screen) { return GetAncestor(WindowFromPoint(screen), GA_ROOT); }

TEST_F(ExamplesKeepOnTop, TheMainWindowStaysInFrontOfTheMiddleBandOfTheExamples) {
    const ExamplesWindow w = OpenFresh();
    ASSERT_NE(w.window, nullptr);
    ASSERT_TRUE(tool->BringToFront());
    Click(c.keepOnTop);
    ASSERT_TRUE(WaitUntil([&] { return CheckOf(c.keepOnTop) == BST_CHECKED; }, 3s));
    ParkPointer();

    // Activating the examples window does not bring it over the main window.
    ASSERT_TRUE(Activate(w.window));
    const RECT main = ScreenRectOf(tool->Main());
    const POINT middle = CentreOf(w.window);
    const POINT topBand{middle.x, (kExamplesCentred.top + main.top) / 2};
    EXPECT_TRUE(WaitUntil([&] { return InFrontOf(tool->Main(), w.window) && RootAt(middle) == tool->Main(); }, 1s))
        << "the examples window covers the main window";
    EXPECT_EQ(GetForegroundWindow(), w.window);
    EXPECT_EQ(RootAt(topBand), w.window);
    EXPECT_EQ(GetWindowLongPtrW(w.window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "the examples window became topmost";
}

}  // namespace
}  // namespace e2e
