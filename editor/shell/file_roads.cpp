#include "editor/shell/file_roads.h"

#include "base/win/handles.h"
#include "model/platform/file.h"
#include "editor/shell/editor_state.h"
#include "framework/strings.h"
#include "model/twf_error.h"
#include "model/twf_skin.h"
#include "resources/string_ids.h"

namespace hexmoor::shell {

namespace {

// The string-table text with its "%s" replaced by the path.
std::wstring TextFor(unsigned id, const std::wstring& path) {
    std::wstring text = fw::LoadText(id);
    auto at = text.find(L"%s");
    if (at != std::wstring::npos) text.replace(at, 2, path);
    return text;
}

std::wstring LoadFailureText(int code, const std::wstring& path) {
    switch (code) {
    case kTwfBadVersion: return TextFor(IDS_SKIN_UNKNOWN_VERSION, path);
    case kTwfFileError: return TextFor(IDS_SKIN_UNREADABLE, path);
    default: return TextFor(IDS_SKIN_CORRUPTED, path);
    }
}

std::wstring FolderOf(const std::wstring& path) {
    auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring SystemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n && buffer ? std::wstring(buffer, n) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    return text;
}

void AddRecent(FileRoadHost& host, const std::wstring& path) {
    if (!path.empty()) host.Recent().Add(path);
}

} // namespace

std::wstring FixSaveExtension(const std::wstring& path, int filterIndex) {
    auto endsWith = [&](const wchar_t* tail) {
        std::wstring t = tail;
        return path.size() >= t.size() && path.compare(path.size() - t.size(), t.size(), t) == 0;
    };
    if (filterIndex == 2 && endsWith(L"twf")) return path + L"x";
    if (filterIndex == 1 && endsWith(L"twfx")) return path.substr(0, path.size() - 1);
    return path;
}

std::wstring FileRoads::CurrentPath() const {
    CTwfSkin* skin = host_.Skin();
    return skin ? skin->GetPath() : std::wstring();
}

bool FileRoads::SavePrompt(bool withCancel) {
    if (!Editor().documentModified) return true;
    int r = host_.Ask(L"Would you like to save your changes?", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (r == IDCANCEL) return false;
    if (r == IDYES) return GoesOn(SaveSkinFile(CurrentPath(), withCancel));
    return true;
}

void FileRoads::OnFileOpen() {
    if (!SavePrompt(false)) return;
    fw::FileDialogRequest request;
    request.save = false;
    request.title = L"File open";
    request.filter = kOpenFilter;
    request.defaultExtension = L"twf";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    auto chosen = host_.ChooseFile(request);
    if (!chosen) return;
    askForName_ = false;
    OpenSkinFile(chosen->path);
}

void FileRoads::OnFileSave() { SaveSkinFile(CurrentPath(), false); }

void FileRoads::OnFileSaveAs() {
    SaveSkinFile(std::wstring(), false);
    host_.ShowCaption(CurrentPath());
}

void FileRoads::OnFileNew() {
    if (!SavePrompt(true)) return;
    fw::FileDialogRequest request;
    request.save = true;
    request.title = L"Create new file";
    request.filter = kSaveFilter;
    request.defaultExtension = L"twf";
    request.flags = OFN_HIDEREADONLY;
    auto chosen = host_.ChooseFile(request);
    if (!chosen) return;
    if (CTwfSkin* skin = host_.Skin()) skin->SetCompressedFlag(chosen->filterIndex == 2 ? 1 : 0);
    CreateNewSkinFile(chosen->path);
}

bool FileRoads::OpenDocument(const std::wstring& path) {
    if (!SavePrompt(true)) return false;
    OpenSkinFile(path);
    return true;
}

bool FileRoads::OpenSkinFile(const std::wstring& path) {
    CTwfSkin* skin = host_.Skin();
    if (!skin) return false;
    if (path.empty() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        host_.Ask(TextFor(IDS_SKIN_MISSING, path), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    // The new file is read and loaded completely into a skin of its own
    // before the open skin is touched: a file that fails leaves the open
    // skin, the trees, the caption, the recent list and the modified flag
    // as they were. A file that loaded is taken over as it is: it is read
    // and decoded once.
    std::vector<std::uint8_t> bytes;
    if (platform::ReadFileBytes(path, &bytes) != platform::FileReadResult::kOk) {
        host_.Ask(TextFor(IDS_SKIN_UNREADABLE, path), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    CTwfSkin loaded;
    loaded.InitNewSkin(skin->GetDefaultSchemeName().empty() ? L"Default" : skin->GetDefaultSchemeName());
    const int loadCode =
        bytes.empty() ? kTwfCorrupt : loaded.LoadSkinFromMemory(bytes.data(), static_cast<UINT>(bytes.size()), FALSE);
    if (loadCode != kTwfLoaded) {
        host_.Ask(LoadFailureText(loadCode, path), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    bytes = {};

    if (Editor().skinningOn) {
        host_.SetSkinning(false);
        Editor().skinningOn = false;
    }
    skin->SetCompressedFlag(0);
    host_.ClearViews();
    const int code = host_.TakeOverSkin(loaded);
    if (code != kTwfLoaded) {
        // The file loaded above; only a failing runtime comes here.
        // The skin is left empty and unnamed, so no Save overwrites a file
        // with it unasked.
        skin->SetPath(std::wstring());
        host_.Ask(LoadFailureText(code, path), MB_OK | MB_ICONEXCLAMATION);
        host_.ShowCaption(std::wstring());
        askForName_ = true;
        host_.FillViews();
        return false;
    }
    skin->SetPath(path);
    host_.ShowCaption(path);
    if (!Editor().skinningOn) {
        host_.SetSkinning(true);
        Editor().skinningOn = true;
    }
    // Filling may make the folder objects the file lacks: the flag it sets
    // then stays, so the user is asked to save them.
    Editor().documentModified = false;
    host_.FillViews();
    askForName_ = false;
    AddRecent(host_, path);
    return true;
}

void FileRoads::ShowWriteFailure(const std::wstring& path, DWORD error) {
    std::wstring reason;
    const std::wstring folder = FolderOf(path);
    if (!folder.empty() && GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
        reason = L"The folder " + folder + L" does not exist.";
    else if (error)
        reason = SystemErrorText(error);
    if (reason.empty()) reason = L"The file could not be written: the folder may be write-protected or the disk full.";
    host_.Ask(TextFor(IDS_SKIN_NOT_SAVED, path) + L"\n" + reason, MB_OK | MB_ICONEXCLAMATION);
}

SaveOutcome FileRoads::SaveSkinFile(const std::wstring& path, bool withCancel) {
    CTwfSkin* skin = host_.Skin();
    if (!skin) return SaveOutcome::Failed;
    std::wstring target = path;
    const std::wstring oldPath = skin->GetPath();
    const DWORD oldCompressed = skin->GetCompressedFlag();
    if (target.empty() || askForName_) {
        askForName_ = false;
        fw::FileDialogRequest request;
        request.save = true;
        request.title = L"Save File As";
        request.filter = kSaveFilter;
        request.defaultExtension = L"twf";
        request.initialPath = path;
        request.filterIndex = skin->GetCompressedFlag() ? 2 : 1;
        auto chosen = host_.ChooseFile(request);
        if (!chosen) return SaveOutcome::Cancelled;
        const int index = chosen->filterIndex == 2 ? 2 : 1;
        target = FixSaveExtension(chosen->path, index);
        skin->SetCompressedFlag(index - 1);
    }

    const DWORD attributes = GetFileAttributesW(target.c_str());
    bool attributesChanged = false;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        int r =
            host_.Ask(TextFor(IDS_SKIN_READ_ONLY, target), (withCancel ? MB_YESNOCANCEL : MB_YESNO) | MB_ICONQUESTION);
        if (r == IDCANCEL) {
            skin->SetCompressedFlag(oldCompressed);
            return SaveOutcome::Cancelled;
        }
        if (r != IDYES) {
            skin->SetCompressedFlag(oldCompressed);
            return SaveOutcome::Declined;
        }
        attributesChanged = SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY) != 0;
    }

    skin->SetPath(target);
    SetLastError(0);
    const bool written = skin->WriteSkinFile() != FALSE;
    const DWORD error = written ? 0 : GetLastError();
    // The read-only attribute comes back whether or not the write worked.
    if (attributesChanged) SetFileAttributesW(target.c_str(), attributes);
    if (!written) {
        // Nothing was written: the skin keeps the path and form it had, the
        // modified flag stays and the recent list is left alone.
        skin->SetPath(oldPath);
        skin->SetCompressedFlag(oldCompressed);
        ShowWriteFailure(target, error);
        return SaveOutcome::Failed;
    }
    AddRecent(host_, target);
    Editor().documentModified = false;
    return SaveOutcome::Saved;
}

bool FileRoads::CreateNewSkinFile(const std::wstring& path) {
    CTwfSkin* skin = host_.Skin();
    if (!skin || path.empty()) return false;
    {
        win::FileHandle existing(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (existing &&
            host_.Ask(L"Are you sure, you want to overwrite " + path + L"?", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return false;
    }
    host_.ClearViews();
    if (Editor().skinningOn) {
        host_.SetSkinning(false);
        Editor().skinningOn = false;
    }
    skin->SetPath(path);
    host_.ShowCaption(path);
    skin->Reset();
    host_.InstallNewSkin();
    skin->SetLoadedFlag(1);
    if (!Editor().skinningOn) {
        host_.SetSkinning(true);
        Editor().skinningOn = true;
    }
    host_.FillViews();
    askForName_ = false;
    SetLastError(0);
    if (!skin->WriteSkinFile()) {
        ShowWriteFailure(path, GetLastError());
        return false;
    }
    AddRecent(host_, path);
    Editor().documentModified = false;
    return true;
}

} // namespace hexmoor::shell
