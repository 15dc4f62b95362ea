#pragma once
// A text of the tool: GBK bytes. An empty string stands for "no string".
#include <string>

using Text = std::string;
