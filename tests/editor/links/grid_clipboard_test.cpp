// Copy, paste and delete of row values: held colours and regions, image
// paste parameters, and the numbered lists of the frame sides.
#include "links_fixture.h"

#include "editor/links/frame/side_links.h"
#include "editor/links/grid_clipboard.h"
#include "editor/links/small_links.h"
#include "model/elements/wnd_frame.h"

using namespace links_test;

namespace {

// Holds one image the way the system clipboard would.
class FakeImages : public ImageClipboard {
public:
    bool CopyImage(const CMrgBitmap& image, bool withMargins) override {
        held = std::make_unique<CMrgBitmap>(image);
        if (!withMargins) held->SetParams({});
        return true;
    }
    std::unique_ptr<CMrgBitmap> PasteImage(bool) override {
        return held ? std::make_unique<CMrgBitmap>(*held) : nullptr;
    }
    std::unique_ptr<CMrgBitmap> held;
};

std::vector<std::wstring> ChildLabels(const CPropertyItem* group) {
    std::vector<std::wstring> labels;
    for (int i = 0; i < group->ChildCount(); ++i)
        labels.push_back(group->Child(i)->Label() + L":" + std::to_wstring(group->Child(i)->Id()) + L":" +
                         group->Child(i)->Value());
    return labels;
}

} // namespace

TEST_F(LinksTest, ColoursAreHeldAndPasted) {
    CTwfObj object(21);
    object.SetColor(494, 0xFFFFFFFFu);
    CStaticTextLink link(nullptr, 21, 1044, L"Default");
    link.SetTwfObj(&object);
    link.BuildPropertyItems(1);
    Show(link, 0);
    GridClipboard clipboard(grid, nullptr);
    CPropertyItem* normal = link.GetPropertyItem(494);
    CPropertyItem* disabled = link.GetPropertyItem(495);
    // Nothing held yet: the paste changes nothing.
    EXPECT_EQ(clipboard.PasteItem(disabled, false), 1);
    EXPECT_FALSE(object.HasColor(495));
    EXPECT_EQ(clipboard.CopyItem(normal, false), 1);
    EXPECT_EQ(clipboard.PasteItem(disabled, false), 1);
    EXPECT_EQ(object.GetColor(495), 0xFFFFFFFFu);
    EXPECT_EQ(disabled->Value(), L"Invert Color");
    EXPECT_EQ(clipboard.DeleteItemValue(normal), 1);
    EXPECT_FALSE(object.HasColor(494));
    EXPECT_EQ(normal->Value(), L"RGB(0,0,0)");
}

TEST_F(LinksTest, ImagePastesKeepOrTakeTheParameters) {
    CTwfObj object(27);
    object.PutImage(41, TestImage(8, 8));
    object.GetImage(41)->SetParams(MrgBitmapParams{4, 4, 4, 4, 1, 1});
    CSBGripLink link(nullptr, 27, 0, L"Default");
    link.SetTwfObj(&object);
    link.BuildPropertyItems(1);
    Show(link, 0);
    FakeImages images;
    GridClipboard clipboard(grid, &images);
    CPropertyItem* row = link.GetPropertyItem(41);
    images.held = std::make_unique<CMrgBitmap>(*TestImage(3, 3));
    // Plain paste: margins and centre mode stay, the edges stretch.
    ASSERT_EQ(clipboard.PasteItem(row, false), 1);
    EXPECT_EQ(object.GetImage(41)->GetWidth(), 3);
    EXPECT_EQ(object.GetImage(41)->GetParams(), (MrgBitmapParams{4, 4, 4, 4, 1, 0}));
    EXPECT_EQ(row->Value(), L"Inserted");
    // With margins: the block's parameters, whatever the row had.
    images.held->SetParams(MrgBitmapParams{1, 2, 3, 5, 0, 1});
    ASSERT_EQ(clipboard.PasteItem(row, true), 1);
    EXPECT_EQ(object.GetImage(41)->GetParams(), (MrgBitmapParams{1, 2, 3, 5, 0, 1}));
    // Nothing on the clipboard: refused, nothing changed.
    images.held.reset();
    EXPECT_EQ(clipboard.PasteItem(row, true), 0);
    EXPECT_EQ(object.GetImage(41)->GetParams(), (MrgBitmapParams{1, 2, 3, 5, 0, 1}));
}

TEST_F(LinksTest, DeletingANumberedSideImageShiftsTheList) {
    CTwfWndFrame frame;
    CTwfSideFrame* top = frame.GetTopSide();
    for (int k = 0; k < 4; ++k) top->PutImage(static_cast<WORD>(k), TestImage(k + 1, 1));
    top->SetImageOptions(2, 0, 0, 2);
    CTopSideFrame link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    link.BuildPropertyItems(1);
    Show(link, 0);
    grid.ExpandItem(0, true);
    GridClipboard clipboard(grid, nullptr);
    CPropertyItem* second = link.ActiveGroup()->Child(1);
    grid.SetSelectedIndex(grid.FindItemRow(second));
    ASSERT_EQ(clipboard.DeleteItemValue(second), 1);
    EXPECT_EQ(ChildLabels(link.ActiveGroup()),
              (std::vector<std::wstring>{L"Image - 0:0:Inserted", L"Image - 1:1:Inserted", L"Image - 2:2:Inserted",
                                         L"Image - 3:3:"}));
    EXPECT_EQ(top->GetImage(1)->GetWidth(), 3);
    EXPECT_EQ(top->GetImage(2)->GetWidth(), 4);
    EXPECT_EQ(top->GetImageOptions(1)->DrawMode, 2u);
    EXPECT_FALSE(top->HasImage(3));
    // The map and the grid point only at rows the link still owns.
    for (const auto& [id, row] : link.RowMap()) EXPECT_GE(link.ActiveGroup()->IndexOfChild(row), -1);
    for (int i = 0; i < grid.Count(); ++i) EXPECT_NE(grid.Item(i), nullptr);
    EXPECT_EQ(grid.Item(grid.GetSelectedIndex()), link.ActiveGroup()->Child(1));
    EXPECT_EQ(preview.refreshedTypes, (std::vector<WORD>{2}));

    // Deleting the last image: the empty trailing row takes its place.
    CPropertyItem* third = link.ActiveGroup()->Child(2);
    clipboard.DeleteItemValue(third);
    EXPECT_EQ(ChildLabels(link.ActiveGroup()),
              (std::vector<std::wstring>{L"Image - 0:0:Inserted", L"Image - 1:1:Inserted", L"Image - 2:2:"}));
    EXPECT_FALSE(top->HasImage(2));
}

// Each image that moves up keeps its own margins and modes, and the images
// that stay put keep theirs.
TEST_F(LinksTest, ImagesMovedUpByADeleteKeepTheirOwnParameters) {
    CTwfWndFrame frame;
    CTwfSideFrame* top = frame.GetTopSide();
    auto params = [](int k) {
        MrgBitmapParams p;
        p.left = 10 * k + 1;
        p.top = 10 * k + 2;
        p.right = 10 * k + 3;
        p.bottom = 10 * k + 4;
        p.drawMode = k % 2;
        p.mrgDrawMode = (k + 1) % 2;
        return p;
    };
    for (int k = 0; k < 5; ++k) {
        MrgBitmapPtr image = TestImage(k + 1, 1);
        image->SetParams(params(k));
        top->PutImage(static_cast<WORD>(k), image);
    }
    CTopSideFrame link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    link.BuildPropertyItems(1);
    Show(link, 0);
    grid.ExpandItem(0, true);
    GridClipboard clipboard(grid, nullptr);
    CPropertyItem* second = link.ActiveGroup()->Child(1);
    grid.SetSelectedIndex(grid.FindItemRow(second));
    ASSERT_EQ(clipboard.DeleteItemValue(second), 1);
    // Place k now holds what was image k + 1 from place 1 on.
    for (int place = 0; place < 4; ++place) {
        SCOPED_TRACE("place " + std::to_string(place));
        const int was = place == 0 ? 0 : place + 1;
        ASSERT_TRUE(top->HasImage(static_cast<WORD>(place)));
        EXPECT_EQ(top->GetImage(static_cast<WORD>(place))->GetWidth(), was + 1);
        const MrgBitmapParams got = top->GetImage(static_cast<WORD>(place))->GetParams();
        const MrgBitmapParams want = params(was);
        EXPECT_EQ(std::vector<int>({got.left, got.top, got.right, got.bottom, got.drawMode, got.mrgDrawMode}),
                  std::vector<int>({want.left, want.top, want.right, want.bottom, want.drawMode, want.mrgDrawMode}));
    }
    EXPECT_FALSE(top->HasImage(4));
}

TEST_F(LinksTest, DeletingALoneRegionRemovesTheRegionNotAnImage) {
    CTwfWndFrame frame;
    frame.SetNumber(483, 3);
    CTwfSideFrame* top = frame.GetTopSide();
    top->PutImage(0, TestImage(2, 2));
    top->SetRegionOptions(0, nullptr, 1);
    CTopSideFrame link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    link.BuildPropertyItems(1);
    Show(link, 0);
    GridClipboard clipboard(grid, nullptr);
    // A regions list holding only its trailing row plus one region: both
    // are numbered children, so make a lone region row to delete.
    CPropertyItem lone(L"Region", L"Inserted", kKindRegion, L"", 0, FALSE, nullptr, 0);
    clipboard.DeleteItemValue(&lone);
    EXPECT_TRUE(top->HasImage(0));
    EXPECT_FALSE(top->HasRegionOptions(0));
    EXPECT_EQ(lone.Value(), L"No image");
}
