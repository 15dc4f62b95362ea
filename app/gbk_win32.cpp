#include "app/gbk_win32.h"

#include <windows.h>

std::wstring Wide(const Text& gbk) {
    if (gbk.empty()) return {};
    const int n = MultiByteToWideChar(kGbk, 0, gbk.data(), int(gbk.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(kGbk, 0, gbk.data(), int(gbk.size()), wide.data(), n);
    return wide;
}

Text Gbk(const wchar_t* wide, int length) {
    if (length <= 0) return {};
    const int n = WideCharToMultiByte(kGbk, 0, wide, length, nullptr, 0, nullptr, nullptr);
    Text gbk(n, '\0');
    WideCharToMultiByte(kGbk, 0, wide, length, gbk.data(), n, nullptr, nullptr);
    return gbk;
}
