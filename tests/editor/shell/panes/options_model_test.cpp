// The Options pane's pages as a model: margins, steps, dragged margins and
// modes stored through the current link into the element's image, the
// zeroing that marks nothing modified, which page a row shows, and the size
// labels read from the image or region itself.
#include "links/links_fixture.h"

#include <vector>

#include "editor/links/frame/side_links.h"
#include "editor/links/small_links.h"
#include "editor/shell/panes/options_model.h"
#include "model/elements/wnd_frame.h"
#include "model/image_rgn.h"

using namespace links_test;
using hexmoor::shell::ImagePageFields;
using hexmoor::shell::Margin;
using hexmoor::shell::OptionsPagesModel;
using hexmoor::shell::OptionsPagesView;
using hexmoor::shell::PagesForView;
using hexmoor::shell::ShownPages;

namespace {

class RecordingView : public OptionsPagesView {
public:
    void EnableAll(Page page, bool enable) override { enabled[page] = enable; }
    void EnableImageControls(bool enable, std::initializer_list<const wchar_t*> c) override {
        imageControls = enable;
        choices.assign(c.begin(), c.end());
    }
    void WriteImageFields(const ImagePageFields& f) override { written.push_back(f); }
    void WriteDrawMode(Page page, std::initializer_list<const wchar_t*> c, int selection) override {
        sideChoices[page].assign(c.begin(), c.end());
        sideSelection[page] = selection;
    }
    void ShowImage(Page page, const CMrgBitmap* image) override { shownImage[page] = image; }
    void ShowRegion(const CImageRgn* region) override { shownRegion = region; }
    void SetSizeLabel(Page page, const std::wstring& text) override { labels[page] = text; }
    void ShowPages(bool image, bool frameImage, bool region) override { shown = {image, frameImage, region}; }

    bool enabled[3] = {};
    bool imageControls = false;
    std::vector<std::wstring> choices;
    std::vector<ImagePageFields> written;
    std::vector<std::wstring> sideChoices[3];
    int sideSelection[3] = {-2, -2, -2};
    const CMrgBitmap* shownImage[3] = {};
    const CImageRgn* shownRegion = nullptr;
    std::wstring labels[3];
    ShownPages shown{true, true, true};
};

class OptionsModelTest : public LinksTest {
protected:
    void SetUp() override {
        LinksTest::SetUp();
        model.SetView(&view);
        Links().options = &model;
        object.PutImage(41, TestImage(12, 9));
        link.SetTwfObj(&object);
        link.BuildPropertyItems(1);
        Show(link, 0);
        grid.SetSelectedIndex(0);
        row = grid.Item(0);
        ASSERT_EQ(row->Id(), 41);
        modified = false;
    }
    MrgBitmapParams Stored() const { return object.GetImage(41)->GetParams(); }

    RecordingView view;
    OptionsPagesModel model;
    mutable CTwfObj object{27};
    CSBGripLink link{nullptr, 27, 0, L"Default"};
    CPropertyItem* row = nullptr;
};

} // namespace

TEST_F(OptionsModelTest, EditedMarginsReachTheSelectedImage) {
    struct {
        Margin margin;
        int MrgBitmapParams::*field;
        const wchar_t* text;
        int expected;
    } cases[] = {
        {Margin::kTop, &MrgBitmapParams::top, L"3", 3},
        {Margin::kLeft, &MrgBitmapParams::left, L"17", 17},
        {Margin::kBottom, &MrgBitmapParams::bottom, L"", 0},
        {Margin::kRight, &MrgBitmapParams::right, L"99999999999", 2147483647},
    };
    for (const auto& c : cases) {
        modified = false;
        model.MarginEdited(c.margin, c.text);
        EXPECT_EQ(Stored().*c.field, c.expected) << static_cast<int>(c.margin);
        EXPECT_TRUE(modified);
    }
    // No selected row: the field follows the edit, the element keeps its value.
    grid.SetSelectedIndex(-1);
    modified = false;
    model.MarginEdited(Margin::kTop, L"8");
    EXPECT_EQ(Stored().top, 3);
    EXPECT_FALSE(modified);
}

TEST_F(OptionsModelTest, StepsKeepMarginsAtZeroOrAbove) {
    // The up-downs count from the top: a down-arrow delta of +1 lowers the value.
    EXPECT_EQ(model.MarginStepped(Margin::kTop, +1), std::nullopt);
    EXPECT_EQ(model.ImageFields().top, 0);
    EXPECT_EQ(Stored().top, 0);
    EXPECT_FALSE(modified);
    EXPECT_EQ(model.MarginStepped(Margin::kTop, -1), 1);
    EXPECT_EQ(Stored().top, 1);
    EXPECT_TRUE(modified);
    EXPECT_EQ(model.MarginStepped(Margin::kTop, +1), 0);
    EXPECT_EQ(model.MarginStepped(Margin::kTop, +5), std::nullopt);
    EXPECT_EQ(Stored().top, 0);
}

TEST_F(OptionsModelTest, DraggedMarginIsWrittenAndStored) {
    struct {
        WPARAM which;
        int MrgBitmapParams::*field;
    } cases[] = {{0, &MrgBitmapParams::left},
                 {1, &MrgBitmapParams::top},
                 {2, &MrgBitmapParams::right},
                 {3, &MrgBitmapParams::bottom}};
    int value = 7;
    for (const auto& c : cases) {
        view.written.clear();
        ASSERT_TRUE(model.MarginDragged(c.which, value).has_value());
        EXPECT_EQ(Stored().*c.field, value) << c.which;
        ASSERT_EQ(view.written.size(), 1u);
        ++value;
    }
    EXPECT_TRUE(modified);
    const MrgBitmapParams before = Stored();
    view.written.clear();
    EXPECT_FALSE(model.MarginDragged(4, 50).has_value());
    EXPECT_TRUE(view.written.empty());
    EXPECT_EQ(Stored().left, before.left);
}

TEST_F(OptionsModelTest, ModesAndLoadRoundTrip) {
    MrgBitmapParams params{};
    params.top = 1;
    params.left = 2;
    params.right = 3;
    params.bottom = 4;
    params.drawMode = 1;
    params.mrgDrawMode = 1;
    object.GetImage(41)->SetParams(params);
    link.LoadImageOptions(row);
    ASSERT_FALSE(view.written.empty());
    EXPECT_EQ(view.written.back().left, 2);
    EXPECT_EQ(view.written.back().edgeMode, 1);
    // Storing what was loaded changes nothing.
    link.StoreImageDrawMode(row);
    EXPECT_EQ(Stored().drawMode, 1);
    EXPECT_EQ(Stored().bottom, 4);

    model.ImageDrawModeChosen(0);
    EXPECT_EQ(Stored().drawMode, 0);
    model.EdgeModeClicked(0);
    EXPECT_EQ(Stored().mrgDrawMode, 0);
    EXPECT_TRUE(modified);
    EXPECT_EQ(preview.refreshes, 2);
}

TEST_F(OptionsModelTest, EnablingOffersStretchAndTileAndDisablingZeroesWithoutModifying) {
    model.EnableImageOptions(true);
    EXPECT_TRUE(view.imageControls);
    EXPECT_EQ(view.choices, (std::vector<std::wstring>{L"Stretch", L"Tile"}));
    EXPECT_EQ(model.ImageFields().drawMode, 0);
    model.MarginEdited(Margin::kLeft, L"5");
    model.EdgeModeClicked(1);
    modified = false;
    model.EnableImageOptions(false);
    EXPECT_FALSE(view.imageControls);
    EXPECT_TRUE(view.choices.empty());
    ASSERT_FALSE(view.written.empty());
    EXPECT_EQ(view.written.back().left, 0);
    EXPECT_EQ(view.written.back().edgeMode, 0);
    EXPECT_FALSE(modified);
    // The element keeps what was stored.
    EXPECT_EQ(Stored().left, 5);
}

TEST_F(OptionsModelTest, SizeLabelsComeFromTheImageOrRegion) {
    model.SetImagePreview(object.GetImage(41));
    EXPECT_EQ(view.labels[0], L"width: 12  height: 9");
    EXPECT_EQ(view.shownImage[0], object.GetImage(41));
    model.EnableAllControls(OptionsPagesModel::kImagePage, false);
    EXPECT_EQ(view.labels[0], L"width: 0  height: 0");
    EXPECT_EQ(view.shownImage[0], nullptr);

    CImageRgn region(hexmoor::platform::RegionHandle(), 30, 20);
    model.SetRegionPreview(&region, 2);
    EXPECT_EQ(view.labels[2], L"width: 30  height: 20");
    EXPECT_EQ(view.sideSelection[2], 2);
    EXPECT_EQ(view.sideChoices[2], (std::vector<std::wstring>{L"Blit", L"Stretch", L"Tile"}));
    EXPECT_EQ(model.RegionDrawMode(), 2u);
    model.SetRegionPreview(nullptr, 2);
    EXPECT_EQ(view.labels[2], L"width: 0  height: 0");
    EXPECT_EQ(model.RegionDrawMode(), 0u);
}

TEST_F(OptionsModelTest, FrameSidePageStoresItsDrawingMode) {
    CTwfWndFrame frame;
    frame.GetTopSide()->PutImage(0, TestImage(4, 6));
    frame.GetTopSide()->SetImageOptions(0, 0, 0, 1);
    CTopSideFrame side(nullptr, 2, 0, L"Default");
    side.SetTwfObj(&frame);
    ASSERT_EQ(side.BuildPropertyItems(1), 1);
    Show(side, 0);
    CPropertyItem* image = side.ActiveGroup()->Child(0);
    int line = grid.FindItemRow(image);
    if (line < 0) grid.ExpandItem(grid.FindItemRow(side.ActiveGroup()), true);
    line = grid.FindItemRow(image);
    ASSERT_GE(line, 0);
    grid.SetSelectedIndex(line);
    side.ShowItemImage(image);
    EXPECT_EQ(view.labels[1], L"width: 4  height: 6");
    EXPECT_EQ(view.sideSelection[1], 1);
    modified = false;
    model.SideDrawModeChosen(OptionsPagesModel::kFrameImagePage, 2);
    ASSERT_NE(frame.GetTopSide()->GetImageOptions(0), nullptr);
    EXPECT_EQ(frame.GetTopSide()->GetImageOptions(0)->DrawMode, 2u);
    EXPECT_TRUE(modified);
}

TEST(OptionsPagesView, WhichPageARowShows) {
    CSBGripLink plain(nullptr, 27, 0, L"Default");
    CTopSideFrame side(nullptr, 2, 0, L"Default");
    struct {
        int mode;
        const CItemLinkObj* link;
        std::optional<ShownPages> expected;
    } cases[] = {
        {-1, nullptr, ShownPages{}},
        {-1, &plain, ShownPages{}},
        {0, nullptr, std::nullopt},
        {0, &plain, ShownPages{true, false, false}},
        {0, &side, ShownPages{false, true, false}},
        {1, &plain, ShownPages{false, false, true}},
        {1, &side, ShownPages{false, false, true}},
        {2, &plain, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(PagesForView(c.mode, c.link), c.expected) << c.mode;
}
