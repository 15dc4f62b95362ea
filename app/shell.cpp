#include "app/shell.h"

#include "app/form.h"

#include <vector>

const char* const kMessageDescriptions = "载入窗口模板数据段出错!";
const char* const kMessageStartWindow = "载入启动窗口失败";

namespace {

struct ShellState {
    int holdCount = 0;
    bool loopStarted = false;
    bool open[kWindowCount] = {};
    std::vector<Handler> endRoutines;
};

ShellState shell;

void DoNothing() {}

}  // namespace

void ResetShell() { shell = ShellState{}; }

bool EventsHeld() { return shell.holdCount > 0; }
void HoldEvents() { ++shell.holdCount; }
void ReleaseEvents() { --shell.holdCount; }

void Deliver(Handler handler) {
    if (EventsHeld() || handler == nullptr) return;
    handler();
}

void RegisterEndRoutine(Handler routine) {
    for (Handler r : shell.endRoutines)
        if (r == routine) return;
    shell.endRoutines.push_back(routine);
}

bool AnyWindowOpen() {
    for (bool o : shell.open)
        if (o) return true;
    return false;
}

bool WindowDestroyed(WindowId w) {
    shell.open[static_cast<int>(w)] = false;
    // Before the loop has started, start-up itself notices that nothing is open.
    return shell.loopStarted && !AnyWindowOpen();
}

bool LoadWindowWith(const BuildOps& ops, WindowId w) {
    if (ops.isOpen(w)) {
        if (ops.isMinimised(w))
            ops.restore(w);
        else
            ops.activate(w);
        return true;
    }
    const WindowDesc& desc = DescriptionOf(w);
    HoldEvents();
    bool built = ops.createWindow(desc);
    for (std::size_t i = 0; built && i < desc.count; ++i) built = ops.createControl(desc, i);
    if (built)
        for (std::size_t i = 0; i < desc.count; ++i)
            if (desc.controls[i].kind != Kind::Timer) ops.showControl(desc, i);
    ReleaseEvents();
    if (!built) {
        ops.destroyWindow(w);
        return false;
    }
    shell.open[static_cast<int>(w)] = true;
    Deliver(desc.onCreated);
    if (!ops.isOpen(w)) return true;  // a created handler closed it
    ops.showWindow(w);
    return true;
}

Text FatalErrorText(const char* message) {
    return Text("运行时出错!\r\n\r\n错误信息：") + message + "\r\n";
}

int FatalError(const StartupOps& ops, const char* message) {
    HoldEvents();  // for good: no handler runs while the box is up, or after
    ops.showFatalBox(FatalErrorText(message));
    shell.endRoutines.clear();
    ops.releaseRuntime();
    return -1;
}

int RunApplication(const StartupOps& ops) {
    ops.addErrorModeFlags();
    if (!ops.startRuntime()) return FatalError(ops, kMessageDescriptions);
    // The tool keeps no program-wide data, so its initialisation step is empty.
    RegisterEndRoutine(DoNothing);
    if (!LoadWindow(WindowId::Main)) return FatalError(ops, kMessageStartWindow);
    shell.loopStarted = true;
    const int code = AnyWindowOpen() ? ops.runLoop() : 0;
    HoldEvents();  // for good
    for (Handler r : shell.endRoutines) r();
    shell.endRoutines.clear();
    ops.releaseRuntime();
    return code;
}
