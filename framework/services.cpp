#include "framework/services.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

namespace hexmoor::fw {

int SystemMessageBox::Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
    return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

std::wstring ToDialogFilter(const std::wstring& filter) {
    std::wstring out = filter;
    for (wchar_t& c : out)
        if (c == L'|') c = L'\0';
    out.push_back(L'\0');
    return out;
}

std::optional<FileDialogResult> SystemFileDialog::Show(HWND owner, const FileDialogRequest& request) {
    std::vector<wchar_t> path(MAX_PATH * 4, L'\0');
    request.initialPath.copy(path.data(), std::min(request.initialPath.size(), path.size() - 1));
    std::wstring filter = ToDialogFilter(request.filter);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    ofn.Flags = request.flags | OFN_EXPLORER;
    if (request.templateName && request.hook) {
        ofn.Flags |= OFN_ENABLETEMPLATE | OFN_ENABLEHOOK;
        ofn.hInstance = request.templateModule;
        ofn.lpTemplateName = request.templateName;
        ofn.lpfnHook = request.hook;
        ofn.lCustData = request.customData;
    }
    BOOL ok = request.save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!ok) return std::nullopt;
    return FileDialogResult{path.data(), static_cast<int>(ofn.nFilterIndex)};
}

std::optional<LOGFONTW> SystemFontDialog::Choose(HWND owner, const LOGFONTW& initial) {
    LOGFONTW lf = initial;
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    if (!ChooseFontW(&cf)) return std::nullopt;
    return lf;
}

void SystemShell::Open(const std::wstring& target) {
    ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace hexmoor::fw
