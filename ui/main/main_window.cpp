// The main window: settings and the 23 controls in stored order (first on top).
#include "ui/main/main_window.h"

namespace {

constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kSupply = Rgb(216, 216, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kRed = Rgb(255, 0, 0);

const ControlDesc kControls[] = {
    {.unit = "时钟2", .kind = Kind::Timer, .rect = {112, 0, 48, 16}, .period = 300, .onClick = KeepOnTop},
    {.unit = "选择框2", .kind = Kind::CheckBox, .rect = {16, 0, 112, 24}, .text = "保持窗口最前", .fg = kBlack, .bg = kFace},
    {.unit = "按钮6", .kind = Kind::PushButton, .rect = {24, 160, 88, 40}, .text = "示例", .onClick = OpenExamplesWindow},
    {.unit = "标签6", .kind = Kind::Label, .rect = {16, 120, 120, 24}, .text = "输入变色字体后边的字", .fg = kBlack, .bg = kFace},
    {.unit = "标签5", .kind = Kind::Label, .rect = {37, 72, 99, 24}, .text = "输入要变色的字", .fg = kBlack, .bg = kFace},
    {.unit = "标签4", .kind = Kind::Label, .rect = {16, 24, 120, 24}, .text = "输入变色字体前边的字", .fg = kBlack, .bg = kFace},
    {.unit = "时钟1", .kind = Kind::Timer, .rect = {568, 168, 40, 24}, .period = 3000, .onClick = ResetCopyCaption},
    {.unit = "选择框1", .kind = Kind::CheckBox, .rect = {168, 168, 72, 16}, .text = "字体加大", .fg = kBlack, .bg = kFace},
    {.unit = "标签3", .kind = Kind::Label, .rect = {600, 94, 40, 16}, .text = "物资色", .fg = kSupply, .bg = kFace},
    {.unit = "标签2", .kind = Kind::Label, .rect = {600, 71, 32, 16}, .text = "蓝色", .fg = kBlue, .bg = kFace},
    {.unit = "标签1", .kind = Kind::Label, .rect = {600, 47, 32, 16}, .text = "红色", .fg = kRed, .bg = kFace},
    {.unit = "单选框3", .kind = Kind::OptionButton, .rect = {584, 96, 56, 16}, .text = "物资色", .fg = kSupply, .bg = kFace},
    {.unit = "单选框2", .kind = Kind::OptionButton, .rect = {584, 72, 56, 16}, .text = "蓝色", .fg = kBlue, .bg = kFace},
    {.unit = "单选框1", .kind = Kind::OptionButton, .rect = {584, 48, 56, 16}, .text = "红色", .fg = kBlack, .bg = kFace, .checked = true},
    {.unit = "按钮5", .kind = Kind::PushButton, .rect = {560, 208, 56, 24}, .text = "复制", .onClick = Copy},
    {.unit = "编辑框4", .kind = Kind::Edit, .rect = {144, 208, 416, 24}, .fg = kBlack, .bg = kWhite},
    {.unit = "按钮4", .kind = Kind::PushButton, .rect = {248, 144, 200, 56}, .text = "生成", .onClick = Generate},
    {.unit = "按钮3", .kind = Kind::PushButton, .rect = {560, 120, 24, 24}, .text = "×", .onClick = ClearInput3},
    {.unit = "按钮2", .kind = Kind::PushButton, .rect = {560, 72, 24, 24}, .text = "×", .onClick = ClearInput2},
    {.unit = "按钮1", .kind = Kind::PushButton, .rect = {560, 24, 24, 24}, .text = "×", .onClick = ClearInput1},
    {.unit = "编辑框3", .kind = Kind::Edit, .rect = {144, 120, 416, 24}, .fg = kBlack, .bg = kWhite},
    {.unit = "编辑框2", .kind = Kind::Edit, .rect = {144, 72, 416, 24}, .fg = kBlack, .bg = kWhite},
    {.unit = "编辑框1", .kind = Kind::Edit, .rect = {144, 24, 416, 24}, .fg = kBlack, .bg = kWhite},
};

}  // namespace

const WindowDesc MainWindow = {
    .id = WindowId::Main,
    .title = "Velmaro彩色聊天字体生成",
    .width = 646,
    .height = 272,
    .controls = kControls,
    .count = sizeof kControls / sizeof kControls[0],
};
