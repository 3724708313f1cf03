// The page listing and the two roads pagedump drives, on a new skin.
#include <gtest/gtest.h>

#include "editor/links/link_env.h"
#include "editor/links/page_dump.h"
#include "links_fixture.h"
#include "model/elements/wnd_frame.h"
#include "model/twf_skin.h"
#include "model/elements/frame_properties.h"
#include "model/elements/static_text_properties.h"

using namespace hexmoor::links;

namespace {

std::string Section(const std::string& listing, const std::string& header) {
    const size_t start = listing.find(header + "\n");
    if (start == std::string::npos) return {};
    const size_t end = listing.find("\nlink ", start + 1);
    return listing.substr(start, end == std::string::npos ? std::string::npos : end + 1 - start);
}

class PageDumpTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin.InitNewSkin(L"Default");
        frame = dynamic_cast<CTwfWndFrame*>(skin.FindObject(2, L"Default"));
        ASSERT_NE(frame, nullptr);
    }
    CTwfSkin skin;
    CTwfWndFrame* frame = nullptr;
};

} // namespace

TEST_F(PageDumpTest, SideListsExactlyItsImagesRegionsAndSize) {
    CTwfSideFrame* top = frame->GetTopSide();
    top->PutImage(0, links_test::TestImage(2, 2));
    top->PutImage(1, links_test::TestImage(2, 2));
    top->PutImage(1001, links_test::TestImage(2, 2));
    top->SetRegionOptions(0, nullptr, 1);
    frame->SetNumber(frame_props::kTopThickness, 6);
    const std::string withoutRegions = Section(DumpPages(skin, false), "link Default 2 CTopSideFrame");
    EXPECT_EQ(withoutRegions,
              "link Default 2 CTopSideFrame\n"
              "state 0 shown=0 caption=\"Properties - Frame Top Side\" buttons=0,3\n"
              "row 6 0 0 \"Images\" \"\" collapsed\n"
              "  row 4 0 0 \"Image - 0\" \"Inserted\"\n"
              "  row 4 1 1 \"Image - 1\" \"Inserted\"\n"
              "  row 4 2 0 \"Image - 2\" \"\"\n"
              "row 1 0 0 \"Size\" \"6\"\n"
              "state 1 shown=0 caption=\"Properties - Frame Top Side\" buttons=0,3\n"
              "row 6 0 0 \"Images\" \"\" collapsed\n"
              "  row 4 0 0 \"Image - 0\" \"Inserted\"\n"
              "  row 4 1 1 \"Image - 1\" \"Inserted\"\n"
              "  row 4 2 0 \"Image - 2\" \"\"\n"
              "row 1 0 0 \"Size\" \"6\"\n"
              "state 2 shown=0 caption=\"Properties - Frame Top Side\" buttons=0,3\n"
              "row 6 0 0 \"Images\" \"\" collapsed\n"
              "  row 4 0 0 \"Image - 0\" \"Inserted\"\n"
              "  row 4 1 1 \"Image - 1\" \"Inserted\"\n"
              "  row 4 2 0 \"Image - 2\" \"\"\n"
              "row 1 0 0 \"Size\" \"6\"\n"
              "state 3 shown=3 caption=\"Properties - Frame Top Side\" buttons=0,3\n"
              "row 6 1 0 \"Images\" \"\" collapsed\n"
              "  row 4 1001 0 \"Image - 0\" \"Inserted\"\n"
              "  row 4 1002 0 \"Image - 1\" \"\"\n"
              "state 4 shown=0 caption=\"Properties - Frame Top Side\" buttons=0,3\n"
              "row 6 0 0 \"Images\" \"\" collapsed\n"
              "  row 4 0 0 \"Image - 0\" \"Inserted\"\n"
              "  row 4 1 1 \"Image - 1\" \"Inserted\"\n"
              "  row 4 2 0 \"Image - 2\" \"\"\n"
              "row 1 0 0 \"Size\" \"6\"\n");
    frame->SetNumber(frame_props::kRegionShape, frame_props::kRegionShapeUser);
    const std::string withRegions = Section(DumpPages(skin, false), "link Default 2 CTopSideFrame");
    EXPECT_NE(withRegions.find("row 6 0 0 \"Regions\" \"\" collapsed\n"
                               "  row 5 0 0 \"Region - 0\" \"Inserted\"\n"
                               "  row 5 1 0 \"Region - 1\" \"\"\n"
                               "row 1 0 0 \"Size\" \"6\"\n"),
              std::string::npos);
}

TEST_F(PageDumpTest, ExportListsWhatTheSinkGets) {
    const std::string listing = DumpPages(skin, true);
    const std::string text = Section(listing, "link Default 21 CStaticTextLink");
    EXPECT_NE(text.find("export 0\nrow 2 494 494 \"Text Color\" \"RGB(0,0,0)\"\nexport 2\nexport 1\nexport 3\n"
                        "row 2 495 494 \"Text Color\" \"RGB(0,0,0)\"\nexport 4\n"),
              std::string::npos)
        << text;
    const std::string sliders = Section(listing, "link Default 9 CSSlidersLink");
    EXPECT_NE(sliders.find("state 2 shown=2 caption=\"Properties - Slider Controls\" buttons=\n"), std::string::npos)
        << sliders;
}

TEST_F(PageDumpTest, SetAndFillRoads) {
    frame->SetNumber(frame_props::kTopThickness, 6);
    RowAddress size{L"Default", 2, "CTopSideFrame", 0, L"Size"};
    EXPECT_EQ(SetRowText(skin, size, L"99999999999"), RowRoadResult::kDone);
    EXPECT_EQ(frame->GetNumber(frame_props::kTopThickness), 2147483647u);
    EXPECT_EQ(SetRowText(skin, size, L""), RowRoadResult::kDone);
    EXPECT_EQ(frame->GetNumber(frame_props::kTopThickness), 2147483647u);
    RowAddress missing{L"Default", 2, "CTopSideFrame", 0, L"Images/Image - 7"};
    EXPECT_EQ(SetRowText(skin, missing, L"1"), RowRoadResult::kNoSuchRow);
    RowAddress wrongClass{L"Default", 21, "CTopSideFrame", 0, L"Size"};
    EXPECT_EQ(SetRowText(skin, wrongClass, L"1"), RowRoadResult::kNoSuchLink);

    CTwfObj* text = skin.FindObject(21, L"Default");
    RowAddress color{L"Default", 21, "CStaticTextLink", 0, L"Text Color"};
    EXPECT_EQ(SetRowText(skin, color, L"RGB(1,2,3)"), RowRoadResult::kDone);
    EXPECT_EQ(text->GetColor(static_text_props::kTextColor), 0x030201u);
    EXPECT_FALSE(text->HasColor(static_text_props::kTextColorDisabled));
    EXPECT_EQ(FillRowAllStates(skin, color), RowRoadResult::kDone);
    EXPECT_EQ(text->GetColor(static_text_props::kTextColorDisabled), 0x030201u);
    // The environment the roads installed is gone again.
    EXPECT_EQ(Links().grid, nullptr);
    EXPECT_EQ(Links().current, nullptr);
}
