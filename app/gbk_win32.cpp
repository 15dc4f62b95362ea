#include "app/gbk_win32.h"

#include <windows.h>

std::wstring Wide(const Text& gbk) {
    if (gbk.empty()) return {};
    const int n = MultiByteToWideChar(kGbk, 0, gbk.data(), int(gbk.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(kGbk, 0, gbk.data(), int(gbk.size()), wide.data(), n);
    return wide;
}

namespace {

bool IsHigh(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// GBK has no character beyond the first plane (emoji, rare Han). The
// conversion would give one "?" per half of such a character; the player
// typed one character, so one "?" stands for it.
std::wstring OneMarkPerCharacter(const wchar_t* wide, int length) {
    std::wstring out;
    out.reserve(std::size_t(length));
    for (int i = 0; i < length; ++i) {
        if (IsHigh(wide[i]) && i + 1 < length && IsLow(wide[i + 1])) {
            out.push_back(L'?');
            ++i;
        } else {
            out.push_back(wide[i]);
        }
    }
    return out;
}

}  // namespace

Text Gbk(const wchar_t* wide, int length) {
    if (length <= 0) return {};
    std::wstring collapsed;
    for (int i = 0; i + 1 < length; ++i)
        if (IsHigh(wide[i]) && IsLow(wide[i + 1])) {
            collapsed = OneMarkPerCharacter(wide, length);
            wide = collapsed.data();
            length = int(collapsed.size());
            break;
        }
    const int n = WideCharToMultiByte(kGbk, 0, wide, length, nullptr, 0, nullptr, nullptr);
    Text gbk(n, '\0');
    WideCharToMultiByte(kGbk, 0, wide, length, gbk.data(), n, nullptr, nullptr);
    return gbk;
}
