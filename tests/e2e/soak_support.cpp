#include "tests/e2e/soak_support.h"

#include <algorithm>
#include <cstdio>

namespace e2e {

namespace {

bool SendWithin(HWND hwnd, UINT msg, Millis limit) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(hwnd, msg, 0, 0, SMTO_ABORTIFHUNG, UINT(limit.count()), &result) != 0;
}

// A few bytes around an offset, printable ones as they are, others in hex.
std::string Excerpt(const std::string& s, std::size_t at) {
    std::string out;
    const std::size_t from = at < 8 ? 0 : at - 8;
    for (std::size_t i = from; i < std::min(s.size(), at + 8); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b >= 0x20 && b < 0x7F) {
            out += char(b);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    return out;
}

}  // namespace

bool Press(HWND button, Millis limit) { return SendWithin(button, BM_CLICK, limit); }

bool Answers(HWND window, Millis limit) { return SendWithin(window, WM_NULL, limit); }

std::string Cp936(std::wstring_view original) {
    // A character beyond the first plane is one "?" for the player, not one
    // per half of its surrogate pair.
    std::wstring text;
    for (std::size_t i = 0; i < original.size(); ++i) {
        const bool pair = i + 1 < original.size() && original[i] >= 0xD800 && original[i] <= 0xDBFF &&
                          original[i + 1] >= 0xDC00 && original[i + 1] <= 0xDFFF;
        text.push_back(pair ? L'?' : original[i]);
        if (pair) ++i;
    }
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(936, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(std::size_t(std::max(n, 0)), '\0');
    WideCharToMultiByte(936, 0, text.data(), int(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

testing::AssertionResult SameBytes(const std::string& got, const std::string& want) {
    if (got == want) return testing::AssertionSuccess();
    const auto diff = std::mismatch(got.begin(), got.begin() + std::ptrdiff_t(std::min(got.size(), want.size())),
                                    want.begin());
    const std::size_t at = std::size_t(diff.first - got.begin());
    return testing::AssertionFailure() << got.size() << " bytes where " << want.size()
                                       << " were expected; first difference at byte " << at << ": got \""
                                       << Excerpt(got, at) << "\", expected \"" << Excerpt(want, at) << "\"";
}

}  // namespace e2e
