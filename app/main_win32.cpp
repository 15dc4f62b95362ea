// Process entry: start-up on Win32, then the shell's own order of things.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <string>

#include "app/gbk_win32.h"
#include "app/runtime_win32.h"
#include "app/shell.h"

namespace {

HINSTANCE instance;
bool oleStarted;

void AddErrorModeFlags() {
    // Keep what the parent set, and keep the system's own boxes away.
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

void UseExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n == 0) return;
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos) SetCurrentDirectoryW(path.substr(0, slash + 1).c_str());
}

bool StartRuntime() {
    oleStarted = SUCCEEDED(OleInitialize(nullptr));
    UseExecutableFolder();
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    // The descriptions are compiled in; what can fail is making them usable.
    return RegisterFormClass(instance);
}

void ShowFatalBox(const Text& text) {
    MessageBoxW(nullptr, Wide(text).c_str(), Wide("错误").c_str(), MB_OK | MB_ICONERROR);
}

void ReleaseRuntime() {
    if (oleStarted) OleUninitialize();
    oleStarted = false;
}

const StartupOps kStartupOps = {
    .addErrorModeFlags = AddErrorModeFlags,
    .startRuntime = StartRuntime,
    .runLoop = RunMessageLoop,
    .showFatalBox = ShowFatalBox,
    .releaseRuntime = ReleaseRuntime,
};

}  // namespace

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, PWSTR, int) {
    instance = inst;
    return RunApplication(kStartupOps);
}
