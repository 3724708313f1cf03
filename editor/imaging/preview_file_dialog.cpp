#include "editor/imaging/preview_file_dialog.h"

#include <commdlg.h>

#include <cwctype>
#include <memory>

#include "model/image_rgn.h"
#include "resources/region_editor_ids.h"

namespace hexmoor::preview {

namespace {

constexpr wchar_t kProperty[] = L"HexmoorPreviewDialog";

// Whether the description of the first filter names region files.
bool FirstFilterIsRegions(const std::wstring& filter) {
    std::wstring first = filter.substr(0, filter.find(L'|'));
    for (wchar_t& ch : first) ch = static_cast<wchar_t>(std::towlower(ch));
    return first.find(L"rgn") != std::wstring::npos;
}

} // namespace

std::optional<fw::FileDialogResult> PreviewFileDialog::Run(fw::FileDialogService& files, HWND owner,
                                                           fw::FileDialogRequest request) {
    filter_ = request.filter;
    request.templateModule = fw::ResourceModule();
    request.templateName = L"FILEOPEN_TEMPLATE";
    request.hook = &PreviewFileDialog::Hook;
    request.customData = reinterpret_cast<LPARAM>(this);
    std::optional<fw::FileDialogResult> result = files.Show(owner, request);
    template_ = nullptr;
    return result;
}

UINT_PTR CALLBACK PreviewFileDialog::Hook(HWND dialog, UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        const auto* ofn = reinterpret_cast<const OPENFILENAMEW*>(lp);
        ::SetPropW(dialog, kProperty, reinterpret_cast<HANDLE>(ofn->lCustData));
        return TRUE;
    }
    auto* self = reinterpret_cast<PreviewFileDialog*>(::GetPropW(dialog, kProperty));
    if (msg == WM_DESTROY) {
        ::RemovePropW(dialog, kProperty);
        return FALSE;
    }
    if (!self || msg != WM_NOTIFY) return FALSE;
    const auto* header = reinterpret_cast<const NMHDR*>(lp);
    switch (header->code) {
    case CDN_INITDONE: self->OnInitDone(dialog, self->filter_); return TRUE;
    case CDN_SELCHANGE: {
        wchar_t path[MAX_PATH * 2] = {};
        ::SendMessageW(::GetParent(dialog), CDM_GETFILEPATH, MAX_PATH * 2, reinterpret_cast<LPARAM>(path));
        self->OnSelectionChange(path);
        return TRUE;
    }
    case CDN_FOLDERCHANGE: self->OnFolderChange(); return TRUE;
    default: return FALSE;
    }
}

void PreviewFileDialog::OnInitDone(HWND templateDialog, const std::wstring& filter) {
    template_ = templateDialog;
    HWND area = ::GetDlgItem(templateDialog, IDC_PREVIEW_AREA);
    if (!area) return;
    RECT g{}, c{};
    ::GetWindowRect(area, &g);
    ::MapWindowPoints(nullptr, templateDialog, reinterpret_cast<POINT*>(&g), 2);
    ::GetClientRect(templateDialog, &c);
    const int h = ::GetSystemMetrics(SM_CYHSCROLL);
    previewRect_ = RECT{g.left, g.top + 2 * h, c.right - 5, c.bottom - h - 1};
    showImages_ = !FirstFilterIsRegions(filter);
    const DWORD style = WS_CHILD | WS_BORDER;
    image_.Create(templateDialog, previewRect_, IDC_PREVIEW_IMAGE, style | (showImages_ ? WS_VISIBLE : 0));
    region_.Create(templateDialog, previewRect_, IDC_PREVIEW_REGION, style | (showImages_ ? 0 : WS_VISIBLE));
}

void PreviewFileDialog::OnSelectionChange(const std::wstring& path) {
    if (showImages_) {
        image_.LoadImage(path, true);
    } else if (!path.empty()) {
        std::unique_ptr<CImageRgn> region = LoadRegionFile(path);
        region_.SetRegion(region && region->GetHRgn() ? region.get() : nullptr,
                          region ? region->GetSize() : SIZE{0, 0});
    }
    if (template_) ::InvalidateRect(template_, &previewRect_, TRUE);
}

void PreviewFileDialog::OnFolderChange() {
    image_.SetMrgBitmap(nullptr);
    if (template_) ::InvalidateRect(template_, &previewRect_, TRUE);
}

} // namespace hexmoor::preview
