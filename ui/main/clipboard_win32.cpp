// The clipboard operation. The block is prepared before the clipboard is
// touched, so a failure never leaves the player's clipboard emptied.
#include <windows.h>

#include <cstring>

#include "ui/main/clipboard.h"

namespace {

// Chinese (PRC): tells Windows which code page turns our CF_TEXT into
// Unicode, whatever the reader's own language is.
constexpr LCID kChinese = 0x0804;

// Clipboard viewers and remote-desktop agents hold the clipboard for a moment.
constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenRetryMs = 5;

HGLOBAL BlockWith(const void* data, std::size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block == nullptr) return nullptr;
    void* p = GlobalLock(block);
    if (p == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(p, data, size);
    GlobalUnlock(block);
    return block;
}

// A window of our own owns what we place: opened without an owner, the
// clipboard may refuse SetClipboardData after EmptyClipboard.
HWND Owner() {
    static HWND owner = CreateWindowExW(0, L"Static", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    return owner;
}

bool OpenWithRetry() {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (attempt > 0) Sleep(kOpenRetryMs);
        if (OpenClipboard(Owner())) return true;
    }
    return false;
}

}  // namespace

bool PutClipboardText(const Text& text) {
    const std::size_t n = std::strlen(text.c_str());
    HGLOBAL textBlock = BlockWith(text.c_str(), n + 1);
    if (textBlock == nullptr) return false;
    const LCID locale = kChinese;
    HGLOBAL localeBlock = BlockWith(&locale, sizeof locale);
    if (localeBlock == nullptr || !OpenWithRetry()) {
        GlobalFree(textBlock);
        if (localeBlock) GlobalFree(localeBlock);
        return false;
    }
    bool placed = false;
    if (EmptyClipboard()) {
        placed = SetClipboardData(CF_TEXT, textBlock) != nullptr;
        if (placed && SetClipboardData(CF_LOCALE, localeBlock) != nullptr) localeBlock = nullptr;
    }
    if (!placed) GlobalFree(textBlock);  // the clipboard took ownership only on success
    if (localeBlock) GlobalFree(localeBlock);
    CloseClipboard();
    return placed;
}
