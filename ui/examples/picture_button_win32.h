#pragma once
// The picture button on Win32: an owner-drawn standard BUTTON, so capture,
// press-and-drag-off, Space and BN_CLICKED are the system's own.
#include <windows.h>

#include "app/description.h"

// Created hidden at c.rect (client coordinates of parent) with caption c.text
// and the settings c.picture; its state, font and tooltip go with it when it
// is destroyed. Null when it cannot be created.
HWND CreatePictureButton(HWND parent, const ControlDesc& c, int id);

// For the parent's WM_DRAWITEM: false when dis.hwndItem is not a picture button.
bool DrawPictureButton(const DRAWITEMSTRUCT& dis);
