#include "editor/shell/hexmoor_app.h"

#include <objbase.h>

#include "editor/exchange/win/style_import_road.h"
#include "editor/exchange/xml/link_source.h"
#include "editor/exchange/xml/win/xml_roads.h"
#include "editor/shell/edit_commands.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/file_association.h"
#include "editor/shell/main_frame.h"
#include "editor/shell/runtime_link.h"
#include "editor/shell/trees/tree_link_source.h"
#include "editor/shell/trees/tree_menus.h"
#include "editor/imaging/background_dialog.h"
#include "framework/command_line.h"
#include "framework/strings.h"
#include "framework/window.h"
#include "base/win/uxtheme.h"
#include "model/twf_skin.h"
#include "resources/command_ids.h"
#include "resources/context_menus_ids.h"
#include "resources/start_dialog_ids.h"
#include "resources/string_ids.h"
#include "runtime/twf_api.h"

namespace hexmoor::shell {

CHexmoorApp::CHexmoorApp() { SetAppName(L"Hexmoor"); }

CHexmoorApp::~CHexmoorApp() {
    // A second shut-down finds the runtime stopped and does nothing.
    runtime::Stop();
}

bool CHexmoorApp::InitInstance(const std::vector<std::wstring>& args) {
    comStarted_ = SUCCEEDED(CoInitialize(nullptr));
    // Optional theme functions; without the library start-up goes on.
    LoadUxTheme();
    INITCOMMONCONTROLSEX icc{sizeof icc,
                             ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterContextMenus();
    gdiplus_ = std::make_unique<CGdiPlusInit>();
    runtime::Start();

    SetRegistryKey(L"Tarnwick");
    RecentFiles().Load(GetProfile());
    placements_.SetProfile(&GetProfile());
    BindCommands();

    frame_ = std::make_unique<CMainFrame>(*this);
    if (!frame_->CreateMainFrame()) return false;
    SetMainWindow(frame_.get());
    // One section for the frame, whichever skin its caption names at exit.
    placements_.AddNamedWindow(frame_->Handle(), AppName());

    fw::CommandLine cmd = fw::ParseCommandLine(args);
    placements_.RestoreAll();
    // Without a file to open the start dialog comes next and takes the
    // activation; with one the frame takes it. The frame was sized while
    // hidden (it is made maximised, and laid out then).
    fw::ShowErasingInPaint(frame_->Handle(), !cmd.fileName.empty());
    UpdateWindow(frame_->Handle());
    UpdateCaption(nullptr);

    wchar_t dir[256]{};
    GetCurrentDirectoryW(256, dir);
    startDirectory_ = dir;
    settings_.Read(GetProfile());
    ShowBackground();

    if (cmd.fileName.empty()) {
        WriteFileAssociation(HKEY_CLASSES_ROOT, ProgramPath());
        // The start dialog opens once the frame has painted and the message
        // loop first runs dry: the main window shows without waiting for a
        // second top-level window.
        startDialogDue_ = true;
        return true;
    }
    OpenSkinFile(cmd.fileName);
    return true;
}

void CHexmoorApp::OpenStartDialog() {
    splash_ = std::make_unique<CSplashDialog>([this](int control) { OnStartChoice(control); });
    // Owned by the frame, so a click on the frame never buries it.
    if (splash_->CreateModeless(frame_->Handle())) {
        ShowWindow(splash_->Handle(), SW_SHOW);
        UpdateWindow(splash_->Handle());
    }
}

int CHexmoorApp::ExitInstance(int code) {
    settings_.Write(GetProfile());
    RecentFiles().Save(GetProfile());
    runtime::Stop();
    // After the runtime: stopping it gives skinned windows their themes
    // back, which needs the theme functions still bound.
    UnloadUxTheme();
    gdiplus_.reset();
    splash_.reset();
    frame_.reset();
    if (comStarted_) CoUninitialize();
    comStarted_ = false;
    return code;
}

void CHexmoorApp::RegisterContextMenus() {
    ContextMenus().AddMenu(L"Clear, FillNA", IDR_PROPERTY_CONTEXT_MENU);
    ContextMenus().AddMenu(L"Add Custom Controls", IDR_ADD_CUSTOM_MENU);
    for (UINT menu : {IDR_TREE_ITEM_MENU, IDR_USER_DATA_MENU, IDR_SCROLLBAR_MENU})
        ContextMenus().AddMenu(TreeMenuName(menu), menu);
}

bool CHexmoorApp::PreTranslateMessage(MSG& msg) {
    // F1 runs the help here, before the frame's accelerators, and stops:
    // the accelerator table binds F1 too and would open the help again.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1) {
        OnHelp();
        return true;
    }
    return false;
}

void CHexmoorApp::OnIdle() {
    if (!frame_ || !frame_->Handle()) return;
    frame_->OnIdleUpdate();
    if (startDialogDue_) {
        startDialogDue_ = false;
        OpenStartDialog();
    }
}

void CHexmoorApp::BindCommands() {
    fw::CommandTable& c = Commands();
    c.On(ID_APP_ABOUT, [this] { OnAppAbout(); });
    c.On(ID_FILE_IMPORT_MSSTYLES, [this] { OnImportVisualStyle(); });
    c.On(ID_FILE_EXPORT_XML, [this] { OnExportControlsXml(); });
    c.On(ID_FILE_IMPORT_XML, [this] { OnImportControlsXml(); });
    c.On(ID_HELP_CONTENTS, [this] { OnHelp(); });
    c.On(ID_VIEW_SET_BACKGROUND, [this] { OnSetBackground(); });
    c.On(ID_APP_EXIT, [this] {
        if (frame_ && frame_->Handle()) PostMessageW(frame_->Handle(), WM_CLOSE, 0, 0);
    });
    c.On(ID_FILE_OPEN_SKIN, [this] { roads_.OnFileOpen(); });
    c.On(ID_FILE_SAVE_SKIN, [this] { roads_.OnFileSave(); });
    c.On(ID_FILE_SAVE_SKIN_AS, [this] { roads_.OnFileSaveAs(); });
    c.On(ID_FILE_NEW_SKIN, [this] { roads_.OnFileNew(); });
    c.Update(ID_FILE_SAVE_SKIN, [](fw::CommandState& s) { s.enabled = Editor().documentModified; });
    c.Update(ID_FILE_SAVE_SKIN_AS, [this](fw::CommandState& s) {
        CTwfSkin* skin = runtime::MainSkin();
        s.enabled = Editor().documentModified || (skin && skin->IsLoaded());
    });
    c.OnRange(ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST, [this](unsigned id) {
        std::size_t i = id - ID_FILE_MRU_FIRST;
        // A copy: opening reorders the list the entry lives in.
        if (i < RecentFiles().Entries().size()) OpenDocumentFile(std::wstring(RecentFiles().Entries()[i]));
    });
    c.UpdateRange(ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST, [this](fw::CommandState& s) {
        s.enabled = s.id - ID_FILE_MRU_FIRST < RecentFiles().Entries().size();
    });
    // Cut has no work to do in the editor; it is never enabled.
    c.On(ID_EDIT_CUT_VALUE, [] {});
    c.Update(ID_EDIT_CUT_VALUE, [](fw::CommandState& s) { s.enabled = false; });
    c.Update(ID_GRID_CUT, [](fw::CommandState& s) { s.enabled = false; });
    EditCommandSeams edit;
    edit.grid = [this]() -> links::CPropertyList* {
        return frame_ && frame_->Properties() ? frame_->Properties()->Grid() : nullptr;
    };
    edit.owner = [this]() -> HWND { return frame_ ? frame_->Handle() : nullptr; };
    BindEditCommands(c, std::move(edit));
    c.On(ID_TOOLS_COPYRIGHT_INFO, [this] { OnCopyrightInfo(); });
    // Clear acts on the selected item of the tree that holds the selection.
    auto activeTree = [this]() -> CPanelTree* {
        if (!frame_) return nullptr;
        switch (Editor().treeIndexActive) {
        case 0: return frame_->DefaultControls();
        case 1: return frame_->CustomControls();
        case 2: return frame_->UserData();
        default: return nullptr;
        }
    };
    c.On(ID_EDIT_CLEAR_ITEM, [activeTree] {
        if (CPanelTree* tree = activeTree()) tree->ClearSelected();
    });
    c.Update(ID_EDIT_CLEAR_ITEM, [activeTree](fw::CommandState& s) {
        CPanelTree* tree = activeTree();
        s.enabled = tree && tree->CanClearSelected();
    });
}

bool CHexmoorApp::OpenDocumentFile(const std::wstring& path) { return roads_.OpenDocument(path); }

CTwfSkin* CHexmoorApp::Skin() { return runtime::MainSkin(); }

int CHexmoorApp::TakeOverSkin(CTwfSkin& loaded) { return runtime::TakeOverMainSkin(loaded); }

void CHexmoorApp::InstallNewSkin() { runtime::MarkNewSkinLoaded(); }

void CHexmoorApp::ClearViews() {
    if (!frame_) return;
    if (preview::CSkinComposView* view = frame_->Preview()) {
        if (HWND shown = view->GetActivePreview()) ShowWindow(shown, SW_HIDE);
        view->ReleaseSamplesFromSkin();
    }
    runtime::DetachFrame(frame_->Handle());
    frame_->ClearTrees();
}

void CHexmoorApp::FillViews() {
    if (!frame_) return;
    frame_->FillTrees();
    runtime::AttachFrame(frame_->Handle());
    // A new or opened skin shows the window frame's sample.
    if (preview::CSkinComposView* view = frame_->Preview()) {
        view->ReskinSamples();
        view->ShowPreviewForElement(2);
    }
}

void CHexmoorApp::SetSkinning(bool on) { runtime::SetSkinning(on); }

void CHexmoorApp::ShowCaption(const std::wstring& path) { UpdateCaption(path.empty() ? nullptr : path.c_str()); }

std::optional<fw::FileDialogResult> CHexmoorApp::ChooseFile(const fw::FileDialogRequest& request) {
    BeforeModalLoop();
    return FileDialogs().Show(frame_ ? frame_->Handle() : nullptr, request);
}

std::wstring CaptionFor(const std::wstring& title, const wchar_t* path) {
    std::wstring caption = title;
    if (!path) return caption;
    std::wstring p = path;
    auto slash = p.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? p : p.substr(slash + 1);
    auto dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.resize(dot);
    if (!name.empty()) caption += L" - " + name;
    return caption;
}

void CHexmoorApp::UpdateCaption(const wchar_t* path) {
    if (!frame_ || !frame_->Handle()) return;
    // Setting the text repaints the caption: nothing to do when it reads so
    // already (the frame is created with the plain title).
    const std::wstring caption = CaptionFor(fw::LoadText(IDS_APP_TITLE), path);
    const int length = GetWindowTextLengthW(frame_->Handle());
    std::wstring shown(static_cast<std::size_t>(length) + 1, L'\0');
    shown.resize(static_cast<std::size_t>(GetWindowTextW(frame_->Handle(), shown.data(), length + 1)));
    if (shown != caption) SetWindowTextW(frame_->Handle(), caption.c_str());
}

void CHexmoorApp::OnHelp() {
    std::wstring path = settings_.helpPath.empty() ? startDirectory_ + L"\\hexmoormanual.chm" : settings_.helpPath;
    Shell().Open(path);
}

void CHexmoorApp::OnAppAbout() {
    CAboutDlg dlg;
    dlg.DoModal(frame_ ? frame_->Handle() : nullptr);
}

void CHexmoorApp::OnCopyrightInfo() {
    CTwfSkin* skin = runtime::MainSkin();
    if (!skin) return;
    ::SkinInfo& stored = skin->GetInfo();
    SkinInfo fields;
    for (int i = 0; i < ::SkinInfo::kFieldCount; ++i) fields[static_cast<std::size_t>(i)] = stored.Field(i);
    CCopyRightDlg dlg(fields, skin->IsLoaded() != FALSE);
    BeforeModalLoop();
    if (dlg.DoModal(frame_ ? frame_->Handle() : nullptr) != IDOK) return;
    if (!ApplySkinInfo(fields, dlg.Fields())) return;
    for (int i = 0; i < ::SkinInfo::kFieldCount; ++i) stored.Field(i) = fields[static_cast<std::size_t>(i)];
    Editor().documentModified = true;
}

void CHexmoorApp::OnImportVisualStyle() {
    if (!Editor().documentModified && !AskForName()) {
        if (MessageBox(L"Would you like to import .Msstyles in existent skin?", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    } else if (Editor().documentModified && !roads_.SavePrompt(true)) {
        return;
    }
    fw::FileDialogRequest request;
    request.title = L"Import Microsoft Windows XP style";
    request.filter = L"Microsoft Windows XP style (*.msstyles)|*.msstyles||";
    request.defaultExtension = L"msstyles";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    const HWND owner = frame_ ? frame_->Handle() : nullptr;
    const auto chosen = FileDialogs().Show(owner, request);
    if (!chosen) return;
    CTwfSkin* skin = runtime::MainSkin();
    if (!skin) return;
    exchange::StyleRoadHost host;
    host.message = [this](const std::wstring& text) { MessageBox(text, MB_OK); };
    host.setSkinning = [](bool on) {
        runtime::SetSkinning(on);
        Editor().skinningOn = on;
    };
    host.clearViews = [this] { ClearViews(); };
    host.fillViews = [this] {
        FillViews();
        // Every skinned sample window takes the imported elements.
        RefreshSkinnedWindows(0);
    };
    bool madeFile = false;
    host.createNewFile = [this, &madeFile](const std::wstring& path) {
        madeFile = roads_.CreateNewSkinFile(path);
        // Making the file switches skinning on again: the import replaces
        // the elements with it off, as no sample may paint from one meanwhile.
        if (Editor().skinningOn) {
            runtime::SetSkinning(false);
            Editor().skinningOn = false;
        }
        if (frame_ && frame_->Preview()) frame_->Preview()->ReleaseSamplesFromSkin();
        if (frame_) runtime::DetachFrame(frame_->Handle());
    };
    if (exchange::ImportStyleFromFile(owner, chosen->path, *skin, host) != exchange::StyleRoadResult::kImported) return;
    // A skin made for the import is written at once, under its new name in
    // the temporary folder, where it may be cleaned away: the next Save asks
    // where to keep it.
    if (madeFile) {
        roads_.SaveSkinFile(roads_.CurrentPath(), true);
        roads_.AskForNameOnNextSave();
    }
    Editor().documentModified = true;
}

namespace {

fw::FileDialogRequest XmlFileRequest(bool save) {
    fw::FileDialogRequest request;
    request.save = save;
    request.filter = L"MSXML file (*.xml)|*.xml||";
    request.defaultExtension = L"xml";
    request.flags = OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : 0);
    return request;
}

} // namespace

void CHexmoorApp::OnExportControlsXml() {
    CTwfSkin* skin = runtime::MainSkin();
    if (!skin) return;
    const auto chosen = ChooseFile(XmlFileRequest(true));
    if (!chosen) return;
    exchange::xml::XmlRoadHost host;
    host.message = [this](const std::wstring& text) { MessageBox(text, MB_OK | MB_ICONEXCLAMATION); };
    // The export borrows the trees' links (every tree filled first, so that
    // each element of the skin has its items).
    std::vector<ElementTree*> trees;
    if (frame_)
        for (CPanelTree* panel : {frame_->DefaultControls(), frame_->CustomControls()})
            if (panel && panel->Model()) trees.push_back(panel->Model());
    TreeLinkSource links(std::move(trees));
    exchange::xml::ExportControlsToFile(chosen->path, *skin, links, host);
}

void CHexmoorApp::OnImportControlsXml() {
    CTwfSkin* skin = runtime::MainSkin();
    if (!skin) return;
    const auto chosen = ChooseFile(XmlFileRequest(false));
    if (!chosen) return;
    exchange::xml::XmlRoadHost host;
    host.message = [this](const std::wstring& text) { MessageBox(text, MB_OK | MB_ICONEXCLAMATION); };
    host.setSkinning = [](bool on) {
        if (Editor().skinningOn == on) return;
        runtime::SetSkinning(on);
        Editor().skinningOn = on;
    };
    host.clearViews = [this] { ClearViews(); };
    host.fillViews = [this] {
        FillViews();
        RefreshSkinnedWindows(0);
    };
    host.markModified = [] { Editor().documentModified = true; };
    exchange::xml::ImportControlsFromFile(chosen->path, *skin, host);
}

void CHexmoorApp::OnStartChoice(int control) {
    unsigned command = 0;
    switch (control) {
    case IDC_START_OPEN_SKIN: command = ID_FILE_OPEN_SKIN; break;
    case IDC_START_CREATE_NEW_SKIN: command = ID_FILE_NEW_SKIN; break;
    case IDC_START_IMPORT_MSSTYLE: command = ID_FILE_IMPORT_MSSTYLES; break;
    case IDC_START_OPEN_LAST_SKIN:
        // Another instance may have opened a file since start-up.
        RecentFiles().Load(GetProfile());
        if (RecentFiles().Entries().empty())
            MessageBox(L"There is no recent skin to open.", MB_OK | MB_ICONINFORMATION);
        else
            OpenDocumentFile(std::wstring(RecentFiles().Entries().front()));
        return;
    default: break;
    }
    if (command && frame_ && frame_->RunCommand(command)) return;
    wchar_t text[128]{};
    if (splash_) GetDlgItemTextW(splash_->Handle(), control, text, 128);
    MessageBox(std::wstring(L"\"") + text + L"\" is not available in this version of Hexmoor.",
               MB_OK | MB_ICONINFORMATION);
}

void CHexmoorApp::OnSetBackground() {
    preview::BackgroundChoice current;
    current.imageFile = settings_.backgroundImageFile;
    current.imagePos = settings_.backgroundImagePos;
    current.color = settings_.backgroundColor;
    current.showImage = settings_.showImage != 0;
    preview::BackgroundDialog dlg(current, FileDialogs());
    if (dlg.DoModal(frame_ ? frame_->Handle() : nullptr) != IDOK) return;
    const preview::BackgroundChoice& chosen = dlg.Result();
    settings_.backgroundImageFile = chosen.imageFile;
    settings_.backgroundImagePos = chosen.imagePos;
    settings_.backgroundColor = chosen.color;
    settings_.showImage = chosen.showImage ? 1 : 0;
    // The settings reach the registry at exit.
    ShowBackground();
}

void CHexmoorApp::ShowBackground() {
    if (!frame_ || !frame_->Preview()) return;
    frame_->Preview()->UpdateBackground(
        {settings_.backgroundImageFile, settings_.backgroundColor, settings_.backgroundImagePos, settings_.showImage});
}

} // namespace hexmoor::shell
