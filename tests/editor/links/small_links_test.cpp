// Static text, grip, group, user-data, folder and empty links: their pages,
// "Fill all states", the snapshot, the state fallback and the export road.
#include "links_fixture.h"

#include "editor/links/family.h"
#include "editor/links/page_dump.h"
#include "editor/links/small_links.h"
#include "model/elements/user_data.h"
#include "model/elements/static_text_properties.h"

using namespace links_test;

namespace {

class RecordingSink : public ExportSink {
public:
    void AddExportProperty(CItemLinkObj&, const CPropertyItem& row, void*, int position) override {
        rows.push_back(row.Label() + L"=" + row.Value());
        positions.push_back(position);
    }
    std::vector<std::wstring> rows;
    std::vector<int> positions;
};

} // namespace

TEST_F(LinksTest, StaticTextPagesAnswerNormalAndDisabled) {
    CTwfObj object(21);
    object.SetColor(static_text_props::kTextColor, 0x00FF8040u);
    CStaticTextLink link(nullptr, 21, 1044, L"Default");
    link.SetTwfObj(&object);
    link.BuildPropertyItems(1);
    EXPECT_EQ(Show(link, 0), 1);
    EXPECT_EQ(host.caption, L"Properties - Static Text");
    ASSERT_EQ(grid.Count(), 1);
    EXPECT_EQ(grid.Item(0)->Value(), L"RGB(64,128,255)");
    EXPECT_EQ(grid.Item(0)->BaseId(), static_text_props::kTextColor);
    Show(link, 3);
    EXPECT_EQ(grid.Item(0)->Id(), static_text_props::kTextColorDisabled);
    EXPECT_EQ(grid.Item(0)->BaseId(), static_text_props::kTextColor);
    // Highlighted is not on this page: state 0 is filled instead.
    Show(link, 1);
    EXPECT_EQ(host.checked, 0);
    EXPECT_EQ(grid.Item(0)->Id(), static_text_props::kTextColor);
}

TEST_F(LinksTest, NoButtonCheckedFallsBackToNormal) {
    CTwfObj object(21);
    CStaticTextLink link(nullptr, 21, 1044, L"Default");
    link.SetTwfObj(&object);
    link.BuildPropertyItems(1);
    Links().current = &link;
    host.checked = -1;
    // -1 with the first-show flag is still -1; without the flag it reads
    // -257. Neither is a state the page shows.
    EXPECT_EQ(link.FillPropertyPage(-1 | kFirstShowFlag, nullptr), 1);
    EXPECT_EQ(host.checked, 0);
    ASSERT_EQ(grid.Count(), 1);
    EXPECT_EQ(grid.Item(0)->Id(), static_text_props::kTextColor);
}

// Without a properties pane (a windowless filler) a state the page does not
// have falls back once to Normal instead of asking the pane again and again.
TEST_F(LinksTest, WithoutAPaneAStateNotShownFallsBackOnceToNormal) {
    CTwfObj object(21);
    CStaticTextLink link(nullptr, 21, 1044, L"Default");
    link.SetTwfObj(&object);
    link.BuildPropertyItems(1);
    Links().current = &link;
    Links().host = nullptr;
    for (int state : {-1, 1, 4}) {
        SCOPED_TRACE(state);
        EXPECT_EQ(link.FillPropertyPage(state | kFirstShowFlag, nullptr), 1);
        ASSERT_EQ(grid.Count(), 1);
        EXPECT_EQ(grid.Item(0)->Id(), static_text_props::kTextColor);
    }
    // A state the page has is filled as asked, and an out-of-range state
    // asked of the link directly fills Normal once.
    EXPECT_EQ(link.FillPropertyPage(3 | kFirstShowFlag, nullptr), 1);
    EXPECT_EQ(grid.Item(0)->Id(), static_text_props::kTextColorDisabled);
    BOOL result = 0;
    EXPECT_EQ(link.IsStateShown(-1, &result), 0);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(grid.Item(0)->Id(), static_text_props::kTextColor);
}

TEST_F(LinksTest, FillAllStatesCopiesTheColourAndKeepsStateAndSelection) {
    CTwfObj object(21);
    object.SetColor(static_text_props::kTextColor, 0x123456u);
    CStaticTextLink link(nullptr, 21, 1044, L"Default");
    link.SetTwfObj(&object);
    link.BuildPropertyItems(1);
    Show(link, 0);
    grid.SetSelectedIndex(0);
    modified = false;
    ASSERT_TRUE(RunFillAllStates(&link, &grid));
    EXPECT_EQ(object.GetColor(static_text_props::kTextColorDisabled), 0x123456u);
    EXPECT_TRUE(modified);
    EXPECT_EQ(host.checked, 0);
    EXPECT_EQ(grid.GetSelectedIndex(), 0);
    ASSERT_EQ(grid.Count(), 1);
    EXPECT_EQ(grid.Item(0), link.GetPropertyItem(494)); // the refilled page shows the new rows
    EXPECT_EQ(preview.refreshes, 1);
}

TEST_F(LinksTest, FillAllStatesIgnoresBaseIdZeroAndOtherKinds) {
    CTwfObj object(27);
    object.PutImage(41, TestImage(3, 3));
    object.PutImage(7, TestImage(5, 5));
    CSBGripLink link(nullptr, 27, 0, L"Default");
    link.SetTwfObj(&object);
    link.BuildPropertyItems(1);
    // A row of base 0 sharing nothing but the 0 with the grip row.
    CPropertyItem stray(L"stray", L"", kKindImage, L"", 7, FALSE, nullptr, 0);
    link.RegisterPropertyItem(&stray);
    Show(link, 0);
    grid.SetSelectedIndex(0);
    EXPECT_FALSE(CanFillAllStates(&link, &grid));
    link.FillAllStates(link.GetPropertyItem(41));
    EXPECT_EQ(object.GetImage(7)->GetWidth(), 5);
    link.UnregisterPropertyItem(&stray);
}

TEST_F(LinksTest, SnapshotHoldsEveryImageAndColourRow) {
    CTwfObj object(21);
    object.SetColor(static_text_props::kTextColor, 0x10u);
    CStaticTextLink link(nullptr, 21, 1044, L"Default");
    link.SetTwfObj(&object);
    link.BuildPropertyItems(1);
    EXPECT_EQ(link.GetSnapshotState(), 1);
    EXPECT_EQ(link.SnapshotLinkImages(0), 1);
    EXPECT_EQ(link.GetSnapshot().colors, (std::vector<std::pair<WORD, COLORREF>>{{494, 0x10u}, {495, 0u}}));
    EXPECT_EQ(link.SnapshotLinkImages(0), 0);
    EXPECT_EQ(link.SnapshotLinkImages(1), 1);
    EXPECT_TRUE(link.GetSnapshot().colors.empty());

    CTwfObj grip(27);
    CSBGripLink gripLink(nullptr, 27, 0, L"Default");
    gripLink.SetTwfObj(&grip);
    gripLink.BuildPropertyItems(1);
    EXPECT_EQ(gripLink.SnapshotLinkImages(0), 1);
    ASSERT_EQ(gripLink.GetSnapshot().images.size(), 1u);
    EXPECT_TRUE(gripLink.GetSnapshot().images[0].second->IsPlainValue()); // an empty record for a missing image
}

TEST_F(LinksTest, ExportTouchesNoWindow) {
    CTwfObj object(21);
    CStaticTextLink link(nullptr, 21, 1044, L"Default");
    link.SetTwfObj(&object);
    link.BuildPropertyItems(1);
    CSSlidersLink group(nullptr, 9, 1009, L"Default");
    RecordingSink sink;
    for (CItemLinkObj* l : {static_cast<CItemLinkObj*>(&link), static_cast<CItemLinkObj*>(&group)}) {
        l->SetExportSink(&sink);
        l->SetOutputMode(1);
        for (int s : {0, 2, 1, 3, 4}) l->FillPropertyPage(s, nullptr);
        EXPECT_EQ(l->GetListItemCount(), 0);
        EXPECT_EQ(l->ExpandListItem(0, TRUE), -1);
        EXPECT_EQ(l->FindListItem(link.GetPropertyItem(494)), -1);
        l->SetOutputMode(0);
        l->SetExportSink(nullptr);
    }
    EXPECT_EQ(host.calls, 0);
    EXPECT_EQ(grid.Count(), 0);
    EXPECT_EQ(sink.rows, (std::vector<std::wstring>{L"Text Color=RGB(0,0,0)", L"Text Color=RGB(0,0,0)"}));
    EXPECT_EQ(sink.positions, (std::vector<int>{-1, -1}));
}

TEST_F(LinksTest, GroupFolderAndEmptyPagesAreEmpty) {
    CSSlidersLink sliders(nullptr, 9, 1009, L"Default");
    Show(sliders, 2);
    EXPECT_EQ(host.caption, L"Properties - Slider Controls");
    for (bool v : host.visible) EXPECT_FALSE(v);
    EXPECT_FALSE(host.pageShown);
    CFolderLink folder(nullptr, 33, 0, L"<CC>\\F");
    Show(folder, 0);
    EXPECT_EQ(host.caption, L"Properties");
    CEmptyLink root(nullptr, 0, 0, L"TarnwickControls", L"Controls");
    Show(root, 0);
    EXPECT_EQ(host.caption, L"Properties - Controls");
    EXPECT_EQ(grid.Count(), 0);
}

TEST_F(LinksTest, UserDataRowShowsTheBlockSize) {
    CTwfUserData data;
    CUserDataLink link(nullptr, 44, 0, L"<UD>\\blob");
    link.SetTwfObj(&data);
    link.BuildPropertyItems(1);
    Show(link, 0);
    ASSERT_EQ(grid.Count(), 1);
    EXPECT_EQ(grid.Item(0)->Value(), L"Data Size 0 bytes");
    EXPECT_EQ(grid.Item(0)->Kind(), kKindUserData);
    std::vector<BYTE> bytes(1024, 7);
    link.SetUserData(bytes.data(), 1024);
    EXPECT_EQ(grid.Item(0)->Value(), L"Data Size 1024 bytes");
    EXPECT_EQ(grid.Item(0)->Data(), data.GetData());
    for (bool v : host.visible) EXPECT_FALSE(v);
}

TEST(Family, TableGivesClassesByType) {
    // A frame's links in the order of its items: its own page, the sides'
    // folder and the sides, the buttons, the menu bar, the minimized frame;
    // then the region-defined window.
    const auto frame = FamiliesForType(2);
    ASSERT_EQ(frame.size(), 18u);
    EXPECT_STREQ(frame[0]->className, "CFrameLink");
    EXPECT_STREQ(frame[2]->className, "CTopSideFrame");
    EXPECT_STREQ(frame[17]->className, "CFrameFixedLink");
    EXPECT_EQ(FamiliesForType(21).at(0)->controlId, 1044);
    // The scroll bars: the folder, the standalone bars, the internal bars.
    std::vector<std::string> bars;
    for (const LinkFamily* f : FamiliesForType(5)) bars.push_back(f->className);
    EXPECT_EQ(bars, (std::vector<std::string>{"CScrollBarsLink", "CSBHLink", "CSBVLink", "CISBHLink", "CISBVLink"}));
    EXPECT_EQ(FamilyByClass("CSBGripLink")->type, 27);
    EXPECT_EQ(FamilyByClass("Nope"), nullptr);
}

namespace {

class FieldsPage : public OptionsPages {
public:
    MrgBitmapParams ImageOptionsFields() const override { return fields; }
    void LoadImageOptions(const MrgBitmapParams& params) override { loaded = params; }
    MrgBitmapParams fields;
    MrgBitmapParams loaded;
};

class WorkCopy : public ColorAdjustListener {
public:
    CMrgBitmap* WorkBitmap() override { return &work; }
    void ElementEdited(const CTwfObj* element) override { edited.push_back(element); }
    CMrgBitmap work;
    std::vector<const CTwfObj*> edited;
};

} // namespace

TEST_F(LinksTest, ImageOptionStoresChangeOneParameter) {
    CTwfObj grip(27);
    grip.PutImage(41, TestImage(4, 4));
    grip.GetImage(41)->SetParams(MrgBitmapParams{1, 2, 3, 4, 1, 0});
    CSBGripLink link(nullptr, 27, 0, L"Default");
    link.SetTwfObj(&grip);
    link.BuildPropertyItems(1);
    FieldsPage page;
    WorkCopy dialog;
    dialog.work.SetParams(MrgBitmapParams{1, 2, 3, 4, 1, 0});
    Links().options = &page;
    Links().colorAdjust = &dialog;
    const CPropertyItem* row = link.GetPropertyItem(41);
    link.LoadImageOptions(row);
    EXPECT_EQ(page.loaded, (MrgBitmapParams{1, 2, 3, 4, 1, 0}));
    page.fields = MrgBitmapParams{9, 8, 7, 6, 0, 1};
    link.StoreImageMarginLeft(row);
    EXPECT_EQ(grip.GetImage(41)->GetParams(), (MrgBitmapParams{9, 2, 3, 4, 1, 0}));
    EXPECT_EQ(dialog.work.GetParams(), (MrgBitmapParams{9, 2, 3, 4, 1, 0}));
    // The adjustment hears of the edit, so that it does not undo it later.
    EXPECT_EQ(dialog.edited, (std::vector<const CTwfObj*>{&grip}));
    link.StoreImageFillMode(row);
    link.StoreImageMarginBottom(row);
    EXPECT_EQ(grip.GetImage(41)->GetParams(), (MrgBitmapParams{9, 2, 3, 6, 1, 1}));
    // A row whose property has no image: nothing.
    grip.RemoveImage(41);
    link.StoreImageMarginTop(row);
    Links().options = nullptr;
    Links().colorAdjust = nullptr;
}
