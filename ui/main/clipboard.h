#pragma once
#include "app/text.h"

// Places a GBK text on the clipboard as CF_TEXT (declared as Chinese with
// CF_LOCALE). True only when the text reached the clipboard; on failure the
// clipboard keeps what it held.
bool PutClipboardText(const Text& text);
