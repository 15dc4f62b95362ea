#include "tests/unit/memory_form.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "app/form.h"
#include "app/shell.h"
#include "ui/main/clipboard.h"

namespace memory_form {
namespace {

struct ControlRecord {
    const ControlDesc* desc;
    Text text;
    int checked = 0;
    bool visible = false;
    bool timerRunning = false;
};

struct WindowRecord {
    const WindowDesc* desc = nullptr;  // null while the window does not exist
    std::vector<ControlRecord> controls;
    bool minimised = false;
    bool shown = false;
};

struct State {
    WindowRecord windows[kWindowCount];
    std::vector<Step> steps;
    std::vector<TextWrite> textWrites;
    std::vector<TopmostWrite> topmostWrites;
    Clipboard clipboard;
    bool clipboardSucceeds = true;
    bool quitPosted = false;
    BuildHooks hooks;
};

State state;

WindowRecord& Window(WindowId w) { return state.windows[static_cast<int>(w)]; }

void Log(Step::Op op, WindowId w, std::size_t index = 0) {
    state.steps.push_back({op, w, index, EventsHeld()});
}

ControlRecord* Find(WindowId w, const char* unit) {
    for (ControlRecord& c : Window(w).controls)
        if (std::strcmp(c.desc->unit, unit) == 0) return &c;
    return nullptr;
}

ControlRecord& Existing(WindowId w, const char* unit) {
    if (Window(w).desc == nullptr) throw std::logic_error(std::string("window not open for ") + unit);
    ControlRecord* c = Find(w, unit);
    if (c == nullptr) throw std::logic_error(std::string("no control ") + unit);
    return *c;
}

// --- the build operations -----------------------------------------------------

bool OpIsOpen(WindowId w) { return Window(w).desc != nullptr; }
bool OpIsMinimised(WindowId w) { return Window(w).minimised; }

void OpRestore(WindowId w) {
    Log(Step::Restore, w);
    Window(w).minimised = false;
}

void OpActivate(WindowId w) { Log(Step::Activate, w); }

bool OpCreateWindow(const WindowDesc& d) {
    Log(Step::CreateWindow, d.id);
    if (state.hooks.failCreateWindow == static_cast<int>(d.id)) return false;
    Window(d.id) = WindowRecord{};
    Window(d.id).desc = &d;
    return true;
}

bool OpCreateControl(const WindowDesc& d, std::size_t i) {
    Log(Step::CreateControl, d.id, i);
    if (state.hooks.failControlOf == static_cast<int>(d.id) && state.hooks.failControlAt == i)
        return false;
    const ControlDesc& c = d.controls[i];
    Window(d.id).controls.push_back({
        .desc = &c,
        .text = c.text,
        .checked = c.checked ? 1 : 0,
        .timerRunning = c.kind == Kind::Timer && c.period > 0,
    });
    if (state.hooks.afterCreateControl) state.hooks.afterCreateControl(d.id, i);
    return true;
}

void OpShowControl(const WindowDesc& d, std::size_t i) {
    Log(Step::ShowControl, d.id, i);
    Window(d.id).controls.at(i).visible = true;
}

void Destroy(WindowId w) {
    const bool existed = Window(w).desc != nullptr;
    Window(w) = WindowRecord{};
    // As on Win32, only a window that existed reports its destruction.
    if (existed && WindowDestroyed(w)) state.quitPosted = true;
}

void OpDestroyWindow(WindowId w) {
    Log(Step::DestroyWindow, w);
    Destroy(w);
}

void OpShowWindow(WindowId w) {
    Log(Step::ShowWindow, w);
    Window(w).shown = true;
    Window(w).minimised = false;
    if (state.hooks.afterShowWindow) state.hooks.afterShowWindow(w);
}

const BuildOps kOps = {
    .isOpen = OpIsOpen,
    .isMinimised = OpIsMinimised,
    .restore = OpRestore,
    .activate = OpActivate,
    .createWindow = OpCreateWindow,
    .createControl = OpCreateControl,
    .showControl = OpShowControl,
    .destroyWindow = OpDestroyWindow,
    .showWindow = OpShowWindow,
};

}  // namespace

void PrintTo(const Step& step, std::ostream* out) {
    static const char* const kNames[] = {"Restore",       "Activate",      "CreateWindow", "CreateControl",
                                         "ShowControl",   "DestroyWindow", "ShowWindow"};
    *out << kNames[step.op] << (step.window == WindowId::Main ? "(main" : "(examples");
    if (step.op == Step::CreateControl || step.op == Step::ShowControl) *out << ", " << step.index;
    *out << (step.held ? ", held)" : ")");
}

void Reset() {
    ResetShell();
    state = State{};
}

void Click(WindowId w, const char* unit) {
    ControlRecord& c = Existing(w, unit);
    switch (c.desc->kind) {
        case Kind::CheckBox:
            c.checked = 1 - c.checked;
            break;
        case Kind::OptionButton:
            // The Win32 runtime keeps the group exclusive itself, and not while a build holds events.
            if (EventsHeld()) break;
            for (ControlRecord& other : Window(w).controls)
                if (other.desc->kind == Kind::OptionButton) other.checked = 0;
            c.checked = 1;
            break;
        case Kind::PushButton:
        case Kind::PictureButton:
            break;
        case Kind::Label:
        case Kind::Edit:
        case Kind::Timer:
            return;
    }
    Deliver(c.desc->onClick);
}

void Type(WindowId w, const char* unit, const Text& text) {
    ControlRecord& c = Existing(w, unit);
    if (c.desc->kind != Kind::Edit) throw std::logic_error(std::string("not an edit box: ") + unit);
    c.text = text;
}

void Tick(WindowId w, const char* unit) {
    ControlRecord& c = Existing(w, unit);
    if (c.desc->kind != Kind::Timer) throw std::logic_error(std::string("not a timer: ") + unit);
    if (c.timerRunning) Deliver(c.desc->onClick);
}

void SetChecked(WindowId w, const char* unit, int checked) { Existing(w, unit).checked = checked ? 1 : 0; }

void Minimise(WindowId w) {
    if (Window(w).desc == nullptr) throw std::logic_error("minimising a closed window");
    Window(w).minimised = true;
}

bool CloseWindow(WindowId w) {
    if (Window(w).desc == nullptr) throw std::logic_error("closing a closed window");
    state.quitPosted = false;
    Destroy(w);
    return state.quitPosted;
}

bool IsOpen(WindowId w) { return Window(w).desc != nullptr; }
bool IsVisible(WindowId w, const char* unit) { return Existing(w, unit).visible; }
bool IsShown(WindowId w) { return Window(w).desc != nullptr && Window(w).shown; }
bool TimerRunning(WindowId w, const char* unit) { return Existing(w, unit).timerRunning; }

BuildHooks& Hooks() { return state.hooks; }
void SetClipboardSucceeds(bool succeeds) { state.clipboardSucceeds = succeeds; }
const Clipboard& ClipboardState() { return state.clipboard; }
const std::vector<Step>& Steps() { return state.steps; }
const std::vector<TextWrite>& TextWrites() { return state.textWrites; }
const std::vector<TopmostWrite>& TopmostWrites() { return state.topmostWrites; }
bool QuitPosted() { return state.quitPosted; }

}  // namespace memory_form

// --- app/form.h and ui/main/clipboard.h, realised in memory ----------------------

using namespace memory_form;

Text ReadText(WindowId w, const char* unit) {
    const ControlRecord* c = Find(w, unit);
    return c ? c->text : Text();
}

void WriteText(WindowId w, const char* unit, const Text& text) {
    if (ControlRecord* c = Find(w, unit)) {
        c->text = text;
        state.textWrites.push_back({w, unit, text});
    }
}

int ReadChecked(WindowId w, const char* unit) {
    const ControlRecord* c = Find(w, unit);
    return c != nullptr && c->checked ? 1 : 0;
}

void WriteAlwaysOnTop(WindowId w, int on) {
    if (Window(w).desc != nullptr) state.topmostWrites.push_back({w, on});
}

bool LoadWindow(WindowId w) { return LoadWindowWith(kOps, w); }

bool PutClipboardText(const Text& text) {
    // A failed put leaves the clipboard as it was, as the Win32 operation does.
    if (!state.clipboardSucceeds) return false;
    state.clipboard.holdsText = true;
    state.clipboard.text = text;
    ++state.clipboard.puts;
    return true;
}
