// What the grid window shows, read back from the screen: every line carries
// its row's label and value on that line, the selected line's label cell is
// highlighted, a colour row paints its swatch, and an open editor sits over
// the value cell of its own row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/links/win/property_list.h"
#include "framework/application.h"
#include "tests/editor/links/links_fixture.h"
#include "tests/harness/capture.h"
#include "tests/harness/ink.h"
#include "tests/harness/test_window.h"

using namespace hexmoor;
using namespace hexmoor::links;
using hexmoor::test::PixelRect;

namespace {

constexpr WORD kColourId = 300;

// A page of distinct label and value lengths: plain rows, an open group with
// two children, a colour row and a choice row.
class PaintLink : public CItemLinkObj {
public:
    PaintLink() : CItemLinkObj(nullptr, 4, 0, L"Default") {
        rows_.push_back(MakeRow(L"W", L"7", kKindNumber, L"", 301, FALSE, nullptr, 0));
        rows_.push_back(MakeRow(L"A wider label", L"12345", kKindSize, L"", 302, FALSE, nullptr, 0));
        auto group = MakeRow(L"Group", L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
        group->SetExpanded(TRUE);
        group->AddChild(MakeRow(L"Child", L"1", kKindSize, L"", 303, FALSE, group.get(), 0));
        group->AddChild(MakeRow(L"Second child", L"22222", kKindSize, L"", 304, FALSE, group.get(), 0));
        rows_.push_back(std::move(group));
        rows_.push_back(MakeRow(L"Colour", L"RGB(255,0,0)", kKindColor, L"", kColourId, FALSE, nullptr, 0));
        rows_.push_back(MakeRow(L"Align", L"Center", kKindChoice, L"Left|Center|Right", 305, FALSE, nullptr, 0));
    }
    ~PaintLink() override { ForgetRows(); }
    const char* ClassName() const override { return "PaintLink"; }
    BOOL OnOptionsChanged() override { return 1; }
    BOOL CommitEditedValues(PropertyGridModel*) override { return 1; }
    BOOL BuildPropertyItems(int) override { return 1; }
    BOOL FillPropertyPage(int, void* context) override {
        ClearPropertyList();
        for (auto& row : rows_) {
            const int index = AddPropertyItem(row.get(), context, -1);
            if (row->IsExpandable()) ExpandListItem(index, row->IsExpanded());
        }
        return 1;
    }

private:
    std::vector<std::unique_ptr<CPropertyItem>> rows_;
};

class GridPaint : public links_test::LinksTest {
protected:
    void SetUp() override {
        links_test::LinksTest::SetUp();
        fw::WindowArgs args;
        args.style = WS_POPUP | WS_VISIBLE;
        args.x = 0;
        args.y = 0;
        args.width = 400;
        args.height = 240;
        ASSERT_TRUE(parent.Create(args));
        ASSERT_TRUE(list.CreateGrid(parent.Handle(), 1100));
        MoveWindow(list.Handle(), 0, 0, 400, 240, TRUE);
        ShowWindow(list.Handle(), SW_SHOW);
        Links().grid = &list.Model();
        element.SetColor(kColourId, RGB(255, 0, 0));
        link.SetTwfObj(&element);
        Show(link, 0);
    }
    void TearDown() override {
        Links().current = nullptr;
        list.Destroy();
        parent.Destroy();
        links_test::LinksTest::TearDown();
    }
    void PaintNow() {
        RedrawWindow(list.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        test::PumpMessages();
    }
    RECT LineRect(int index) const {
        RECT r{};
        SendMessageW(list.Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    int TextWidth(const std::wstring& text) const {
        win::WindowDC dc(list.Handle());
        win::SelectGuard font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(list.Handle(), WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    // The ink of a text drawn from x = start inside a cell of the line,
    // checked against where and how wide the text is: the right text on the
    // right line, not merely something drawn.
    void ExpectText(const test::PixelBuffer& shot, const RECT& line, int start, int end, const std::wstring& text,
                    std::initializer_list<test::Colour> background, const char* what, int index) {
        SCOPED_TRACE(std::string(what) + " of line " + std::to_string(index));
        const PixelRect area{start, static_cast<int>(line.top) + 1, end, static_cast<int>(line.bottom)};
        const PixelRect ink = test::InkBounds(shot, area, background);
        if (text.empty()) {
            EXPECT_LE(ink.Width(), 0);
            return;
        }
        ASSERT_GT(ink.Width(), 0) << "nothing drawn";
        const int width = TextWidth(text);
        EXPECT_GE(ink.left, start);
        EXPECT_LE(ink.left, start + 3);
        EXPECT_GE(ink.right, start + width - 3);
        EXPECT_LE(ink.right, start + width + 1);
    }

    fw::Application app;
    fw::Window parent;
    CPropertyList list;
    CTwfObj element{4};
    PaintLink link;
};

} // namespace

TEST_F(GridPaint, EveryLineShowsItsLabelAndValueAndTheSelectionIsHighlighted) {
    ASSERT_EQ(list.Model().Count(), 7);
    list.SetSelectedIndex(1);
    PaintNow();
    const test::PixelBuffer shot = test::CaptureClient(list.Handle());
    const test::Colour window = GetSysColor(COLOR_WINDOW), grid = GetSysColor(COLOR_BTNSHADOW);
    const test::Colour highlight = GetSysColor(COLOR_HIGHLIGHT);
    const int divider = list.Divider();
    ASSERT_GT(divider, 0);
    for (int i = 0; i < list.Model().Count(); ++i) {
        const CPropertyItem* row = list.Model().Item(i);
        const RECT line = LineRect(i);
        const RECT label = LabelTextRect(LabelCell(line, divider));
        const bool selected = i == 1;
        const test::Colour labelBack = selected ? highlight : window;
        // Grouped rows start their label after the expand glyph's room.
        const int start = label.left + LabelIndent(*row, list.GlyphWidth());
        ExpectText(shot, line, start, divider, row->Label(), {labelBack, grid}, "label", i);
        if (row->Kind() == kKindColor) {
            // The swatch fills the value cell; the text is drawn over it.
            EXPECT_EQ(shot.At(divider + 2, line.top + 1), RGB(255, 0, 0));
            EXPECT_EQ(shot.At(line.right - 2, line.bottom - 2), RGB(255, 0, 0));
            const PixelRect ink =
                test::InkBounds(shot, {divider + 1, line.top + 1, line.right, line.bottom}, {RGB(255, 0, 0), grid});
            EXPECT_GT(ink.Width(), 0) << "the colour row's value text";
        } else {
            ExpectText(shot, line, divider + 3, line.right, row->Value(), {window, grid}, "value", i);
        }
        // The selected line's label cell is highlighted; the others are not.
        const test::Colour corner = shot.At(divider - 2, line.bottom - 2);
        EXPECT_EQ(corner, selected ? highlight : window) << "line " << i;
    }
}

TEST_F(GridPaint, AnOpenEditorSitsOverItsOwnRowsValueCell) {
    // Each editor kind on a line of its own: edit, colour drop-down, choice.
    for (int index : {1, 4, 5, 3}) {
        SCOPED_TRACE("line " + std::to_string(index));
        SendMessageW(list.Handle(), LB_SETCURSEL, index, 0);
        list.OnSelchange();
        PaintNow();
        HWND editor = list.OpenEditorWindow();
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(IsWindowVisible(editor));
        RECT r{};
        GetWindowRect(editor, &r);
        MapWindowPoints(nullptr, list.Handle(), reinterpret_cast<POINT*>(&r), 2);
        const RECT cell = ValueCell(LineRect(index), list.Divider());
        EXPECT_GE(r.left, cell.left);
        EXPECT_GE(r.top, cell.top);
        EXPECT_LT(r.top, cell.bottom);
        EXPECT_LE(r.right, cell.right);
        // The label cell of the line stays drawn beside it.
        const test::PixelBuffer shot = test::CaptureClient(list.Handle());
        const RECT label = LabelTextRect(LabelCell(LineRect(index), list.Divider()));
        const PixelRect ink =
            test::InkBounds(shot, {static_cast<int>(label.left), static_cast<int>(LineRect(index).top) + 1,
                                   list.Divider(), static_cast<int>(LineRect(index).bottom)},
                            {GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_BTNSHADOW)});
        EXPECT_GT(ink.Width(), 0);
    }
}

// A right click on another line while an edit is open commits the typed text
// to the edit's own row; the clicked row keeps its value.
TEST_F(GridPaint, ARightClickElsewhereCommitsTheOpenEditToItsOwnRow) {
    SendMessageW(list.Handle(), LB_SETCURSEL, 1, 0);
    list.OnSelchange();
    ASSERT_EQ(list.OpenEditorWindow(), list.EditWindow());
    SetWindowTextW(list.EditWindow(), L"64");
    const RECT other = LineRect(3);
    SendMessageW(list.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(other.left + 20, other.top + 2));
    EXPECT_EQ(list.OpenEditorWindow(), nullptr);
    EXPECT_FALSE(IsWindowVisible(list.EditWindow()));
    EXPECT_EQ(list.GetSelectedIndex(), 3);
    // Leaving the list afterwards commits nothing more.
    SetFocus(parent.Handle());
    SetFocus(list.Handle());
    test::PumpMessages();
    EXPECT_EQ(element.GetNumber(302), 64u);
    EXPECT_EQ(list.Model().Item(1)->Value(), L"64");
    EXPECT_EQ(list.Model().Item(3)->Value(), L"1");
    EXPECT_FALSE(element.HasNumber(303));
}

// The context menu offers Cut greyed (nothing enables it there) and "Fill
// all states" only when the row can fill them; the rest stays enabled.
TEST(GridMenu, CutIsGreyedAndFillFollowsTheRow) {
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_PROPERTY_GRID_MENU));
    ASSERT_NE(menu, nullptr);
    for (bool canFill : {false, true}) {
        HMENU popup = GetSubMenu(menu, 0);
        EnableMenuItem(popup, ID_GRID_FILL_ALL_STATES, MF_BYCOMMAND | MF_ENABLED);
        UpdateGridMenu(popup, canFill);
        auto greyed = [&](UINT id) { return (GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
        EXPECT_TRUE(greyed(ID_GRID_CUT));
        EXPECT_FALSE(greyed(ID_GRID_COPY));
        EXPECT_FALSE(greyed(ID_GRID_PASTE));
        EXPECT_EQ(greyed(ID_GRID_FILL_ALL_STATES), !canFill);
    }
    DestroyMenu(menu);
}
