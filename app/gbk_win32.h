#pragma once
// The GBK boundary: texts are GBK bytes everywhere but in the W calls, and
// the conversion names code page 936 so that the system's own ANSI code page
// never matters.
#include <string>

#include "app/text.h"

constexpr unsigned kGbk = 936;

std::wstring Wide(const Text& gbk);
Text Gbk(const wchar_t* wide, int length);
