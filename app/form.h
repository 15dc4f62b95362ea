#pragma once
// What the handlers may do with the controls. Realised on Win32 for the real
// program and in memory for the unit tests; handlers see nothing else.
#include "app/description.h"
#include "app/text.h"

Text ReadText(WindowId w, const char* unit);  // content or caption, GBK
void WriteText(WindowId w, const char* unit, const Text& text);
int ReadChecked(WindowId w, const char* unit);  // exactly 1 or 0
void WriteAlwaysOnTop(WindowId w, int on);
bool LoadWindow(WindowId w);  // no owner, not modal
