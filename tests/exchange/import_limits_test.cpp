// The import's guarantees toward what holds the skin: it refills the skin's
// own element objects (pointers to them stay good), and the conversion tool
// refuses, without writing, when it could not read a single image.
#include <gtest/gtest.h>

#include <filesystem>

#include "editor/exchange/conversion_job.h"
#include "model/element_types.h"
#include "model/elements/combo_box.h"
#include "model/elements/wnd_frame.h"
#include "model/file/skin_listing.h"
#include "model/gdiplus_init.h"
#include "model/twf_skin.h"
#include "tests/exchange/fixture_files.h"

using namespace hexmoor::exchange;

namespace {

using style_fixtures::ReadBytes;
using style_fixtures::ReadText;

std::string Fixture(const char* name) { return style_fixtures::Path(name); }

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

} // namespace

TEST(ImportRefill, TheSkinsOwnObjectsAreEmptiedAndRefilled) {
    CGdiPlusInit imaging;
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    CTwfObj* button = skin.GetOrCreateObject(4, L"");
    button->SetColor(9999, 0x123456);
    button->SetOrder(7);
    auto* frame = dynamic_cast<CTwfWndFrame*>(skin.GetOrCreateObject(2, L""));
    ASSERT_NE(frame, nullptr);
    CTwfSideFrame* top = frame->GetTopSide();
    CTwfMenuBar* bar = frame->GetMenuBar();
    top->SetImageOptions(77, 1, 2, 0);
    // The month calendar is missing: the import adds it.
    if (auto* scheme = skin.GetScheme(L"Default")) scheme->erase(38);

    StyleFile style;
    ASSERT_EQ(style.Open(ReadBytes(Fixture("full.msstyles"))), StyleFile::OpenResult::kOk);
    IniText scheme;
    ASSERT_EQ(ReadSchemeText(style, u"NORMALCOLOR_INI", &scheme), SchemeText::kOk);
    ImportScheme(skin, style, scheme, nullptr);

    // The same objects, holding what the import wrote and nothing before it.
    EXPECT_EQ(skin.FindObject(4, L""), button);
    EXPECT_FALSE(button->HasColor(9999));
    EXPECT_TRUE(button->HasImage(22));
    EXPECT_EQ(button->GetEnabled(), 1u);
    EXPECT_EQ(button->GetOrder(), 7);
    EXPECT_EQ(skin.FindObject(2, L""), frame);
    EXPECT_EQ(frame->GetTopSide(), top);
    EXPECT_EQ(frame->GetMenuBar(), bar);
    EXPECT_EQ(top->GetImageOptions(77), nullptr);
    EXPECT_TRUE(top->HasImage(1));
    EXPECT_TRUE(bar->HasImage(505));
    ASSERT_NE(skin.FindObject(38, L""), nullptr);
    EXPECT_EQ(skin.FindObject(38, L"")->GetEnabled(), 0u);
}

// An import into a skin that already holds other contents (a frame's side
// options, menu bar and sides, a combo box's arrow width) leaves exactly what
// the same import gives a new skin; each element keeps its place in the tree.
TEST(ImportRefill, NothingOfThePreviousContentsSurvivesAndTheTreePlaceStays) {
    CGdiPlusInit imaging;
    StyleFile style;
    ASSERT_EQ(style.Open(ReadBytes(Fixture("full.msstyles"))), StyleFile::OpenResult::kOk);
    IniText scheme;
    ASSERT_EQ(ReadSchemeText(style, u"NORMALCOLOR_INI", &scheme), SchemeText::kOk);

    CTwfSkin fresh;
    fresh.InitNewSkin(L"Default");
    ImportScheme(fresh, style, scheme, nullptr);

    CTwfSkin used;
    used.InitNewSkin(L"Default");
    auto* frame = dynamic_cast<CTwfWndFrame*>(used.GetOrCreateObject(kElemWndFrame, L""));
    ASSERT_NE(frame, nullptr);
    frame->GetTopSide()->SetImageOptions(77, 1, 2, 0);
    frame->GetLeftSide()->SetColor(9999, 0x123456);
    frame->GetMenuBar()->SetNumber(9998, 5);
    frame->SetNumber(9997, 6);
    auto* combo = dynamic_cast<CTwfComboBox*>(used.GetOrCreateObject(kElemComboBox, L""));
    ASSERT_NE(combo, nullptr);
    combo->SetArrowWidth(99);
    ImportScheme(used, style, scheme, nullptr);
    EXPECT_EQ(SkinListing(used, 0), SkinListing(fresh, 0));

    CTwfObj* button = used.FindObject(kElemButton, L"");
    ASSERT_NE(button, nullptr);
    button->SetFolderId(3);
    button->SetOrder(5);
    ImportScheme(used, style, scheme, nullptr);
    EXPECT_EQ(used.FindObject(kElemButton, L""), button);
    EXPECT_EQ(button->GetFolderId(), 3);
    EXPECT_EQ(button->GetOrder(), 5);
}

TEST(ConversionJob, RefusesWithoutImagingAndWritesOutOnlyOnSuccess) {
    CGdiPlusInit imaging;
    ASSERT_TRUE(imaging.IsStarted());
    const auto folder = std::filesystem::temp_directory_path() / "hexmoor_conversion_job";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ConversionJob job;
    job.input = Wide(Fixture("full.msstyles"));
    job.output = (folder / "out.twf").wstring();

    // Without the image library every image would be dropped: refused.
    ConversionOutput output = RunConversionJob(job, false);
    EXPECT_EQ(output.exitCode, kToolNoImaging);
    EXPECT_EQ(output.out, "result 6\n");
    EXPECT_EQ(output.err, ToUtf8(kNoImagingMessage) + "\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "out.twf"));

    // A damaged file: its own code and message, nothing written.
    job.input = Wide(Fixture("many_languages.msstyles"));
    output = RunConversionJob(job, true);
    EXPECT_EQ(output.exitCode, kConversionDamaged);
    EXPECT_EQ(output.out, "result 2\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "out.twf"));

    job.input = Wide(Fixture("full.msstyles"));
    output = RunConversionJob(job, true);
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(output.out, ReadText(Fixture("full.msstyles.first.expected")));
    EXPECT_TRUE(output.err.empty());
    EXPECT_TRUE(std::filesystem::exists(folder / "out.twf"));
    std::filesystem::remove_all(folder);
}
