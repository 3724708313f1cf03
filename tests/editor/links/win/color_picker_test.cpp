// The colour picker on its own: its entries, what a colour selects, the
// value of no selection, and how the custom entry draws while it holds no
// colour.
#include "editor/links/win/color_picker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "framework/window.h"
#include "resources/property_grid_ids.h"

using namespace hexmoor;
using namespace hexmoor::links;

namespace {

class Host : public fw::Window {};

class PickerTest : public testing::Test {
protected:
    void SetUp() override {
        fw::WindowArgs args;
        args.style = WS_POPUP | WS_VISIBLE;
        args.width = 300;
        args.height = 300;
        ASSERT_TRUE(host_.Create(args));
        ASSERT_TRUE(picker_.CreatePicker(host_.Handle(), IDC_GRID_COLOR, RECT{10, 10, 190, 300},
                                         static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
    }
    int Selected() const { return static_cast<int>(SendMessageW(picker_.Handle(), CB_GETCURSEL, 0, 0)); }
    std::wstring Text(int i) const {
        wchar_t text[64] = {};
        SendMessageW(picker_.Handle(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        return text;
    }

    Host host_;
    CColorPickerCB picker_;
};

} // namespace

TEST_F(PickerTest, ListsInvertCustomAndTheSixteenNamedColours) {
    std::vector<std::wstring> texts;
    for (int i = 0; i < 18; ++i) texts.push_back(Text(i));
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Invert Color", L"Custom Color ...", L"Black", L"Maroon", L"Green",
                                                L"Olive", L"Navy", L"Purple", L"Teal", L"Grey", L"Silver", L"Red",
                                                L"Lime", L"Yellow", L"Blue", L"Fuchsia", L"Aqua", L"White"}));
    const std::vector<COLORREF> colors = picker_.Colors();
    ASSERT_EQ(colors.size(), 18u);
    EXPECT_EQ(colors[0], kInvertColor);
    EXPECT_EQ(colors[1], kCustomColorEntry);
    EXPECT_EQ(colors[3], RGB(128, 0, 0)); // Maroon is red 128
    EXPECT_EQ(colors[17], RGB(255, 255, 255));
    // A new picker shows "Invert Color".
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(picker_.GetSelectedColor(), kInvertColor);
}

TEST_F(PickerTest, AColourNotInTheListIsShownByTheCustomEntry) {
    struct Case {
        COLORREF color;
        int selected;
        COLORREF customHolds;
    };
    const Case cases[] = {
        {RGB(128, 128, 128), 9, kCustomColorEntry}, // Grey
        {RGB(0x56, 0x34, 0x12), 1, RGB(0x56, 0x34, 0x12)},
        {RGB(1, 2, 3), 1, RGB(1, 2, 3)}, // the custom entry takes the next one: no entry is added
        {kInvertColor, 0, RGB(1, 2, 3)},
    };
    for (const Case& c : cases) {
        picker_.SelectColor(c.color);
        EXPECT_EQ(Selected(), c.selected) << std::hex << c.color;
        EXPECT_EQ(picker_.Colors().size(), 18u);
        EXPECT_EQ(picker_.Colors()[1], c.customHolds) << std::hex << c.color;
        EXPECT_EQ(picker_.GetSelectedColor(), c.color);
    }
    // Nothing selected: the value is 0.
    SendMessageW(picker_.Handle(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(picker_.GetSelectedColor(), 0u);
}

TEST_F(PickerTest, TheEmptyCustomEntryDrawsThreeSmallCircles) {
    // An entry drawn into a bitmap as the combo box asks for it, read back
    // pixel by pixel.
    struct Drawn {
        win::Bitmap bitmap{win::CreateScreenBitmap(80, 16)};
        win::MemoryDC dc{nullptr};
        win::SelectGuard select{dc.Get(), bitmap.Get()};
        COLORREF At(int x, int y) const { return GetPixel(dc.Get(), x, y) & 0xFFFFFF; }
    };
    const auto draw = [&](int item, Drawn& out) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_COMBOBOX;
        dis.CtlID = IDC_GRID_COLOR;
        dis.itemID = static_cast<UINT>(item);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hwndItem = picker_.Handle();
        dis.hDC = out.dc.Get();
        dis.rcItem = RECT{0, 0, 80, 16};
        dis.itemData = static_cast<ULONG_PTR>(picker_.Colors()[static_cast<size_t>(item)]);
        SendMessageW(host_.Handle(), WM_DRAWITEM, IDC_GRID_COLOR, reinterpret_cast<LPARAM>(&dis));
    };
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    // The swatch runs from (2, 2) to (20, 14) (a quarter of 80 wide); the
    // circles are 3 x 3 at x 5, 9 and 13 from y 9, hollow, in the text
    // colour; the swatch is framed in black.
    Drawn custom;
    draw(1, custom);
    EXPECT_EQ(custom.At(2, 2), 0u);
    EXPECT_EQ(custom.At(19, 13), 0u);
    for (int left : {5, 9, 13}) {
        EXPECT_EQ(custom.At(left + 1, 9), text) << left;    // each circle's top
        EXPECT_EQ(custom.At(left + 1, 10), window) << left; // hollow inside
        EXPECT_EQ(custom.At(left + 1, 7), window) << left;  // nothing above
    }
    // "Invert Color" draws no swatch at all; a colour fills it and frames it.
    Drawn invert;
    draw(0, invert);
    EXPECT_EQ(invert.At(2, 2), window);
    Drawn red;
    draw(11, red);
    EXPECT_EQ(red.At(8, 8), RGB(255, 0, 0));
    EXPECT_EQ(red.At(2, 2), 0u);
}
