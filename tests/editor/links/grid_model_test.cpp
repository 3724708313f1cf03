// The grid model: expanding and collapsing, Tab wrapping, geometry and the
// commit road by row kind.
#include "links_fixture.h"

#include <climits>

#include "editor/links/value_text.h"

using namespace links_test;

namespace {

std::unique_ptr<CPropertyItem> Row(const wchar_t* label, int kind, WORD id, bool group = false) {
    return std::make_unique<CPropertyItem>(label, L"", kind, L"", id, group ? TRUE : FALSE, nullptr, 0);
}

// A link whose own commit records what it saw.
class RecordingLink : public CItemLinkObj {
public:
    RecordingLink() : CItemLinkObj(nullptr, 21, 0, L"Default") {}
    const char* ClassName() const override { return "RecordingLink"; }
    BOOL OnOptionsChanged() override { return 1; }
    BOOL CommitEditedValues(PropertyGridModel* grid) override {
        const CPropertyItem* row = grid->OpenItem();
        committed.push_back(row ? row->Value() : L"<none>");
        return 1;
    }
    BOOL FillPropertyPage(int, void*) override { return 1; }
    BOOL BuildPropertyItems(int) override { return 1; }
    std::vector<std::wstring> committed;
};

class RewriteView : public GridView {
public:
    void EditTextRewritten(const std::wstring& text) override { rewritten.push_back(text); }
    std::vector<std::wstring> rewritten;
};

} // namespace

TEST_F(LinksTest, CollapsingAnOuterGroupHidesNestedRowsAndExpandingRestoresThem) {
    auto outer = Row(L"outer", kKindCategory, 0, true);
    auto inner = Row(L"inner", kKindCategory, 0, true);
    inner->AddChild(Row(L"i1", kKindNumber, 1));
    inner->AddChild(Row(L"i2", kKindNumber, 2));
    CPropertyItem* innerRaw = inner.get();
    outer->AddChild(std::move(inner));
    outer->AddChild(Row(L"o2", kKindNumber, 3));
    auto after = Row(L"after", kKindNumber, 4);
    grid.InsertItem(outer.get(), -1);
    grid.InsertItem(after.get(), -1);

    EXPECT_EQ(grid.ExpandItem(0, true), 2);
    EXPECT_EQ(grid.ExpandItem(1, true), 2);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"outer", L"inner", L"i1", L"i2", L"o2", L"after"}));
    EXPECT_EQ(grid.ExpandItem(0, false), 0);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"outer", L"after"}));
    EXPECT_TRUE(innerRaw->IsExpanded());
    EXPECT_EQ(grid.ExpandItem(0, true), 4);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"outer", L"inner", L"i1", L"i2", L"o2", L"after"}));
    // Expanding an expanded group again does not show its rows twice; a
    // plain row or a missing line is not a group.
    grid.ExpandItem(0, true);
    EXPECT_EQ(grid.Count(), 6);
    EXPECT_EQ(grid.ExpandItem(5, true), 0);
    EXPECT_EQ(grid.ExpandItem(42, true), 0);
}

TEST_F(LinksTest, TabWrapsAtBothEnds) {
    auto a = Row(L"a", kKindNumber, 1), b = Row(L"b", kKindNumber, 2), c = Row(L"c", kKindNumber, 3);
    for (auto* r : {a.get(), b.get(), c.get()}) grid.InsertItem(r, -1);
    grid.SetSelectedIndex(2);
    EXPECT_EQ(grid.TabTarget(false), 0);
    EXPECT_EQ(grid.TabTarget(true), 1);
    grid.SetSelectedIndex(0);
    EXPECT_EQ(grid.TabTarget(true), 2);
    EXPECT_EQ(grid.TabTarget(false), 1);
}

// Emptying the list (every refill starts so) forgets the selected line.
TEST_F(LinksTest, AnEmptiedGridHasNoSelectedLine) {
    auto a = Row(L"a", kKindNumber, 1), b = Row(L"b", kKindNumber, 2);
    grid.InsertItem(a.get(), -1);
    grid.InsertItem(b.get(), -1);
    grid.Select(1);
    grid.ClearProperties();
    EXPECT_EQ(grid.GetSelectedIndex(), -1);
    EXPECT_EQ(grid.OpenItem(), nullptr);
    grid.InsertItem(a.get(), -1);
    EXPECT_EQ(grid.GetSelectedIndex(), -1);
}

// A row that is not a group refuses children and leaves them with their
// maker, whichever way they were handed over.
TEST(PropertyRows, ARefusedChildStaysItsMakers) {
    auto plain = Row(L"plain", kKindNumber, 1);
    auto* raw = new CPropertyItem(L"raw", L"", kKindNumber, L"", 2, FALSE, nullptr, 0);
    EXPECT_EQ(plain->AddChild(raw), -1);
    EXPECT_EQ(raw->Label(), L"raw");
    delete raw;
    auto owned = Row(L"owned", kKindNumber, 3);
    EXPECT_EQ(plain->AddChild(std::move(owned)), -1);
    ASSERT_NE(owned, nullptr);
    EXPECT_EQ(plain->ChildCount(), 0);
    auto group = Row(L"group", kKindCategory, 0, true);
    EXPECT_EQ(group->AddChild(std::move(owned)), 0);
    EXPECT_EQ(owned, nullptr);
    EXPECT_EQ(group->Child(0)->Parent(), group.get());
}

TEST(GridGeometry, CellsGlyphsAndDivider) {
    const RECT item{0, 20, 200, 36};
    const int d = DividerOrDefault(0, item);
    EXPECT_EQ(d, 100);
    EXPECT_EQ(DividerOrDefault(60, item), 60);
    EXPECT_EQ(LabelCell(item, d).right, 101);
    EXPECT_EQ(ValueCell(item, d).left, 100);
    EXPECT_TRUE(NearDivider(105, 100));
    EXPECT_FALSE(NearDivider(106, 100));
    EXPECT_EQ(ClampDivider(3, 0, 200), 10);
    EXPECT_EQ(ClampDivider(199, 0, 200), 190);
    const RECT v = ValueCell(item, d);
    EXPECT_EQ(ButtonRect(v).left, 180);
    EXPECT_EQ(ButtonRect(RECT{0, 0, 15, 10}).left, 0);
    EXPECT_EQ(DropDownRect(v).bottom, 336);
    EXPECT_EQ(EditRect(v).left, 102);

    // The glyph: the first g + 2 pixels for a top-level group; a child of a
    // group moves right by half a glyph per group ancestor.
    CPropertyItem group(L"g", L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
    group.AddChild(new CPropertyItem(L"sub", L"", kKindCategory, L"", 0, TRUE, nullptr, 0));
    const RECT t = LabelTextRect(LabelCell(item, d));
    EXPECT_EQ(t.left, 3);
    const RECT top = ExpandGlyphRect(group, t, 12);
    EXPECT_EQ(top.left, 3);
    EXPECT_EQ(top.right, 17);
    const RECT nested = ExpandGlyphRect(*group.Child(0), t, 12);
    EXPECT_EQ(nested.left, 9);
    EXPECT_EQ(nested.right, 23);
    EXPECT_EQ(LabelIndent(group, 12), 14);
}

TEST(GridEditors, ByKind) {
    EXPECT_EQ(EditorForKind(kKindChoice), EditorKind::kChoice);
    EXPECT_EQ(EditorForKind(kKindColor), EditorKind::kColor);
    EXPECT_EQ(EditorForKind(kKindCategory), EditorKind::kNone);
    for (int k : {1, 8, 9, 10, 11, 12}) EXPECT_EQ(EditorForKind(k), EditorKind::kEdit) << k;
    for (int k : {3, 4, 5, 13, 7, 99}) EXPECT_EQ(EditorForKind(k), EditorKind::kButton) << k;
}

TEST_F(LinksTest, CommitsByKind) {
    CTwfObj object(21);
    RecordingLink link;
    link.SetTwfObj(&object);
    Links().current = &link;
    RewriteView view;
    grid.SetView(&view);

    struct Case {
        int kind;
        const wchar_t* typed;
        DWORD initial;
        DWORD stored;
        const wchar_t* shownAfterLeaving;
    } cases[] = {
        {kKindSize, L"99999999999", 5, 2147483647u, L"2147483647"},
        {kKindSize, L"12abc", 5, 12, L"12"},
        {kKindLowHalf, L"70000", 0x00070001u, 0x00071170u, L"4464"}, // 70000 & 0xFFFF, high half kept
        {kKindHighHalf, L"3", 0x00070001u, 0x00030001u, L"3"},
        {kKindFixed, L"12.5", 0, 12u | (50u << 16), L"12.50"},
    };
    for (const Case& c : cases) {
        object.SetNumber(30, c.initial);
        auto row = Row(L"n", c.kind, 30);
        row->SetValue(L"0");
        grid.ClearProperties();
        grid.InsertItem(row.get(), -1);
        ASSERT_EQ(grid.Select(0), EditorKind::kEdit);
        modified = false;
        grid.EditChanged(c.typed);
        grid.EditLeft(c.typed);
        EXPECT_EQ(object.GetNumber(30), c.stored) << c.kind;
        EXPECT_EQ(row->Value(), c.shownAfterLeaving) << c.kind;
        EXPECT_TRUE(modified);
        grid.ClearProperties();
    }
    EXPECT_TRUE(link.committed.empty());
}

TEST_F(LinksTest, SignedRowsCommitThroughTheLinkAndLeaveWithZeroForEmptyOrMinus) {
    CTwfObj object(21);
    object.SetNumber(40, 0x00050006u);
    RecordingLink link;
    link.SetTwfObj(&object);
    Links().current = &link;
    auto row = Row(L"s", kKindSigned, 40);
    row->SetValue(L"6");
    grid.InsertItem(row.get(), -1);
    grid.Select(0);
    // While typing, a lone "-" or a text with '.' commits nothing.
    grid.EditChanged(L"-");
    grid.EditChanged(L"1.5");
    EXPECT_TRUE(link.committed.empty());
    grid.EditChanged(L"-12");
    EXPECT_EQ(link.committed, (std::vector<std::wstring>{L"-12"}));
    // Leaving with "-" commits "0" through the link, never SetNumber(id, 0):
    // the other half of the pair stays.
    grid.EditLeft(L"-");
    EXPECT_EQ(link.committed.back(), L"0");
    EXPECT_EQ(row->Value(), L"0");
    EXPECT_EQ(object.GetNumber(40), 0x00050006u);
    grid.Select(0);
    grid.EditLeft(L"");
    EXPECT_EQ(link.committed.back(), L"0");
    EXPECT_EQ(object.GetNumber(40), 0x00050006u);
    grid.ClearProperties();
}

TEST_F(LinksTest, TypedNumbersAreClampedToTheRowMaximum) {
    CTwfObj object(21);
    RecordingLink link;
    link.SetTwfObj(&object);
    Links().current = &link;
    RewriteView view;
    grid.SetView(&view);
    auto row = Row(L"alpha", kKindSize, 50);
    row->SetMaximum(255);
    grid.InsertItem(row.get(), -1);
    grid.Select(0);
    modified = false;
    grid.EditChanged(L"300");
    EXPECT_EQ(view.rewritten, (std::vector<std::wstring>{L"255"}));
    EXPECT_EQ(object.GetNumber(50), 255u);
    grid.EditChanged(L"99999999999");
    EXPECT_EQ(object.GetNumber(50), 255u);
    grid.ClearProperties();
}

TEST_F(LinksTest, ColoursAndChoicesCommit) {
    CTwfObj object(21);
    RecordingLink link;
    link.SetTwfObj(&object);
    Links().current = &link;
    auto color = Row(L"c", kKindColor, 60);
    auto choice = std::make_unique<CPropertyItem>(L"k", L"Left", kKindChoice, L"Left|Right", 61, FALSE, nullptr, 0);
    grid.InsertItem(color.get(), -1);
    grid.InsertItem(choice.get(), -1);
    grid.Select(0);
    grid.SetSelectedColor(0xFFFFFFFEu); // the custom entry before a colour was chosen
    EXPECT_FALSE(object.HasColor(60));
    grid.SetSelectedColor(0xFFFFFFFFu);
    EXPECT_EQ(object.GetColor(60), 0xFFFFFFFFu);
    EXPECT_EQ(color->Value(), L"Invert Color");
    grid.Select(1);
    grid.ChoiceChosen(L"Right");
    EXPECT_EQ(choice->Value(), L"Right");
    EXPECT_EQ(link.committed, (std::vector<std::wstring>{L"Right"}));
    grid.ClearProperties();
}
