// What the soak tests share: clicks that return only once the tool has
// handled them, a check that the tool still answers, and the bytes Windows
// makes of a text in the tool's code page.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/e2e/driver.h"

namespace e2e {

// BM_CLICK, sent rather than posted: the button notifies the tool inside the
// send, and the tool runs its handler before it answers, so the effects can
// be read at once. False when the tool gave no answer within `limit`.
bool Press(HWND button, Millis limit = 5s);

// The tool's thread takes a message within `limit`: it is not hung.
bool Answers(HWND window, Millis limit = 5s);

// Code page 936 as Windows converts to it, with its default character "?"
// for what GBK lacks, one per character typed: what the tool puts in its line
// and on the clipboard.
std::string Cp936(std::wstring_view text);

// Byte comparison for texts of megabytes: on a mismatch it names the sizes
// and the first differing offset instead of printing both texts whole.
testing::AssertionResult SameBytes(const std::string& got, const std::string& want);

}  // namespace e2e
