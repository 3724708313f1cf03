#pragma once
// The editor's application object: start-up, the application's commands,
// the settings and shut-down.

#include <memory>
#include <string>
#include <vector>

#include "editor/shell/dialogs/dialogs.h"
#include "editor/shell/file_roads.h"
#include "editor/shell/placement.h"
#include "editor/shell/settings.h"
#include "framework/application.h"
#include "model/gdiplus_init.h"

namespace hexmoor::shell {

class CMainFrame;

// "Hexmoor", and " - " with the file's name (no folder, no extension) when
// a file is named.
std::wstring CaptionFor(const std::wstring& title, const wchar_t* path);

class CHexmoorApp : public fw::Application, private FileRoadHost {
public:
    CHexmoorApp();
    ~CHexmoorApp() override;

    // The start-up road; args are the command-line arguments without the
    // program name. False only when the main frame could not be created.
    bool InitInstance(const std::vector<std::wstring>& args);
    // The exit road; returns the exit code to give back.
    int ExitInstance(int code);

    bool PreTranslateMessage(MSG& msg) override;
    // Registers the named context menus with the application's manager.
    void RegisterContextMenus();
    void OnIdle() override;

    // Opens a file of the recent-file list or the start dialog's last skin.
    bool OpenDocumentFile(const std::wstring& path);
    void UpdateCaption(const wchar_t* path);

    // The file roads (file_roads.h) on the runtime's skin 1.
    bool OpenSkinFile(const std::wstring& path) { return roads_.OpenSkinFile(path); }
    SaveOutcome SaveSkinFile(const std::wstring& path, bool withCancel) {
        return roads_.SaveSkinFile(path, withCancel);
    }
    std::wstring CurrentSkinPath() const { return roads_.CurrentPath(); }
    FileRoads& Roads() { return roads_; }

    void OnHelp();
    void OnAppAbout();
    // The skin's nine information strings in their dialog; changed ones are
    // written into the skin and mark it modified.
    void OnCopyrightInfo();
    // ID_FILE_IMPORT_MSSTYLES: a colour scheme of a visual style becomes the default
    // scheme of the skin being edited.
    void OnImportVisualStyle();
    // ID_FILE_EXPORT_XML and ID_FILE_IMPORT_XML: the controls XML exchange, through a save or
    // an open dialog.
    void OnExportControlsXml();
    void OnImportControlsXml();
    // Runs the background dialog on the preview background settings and
    // keeps what it returns with OK.
    void OnSetBackground();
    // The preview shows the background settings.
    void ShowBackground();

    CMainFrame* Frame() const { return frame_.get(); }
    CSplashDialog* StartDialog() const { return splash_.get(); }
    CSaveRestoreWinPos& Placements() { return placements_; }
    EditorSettings& Settings() { return settings_; }
    const std::wstring& StartDirectory() const { return startDirectory_; }
    bool AskForName() const { return roads_.AskForName(); }

private:
    void BindCommands();
    void OnStartChoice(int control);
    // Creates and shows the start dialog, owned by the frame.
    void OpenStartDialog();

    // The file roads' host.
    CTwfSkin* Skin() override;
    int TakeOverSkin(CTwfSkin& loaded) override;
    void InstallNewSkin() override;
    void SetSkinning(bool on) override;
    void ShowCaption(const std::wstring& path) override;
    void ClearViews() override;
    void FillViews() override;
    int Ask(const std::wstring& text, UINT type) override { return MessageBox(text, type); }
    std::optional<fw::FileDialogResult> ChooseFile(const fw::FileDialogRequest& request) override;
    fw::RecentFileList& Recent() override { return RecentFiles(); }

    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<CSplashDialog> splash_;
    CSaveRestoreWinPos placements_{nullptr};
    EditorSettings settings_;
    std::wstring startDirectory_;
    FileRoads roads_{*this};
    bool comStarted_ = false;
    // Set at start-up without a file: the first idle time opens the start
    // dialog.
    bool startDialogDue_ = false;
    std::unique_ptr<CGdiPlusInit> gdiplus_;
};

} // namespace hexmoor::shell
