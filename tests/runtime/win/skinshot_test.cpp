// skinshot end to end: a skin file whose dialog background is one distinct
// colour, written by the model's writer, loaded by the tool through the
// runtime's API; the picture shows that colour over the free client area,
// and the system's dialog face with skinning switched off.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "model/gdiplus_init.h"
#include "model/platform/types.h"
#include "model/twf_skin.h"
#include "tests/harness/pixel_buffer.h"
#include "tests/harness/standard_dialog.h"
#include "tests/harness/synthetic_skin.h"
#include "tests/runtime/win/tool_run.h"

using namespace hexmoor::test;

namespace {

constexpr COLORREF kBackground = RGB(201, 33, 144);

struct ClientPlace {
    int x = 0, y = 0, w = 0, h = 0;
};

ClientPlace ParseClient(const std::string& output) {
    ClientPlace c;
    std::sscanf(output.c_str(), "client %d %d %d %d", &c.x, &c.y, &c.w, &c.h);
    return c;
}

} // namespace

TEST(Skinshot, DialogBackgroundColourOverTheClientAreaAndTheSystemLookWhenOff) {
    CGdiPlusInit gdiplus;
    const std::wstring skinFile = TempPath(L"hexmoor-skinshot-test.twf");
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        SyntheticSkin(&skin).SolidImage(25, 0, kBackground, 4, 4);
        skin.SetPath(skinFile);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    const RECT free = FreeClientArea(nullptr);
    for (const bool off : {false, true}) {
        const std::wstring picture = TempPath(off ? L"hexmoor-skinshot-off.png" : L"hexmoor-skinshot-on.png");
        DeleteFileW(picture.c_str());
        std::string output;
        const std::wstring command =
            L"\"" + ToolPath() + L"\" \"" + skinFile + L"\" \"" + picture + L"\"" + (off ? L" --off" : L"");
        ASSERT_EQ(RunTool(command, &output), 0u) << output;
        const ClientPlace client = ParseClient(output);
        ASSERT_GT(client.w, 0) << output;
        const PixelBuffer pixels = ReadPng(picture);
        ASSERT_FALSE(pixels.Empty());
        const PixelRect area{client.x + free.left, client.y + free.top, client.x + free.right, client.y + free.bottom};
        const COLORREF expected = off ? (GetSysColor(COLOR_BTNFACE) & 0xFFFFFF) : kBackground;
        const ColourCheck check = CheckRect(pixels, area, expected);
        EXPECT_TRUE(check.Passed()) << (off ? "off: " : "on: ") << check.Describe(expected);
        DeleteFileW(picture.c_str());
    }
    std::string ignored;
    EXPECT_NE(RunTool(L"\"" + ToolPath() + L"\" \"" + TempPath(L"no-such-skin.twf") + L"\" \"" +
                          TempPath(L"never.png") + L"\"",
                      &ignored),
              0u)
        << "a skin that does not load is an error";
    DeleteFileW(skinFile.c_str());
}
