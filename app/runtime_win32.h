#pragma once
// The Win32 form runtime, as seen by start-up.
#include <windows.h>

bool RegisterFormClass(HINSTANCE instance);
// Runs until the quit message; returns its code.
int RunMessageLoop();
