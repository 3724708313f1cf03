// The file roads on real temporary files, with scripted message boxes and
// file dialogs and a skin manager of the test's own (no windows).
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "editor/shell/editor_state.h"
#include "editor/shell/file_roads.h"
#include "model/file/skin_listing.h"
#include "model/twf_manager.h"
#include "tests/model/file/skin_test_support.h"

using namespace hexmoor;
using shell::SaveOutcome;
namespace fs = std::filesystem;

namespace {

struct Host : shell::FileRoadHost {
    Host() { manager.CreateMainSkin(L"Default"); }

    CTwfSkin* Skin() override { return manager.GetMainSkin(); }
    int TakeOverSkin(CTwfSkin& loaded) override {
        ++loads;
        return manager.TakeOverMainSkin(loaded);
    }
    void ClearViews() override { ++clears; }
    void FillViews() override { ++fills; }
    void ShowCaption(const std::wstring& path) override { caption = path; }
    int Ask(const std::wstring& text, UINT) override {
        shown.push_back(text);
        if (answers.empty()) {
            ADD_FAILURE() << "a message with no answer queued";
            return IDCANCEL;
        }
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<fw::FileDialogResult> ChooseFile(const fw::FileDialogRequest& request) override {
        requests.push_back(request);
        if (files.empty()) {
            ADD_FAILURE() << "a file dialog with no answer queued";
            return std::nullopt;
        }
        auto f = files.front();
        files.pop_front();
        return f;
    }
    fw::RecentFileList& Recent() override { return recent; }

    CTwfManager manager;
    fw::RecentFileList recent{4};
    std::deque<int> answers;
    std::deque<std::optional<fw::FileDialogResult>> files;
    std::vector<std::wstring> shown;
    std::vector<fw::FileDialogRequest> requests;
    std::wstring caption;
    int loads = 0, clears = 0, fills = 0;
};

std::string Listing(const CTwfSkin& skin) { return SkinListing(skin, 0); }

fs::path Good(const char* name) { return skin_test::FixtureDir() / "good" / name; }
fs::path Bad(const char* name) { return skin_test::FixtureDir() / "bad" / name; }

bool Mentions(const std::wstring& text, const fs::path& path) {
    return text.find(path.wstring()) != std::wstring::npos;
}

class FileRoads : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skin_test::Imaging().IsStarted());
        shell::Editor().documentModified = false;
        shell::Editor().skinningOn = false;
    }
    // Opens a good fixture as the starting point and marks it edited.
    void OpenEdited(const fs::path& path) {
        ASSERT_TRUE(roads.OpenSkinFile(path.wstring()));
        shell::Editor().documentModified = true;
    }

    Host host;
    shell::FileRoads roads{host};
    skin_test::ScratchDir dir{"roads"};
};

TEST_F(FileRoads, OpeningAGoodFileLoadsItNamesItAndListsItFirst) {
    fs::path file = Good("v531.twf");
    ASSERT_TRUE(roads.OpenSkinFile(file.wstring()));
    CTwfSkin expected;
    expected.InitNewSkin(L"Default");
    expected.SetPath(file.wstring());
    ASSERT_EQ(expected.LoadSkinFromPath(FALSE), 0);
    EXPECT_EQ(Listing(*host.Skin()), Listing(expected));
    EXPECT_EQ(host.Skin()->GetPath(), file.wstring());
    EXPECT_EQ(host.caption, file.wstring());
    ASSERT_EQ(host.recent.Entries().size(), 1u);
    EXPECT_EQ(host.recent.Entries()[0], file.wstring());
    EXPECT_FALSE(roads.AskForName());
    EXPECT_FALSE(shell::Editor().documentModified);
    EXPECT_TRUE(shell::Editor().skinningOn);
    EXPECT_EQ(host.clears, 1);
    EXPECT_EQ(host.fills, 1);
}

TEST_F(FileRoads, AFileThatFailsToOpenIsNamedAndChangesNothing) {
    fs::path open = Good("v531.twf");
    OpenEdited(open);
    const std::string before = Listing(*host.Skin());
    fs::create_directories(dir / "folder.twf");
    const struct {
        fs::path file;
        const wchar_t* says;
    } cases[] = {
        {Bad("header_short.twf"), L"invalid or corrupted"}, {Bad("header_2_2.twf"), L"Unknown skin file version"},
        {Bad("empty_file.twf"), L"invalid or corrupted"},   {Bad("shorter_than_index.twf"), L""},
        {dir / "missing.twf", L"File doesn't exist"},       {dir / "folder.twf", L"cannot be read"},
    };
    for (const auto& c : cases) {
        host.shown.clear();
        host.answers = {IDOK};
        EXPECT_FALSE(roads.OpenSkinFile(c.file.wstring())) << c.file;
        ASSERT_EQ(host.shown.size(), 1u) << c.file;
        EXPECT_TRUE(Mentions(host.shown[0], c.file)) << c.file;
        EXPECT_NE(host.shown[0].find(c.says), std::wstring::npos) << c.file;
        EXPECT_EQ(Listing(*host.Skin()), before) << c.file;
        EXPECT_EQ(host.Skin()->GetPath(), open.wstring()) << c.file;
        EXPECT_EQ(host.caption, open.wstring()) << c.file;
        ASSERT_EQ(host.recent.Entries().size(), 1u) << c.file;
        EXPECT_EQ(host.recent.Entries()[0], open.wstring());
        EXPECT_TRUE(shell::Editor().documentModified) << c.file;
        EXPECT_EQ(host.clears, 1) << c.file;
        EXPECT_EQ(host.loads, 1) << c.file;
    }
}

TEST_F(FileRoads, AFailedOpenWithNoFileBeforeAddsNoEmptyRecentEntry) {
    host.answers = {IDOK};
    EXPECT_FALSE(roads.OpenSkinFile(Bad("header_short.twf").wstring()));
    EXPECT_TRUE(host.recent.Entries().empty());
    EXPECT_TRUE(roads.AskForName());
}

TEST_F(FileRoads, TheSaveDialogsFilterDecidesTheExtensionAndTheCompression) {
    const struct {
        const char* typed;
        int filter;
        const char* written;
        DWORD compressed;
    } cases[] = {
        {"plain.twf", 2, "plain.twfx", 1},   // the dialog added .twf to "plain"
        {"packed.twfx", 1, "packed.twf", 0}, // filter 1 drops the x
        {"UPPER.TWF", 2, "UPPER.TWF", 1},    // the fix-up is case-sensitive
        {"kept.twfx", 2, "kept.twfx", 1},
    };
    for (const auto& c : cases) {
        shell::Editor().documentModified = true;
        host.files = {fw::FileDialogResult{(dir / c.typed).wstring(), c.filter}};
        EXPECT_EQ(roads.SaveSkinFile(L"", false), SaveOutcome::Saved) << c.typed;
        EXPECT_TRUE(fs::exists(dir / c.written)) << c.typed;
        EXPECT_EQ(host.Skin()->GetPath(), (dir / c.written).wstring());
        EXPECT_EQ(host.Skin()->GetCompressedFlag(), c.compressed) << c.typed;
        EXPECT_EQ(host.recent.Entries().front(), (dir / c.written).wstring());
        EXPECT_FALSE(shell::Editor().documentModified);
        // The written file opens again.
        CTwfSkin back;
        back.InitNewSkin(L"Default");
        back.SetPath((dir / c.written).wstring());
        EXPECT_EQ(back.LoadSkinFromPath(FALSE), 0) << c.typed;
        EXPECT_EQ(back.GetCompressedFlag(), c.compressed) << c.typed;
    }
    EXPECT_FALSE(fs::exists(dir / "plain.twf"));
    EXPECT_EQ(host.requests.back().title, L"Save File As");
    EXPECT_EQ(host.requests.back().filterIndex, 2); // the skin is compressed now
}

TEST_F(FileRoads, UntilAFileIsNamedSaveAsksForAName) {
    fs::path target = dir / "named.twf";
    host.Skin()->SetPath(target.wstring());
    host.files = {fw::FileDialogResult{target.wstring(), 1}};
    EXPECT_EQ(roads.SaveSkinFile(target.wstring(), false), SaveOutcome::Saved);
    EXPECT_EQ(host.requests.size(), 1u);
    // Named now: the next save writes straight to the path.
    EXPECT_EQ(roads.SaveSkinFile(target.wstring(), false), SaveOutcome::Saved);
    EXPECT_EQ(host.requests.size(), 1u);
    // A cancelled dialog writes nothing and says so.
    host.files = {std::nullopt};
    EXPECT_EQ(roads.SaveSkinFile(L"", false), SaveOutcome::Cancelled);
}

TEST_F(FileRoads, AReadOnlyTargetIsOverwrittenOnlyOnYesAndStaysReadOnly) {
    OpenEdited(Good("v531.twf"));
    roads.SaveSkinFile((dir / "seed.twf").wstring(), false); // names the skin (no dialog needed after)
    fs::path target = dir / "locked.twf";
    skin_test::WriteBytes(target, {1, 2, 3});
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
    const struct {
        bool withCancel;
        int answer;
        SaveOutcome outcome;
        bool written;
    } cases[] = {
        {false, IDNO, SaveOutcome::Declined, false},
        {true, IDCANCEL, SaveOutcome::Cancelled, false},
        {true, IDYES, SaveOutcome::Saved, true},
    };
    for (const auto& c : cases) {
        shell::Editor().documentModified = true;
        host.shown.clear();
        host.answers = {c.answer};
        EXPECT_EQ(roads.SaveSkinFile(target.wstring(), c.withCancel), c.outcome) << c.answer;
        ASSERT_EQ(host.shown.size(), 1u);
        EXPECT_TRUE(Mentions(host.shown[0], target));
        EXPECT_EQ(fs::file_size(target) > 3, c.written) << c.answer;
        EXPECT_TRUE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_READONLY) << c.answer;
        EXPECT_EQ(shell::Editor().documentModified, !c.written);
    }
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileRoads, AFailedSaveSaysWhyKeepsTheFlagTheFileAndTheRecentList) {
    fs::path open = Good("v531.twf");
    OpenEdited(open);
    fs::path busy = dir / "busy.twf";
    skin_test::WriteBytes(busy, {9, 9, 9});
    // Held open without sharing: the finished write cannot replace it.
    HANDLE held = CreateFileW(busy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const fs::path targets[] = {dir / "no" / "such" / "folder.twf", busy};
    for (const fs::path& target : targets) {
        host.shown.clear();
        host.answers = {IDOK};
        EXPECT_EQ(roads.SaveSkinFile(target.wstring(), false), SaveOutcome::Failed) << target;
        ASSERT_EQ(host.shown.size(), 1u);
        EXPECT_TRUE(Mentions(host.shown[0], target)) << target;
        EXPECT_TRUE(shell::Editor().documentModified);
        ASSERT_EQ(host.recent.Entries().size(), 1u);
        EXPECT_EQ(host.Skin()->GetPath(), open.wstring());
    }
    EXPECT_NE(host.shown[0].find(L"\n"), std::wstring::npos); // a reason follows the name
    CloseHandle(held);
    EXPECT_EQ(skin_test::ReadBytes(busy), (std::vector<std::uint8_t>{9, 9, 9}));
    EXPECT_FALSE(fs::exists(dir / "no"));
}

TEST_F(FileRoads, YesToTheSavePromptThenACancelledOrFailedSaveStopsTheCommand) {
    // Unnamed edited skin: Yes, then the save dialog is cancelled.
    shell::Editor().documentModified = true;
    host.answers = {IDYES};
    host.files = {std::nullopt};
    EXPECT_FALSE(roads.OpenDocument(Good("v531.twf").wstring()));
    EXPECT_EQ(host.loads, 0);
    EXPECT_TRUE(shell::Editor().documentModified);

    // Named in a folder that has gone: Yes, the write fails.
    host.Skin()->SetPath((dir / "gone" / "x.twf").wstring());
    host.answers = {IDYES, IDOK};
    EXPECT_FALSE(roads.OpenDocument(Good("v531.twf").wstring()));
    EXPECT_EQ(host.loads, 0);
    EXPECT_TRUE(shell::Editor().documentModified);

    // New stops the same way, before its own dialog.
    host.answers = {IDYES, IDOK};
    const std::size_t dialogs = host.requests.size();
    roads.OnFileNew();
    EXPECT_EQ(host.requests.size(), dialogs);
    EXPECT_TRUE(host.answers.empty());

    // No goes on without saving.
    host.answers = {IDNO};
    EXPECT_TRUE(roads.OpenDocument(Good("v531.twf").wstring()));
    EXPECT_EQ(host.loads, 1);
}

TEST_F(FileRoads, NewAsksBeforeOverwritingAndWritesTheEmptySkinAtOnce) {
    OpenEdited(Good("v531.twf"));
    shell::Editor().documentModified = false;
    fs::path existing = dir / "existing.twf";
    skin_test::WriteBytes(existing, {7});
    const std::string before = Listing(*host.Skin());

    host.answers = {IDNO};
    EXPECT_FALSE(roads.CreateNewSkinFile(existing.wstring()));
    EXPECT_EQ(Listing(*host.Skin()), before);
    EXPECT_EQ(skin_test::ReadBytes(existing), std::vector<std::uint8_t>{7});

    host.answers = {IDYES};
    EXPECT_TRUE(roads.CreateNewSkinFile(existing.wstring()));
    EXPECT_GT(fs::file_size(existing), 1u);
    EXPECT_EQ(host.recent.Entries().front(), existing.wstring());
    EXPECT_EQ(host.caption, existing.wstring());
    EXPECT_TRUE(host.Skin()->IsLoaded());
    CTwfSkin back;
    back.InitNewSkin(L"Default");
    back.SetPath(existing.wstring());
    EXPECT_EQ(back.LoadSkinFromPath(FALSE), 0);
}

TEST_F(FileRoads, NewInAMissingFolderSaysSoAndAddsNothing) {
    shell::Editor().documentModified = true;
    host.answers = {IDNO, IDOK}; // don't save the changes; the failure message
    host.files = {fw::FileDialogResult{(dir / "gone" / "new.twfx").wstring(), 2}};
    roads.OnFileNew();
    ASSERT_EQ(host.shown.size(), 2u);
    EXPECT_TRUE(Mentions(host.shown[1], dir / "gone" / "new.twfx"));
    EXPECT_NE(host.shown[1].find(L"does not exist"), std::wstring::npos);
    EXPECT_TRUE(host.recent.Entries().empty());
    EXPECT_TRUE(shell::Editor().documentModified);
    EXPECT_EQ(host.Skin()->GetCompressedFlag(), 1u);
}

} // namespace
