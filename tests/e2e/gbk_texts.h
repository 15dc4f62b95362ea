// The GBK bytes of the texts the clipboard checks expect, as the compiler
// encodes them: independent of the code-page tables of the system under test.
#pragma once

#include <string>
#include <string_view>

namespace e2e {

// The GBK form of one of the texts listed in gbk_texts.cpp; an unlisted text
// throws, so a test cannot compare against a silently empty expectation.
std::string Gbk(std::wstring_view text);

}  // namespace e2e
