#pragma once
// The runtime's record of the tool's open windows, shared by its Win32 files.
#include <windows.h>

#include <cstddef>

#include "app/description.h"

constexpr int kFirstControlId = 100;  // control ids are kFirstControlId + stored index
constexpr UINT_PTR kFirstTimerId = 1;  // timer ids are kFirstTimerId + stored index

struct FormWindow {
    const WindowDesc* desc = nullptr;
    HWND hwnd = nullptr;
    HWND controls[32] = {};
    HWND lastFocus = nullptr;  // given back when the window is activated again
};

// The open window with this handle, or null (not one of ours or closed).
FormWindow* FormOf(HWND hwnd);
FormWindow& Form(WindowId w);
// Index of a control in its window's stored order, or -1.
int IndexOf(const FormWindow& f, HWND control);

// Focus: the first control of the Tab order, and moving along it.
HWND FirstTabStop(const FormWindow& f);
void SelectOption(FormWindow& f, std::size_t index);

// Keyboard rules of every form window; true when the message was consumed.
bool HandleFormKeyboard(const MSG& msg);

// Edit boxes keep their one text line centred vertically.
void CentreEditLine(HWND edit);
