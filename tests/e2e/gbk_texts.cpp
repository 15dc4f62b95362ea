// Compiled with -fexec-charset=GBK: each narrow literal below is the GBK
// encoding of the wide literal made from the same source text.
#include "tests/e2e/gbk_texts.h"

#include <stdexcept>
#include <utility>

namespace e2e {
namespace {

#define BOTH(s) {L"" s, s}

const std::pair<const wchar_t*, const char*> kTexts[] = {
    BOTH(""),
    BOTH("before"),
    BOTH("<red>hello</red>"),
    BOTH("我这里有<red>老婆</red>"),
    BOTH("<red>老婆</red>！！"),
    BOTH("短暂"),
    BOTH("我这里有<SS_Normal_Color>老婆</>"),
};

#undef BOTH

}  // namespace

std::string Gbk(std::wstring_view text) {
    for (const auto& [wide, gbk] : kTexts)
        if (text == wide) return gbk;
    throw std::invalid_argument("no GBK form listed for this text");
}

}  // namespace e2e
