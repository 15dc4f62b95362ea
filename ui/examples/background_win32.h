#pragma once
// Painting the examples window's client area: the face colour with the
// background picture blended over it.
#include <windows.h>

#include "app/description.h"

void PaintBackground(HDC dc, const RECT& client, Picture p);
