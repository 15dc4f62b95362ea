// The end-to-end test program: GoogleTest's runner plus the path of the .exe
// under test, given as --exe=PATH or in VELMARO_CHAT_EXE.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/e2e/driver.h"

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::wstring exe;
    if (const wchar_t* env = _wgetenv(L"VELMARO_CHAT_EXE")) exe = env;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg.rfind(L"--exe=", 0) == 0) exe = arg.substr(6);
    }
    if (exe.empty()) {
        std::fprintf(stderr, "e2e_tests: give the tool as --exe=PATH or in VELMARO_CHAT_EXE\n");
        return 2;
    }
    e2e::SetToolPath(exe);
    if (GetFileAttributesW(e2e::ToolPath().c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "e2e_tests: %ls not found\n", e2e::ToolPath().c_str());
        return 2;
    }
    return RUN_ALL_TESTS();
}
