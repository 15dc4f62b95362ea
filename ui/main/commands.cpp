// The main window's commands besides generate: clear, copy with its caption,
// and keep-on-top. They keep no state: everything lives in the controls.
#include "app/form.h"
#include "ui/main/clipboard.h"
#include "ui/main/main_window.h"

void ClearInput1() { WriteText(WindowId::Main, "编辑框1", ""); }
void ClearInput2() { WriteText(WindowId::Main, "编辑框2", ""); }
void ClearInput3() { WriteText(WindowId::Main, "编辑框3", ""); }

void Copy() {
    // The caption tells the truth: a copy that did not reach the clipboard
    // must not be confirmed, or the player pastes stale text into the game.
    const bool copied = PutClipboardText(ReadText(WindowId::Main, "编辑框4"));
    WriteText(WindowId::Main, "按钮5", copied ? "复制成功" : "复制失败");
}

void ResetCopyCaption() { WriteText(WindowId::Main, "按钮5", "复制"); }

void KeepOnTop() {
    // Written on every tick, changed or not: re-asserting topmost is what
    // brings the window back over another program's topmost window.
    if (ReadChecked(WindowId::Main, "选择框2") == 1) WriteAlwaysOnTop(WindowId::Main, 1);
    if (ReadChecked(WindowId::Main, "选择框2") == 0) WriteAlwaysOnTop(WindowId::Main, 0);
}

void OpenExamplesWindow() { LoadWindow(WindowId::Examples); }
