// Huge and strange inputs: hundreds of thousands of characters per input and
// characters that GBK does not have. The tool must neither crash nor hang,
// and its line, in the output box and on the clipboard, must be exactly the
// GBK that Windows makes of the three inputs.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "tests/e2e/main_controls.h"
#include "tests/e2e/soak_support.h"

namespace e2e {
namespace {

// Generous: a hang, not a slow edit control, is what it catches.
constexpr Millis kGenerateLimit = 30s;

std::wstring Repeat(std::wstring_view unit, std::size_t times) {
    std::wstring out;
    out.reserve(unit.size() * times);
    for (std::size_t i = 0; i < times; ++i) out += unit;
    return out;
}

double MillisSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

class SoakHugeInput : public SharedTool {
protected:
    void TearDown() override { ResetMainWindow(c); }  // megabytes need not stay in the tool

    void SetInputs(const std::wstring& before, const std::wstring& coloured, const std::wstring& after) {
        ResetMainWindow(c);
        const HWND inputs[] = {c.input1, c.input2, c.input3};
        const std::wstring* texts[] = {&before, &coloured, &after};
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(SetText(inputs[i], *texts[i])) << "input " << i + 1 << " refused the text";
            // WM_SETTEXT ignores the typing limit; but a box that cut or
            // changed the text would make every later check meaningless.
            ASSERT_EQ(TextOf(inputs[i]).size(), texts[i]->size()) << "input " << i + 1;
        }
    }

    // Generates from the inputs as they stand and copies, checking both
    // against the line composed here from what the boxes hold.
    void GenerateAndCopy(const char* what) {
        const std::string line = Cp936(TextOf(c.input1)) + "<red>" + Cp936(TextOf(c.input2)) + "</red>" +
                                 Cp936(TextOf(c.input3));
        ASSERT_TRUE(PutClipboardBytes("before"));

        const auto started = std::chrono::steady_clock::now();
        ASSERT_TRUE(Press(c.generate, kGenerateLimit)) << "generate did not come back: the tool hangs or died";
        const double generateMs = MillisSince(started);
        ASSERT_TRUE(Answers(tool->Main())) << "the tool stopped answering after generate";
        ASSERT_TRUE(tool->Running());
        EXPECT_TRUE(SameBytes(Cp936(TextOf(c.output)), line)) << "output box";

        const auto copyStarted = std::chrono::steady_clock::now();
        ASSERT_TRUE(Press(c.copy, kGenerateLimit)) << "copy did not come back";
        const double copyMs = MillisSince(copyStarted);
        const std::wstring caption = TextOf(c.copy);
        // "复制" alone means the 3-second reset came first; the clipboard still tells.
        if (caption != L"复制") {
            EXPECT_EQ(caption, L"复制成功");
        }
        const auto got = ReadClipboard();
        ASSERT_TRUE(got && got->text) << "no CF_TEXT after the copy";
        EXPECT_TRUE(SameBytes(*got->text, line + '\0')) << "clipboard";
        std::printf("[   soak   ] %s: %zu-byte line, generate %.0f ms, copy %.0f ms\n", what, line.size(),
                    generateMs, copyMs);
    }
};

TEST_F(SoakHugeInput, EditBoxesTakeAsMuchAsThePlatformAllows) {
    const std::pair<const char*, HWND> boxes[] = {
        {"编辑框1", c.input1}, {"编辑框2", c.input2}, {"编辑框3", c.input3}, {"编辑框4", c.output}};
    for (const auto& [name, box] : boxes) {
        DWORD_PTR limit = 0;
        ASSERT_TRUE(SendMessageTimeoutW(box, EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, 5000, &limit));
        std::printf("[   soak   ] EM_GETLIMITTEXT of %s: 0x%llX\n", name, static_cast<unsigned long long>(limit));
        EXPECT_GE(limit, 0x7FFFFFFEu) << name << " is limited below the platform's maximum";
    }
}

TEST_F(SoakHugeInput, GeneratesAndCopiesHugeAndNonGbkInputsExactly) {
    struct Case {
        const char* what;
        std::wstring before, coloured, after;
    };
    const Case cases[] = {
        // Digits come between letters here: Wine's own edit control, in any
        // program, lays out a long stretch of only digits and spaces in
        // quadratic time (40,000 characters 1 s, 200,000 characters 32 s).
        {"ASCII, 300,000 characters per input",
         Repeat(L"chat line ", 30000), Repeat(L"red text! ", 30000), Repeat(L"a1b2c3d4e ", 30000)},
        {"Chinese, 300,000 characters per input",
         Repeat(L"我这里有老婆", 50000), Repeat(L"火麒麟", 100000), Repeat(L"憨批救我！", 60000)},
        // Astral (emoji, CJK extension B), Hangul, combining, private use,
        // a non-character and lone surrogates, beside what GBK does have.
        {"outside GBK, short",
         L"\U0001F600", L"\U00020000é€·\uE000\uFFFF한e\u0301<red>", L"\xD800x\xDC00 \U0001F600\U0001F600"},
        {"outside GBK, 300,000 UTF-16 units per input",
         Repeat(L"\U0001F600a", 100000), Repeat(L"\U00020000한é", 75000), Repeat(L"\uE000\uFFFF€", 100000)},
        {"one huge input beside empty ones", L"", Repeat(L"<blue>蓝</blue>", 30000), L""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        SetInputs(k.before, k.coloured, k.after);
        if (HasFatalFailure()) return;
        GenerateAndCopy(k.what);
        if (HasFatalFailure()) return;
    }
}

// What the player sees: a character that GBK lacks comes out as one question
// mark, never dropped and never as some other character; one that GBK has
// comes back as itself.
TEST_F(SoakHugeInput, ShowsCharactersGbkLacksAsQuestionMarks) {
    struct Case {
        const char* name;
        std::wstring text;
        bool inGbk;
    };
    const Case cases[] = {
        {"U+1F600 (emoji)", L"\U0001F600", false}, {"U+20000 (CJK extension B)", L"\U00020000", false},
        {"U+D55C (Hangul)", L"한", false},          {"U+00E9 (e acute)", L"é", true},
        {"U+20AC (euro)", L"€", true},              {"U+E000 (private use)", L"\uE000", true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        SetInputs(L"", k.text, L"");
        if (HasFatalFailure()) return;
        ASSERT_TRUE(Press(c.generate));
        const std::wstring shown = TextOf(c.output);
        ASSERT_TRUE(shown.size() >= 11 && shown.starts_with(L"<red>") && shown.ends_with(L"</red>"))
            << testing::PrintToString(shown);
        const std::wstring seen = shown.substr(5, shown.size() - 11);
        if (k.inGbk) {
            EXPECT_EQ(seen, k.text);
        } else {
            EXPECT_EQ(seen, L"?") << "one question mark for the one character typed";
        }
        std::string codes;
        for (wchar_t ch : seen) {
            char hex[12];
            std::snprintf(hex, sizeof hex, " U+%04X", unsigned(ch));
            codes += hex;
        }
        std::printf("[   soak   ] %s shows as%s\n", k.name, codes.c_str());
    }
}

TEST_F(SoakHugeInput, PastesAHugeClipboardTextWhole) {
    // 300,000 UTF-16 units: Chinese, ASCII and two astral characters.
    const std::wstring text = Repeat(L"我\U0001F600a老婆\U00020000", 37500);
    ASSERT_EQ(text.size(), 300000u);
    SetInputs(L"前", L"", L"后");
    ASSERT_TRUE(PutClipboardUnicode(text));
    Click(c.input2);
    ASSERT_TRUE(WaitUntil([&] { return tool->Focus() == c.input2; }, 5s));
    const auto started = std::chrono::steady_clock::now();
    KeyWith(VK_CONTROL, 'V');
    std::size_t length = 0;
    // The length settles once the paste is done; a box with a typing limit
    // stops short of it.
    const bool whole = WaitUntil([&] { return (length = TextOf(c.input2).size()) == text.size(); }, 10s, 50ms);
    std::printf("[   soak   ] Ctrl+V of %zu characters: %zu in the box after %.0f ms\n", text.size(), length,
                MillisSince(started));
    ASSERT_TRUE(whole) << "the paste gave " << length << " of " << text.size() << " characters";
    EXPECT_TRUE(TextOf(c.input2) == text) << "the pasted text differs from the clipboard's";
    GenerateAndCopy("pasted input");
}

}  // namespace
}  // namespace e2e
