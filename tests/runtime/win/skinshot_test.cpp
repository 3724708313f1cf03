// skinshot end to end: a skin file whose dialog background is one distinct
// colour, written by the model's writer, loaded by the tool through the
// runtime's API; the picture shows that colour over the free client area,
// and the system's dialog face with skinning switched off.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <vector>
#include <string>

#include "model/elements/wnd_frame.h"
#include "model/gdiplus_init.h"
#include "model/platform/types.h"
#include "model/twf_skin.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/pixel_buffer.h"
#include "tests/harness/skin_pixels.h"
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

namespace {

constexpr COLORREF kTopActive = RGB(200, 30, 30), kTopInactive = RGB(120, 20, 20);
constexpr COLORREF kMdiBackground = RGB(20, 140, 90);

struct Item {
    int kind = 0;
    std::string state;
    int x = 0, y = 0, w = 0, h = 0;
};

// Every item line, in the order printed.
std::vector<Item> ParseItems(const std::string& output) {
    std::vector<Item> items;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        Item item;
        char state[64] = {};
        if (std::sscanf(line.c_str(), "item %d %63s %d %d %d %d", &item.kind, state, &item.x, &item.y, &item.w,
                        &item.h) == 6) {
            item.state = state;
            items.push_back(item);
        }
    }
    return items;
}

} // namespace

TEST(Skinshot, FramePanelsShowEachPartWhereTheLayoutPutsItAndNoneWhenOff) {
    CGdiPlusInit gdiplus;
    const std::wstring skinFile = TempPath(L"hexmoor-skinshot-frames.twf");
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        SyntheticSkin synthetic(&skin);
        // The top side active and inactive in colours of its own, the other
        // sides in the active top's; each caption button image in its id's.
        constexpr SideColours kTopColours{kTopActive, kTopInactive}, kOthers{kTopActive, kTopActive};
        BuildSolidFrame(synthetic, {26, 6, 5, 7, kTopColours, kOthers, kOthers, kOthers});
        SolidCaptionButtons(synthetic, {20, 18, 4, 4}, {20, 18, 26, 4}, {20, 18, 48, 4}, {16, 16, 72, 5});
        synthetic.SolidImage(frame_id::kElement, frame_id::kMdiClientBackground, kMdiBackground, 4, 4);
        skin.SetPath(skinFile);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    for (const bool off : {false, true}) {
        const std::wstring picture = TempPath(off ? L"hexmoor-frames-off.png" : L"hexmoor-frames-on.png");
        std::string output;
        const std::wstring command =
            L"\"" + ToolPath() + L"\" \"" + skinFile + L"\" \"" + picture + L"\"" + (off ? L" --off" : L"");
        ASSERT_EQ(RunTool(command, &output), 0u) << output;
        ASSERT_EQ(output.rfind("client ", 0), 0u) << "the first line stays the dialog's client line";
        const std::vector<Item> all = ParseItems(output);
        // The frame panels' instances by state (the MDI client is the only one of kind 23).
        std::map<std::string, Item> items;
        for (const Item& item : all)
            if (item.kind == 2 || item.kind == 23) items[item.state] = item;
        for (const char* state :
             {"active", "inactive", "help", "close-hot", "close-pressed", "maximize-hot", "maximize-pressed",
              "minimize-hot", "minimize-pressed", "help-hot", "help-pressed", "bar-hot", "bar-keyboard", "mdi-client",
              "mdi-active", "mdi-inactive", "mdi-minimized", "mdi-maximized"})
            EXPECT_EQ(items.count(state), 1u) << state << "\n" << output;
        const PixelBuffer pixels = ReadPng(picture);
        ASSERT_FALSE(pixels.Empty());
        // Panels never overlap, nor do the items of the panel of buttons and
        // scroll bars (the MDI client and its children lie inside the MDI frame).
        std::vector<Item> apartItems;
        for (const Item& item : all)
            if (item.state.rfind("mdi-", 0) != 0 || item.state == "mdi-maximized") apartItems.push_back(item);
        for (std::size_t i = 0; i < apartItems.size(); ++i)
            for (std::size_t j = i + 1; j < apartItems.size(); ++j) {
                const Item &a = apartItems[i], &b = apartItems[j];
                const bool apart = a.x + a.w <= b.x || b.x + b.w <= a.x || a.y + a.h <= b.y || b.y + b.h <= a.y;
                EXPECT_TRUE(apart) << a.kind << " " << a.state << " / " << b.kind << " " << b.state;
            }
        auto at = [&](const std::string& state, int dx, int dy) {
            const Item& item = items.at(state);
            return pixels.At(dx >= 0 ? item.x + dx : item.x + item.w + dx, item.y + dy);
        };
        // Caption buttons from the right: close at 4, maximize at 26, minimize at 48 (20 wide), help at 72 (16).
        const struct {
            const char* state;
            int dx, dy;
            COLORREF colour;
        } checks[] = {
            {"active", 100, 2, kTopActive},
            {"inactive", 100, 2, kTopInactive},
            {"active", -14, 12, IdColour(456)},
            {"close-hot", -14, 12, IdColour(458)},
            {"close-pressed", -14, 12, IdColour(457)},
            {"maximize-hot", -36, 12, IdColour(462)},
            {"maximize-pressed", -36, 12, IdColour(461)},
            {"minimize-hot", -58, 12, IdColour(465)},
            {"minimize-pressed", -58, 12, IdColour(464)},
            {"help", -80, 12, IdColour(472)},
            {"help-hot", -80, 12, IdColour(474)},
            {"help-pressed", -80, 12, IdColour(473)},
            {"mdi-client", 3, 3, kMdiBackground},
        };
        for (const auto& c : checks) {
            const Colour found = at(c.state, c.dx, c.dy);
            if (off)
                EXPECT_NE(found, c.colour) << "off: " << c.state;
            else
                EXPECT_EQ(found, c.colour) << c.state << ": " << ColourText(found);
        }
        DeleteFileW(picture.c_str());
    }
    DeleteFileW(skinFile.c_str());
}
