// The frame-side links: rows from the side's images, regions and size; the
// numbered lists' trailing rows; automatic size; filling the inactive state;
// rebuilding with the grid and the row map never left pointing at freed rows.
#include "links_fixture.h"

#include <set>

#include "editor/links/frame/side_links.h"
#include "model/elements/wnd_frame.h"
#include "model/elements/frame_properties.h"

using namespace links_test;

namespace {

void CollectRows(const CPropertyItem* row, std::set<const CPropertyItem*>& rows) {
    if (!row) return;
    rows.insert(row);
    for (int i = 0; i < row->ChildCount(); ++i) CollectRows(row->Child(i), rows);
}

std::vector<std::wstring> ChildLabels(const CPropertyItem* group) {
    std::vector<std::wstring> labels;
    for (int i = 0; i < group->ChildCount(); ++i) labels.push_back(group->Child(i)->Label());
    return labels;
}

// Every row-map entry points at a row the link still owns.
void ExpectMapOnlyLiveRows(const CItemSideFrame& link) {
    std::set<const CPropertyItem*> live;
    CollectRows(link.ActiveGroup(), live);
    CollectRows(link.InactiveGroup(), live);
    CollectRows(link.RegionsGroup(), live);
    CollectRows(link.SizeRow(), live);
    for (const auto& [id, row] : link.RowMap()) EXPECT_TRUE(live.count(row)) << "map entry " << id;
}

class SideLinksTest : public LinksTest {
protected:
    CTwfWndFrame frame;
};

} // namespace

TEST_F(SideLinksTest, RowsListImagesRegionsAndSize) {
    CTwfSideFrame* top = frame.GetTopSide();
    top->PutImage(0, TestImage(4, 6));
    top->PutImage(1, TestImage(4, 6));
    top->PutImage(1001, TestImage(4, 6));
    top->SetRegionOptions(0, nullptr, 1);
    frame.SetNumber(frame_props::kTopThickness, 17);
    CTopSideFrame link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    ASSERT_EQ(link.Side(), top);
    ASSERT_EQ(link.BuildPropertyItems(1), 1);
    EXPECT_EQ(ChildLabels(link.ActiveGroup()), (std::vector<std::wstring>{L"Image - 0", L"Image - 1", L"Image - 2"}));
    EXPECT_EQ(link.ActiveGroup()->Child(1)->Value(), L"Inserted");
    EXPECT_EQ(link.ActiveGroup()->Child(2)->Value(), L"");
    EXPECT_EQ(ChildLabels(link.InactiveGroup()), (std::vector<std::wstring>{L"Image - 0", L"Image - 1"}));
    EXPECT_EQ(link.InactiveGroup()->Child(0)->Id(), 1001);
    EXPECT_EQ(link.InactiveGroup()->Child(0)->BaseId(), 0);
    EXPECT_EQ(link.InactiveGroup()->Child(1)->Id(), 1002);
    EXPECT_EQ(ChildLabels(link.RegionsGroup()), (std::vector<std::wstring>{L"Region - 0", L"Region - 1"}));
    EXPECT_EQ(link.SizeRow()->Value(), L"17");

    // Regions show only while the frame's region choice is UserRegion.
    Show(link, 0);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"Images", L"Size"}));
    frame.SetNumber(frame_props::kRegionShape, frame_props::kRegionShapeUser);
    Show(link, 0);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"Images", L"Regions", L"Size"}));
    EXPECT_EQ(host.caption, L"Properties - Frame Top Side");
    EXPECT_TRUE(host.visible[0]);
    EXPECT_TRUE(host.visible[3]);
    EXPECT_FALSE(host.visible[1]);
    Show(link, 3);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"Images"}));
    EXPECT_EQ(grid.Item(0), link.InactiveGroup());
    // A state the page does not have falls back to state 0.
    Show(link, 2);
    EXPECT_EQ(host.checked, 0);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"Images", L"Regions", L"Size"}));
    ExpectMapOnlyLiveRows(link);
}

TEST_F(SideLinksTest, AnInactiveImageWithoutActiveOnesIsListed) {
    frame.GetLeftSide()->PutImage(1001, TestImage(2, 2));
    CLeftSideFrame link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    link.BuildPropertyItems(1);
    EXPECT_EQ(ChildLabels(link.ActiveGroup()), (std::vector<std::wstring>{L"Image - 0"}));
    EXPECT_EQ(ChildLabels(link.InactiveGroup()), (std::vector<std::wstring>{L"Image - 0", L"Image - 1"}));
}

TEST_F(SideLinksTest, FirstImageSetsTheSizeAndAppendsATrailingRow) {
    CRightSideFrame right(nullptr, 2, 0, L"Default");
    right.SetTwfObj(&frame);
    right.BuildPropertyItems(1);
    Show(right, 0);
    grid.ExpandItem(0, true);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"Images", L"Image - 0", L"Size"}));
    ASSERT_EQ(right.SetImage(0, TestImage(7, 9)), 1);
    EXPECT_EQ(frame.GetNumber(frame_props::kRightThickness), 7u); // width for a right side
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"Images", L"Image - 0", L"Image - 1", L"Size"}));
    EXPECT_EQ(right.SizeRow()->Value(), L"7");
    right.SetImage(1, TestImage(3, 3));
    EXPECT_EQ(frame.GetNumber(frame_props::kRightThickness), 7u);

    CBottomSideFrame bottom(nullptr, 2, 0, L"Default");
    bottom.SetTwfObj(&frame);
    bottom.BuildPropertyItems(1);
    bottom.SetImage(0, TestImage(7, 9));
    EXPECT_EQ(frame.GetNumber(frame_props::kBottomThickness), 9u); // height for a bottom side
}

// The first inactive image on a side of size 0 sets the size and refills
// the page for the state that is checked (Disabled), not for Normal.
TEST_F(SideLinksTest, FirstInactiveImageRefillsTheCheckedState) {
    CTopSideFrame top(nullptr, 2, 0, L"Default");
    top.SetTwfObj(&frame);
    top.BuildPropertyItems(1);
    Show(top, 3);
    ASSERT_EQ(grid.Item(0), top.InactiveGroup());
    ASSERT_EQ(top.SetImage(1001, TestImage(5, 8)), 1);
    EXPECT_EQ(frame.GetNumber(frame_props::kTopThickness), 8u);
    EXPECT_EQ(host.checked, 3);
    ASSERT_GT(grid.Count(), 0);
    EXPECT_EQ(grid.Item(0), top.InactiveGroup());
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"Images"}));
}

TEST_F(SideLinksTest, StoringARegionResetsItsModeToBlit) {
    CTopSideFrame link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    link.BuildPropertyItems(1);
    frame.GetTopSide()->SetRegionOptions(0, nullptr, 1);
    link.SetRegion(0, nullptr);
    EXPECT_EQ(frame.GetTopSide()->GetRegionOptions(0)->DrawMode, 0u);
}

TEST_F(SideLinksTest, FillInactiveStateCopiesTheActiveList) {
    CTwfSideFrame* top = frame.GetTopSide();
    CTopSideFrame link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    EXPECT_EQ(link.FillInactiveState(), -1); // before the rows exist
    top->PutImage(0, TestImage(4, 4));
    top->PutImage(1, TestImage(4, 4));
    top->SetImageOptions(1, 5, 6, 2);
    top->PutImage(1001, TestImage(4, 4));
    top->PutImage(1002, TestImage(4, 4));
    top->PutImage(1003, TestImage(4, 4));
    link.BuildPropertyItems(1);
    host.CheckState(3);
    Links().current = &link;
    link.FillPropertyPage(3, nullptr);
    grid.ExpandItem(0, true);
    EXPECT_EQ(link.FillInactiveState(), 2);
    EXPECT_TRUE(top->HasImage(1001));
    EXPECT_TRUE(top->HasImage(1002));
    EXPECT_FALSE(top->HasImage(1003));
    EXPECT_EQ(top->GetImageOptions(1002)->DrawMode, 2u);
    EXPECT_EQ(top->GetImageOptions(1002)->XOffset, 0);
    EXPECT_EQ(ChildLabels(link.InactiveGroup()), (std::vector<std::wstring>{L"Image - 0", L"Image - 1", L"Image - 2"}));
    EXPECT_EQ(link.InactiveGroup()->Child(2)->Id(), 1003);
    // The grid shows the refilled inactive page, no freed row.
    EXPECT_EQ(grid.Item(0), link.InactiveGroup());
    ExpectMapOnlyLiveRows(link);
}

TEST_F(SideLinksTest, RebuildingEmptiesTheGridAndTheMapFirst) {
    CTopSideFrame link(nullptr, 2, 0, L"Default");
    frame.GetTopSide()->PutImage(0, TestImage(4, 4));
    link.SetTwfObj(&frame);
    link.BuildPropertyItems(1);
    Show(link, 0);
    grid.ExpandItem(0, true);
    grid.Select(1);
    ASSERT_GT(grid.Count(), 0);
    link.BuildPropertyItems(2);
    EXPECT_EQ(grid.Count(), 0);
    EXPECT_TRUE(link.RowMap().empty());
    link.BuildPropertyItems(1);
    ExpectMapOnlyLiveRows(link);
    // Building twice over does not list the images twice.
    link.BuildPropertyItems(1);
    EXPECT_EQ(link.ActiveGroup()->ChildCount(), 2);
    ExpectMapOnlyLiveRows(link);
}

TEST_F(SideLinksTest, SizeCommitSaturatesAndAnEmptyTextLeavesIt) {
    CTopSideFrame link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    frame.SetNumber(frame_props::kTopThickness, 12);
    link.BuildPropertyItems(1);
    Show(link, 0);
    const int size = grid.FindItemRow(link.SizeRow());
    grid.Select(size);
    grid.EditChanged(L"99999999999");
    grid.EditLeft(L"99999999999");
    EXPECT_EQ(frame.GetNumber(frame_props::kTopThickness), 2147483647u);
    EXPECT_EQ(link.SizeRow()->Value(), L"2147483647");
    grid.Select(size);
    grid.EditChanged(L"");
    grid.EditLeft(L"");
    EXPECT_EQ(frame.GetNumber(frame_props::kTopThickness), 2147483647u);
    EXPECT_EQ(link.SizeRow()->Value(), L"2147483647");
}

TEST_F(SideLinksTest, SnapshotCopiesTheSideImagesWithTheirDrawModes) {
    CTwfSideFrame* top = frame.GetTopSide();
    top->PutImage(0, TestImage(4, 4));
    top->PutImage(2, TestImage(4, 4));
    // Tiled: the side's mode 2, which must not turn the copy into the
    // adjustment's plain-value marker (also 2).
    top->SetImageOptions(2, 0, 0, 2);
    CTopSideFrame link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    link.BuildPropertyItems(1);
    EXPECT_EQ(link.SnapshotLinkImages(0), 1);
    const LinkSnapshot& snapshot = link.GetSnapshot();
    ASSERT_EQ(snapshot.images.size(), 2u);
    EXPECT_EQ(snapshot.images[1].first, 2);
    EXPECT_FALSE(snapshot.images[1].second->IsPlainValue());
    EXPECT_NE(snapshot.images[1].second->GetDrawMode(), CMrgBitmap::kDrawPlainValue);
    EXPECT_EQ(snapshot.sideDrawModes, (std::vector<std::pair<WORD, DWORD>>{{2, 2}}));
    EXPECT_TRUE(snapshot.colors.empty());
    EXPECT_EQ(link.SnapshotLinkImages(0), 0);
    EXPECT_EQ(link.SnapshotLinkImages(2), 1);
    EXPECT_TRUE(link.GetSnapshot().images.empty());
    EXPECT_EQ(link.GetSnapshotState(), 2);
}

TEST_F(SideLinksTest, ClearEmptiesTheSide) {
    CTwfSideFrame* top = frame.GetTopSide();
    top->PutImage(0, TestImage(4, 4));
    top->PutImage(1001, TestImage(4, 4));
    top->SetRegionOptions(0, nullptr, 1);
    top->SetRegionOptions(3, nullptr, 1);
    top->SetLegacyThickness(9);
    CTopSideFrame link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    link.ClearElementImages();
    EXPECT_TRUE(top->GetImageMap().empty());
    EXPECT_TRUE(top->GetRegionOptionsMap().empty());
    EXPECT_EQ(top->GetLegacyThickness(), 0u);
}
