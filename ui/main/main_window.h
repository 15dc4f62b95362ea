#pragma once
#include "app/description.h"

extern const WindowDesc MainWindow;

// Handlers bound in the main window's description.
void Generate();
void ClearInput1();
void ClearInput2();
void ClearInput3();
void Copy();
void ResetCopyCaption();
void KeepOnTop();
void OpenExamplesWindow();
