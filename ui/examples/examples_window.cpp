// The examples window: three picture buttons, each copying one ready-made line.
#include "ui/examples/examples_window.h"

#include "ui/examples/picture_button.h"
#include "ui/main/clipboard.h"

const char* const kExampleTexts[3] = {
    "<red>憨批救我！！！</red>",
    "我这里有<red>老婆</red>",
    // Closed with the full tag name, unlike the generator's bare "</>".
    "我这里有<SS_Normal_Color>AK47-火麒麟</SS_Normal_Color>",
};

// The copies stay silent: the examples window shows no confirmation.
void CopyExample1() { PutClipboardText(kExampleTexts[0]); }
void CopyExample2() { PutClipboardText(kExampleTexts[1]); }
void CopyExample3() { PutClipboardText(kExampleTexts[2]); }

namespace {

constexpr Colour kSpeckle = Rgb(236, 236, 236);

const PictureButtonSettings kCaptionButton = {.ToolTip = "点击即可复制"};
const PictureButtonSettings kPictureB = {.PicOut = Picture::B, .TransColorOut = kSpeckle, .ToolTip = "点击即可复制"};
const PictureButtonSettings kPictureC = {.PicOut = Picture::C, .TransColorOut = kSpeckle, .ToolTip = "点击即可复制"};

const ControlDesc kControls[] = {
    {.unit = "超级按钮3", .kind = Kind::PictureButton, .rect = {48, 144, 272, 40}, .onClick = CopyExample3, .picture = &kPictureC},
    {.unit = "超级按钮2", .kind = Kind::PictureButton, .rect = {48, 80, 272, 40}, .onClick = CopyExample2, .picture = &kPictureB},
    {.unit = "超级按钮1", .kind = Kind::PictureButton, .rect = {48, 16, 272, 40}, .text = "憨批救我！！！", .onClick = CopyExample1, .picture = &kCaptionButton},
};

}  // namespace

const WindowDesc ExamplesWindow = {
    .id = WindowId::Examples,
    .title = "彩色字体示例",
    .width = 380,
    .height = 441,
    .controls = kControls,
    .count = sizeof kControls / sizeof kControls[0],
    .background = Picture::A,
};
