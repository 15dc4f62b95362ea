#pragma once
// The application shell's rules, kept free of Win32 so that they can be
// tested: start-up order, the event hold count, the loop-started flag, end
// routines, window building order and the fatal-error text.
#include "app/description.h"
#include "app/text.h"

// What start-up needs of the platform.
struct StartupOps {
    void (*addErrorModeFlags)();   // keep the flags set, add the two that silence system boxes
    bool (*startRuntime)();        // OLE, current directory, window descriptions
    int (*runLoop)();              // until the quit message; returns its code
    void (*showFatalBox)(const Text& text);
    void (*releaseRuntime)();      // and uninitialise OLE
};

// What building a window needs of the platform.
struct BuildOps {
    bool (*isOpen)(WindowId w);
    bool (*isMinimised)(WindowId w);
    void (*restore)(WindowId w);
    void (*activate)(WindowId w);
    bool (*createWindow)(const WindowDesc& w);  // hidden, centred
    bool (*createControl)(const WindowDesc& w, std::size_t index);  // hidden; timers start
    void (*showControl)(const WindowDesc& w, std::size_t index);    // without activation
    void (*destroyWindow)(WindowId w);  // after a failed build
    void (*showWindow)(WindowId w);     // normally: shown, active, in front
};

// Runs start-up, the loop and the end. Returns the process exit code.
int RunApplication(const StartupOps& ops);

// Load window: restores or activates an open window, builds a closed one.
bool LoadWindowWith(const BuildOps& ops, WindowId w);

// Event delivery: runs the handler unless events are held.
void Deliver(Handler handler);
bool EventsHeld();
void HoldEvents();
void ReleaseEvents();

void RegisterEndRoutine(Handler routine);

// The platform reports a destroyed window; true when the loop must quit.
bool WindowDestroyed(WindowId w);
bool AnyWindowOpen();

// A fatal error of the runtime: events held for good, the box shown, end
// routines discarded, runtime released. Returns the exit code, -1.
int FatalError(const StartupOps& ops, const char* message);
Text FatalErrorText(const char* message);

extern const char* const kMessageDescriptions;  // descriptions cannot be read
extern const char* const kMessageStartWindow;   // main window cannot be built

// Back to the state of a fresh process (for the unit tests).
void ResetShell();
