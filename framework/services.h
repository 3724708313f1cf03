#pragma once
// The system dialogs the editor asks questions with, behind interfaces so
// that tests can answer them from a script.

#include <windows.h>

#include <commdlg.h>

#include <optional>
#include <string>

namespace hexmoor::fw {

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Returns the button chosen (IDOK, IDYES, ...).
    virtual int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) = 0;
};

struct FileDialogRequest {
    bool save = false;
    std::wstring title;
    std::wstring filter; // "Name|*.ext|Other|*.x||" as the editor writes it
    std::wstring defaultExtension;
    std::wstring initialPath;
    DWORD flags = 0;
    int filterIndex = 1;
    // A child template below the standard controls (explorer style) and the
    // hook that receives its messages and CDN_* notifications; customData
    // reaches the hook as the OPENFILENAME's lCustData at WM_INITDIALOG.
    HINSTANCE templateModule = nullptr;
    const wchar_t* templateName = nullptr;
    LPOFNHOOKPROC hook = nullptr;
    LPARAM customData = 0;
};

struct FileDialogResult {
    std::wstring path;
    int filterIndex = 1;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual std::optional<FileDialogResult> Show(HWND owner, const FileDialogRequest& request) = 0;
};

class FontDialogService {
public:
    virtual ~FontDialogService() = default;
    virtual std::optional<LOGFONTW> Choose(HWND owner, const LOGFONTW& initial) = 0;
};

// Opens documents and links through the shell.
class ShellService {
public:
    virtual ~ShellService() = default;
    virtual void Open(const std::wstring& target) = 0;
};

// The real system dialogs.
class SystemMessageBox : public MessageBoxService {
public:
    int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) override;
};

class SystemFileDialog : public FileDialogService {
public:
    std::optional<FileDialogResult> Show(HWND owner, const FileDialogRequest& request) override;
};

class SystemFontDialog : public FontDialogService {
public:
    std::optional<LOGFONTW> Choose(HWND owner, const LOGFONTW& initial) override;
};

class SystemShell : public ShellService {
public:
    void Open(const std::wstring& target) override;
};

// "A|b||" -> "A\0b\0\0", the form the common dialog wants.
std::wstring ToDialogFilter(const std::wstring& filter);

} // namespace hexmoor::fw
