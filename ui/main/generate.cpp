// The generate command: the three inputs and the chosen tags become one chat
// line in the output box.
#include "app/form.h"
#include "markup/chat_markup.h"
#include "ui/main/main_window.h"

namespace {

void ColourStep(ColourChoice colour) {
    const bool enlarge = ReadChecked(WindowId::Main, "选择框1") != 0;
    const Text before = ReadText(WindowId::Main, "编辑框1");
    const Text coloured = ReadText(WindowId::Main, "编辑框2");
    const Text after = ReadText(WindowId::Main, "编辑框3");
    WriteText(WindowId::Main, "编辑框4", Compose(before, coloured, after, colour, enlarge));
}

}  // namespace

void Generate() {
    // Independent checks, not a chain: with no option on, the output stays as it is.
    if (ReadChecked(WindowId::Main, "单选框1") == 1) ColourStep(ColourChoice::Red);
    if (ReadChecked(WindowId::Main, "单选框2") == 1) ColourStep(ColourChoice::Blue);
    if (ReadChecked(WindowId::Main, "单选框3") == 1) ColourStep(ColourChoice::Supply);
}
