// The visual-style import in the editor: dialog 212 driven through its
// modal loop, and command 32904 with scripted file and message dialogs.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <deque>
#include <functional>
#include <string>

#include "tests/editor/app_fixture.h"
#include "editor/exchange/win/select_style_dialog.h"
#include "editor/exchange/win/style_import_road.h"
#include "editor/shell/trees/element_tree.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/runtime_link.h"
#include "model/file/skin_listing.h"
#include "model/twf_skin.h"
#include "resources/command_ids.h"
#include "resources/select_style_dialog_ids.h"

using namespace hexmoor;

namespace {

std::deque<std::function<void(HWND)>> g_steps;

// Plays one step per tick against the visible "Select style" dialog.
void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowW(L"#32770", L"Select style");
    if (g_steps.empty() || !dialog || !IsWindowVisible(dialog)) return;
    auto step = std::move(g_steps.front());
    g_steps.pop_front();
    step(dialog);
}

template <typename Body>
void WithSteps(std::deque<std::function<void(HWND)>> steps, Body body) {
    g_steps = std::move(steps);
    UINT_PTR timer = SetTimer(nullptr, 0, 30, &RunStep);
    body();
    KillTimer(nullptr, timer);
    g_steps.clear();
}

void Command(HWND dialog, int id, int code) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The step that picks the scheme at index in dialog 212 and presses OK.
std::function<void(HWND)> ChooseScheme(int index) {
    return [index](HWND d) {
        SendMessageW(GetDlgItem(d, IDC_STYLE_SCHEMES), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Command(d, IDOK, BN_CLICKED);
    };
}

std::wstring ItemText(HWND list, int i) {
    wchar_t text[256]{};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<exchange::SchemeName> ThreeSchemes() {
    return {{u"normalcolor", u"NORMALCOLOR_INI"}, {u"metallic", u"METALLIC_INI"}, {u"foot", u"FOO_INIT_INI"}};
}

struct ScriptedFiles : fw::FileDialogService {
    std::wstring path;
    std::vector<fw::FileDialogRequest> asked;
    std::optional<fw::FileDialogResult> Show(HWND, const fw::FileDialogRequest& request) override {
        asked.push_back(request);
        if (path.empty()) return std::nullopt;
        return fw::FileDialogResult{path, 1};
    }
};

std::wstring Fixture(const char* name) {
    const std::string path = std::string(HEXMOOR_STYLE_FIXTURES) + "/" + name;
    return std::wstring(path.begin(), path.end());
}

class StyleImport : public test::EditorApp {};

} // namespace

TEST_F(StyleImport, DialogListsSchemesInBlockOrderAndOkNeedsASelection) {
    exchange::CSelectMSstyles dlg(ThreeSchemes(), u"Author: Tests");
    std::vector<std::wstring> items;
    std::wstring description;
    bool openWithoutSelection = false;
    INT_PTR result = 0;
    WithSteps({[&](HWND d) {
                   HWND list = GetDlgItem(d, IDC_STYLE_SCHEMES);
                   for (int i = 0; i < 3; ++i) items.push_back(ItemText(list, i));
                   wchar_t text[256]{};
                   GetDlgItemTextW(d, IDC_STYLE_DESCRIPTION, text, 256);
                   description = text;
                   SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
                   Command(d, IDOK, BN_CLICKED);
                   openWithoutSelection = IsWindowVisible(d) != FALSE;
               },
               [&](HWND d) {
                   SendMessageW(GetDlgItem(d, IDC_STYLE_SCHEMES), LB_SETCURSEL, 2, 0);
                   Command(d, IDOK, BN_CLICKED);
               }},
              [&] { result = dlg.DoModal(nullptr); });
    EXPECT_EQ(items, (std::vector<std::wstring>{L"normalcolor", L"metallic", L"foot"}));
    EXPECT_EQ(description, L"Author: Tests");
    EXPECT_TRUE(openWithoutSelection);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.Selected(), u"FOO_INIT_INI"); // the resource name, not the shown text
}

TEST_F(StyleImport, DoubleClickChoosesAndCancelChoosesNothing) {
    exchange::CSelectMSstyles twice(ThreeSchemes(), u"");
    WithSteps({[&](HWND d) {
                  SendMessageW(GetDlgItem(d, IDC_STYLE_SCHEMES), LB_SETCURSEL, 1, 0);
                  Command(d, IDC_STYLE_SCHEMES, LBN_DBLCLK);
              }},
              [&] { twice.DoModal(nullptr); });
    EXPECT_EQ(twice.Selected(), u"METALLIC_INI");

    exchange::CSelectMSstyles cancelled(ThreeSchemes(), u"");
    INT_PTR result = 0;
    WithSteps({[&](HWND d) { Command(d, IDCANCEL, BN_CLICKED); }}, [&] { result = cancelled.DoModal(nullptr); });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(cancelled.Selected().empty());

    // An empty list: OK does nothing, only Cancel leaves.
    exchange::CSelectMSstyles empty({}, u"");
    bool stillOpen = false;
    WithSteps({[&](HWND d) {
                   Command(d, IDOK, BN_CLICKED);
                   stillOpen = IsWindowVisible(d) != FALSE;
               },
               [&](HWND d) { Command(d, IDCANCEL, BN_CLICKED); }},
              [&] { empty.DoModal(nullptr); });
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(empty.Selected().empty());
}

TEST_F(StyleImport, CommandImportsTheChosenSchemeAndRefusesDamagedFiles) {
    Start();
    auto files = std::make_unique<ScriptedFiles>();
    ScriptedFiles* script = files.get();
    app->SetFileDialogs(std::move(files));
    CTwfSkin* skin = shell::runtime::MainSkin();
    ASSERT_NE(skin, nullptr);
    messages->shown.clear();

    // A damaged file: a message, and the skin as it was.
    script->path = Fixture("loop.msstyles");
    const std::string before = SkinListing(*skin, 0);
    frame->RunCommand(ID_FILE_IMPORT_MSSTYLES);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0], L"The loaded module is damaged or doesn\u2019t have required resources!");
    EXPECT_EQ(SkinListing(*skin, 0), before);
    EXPECT_FALSE(shell::Editor().documentModified);
    ASSERT_EQ(script->asked.size(), 1u);
    EXPECT_EQ(script->asked[0].title, L"Import Microsoft Windows XP style");
    EXPECT_EQ(script->asked[0].filter, L"Microsoft Windows XP style (*.msstyles)|*.msstyles||");

    // Cancelling the scheme choice changes nothing either.
    script->path = Fixture("full.msstyles");
    WithSteps({[](HWND d) { Command(d, IDCANCEL, BN_CLICKED); }}, [&] { frame->RunCommand(ID_FILE_IMPORT_MSSTYLES); });
    EXPECT_EQ(SkinListing(*skin, 0), before);

    // The second scheme chosen: the import fills the skin.
    WithSteps({[](HWND d) {
                  SendMessageW(GetDlgItem(d, IDC_STYLE_SCHEMES), LB_SETCURSEL, 2, 0);
                  Command(d, IDOK, BN_CLICKED);
              }},
              [&] { frame->RunCommand(ID_FILE_IMPORT_MSSTYLES); });
    const CTwfObj* button = skin->FindObject(4, L"");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->HasImage(22));
    EXPECT_EQ(button->GetEnabled(), 1u);
    EXPECT_EQ(skin->GetInfo().skinName, L"Generated");
    EXPECT_TRUE(shell::Editor().documentModified);
    EXPECT_EQ(messages->shown.size(), 1u);
    // Nothing was open: the import made its skin in a file of the style's
    // name in the temporary folder, written with what it imported.
    const std::wstring made = exchange::NewFileForStyle(Fixture("full.msstyles"));
    EXPECT_EQ(app->CurrentSkinPath(), made);
    {
        CTwfSkin reread;
        reread.InitNewSkin(L"Default");
        reread.SetPath(made);
        ASSERT_EQ(reread.LoadSkinFromPath(FALSE), 0);
        EXPECT_EQ(reread.GetInfo().skinName, L"Generated");
    }
    // That file lies in the temporary folder: Save asks for a name first, as
    // for a new unnamed skin, and the skin then lives where it was saved.
    const std::wstring named = made.substr(0, made.size() - 4) + L"-named.twf";
    script->path = named;
    const std::size_t askedBefore = script->asked.size();
    frame->RunCommand(ID_FILE_SAVE_SKIN);
    ASSERT_EQ(script->asked.size(), askedBefore + 1);
    EXPECT_EQ(script->asked.back().title, L"Save File As");
    EXPECT_EQ(app->CurrentSkinPath(), named);
    EXPECT_NE(GetFileAttributesW(named.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileW(named.c_str());
    DeleteFileW(made.c_str());
    shell::Editor().documentModified = false;
}

TEST_F(StyleImport, AnImportIntoAnOpenSkinRefillsTheTreesItEmptiedAndKeepsTheCustomItems) {
    Start();
    auto files = std::make_unique<ScriptedFiles>();
    ScriptedFiles* script = files.get();
    app->SetFileDialogs(std::move(files));
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path =
        std::wstring(temp) + L"hexmoor-import-into-" + std::to_wstring(GetCurrentProcessId()) + L".twf";
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        skin.GetOrCreateObject(4, L"Default")->SetEnabled(FALSE);
        skin.GetOrCreateObject(4, L"Mine");
        skin.GetOrCreateObject(44, L"Blob");
        skin.SetPath(path);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    ASSERT_TRUE(app->OpenSkinFile(path));
    shell::ElementTree* defaults = frame->DefaultControls()->Model();
    shell::ElementTree* custom = frame->CustomControls()->Model();
    const auto customBefore = custom->Dump();
    const auto userDataBefore = frame->UserData()->Model()->Dump();
    EXPECT_TRUE(defaults->Dump()[0].size() > 0);
    auto buttonLine = [&] {
        for (const std::wstring& line : defaults->Dump())
            if (line.find(L"Button [11]") != std::wstring::npos) return line;
        return std::wstring();
    };
    EXPECT_NE(buttonLine().find(L" off"), std::wstring::npos);
    // The custom button's page is up while the import runs.
    TreeView_SelectItem(frame->CustomControls()->Tree(), shell::TreeViewStore::ToItem(custom->Find(L"Mine")));

    script->path = Fixture("full.msstyles");
    messages->shown.clear();
    messages->answer = IDYES; // into the open skin
    WithSteps({[](HWND d) {
                  SendMessageW(GetDlgItem(d, IDC_STYLE_SCHEMES), LB_SETCURSEL, 0, 0);
                  Command(d, IDOK, BN_CLICKED);
              }},
              [&] { frame->RunCommand(ID_FILE_IMPORT_MSSTYLES); });
    EXPECT_EQ(messages->shown, std::vector<std::wstring>{L"Would you like to import .Msstyles in existent skin?"});
    // The default elements the import filled are switched on and the tree
    // shows it; the custom items and user data are all back, in order.
    EXPECT_TRUE(shell::runtime::MainSkin()->FindObject(4, L"Default")->IsEnabled());
    EXPECT_NE(buttonLine().find(L" on"), std::wstring::npos);
    EXPECT_EQ(custom->Dump(), customBefore);
    EXPECT_EQ(frame->UserData()->Model()->Dump(), userDataBefore);
    EXPECT_NE(shell::runtime::MainSkin()->FindObject(4, L"Mine"), nullptr);
    // The open file stays the skin's file, not written until saved.
    EXPECT_EQ(app->CurrentSkinPath(), path);
    EXPECT_TRUE(shell::Editor().documentModified);
    shell::Editor().documentModified = false;
    DeleteFileW(path.c_str());
}

// Hostile styles through the command: each is refused with its message, or
// imported within the limits with the skipped images reported; a refusal
// leaves the skin as it was, and the editor goes on.
TEST_F(StyleImport, HostileStylesAreRefusedOrImportedWithinTheLimitsAndReported) {
    Start();
    auto files = std::make_unique<ScriptedFiles>();
    ScriptedFiles* script = files.get();
    app->SetFileDialogs(std::move(files));
    CTwfSkin* skin = shell::runtime::MainSkin();
    ASSERT_NE(skin, nullptr);
    messages->answer = IDYES;
    DeleteFileW(exchange::NewFileForStyle(Fixture("shared_bitmap.msstyles")).c_str());
    struct Case {
        const char* file;
        bool imported;
        std::wstring message; // the first line of the one message shown
    };
    const Case cases[] = {
        {"many_languages.msstyles", false, L"The loaded module is damaged or doesn\u2019t have required resources!"},
        {"long_type_names.msstyles", false, L"The loaded module is damaged or doesn\u2019t have required resources!"},
        {"shared_bitmap.msstyles", true, L"The style was imported without some of its images:"},
        {"checker_caption.msstyles", true, L"The style was imported without some of its images:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        script->path = Fixture(c.file);
        messages->shown.clear();
        const std::string before = SkinListing(*skin, 0);
        WithSteps({ChooseScheme(0)}, [&] { frame->RunCommand(ID_FILE_IMPORT_MSSTYLES); });
        // Asked whether to import into the open skin once one was made.
        std::erase(messages->shown, std::wstring(L"Would you like to import .Msstyles in existent skin?"));
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->shown[0].substr(0, messages->shown[0].find(L"\r\n")), c.message);
        if (!c.imported) {
            EXPECT_EQ(SkinListing(*skin, 0), before);
        }
        EXPECT_TRUE(IsWindow(frame->Handle()));
        shell::Editor().documentModified = false;
    }
    DeleteFileW(exchange::NewFileForStyle(Fixture("shared_bitmap.msstyles")).c_str());
}

// An exception in the command (here the file dialog running out of memory)
// ends in a message naming the command; the skin is as it was and the
// editor goes on.
TEST_F(StyleImport, AFailureInTheCommandIsReportedByItsNameAndChangesNothing) {
    Start();
    struct Failing : fw::FileDialogService {
        std::optional<fw::FileDialogResult> Show(HWND, const fw::FileDialogRequest&) override {
            throw std::bad_alloc();
        }
    };
    app->SetFileDialogs(std::make_unique<Failing>());
    CTwfSkin* skin = shell::runtime::MainSkin();
    ASSERT_NE(skin, nullptr);
    const std::string before = SkinListing(*skin, 0);
    messages->shown.clear();
    EXPECT_TRUE(frame->RunCommand(ID_FILE_IMPORT_MSSTYLES));
    EXPECT_EQ(messages->shown,
              std::vector<std::wstring>{L"Import from .msstyles could not be completed: not enough memory"});
    EXPECT_EQ(SkinListing(*skin, 0), before);
    EXPECT_FALSE(shell::Editor().documentModified);
    // Still running: another command works.
    auto files = std::make_unique<ScriptedFiles>();
    files->path = Fixture("loop.msstyles");
    app->SetFileDialogs(std::move(files));
    messages->shown.clear();
    frame->RunCommand(ID_FILE_IMPORT_MSSTYLES);
    EXPECT_EQ(messages->shown.size(), 1u);
}

// The road fills the imported elements aside, then refills the skin's own
// objects with skinning off and the views empty; a new file is made first.
TEST_F(StyleImport, TheRoadRefillsTheSkinsObjectsWithSkinningOff) {
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    CTwfObj* button = skin.GetOrCreateObject(4, L"Default");
    std::vector<std::string> events;
    const auto state = [&] { return std::string(skin.FindObject(4, L"")->HasImage(22) ? " filled" : " empty"); };
    exchange::StyleRoadHost host;
    host.message = [&](const std::wstring&) { events.push_back("message"); };
    host.setSkinning = [&](bool on) { events.push_back(on ? "on" : "off"); };
    host.clearViews = [&] { events.push_back("clear" + state()); };
    host.fillViews = [&] { events.push_back("fill" + state()); };
    // As the editor's own: the new file's road switches skinning back on.
    host.createNewFile = [&](const std::wstring&) {
        events.push_back("new file");
        host.setSkinning(true);
    };
    exchange::StyleRoadResult result = exchange::StyleRoadResult::kCancelled;
    WithSteps({ChooseScheme(0)},
              [&] { result = exchange::ImportStyleFromFile(nullptr, Fixture("full.msstyles"), skin, host); });
    EXPECT_EQ(result, exchange::StyleRoadResult::kImported);
    EXPECT_EQ(events, (std::vector<std::string>{"new file", "on", "off", "clear empty", "on", "fill filled"}));
    EXPECT_EQ(skin.FindObject(4, L""), button);
}
