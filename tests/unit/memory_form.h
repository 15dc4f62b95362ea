#pragma once
// The form runtime in memory: app/form.h and PutClipboardText over plain
// records built from the real window descriptions, so the handlers and the
// shell's build order run unchanged in a native test. It stands in for the
// platform only; a test "clicks", "types" and "ticks" through Deliver(), as
// the Win32 runtime does.
#include <cstddef>
#include <functional>
#include <ostream>
#include <vector>

#include "app/description.h"
#include "app/text.h"

namespace memory_form {

// One call the shell made into the build operations, with whether events
// were held at that moment.
struct Step {
    enum Op { Restore, Activate, CreateWindow, CreateControl, ShowControl, DestroyWindow, ShowWindow };
    Op op;
    WindowId window;
    std::size_t index = 0;  // the control, for CreateControl and ShowControl
    bool held = false;
    bool operator==(const Step&) const = default;
};
void PrintTo(const Step& step, std::ostream* out);

struct TextWrite {
    WindowId window;
    Text unit;
    Text text;
    bool operator==(const TextWrite&) const = default;
};

struct TopmostWrite {
    WindowId window;
    int value;
    bool operator==(const TopmostWrite&) const = default;
};

struct Clipboard {
    bool holdsText = false;  // false until the first successful put
    Text text;
    int puts = 0;            // successful puts
};

// What the platform does at chosen points of a build, for tests of the
// shell's rules (a failing creation, a window closed while it is shown, ...).
struct BuildHooks {
    int failCreateWindow = -1;         // a WindowId as int, or -1
    int failControlOf = -1;            // a WindowId as int, or -1 ...
    std::size_t failControlAt = 0;     // ... and the index whose creation fails
    std::function<void(WindowId, std::size_t)> afterCreateControl;
    std::function<void(WindowId)> afterShowWindow;
};

// A fresh process: ResetShell(), every window closed, logs, clipboard and hooks cleared.
void Reset();

// User actions. Each throws std::logic_error when the window is not open or
// the unit is not a control of the kind the action needs.
// A click as the platform reports it: check boxes toggle, an option button
// selects itself and deselects the others of its window; then the control's
// click handler is delivered. Labels, edits and timers take no click.
void Click(WindowId w, const char* unit);
// Replaces the content of an edit box, as the user selecting all and typing.
void Type(WindowId w, const char* unit, const Text& text);
void Tick(WindowId w, const char* unit);
// Sets a checked state directly, for states the user cannot reach by clicking.
void SetChecked(WindowId w, const char* unit, int checked);
void Minimise(WindowId w);
// The platform destroys the window (close button, Esc): its records go, and
// the shell is told. Returns true when the shell asked the loop to quit.
bool CloseWindow(WindowId w);

bool IsOpen(WindowId w);
bool IsVisible(WindowId w, const char* unit);  // a control
bool IsShown(WindowId w);                      // the window itself
bool TimerRunning(WindowId w, const char* unit);

BuildHooks& Hooks();
void SetClipboardSucceeds(bool succeeds);
const Clipboard& ClipboardState();
const std::vector<Step>& Steps();
const std::vector<TextWrite>& TextWrites();
const std::vector<TopmostWrite>& TopmostWrites();
bool QuitPosted();

}  // namespace memory_form
