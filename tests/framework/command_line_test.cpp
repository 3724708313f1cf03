#include "framework/command_line.h"

#include <gtest/gtest.h>

using hexmoor::fw::ParseCommandLine;

TEST(CommandLine, FirstArgumentThatIsNotASwitchIsTheFile) {
    struct Case {
        std::vector<std::wstring> args;
        std::wstring file;
    } cases[] = {
        {{}, L""},
        {{L"C:\\skins\\a b.twf"}, L"C:\\skins\\a b.twf"},
        {{L"/dde", L"x.twf", L"y.twf"}, L"x.twf"},
        {{L"-Embedding"}, L""},
        {{L"", L"z.twfx"}, L"z.twfx"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseCommandLine(c.args).fileName, c.file);
}
