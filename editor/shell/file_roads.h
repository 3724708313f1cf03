#pragma once
// The file commands and the three roads they share: opening a skin file
// into the current skin, saving the current skin and starting a new file.
// Every effect outside the skin itself (messages, file dialogs, the
// runtime, the trees and the caption) goes through a host, so that the
// roads run on real files without windows.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/recent_files.h"
#include "framework/services.h"

class CTwfSkin;

namespace hexmoor::shell {

// What a save came to. Saved and Declined (No to the read-only question)
// let the caller go on; Cancelled (the dialog or the read-only question
// cancelled) and Failed (nothing written) stop it, so no unsaved change is
// thrown away.
enum class SaveOutcome { Saved, Declined, Cancelled, Failed };

inline bool GoesOn(SaveOutcome o) { return o == SaveOutcome::Saved || o == SaveOutcome::Declined; }

class FileRoadHost {
public:
    virtual ~FileRoadHost() = default;
    // The skin the editor edits (skin 1 of the runtime's manager).
    virtual CTwfSkin* Skin() = 0;
    // The current skin takes over a skin loaded from a file (its contents
    // move over, CTwfSkin::TakeOver); the reader's result code (0 loaded).
    virtual int TakeOverSkin(CTwfSkin& loaded) = 0;
    // A new file: the runtime takes the editor's manager and counts the
    // main skin as loaded.
    virtual void InstallNewSkin() {}
    virtual void SetSkinning(bool) {}
    // The trees, the element links and the grid emptied (the preview hidden)
    // before the skin changes, and refilled from it afterwards.
    virtual void ClearViews() {}
    virtual void FillViews() {}
    virtual void ShowCaption(const std::wstring&) {}
    virtual int Ask(const std::wstring& text, UINT type) = 0;
    virtual std::optional<fw::FileDialogResult> ChooseFile(const fw::FileDialogRequest& request) = 0;
    virtual fw::RecentFileList& Recent() = 0;
};

// The filters of the file dialogs.
inline constexpr wchar_t kOpenFilter[] = L"Tarnwick files (*.twf; *.twfx)|*.twf;*.twfx||";
inline constexpr wchar_t kSaveFilter[] =
    L"Tarnwick files (*.twf)|*.twf|Tarnwick files with compression (*.twfx)|*.twfx||";

// The save dialog's extension fix-up (case-sensitive): filter 2 turns a
// name ending in "twf" into "twfx", filter 1 turns "twfx" into "twf".
std::wstring FixSaveExtension(const std::wstring& path, int filterIndex);


class FileRoads {
public:
    explicit FileRoads(FileRoadHost& host) : host_(host) {}

    // The commands.
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileNew();
    // The save prompt before a command that replaces the skin: true when
    // the command may go on.
    bool SavePrompt(bool withCancel);
    // The prompt, then the open road; false when the prompt stopped it.
    bool OpenDocument(const std::wstring& path);

    // The open road: true when the file was loaded. A file that cannot be
    // read or loaded is named in a message and nothing changes.
    bool OpenSkinFile(const std::wstring& path);
    // The save road; an empty path or the ask-for-name flag shows the dialog.
    SaveOutcome SaveSkinFile(const std::wstring& path, bool withCancel);
    // The new-file road: true when the new file was written.
    bool CreateNewSkinFile(const std::wstring& path);

    bool AskForName() const { return askForName_; }
    // The skin's file is not where the user chose to keep it (an import's
    // temporary file): the next save shows the dialog.
    void AskForNameOnNextSave() { askForName_ = true; }
    std::wstring CurrentPath() const;

private:
    void ShowWriteFailure(const std::wstring& path, DWORD error);

    FileRoadHost& host_;
    bool askForName_ = true;
};

} // namespace hexmoor::shell
