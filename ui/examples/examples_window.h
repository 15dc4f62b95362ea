#pragma once
#include "app/description.h"

extern const WindowDesc ExamplesWindow;
extern const char* const kExampleTexts[3];  // texts 1 to 3, GBK

void CopyExample1();
void CopyExample2();
void CopyExample3();
