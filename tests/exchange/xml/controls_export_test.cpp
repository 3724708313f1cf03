// The export over plain document trees (both trees): what the links hand the
// sink becomes records, frame sides come from their side objects, custom
// controls are told apart by exact name, and a round trip through the files
// and the import gives the skin back.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "editor/exchange/xml/controls_export.h"
#include "editor/exchange/xml/controls_import.h"
#include "editor/exchange/xml/xml_format.h"
#include "tests/exchange/xml/exchange_fixture.h"

using namespace hexmoor::exchange::xml;
using namespace xml_test;

namespace {

class ControlsExportTest : public ::testing::Test {
protected:
    CGdiPlusInit gdiplus_;
};

// Any bytes do for the document where the test reads the tree itself.
const XmlWriter kPlaceholderWriter = [](const XmlDocument&, std::vector<std::uint8_t>* bytes) {
    *bytes = {'<', 'x', '/', '>'};
    return true;
};

const std::vector<std::wstring> kCustoms = {L"OkButton", L"okbutton", L"<3>Fancy"};

} // namespace

// The button's state elements for a control: the custom prefix of its
// descs, the folder of its files, a suffix that keeps a file name unique, and
// the two values that differ per control.
static std::vector<std::wstring> ButtonStates(const std::wstring& prefix, const std::wstring& folder,
                                              const std::wstring& unique, DWORD offset, BYTE blue) {
    const std::wstring file = folder + L"button\\button_" + prefix + L"image_";
    return {
        L"      NormalState",
        L"        Image Id=22 Desc=" + prefix + L"image ml=1 mr=3 mt=2 mb=4 DrawMode=1 MrgDrawMode=0 File=" + file +
            L"n_22" + unique + L".bmp",
        L"        Data Id=34 Desc=" + prefix + L"text_offset Value=" + FormatHex(offset),
        L"        Color Id=40 Desc=" + prefix + L"text_color RGB=" + FormatRgb(RGB(255, 0, blue)),
        L"        Data Id=36 Desc=" + prefix + L"left Value=0",
        L"        Data Id=37 Desc=" + prefix + L"right Value=7fffffff",
        L"      PressedState",
        L"        Image Id=24 Desc=" + prefix + L"image ml=0 mr=6 mt=0 mb=5 DrawMode=0 MrgDrawMode=1 File=" + file +
            L"p_24" + unique + L".png",
        L"        Color Id=41 Desc=" + prefix + L"text_color RGB=ffffffff",
        L"      HotState",
        L"      DisableState",
        L"        Color Id=42 Desc=" + prefix + L"text_color RGB=ff",
        L"      FocusedState",
    };
}

TEST_F(ControlsExportTest, RecordsFollowThePagesAndTheSideObjects) {
    SampleSkin sample;
    const ControlsExport exported = BuildControlsExport(sample.skin, *SampleSkin::Links(sample.skin, kCustoms));
    EXPECT_TRUE(exported.document.hasDeclaration);
    EXPECT_EQ(exported.document.declaration, L"version=\"1.0\"");
    std::vector<std::wstring> expected = {
        L"TarnwickSkin Name=Sample \"skin\" <&>",
        L"  Controls",
        L"    button Id=4",
    };
    auto append = [&](const std::vector<std::wstring>& lines) {
        expected.insert(expected.end(), lines.begin(), lines.end());
    };
    // Rows of id 0 (groups) write nothing but their children do; a row
    // whose property holds no image writes nothing.
    append(ButtonStates(L"", L"", L"", 0xFFFF0002, 1));
    append({
        L"    wndframe Id=2",
        L"      topside",
        L"        ActiveState",
        L"          ImgOptions Id=0 DrawMode=2 XOffset=-3 YOffset=5",
        L"          Image Id=0 Desc=topside ml=2 mr=2 mt=0 mb=0 DrawMode=1 MrgDrawMode=1 "
        L"File=wndframe\\wndframe_topside_n_0.bmp",
        L"          RgnOptions Id=1 DrawMode=1 File=wndframe\\wndframe_topside_n_1.rgn",
        L"          Data Id=478 Desc=side_size Value=19",
        L"        InactiveState",
        L"          ImgOptions Id=1001 DrawMode=1 XOffset=0 YOffset=0",
        L"          Image Id=1001 Desc=topside ml=0 mr=0 mt=0 mb=0 DrawMode=0 MrgDrawMode=0 "
        L"File=wndframe\\wndframe_topside_d_1001.png",
        L"          RgnOptions Id=1002 DrawMode=0 File=wndframe\\wndframe_topside_d_1002.rgn",
        L"      bottomside",
        L"        ActiveState",
        L"          Data Id=479 Desc=side_size Value=0",
        L"        InactiveState",
        L"      leftside",
        L"        ActiveState",
        L"          Image Id=0 Desc=leftside ml=0 mr=0 mt=0 mb=0 DrawMode=0 MrgDrawMode=0 "
        L"File=wndframe\\wndframe_leftside_n_0.bmp",
        L"          Data Id=480 Desc=side_size Value=4",
        L"        InactiveState",
        L"      rightside",
        L"        ActiveState",
        L"          Data Id=481 Desc=side_size Value=0",
        L"        InactiveState",
        // The MDI close button's page edits the menu-bar object; its values
        // travel under the window frame.
        L"      NormalState",
        L"        Image Id=505 Desc=menubar_close_image ml=0 mr=0 mt=0 mb=0 DrawMode=0 MrgDrawMode=0 "
        L"File=wndframe\\wndframe_menubar_close_image_n_505.png",
        L"        Data Id=649 Desc=mbclose_size Value=e0010",
        L"        Data Id=646 Desc=mbclose_offset Value=fffe0003",
        L"      PressedState",
        L"      HotState",
        L"      DisableState",
        L"        Image Id=508 Desc=menubar_close_image ml=0 mr=0 mt=0 mb=0 DrawMode=0 MrgDrawMode=0 "
        L"File=wndframe\\wndframe_menubar_close_image_d_508.bmp",
        L"      FocusedState",
        L"  CustomControls",
        // "OkButton" and "okbutton" are two controls; their files differ
        // also where Windows compares names without case.
        L"    button_okbutton Id=4 GroupName=OkButton",
    });
    append(ButtonStates(L"OkButton_", L"CustomControls\\", L"", 0xFFFF0001 + 10, 10));
    expected.push_back(L"    button_okbutton Id=4 GroupName=okbutton");
    append(ButtonStates(L"okbutton_", L"CustomControls\\", L"_2", 0xFFFF0001 + 11, 11));
    // A control kept in a folder travels under its name alone.
    expected.push_back(L"    button_fancy Id=4 GroupName=Fancy");
    append(ButtonStates(L"Fancy_", L"CustomControls\\", L"", 0xFFFF0001 + 12, 12));
    EXPECT_EQ(Outline(exported.document.root), expected);
    EXPECT_EQ(exported.counts.controls, 2);
    EXPECT_EQ(exported.counts.custom, 3);
    EXPECT_EQ(exported.counts.images, 4 * 2 + 3 + 2);
    EXPECT_EQ(exported.counts.regions, 2);
    EXPECT_EQ(exported.files.size(), 4u * 2 + 3 + 2 + 2);
}

TEST_F(ControlsExportTest, ARoundTripGivesTheSkinBack) {
    SampleSkin sample;
    ScratchFolder folder("roundtrip");
    const std::wstring xml = folder.File(L"skin.xml");
    const ControlsExport exported = BuildControlsExport(sample.skin, *SampleSkin::Links(sample.skin, kCustoms));
    const ExchangeOutcome written = WriteControlsExport(exported, xml, kPlaceholderWriter);
    ASSERT_TRUE(written.ok) << testing::PrintToString(written.problem.reason);
    EXPECT_TRUE(
        std::filesystem::exists(folder.Path() / "CustomControls" / "button" / "button_okbutton_image_n_22_2.bmp"));

    ImportPlanResult planned = PlanControlsImport(exported.document, xml);
    ASSERT_TRUE(planned.plan) << testing::PrintToString(planned.problem.reason);
    EXPECT_EQ(planned.plan->FormatVersion(), 0x0100);
    CTwfSkin imported;
    imported.InitNewSkin(L"Default");
    ApplyImportPlan(std::move(*planned.plan), imported);

    // The control kept in a folder comes back at the top level.
    ASSERT_TRUE(sample.skin.MoveObject(kButton, L"<3>Fancy", L"Fancy"));
    EXPECT_EQ(EntryLines(imported), EntryLines(sample.skin));

    // Exported again, the result carries the same records.
    const ControlsExport again =
        BuildControlsExport(imported, *SampleSkin::Links(imported, {L"OkButton", L"okbutton", L"Fancy"}));
    std::vector<std::wstring> first = Outline(exported.document.root), second = Outline(again.document.root);
    first.front() = second.front() = L"TarnwickSkin"; // the name is not imported
    EXPECT_EQ(second, first);
}

TEST_F(ControlsExportTest, AFailureLeavesTheTargetAsItWas) {
    SampleSkin sample;
    ScratchFolder folder("failure");
    const std::wstring xml = folder.File(L"skin.xml");
    {
        std::ofstream previous(std::filesystem::path(xml), std::ios::binary);
        previous << "previous";
    }
    // A file where the export wants its "button" folder.
    { std::ofstream blocker(folder.Path() / "button"); }
    const ExchangeOutcome outcome = WriteControlsExport(
        BuildControlsExport(sample.skin, *SampleSkin::Links(sample.skin, {})), xml, kPlaceholderWriter);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.problem.file.find(L"button"), std::wstring::npos);
    EXPECT_EQ(outcome.problem.reason, L"the folder could not be created");
    std::ifstream kept(std::filesystem::path(xml), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "previous");

    // A writer that fails leaves it too.
    std::filesystem::remove(folder.Path() / "button");
    const XmlWriter failing = [](const XmlDocument&, std::vector<std::uint8_t>*) { return false; };
    EXPECT_FALSE(
        WriteControlsExport(BuildControlsExport(sample.skin, *SampleSkin::Links(sample.skin, {})), xml, failing).ok);
    std::ifstream still(std::filesystem::path(xml), std::ios::binary);
    text.assign((std::istreambuf_iterator<char>(still)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "previous");

    // A folder where an image file should go: that file is named, and the
    // XML is not written.
    const ControlsExport exported = BuildControlsExport(sample.skin, *SampleSkin::Links(sample.skin, {}));
    ASSERT_FALSE(exported.files.empty());
    std::wstring relative = exported.files.front().relative;
    std::replace(relative.begin(), relative.end(), L'\\', L'/');
    std::filesystem::remove(folder.Path() / relative); // written by the export above
    std::filesystem::create_directories(folder.Path() / relative);
    const ExchangeOutcome blocked = WriteControlsExport(exported, xml, kPlaceholderWriter);
    EXPECT_FALSE(blocked.ok);
    EXPECT_EQ(std::filesystem::path(blocked.problem.file), folder.Path() / relative);
    EXPECT_EQ(blocked.problem.reason, L"the file could not be written");
    std::ifstream unchanged(std::filesystem::path(xml), std::ios::binary);
    text.assign((std::istreambuf_iterator<char>(unchanged)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "previous");
}

// Exporting over an earlier export: whatever file holds an image's name
// beforehand, the export leaves exactly its own bytes there (one that holds
// them already is left alone, any other replaced whole) and no temporary
// file behind.
TEST_F(ControlsExportTest, ExportingAgainLeavesEachFileHoldingItsBytes) {
    SampleSkin sample;
    const ControlsExport exported = BuildControlsExport(sample.skin, *SampleSkin::Links(sample.skin, {}));
    ASSERT_FALSE(exported.files.empty());
    std::wstring relative = exported.files.front().relative;
    std::replace(relative.begin(), relative.end(), L'\\', L'/');
    auto read = [](const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    ScratchFolder fresh("again_fresh");
    ASSERT_TRUE(WriteControlsExport(exported, fresh.File(L"skin.xml"), kPlaceholderWriter).ok);
    const std::string want = read(fresh.Path() / relative);
    ASSERT_GT(want.size(), 1u);

    std::string changed = want;
    changed.back() = static_cast<char>(changed.back() ^ 1);
    const struct {
        const char* what;
        std::string before;
    } cases[] = {
        {"the same bytes", want},
        {"other bytes of the same length", changed},
        {"the bytes and one more", want + "x"},
        {"all bytes but the last", want.substr(0, want.size() - 1)},
        {"nothing", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder("again");
        const std::filesystem::path target = folder.Path() / relative;
        std::filesystem::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary) << c.before;
        const ExchangeOutcome outcome = WriteControlsExport(exported, folder.File(L"skin.xml"), kPlaceholderWriter);
        ASSERT_TRUE(outcome.ok) << testing::PrintToString(outcome.problem.reason);
        EXPECT_EQ(read(target), want);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path()))
            EXPECT_EQ(entry.path().wstring().find(L"saving"), std::wstring::npos) << entry.path();
    }
}

TEST_F(ControlsExportTest, TheSkinsOwnLinksMakeTheDocument) {
    // Links made from the family table for every element of every scheme,
    // without trees (the bench walks these): for the elements the editor's
    // trees show, the records the trees' links hand the export.
    SampleSkin sample;
    sample.skin.GetOrCreateObject(21, L"")->SetColor(494, RGB(1, 2, 3)); // static text
    auto* custom = dynamic_cast<CTwfWndFrame*>(sample.skin.GetOrCreateObject(kFrame, L"<5>My Frame"));
    custom->GetTopSide()->PutImage(0, BitmapImage(3, 3, 9, {}));
    SkinFamilyLinks source(sample.skin);
    const ControlsExport exported = BuildControlsExport(sample.skin, source);
    const std::vector<std::wstring> lines = Outline(exported.document.root);
    auto has = [&](const std::wstring& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    EXPECT_TRUE(has(L"    statictext Id=21"));
    EXPECT_TRUE(has(L"        Color Id=494 Desc=text_color RGB=10203"));
    EXPECT_TRUE(has(L"          Data Id=478 Desc=side_size Value=19"));
    EXPECT_TRUE(has(L"    wndframe_my_frame Id=2 GroupName=My Frame"));
    EXPECT_TRUE(
        has(L"          Image Id=0 Desc=My Frame_topside ml=0 mr=0 mt=0 mb=0 DrawMode=0 MrgDrawMode=0 "
            L"File=CustomControls\\wndframe\\wndframe_My Frame_topside_n_0.bmp"));
}
