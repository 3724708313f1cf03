#pragma once
// The scaffold of the tests of skinshot's panels: a skin whose ids each get
// their own colour, written to a temporary file; skinshot run over it with
// skinning on and off; and each item of the panels under test checked
// against a table of what it shows: on, the colours of its ids (and not
// those of ids it must not show); off, none of the skin's colours.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "model/gdiplus_init.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "tests/harness/skin_pixels.h"
#include "tests/harness/synthetic_skin.h"
#include "tests/runtime/win/tool_run.h"

namespace hexmoor::test {

// The dialog background every sheet skin has: none of the ids' colours.
constexpr COLORREF kSheetDialogBackground = RGB(23, 181, 97);

// A new skin with the dialog background, where each id set gets its own
// colour (IdColour), every one remembered for the check with skinning off.
class SheetSkin {
public:
    SheetSkin() {
        skin_.InitNewSkin(L"Default");
        synthetic_.SolidImage(25, 0, kSheetDialogBackground, 4, 4);
    }
    // A solid image of the id's colour.
    void Image(int type, int id, int w = 8, int h = 8) {
        synthetic_.SolidImage(WORD(type), WORD(id), IdColour(id), w, h);
        colours_.push_back(IdColour(id));
    }
    // A colour entry of the id's colour, from the image set or the text set.
    void Colour(int type, int id, IdUse use = IdUse::Image) {
        synthetic_.Element(WORD(type))->SetColor(WORD(id), IdColour(id, use));
        colours_.push_back(IdColour(id, use));
    }
    void Text(int type, int id) { Colour(type, id, IdUse::Text); }
    void Number(int type, int id, DWORD value) { synthetic_.Element(WORD(type))->SetNumber(WORD(id), value); }
    CTwfObj* Element(int type) { return synthetic_.Element(WORD(type)); }
    CTwfSkin& Skin() { return skin_; }
    const std::vector<COLORREF>& EveryColour() const { return colours_; }

private:
    CTwfSkin skin_;
    SyntheticSkin synthetic_{&skin_};
    std::vector<COLORREF> colours_;
};

// What one item ("item KIND STATE ...") shows with skinning on: image ids
// and text ids in their colours, and image ids whose colour it must not show.
struct SheetExpectation {
    int kind;
    std::string state;
    std::vector<int> images, texts, absent;
};

// The items of one run by "KIND STATE", for checks across items.
using SheetItems = std::map<std::string, PixelRect>;

// Writes the skin, runs skinshot over it on and off, and checks that the
// items of the given kinds are exactly the table's (each kind's in the
// table's order) and show what it says; `across` (on only) checks what one
// item shows against another.
inline void CheckSheet(const wchar_t* name, SheetSkin& skin, std::initializer_list<int> kinds,
                       const std::vector<SheetExpectation>& expected,
                       const std::function<void(const PixelBuffer&, const SheetItems&)>& across = {}) {
    CGdiPlusInit gdiplus;
    const std::wstring skinFile = TempPath((std::wstring(L"hexmoor-skinshot-") + name + L".twf").c_str());
    skin.Skin().SetPath(skinFile);
    ASSERT_TRUE(skin.Skin().WriteSkinFile());
    for (const bool off : {false, true}) {
        SCOPED_TRACE(off ? "skinning off" : "skinning on");
        const std::wstring picture =
            TempPath((std::wstring(L"hexmoor-") + name + (off ? L"-off.png" : L"-on.png")).c_str());
        DeleteFileW(picture.c_str());
        std::string output;
        const std::wstring command =
            L"\"" + ToolPath() + L"\" \"" + skinFile + L"\" \"" + picture + L"\"" + (off ? L" --off" : L"");
        ASSERT_EQ(RunTool(command, &output), 0u) << output;
        ASSERT_EQ(output.rfind("client ", 0), 0u) << "the sheet starts with the dialog's client line";
        const std::vector<SheetItem> items = ParseSheetItems(output, kinds);
        ASSERT_EQ(items.size(), expected.size()) << output;
        const PixelBuffer pixels = ReadPng(picture);
        ASSERT_FALSE(pixels.Empty());
        // Every item has one expectation, and the items of each kind come in
        // the table's order.
        SheetItems byName;
        std::map<int, std::size_t> nextOfKind;
        for (const SheetItem& item : items) {
            const std::string itemName = std::to_string(item.kind) + " " + item.state;
            std::size_t at = nextOfKind[item.kind];
            while (at < expected.size() && expected[at].kind != item.kind) ++at;
            ASSERT_LT(at, expected.size()) << itemName << ": no expectation left for its kind\n" << output;
            const SheetExpectation& e = expected[at];
            ASSERT_EQ(item.state, e.state) << "kind " << item.kind << " out of the table's order\n" << output;
            nextOfKind[item.kind] = at + 1;
            byName[itemName] = item.rect;
            if (off) {
                for (COLORREF c : skin.EveryColour())
                    EXPECT_FALSE(ContainsColour(pixels, item.rect, c))
                        << itemName << ": skin colour " << ColourText(c) << " with skinning off";
                continue;
            }
            for (int id : e.images)
                EXPECT_TRUE(ContainsColour(pixels, item.rect, IdColour(id))) << itemName << ": image " << id;
            for (int id : e.texts)
                EXPECT_TRUE(ContainsColour(pixels, item.rect, IdColour(id, IdUse::Text)))
                    << itemName << ": text " << id;
            for (int id : e.absent)
                EXPECT_FALSE(ContainsColour(pixels, item.rect, IdColour(id)))
                    << itemName << ": image " << id << " shown";
        }
        if (!off && across) across(pixels, byName);
        DeleteFileW(picture.c_str());
    }
    DeleteFileW(skinFile.c_str());
}

} // namespace hexmoor::test
