// The "..." roads of the grid: the image, region, font and user-data rows
// ask for a file (or a font) and store what it holds in the current link.
#include "editor/links/win/file_choosers.h"

#include <vector>

#include "editor/links/item_link.h"
#include "editor/links/link_env.h"
#include "editor/links/small_links.h"
#include "editor/links/value_text.h"
#include "editor/links/win/property_list.h"
#include "framework/application.h"
#include "model/image_rgn.h"
#include "model/picture_path.h"
#include "model/platform/file.h"

namespace hexmoor::links {
namespace {

// The folder of a full path (up to and including its last '\').
std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

void ShowMessage(HWND owner, const std::wstring& text) {
    if (fw::Application* app = fw::Application::Current())
        app->Messages().Show(owner, text, app->AppName(), MB_OK);
    else
        MessageBoxW(owner, text.c_str(), L"", MB_OK);
}

} // namespace

std::unique_ptr<CMrgBitmap> LoadImageRecord(const std::wstring& path) {
    // The previews' path rules and loader, so that a picture loads here
    // exactly when it shows there: the same trimming, the same extensions,
    // the same caps, header first.
    std::unique_ptr<CMrgBitmap> record = hexmoor::LoadPictureAtPath(path, false);
    return record && record->HasImage() ? std::move(record) : nullptr;
}

void CPropertyList::OnPropertyButton() {
    CPropertyItem* row = model_.OpenItem();
    if (!row) return;
    switch (row->Kind()) {
    case kKindColor:
        model_.Select(model_.GetSelectedIndex());
        ShowInPlaceEditor(true);
        return;
    case kKindImage: FileRoadImage(row); break;
    case kKindRegion: FileRoadRegion(row); break;
    case kKindFont: FileRoadFont(row); break;
    case kKindUserData: FileRoadUserData(row); break;
    default: return;
    }
    SetFocus(Handle());
}

void CPropertyList::FileRoadImage(CPropertyItem* row) {
    fw::Application* app = fw::Application::Current();
    if (!app || !CurrentLink()) return;
    fw::FileDialogRequest request;
    request.title = L"Select file";
    request.filter = L"Image Files (*.bmp)(*.png)|*.bmp;*.png||";
    request.flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (row->Value().find(L":\\") != std::wstring::npos) request.initialPath = FolderOf(row->Value());
    HWND owner = app->MainWindow() ? app->MainWindow()->Handle() : Handle();
    const auto chosen = app->FileDialogs().Show(owner, request);
    if (!chosen) return;
    if (hexmoor::FormatOf(hexmoor::ClassifyPicturePath(chosen->path, false))) {
        std::unique_ptr<CMrgBitmap> record = LoadImageRecord(chosen->path);
        if (!record) {
            ShowMessage(Handle(), L"Could not load bitmap: " + chosen->path);
            return;
        }
        CurrentLink()->SetImage(row->Id(), std::move(record));
        row->SetValue(chosen->path);
        if (OptionsPages* pages = Links().options) {
            pages->EnableImageOptions(true);
            pages->SetImagePreview(CurrentLink()->GetImage(row->Id()));
        }
    }
    InvalidateAll();
    SetDocumentModified();
    CurrentLink()->ShowItemImage(row);
    RefreshPreview();
    CurrentLink()->RenewSnapshot();
    if (Links().colorAdjust) Links().colorAdjust->TrackSelectedProperty(row->Id(), row->Kind(), 1);
}

void CPropertyList::FileRoadRegion(CPropertyItem* row) {
    fw::Application* app = fw::Application::Current();
    if (!app || !CurrentLink()) return;
    fw::FileDialogRequest request;
    request.title = L"Select file";
    request.filter = L"Region Files (*.rgn)|*.rgn||";
    request.flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!row->Value().empty()) request.initialPath = FolderOf(row->Value());
    HWND owner = app->MainWindow() ? app->MainWindow()->Handle() : Handle();
    const auto chosen = app->FileDialogs().Show(owner, request);
    if (!chosen) return;
    std::unique_ptr<CImageRgn> region = LoadRegionFile(chosen->path);
    if (!region || !region->GetHRgn()) {
        ShowMessage(Handle(), L"Could not load bitmap: " + chosen->path);
        return;
    }
    ImageRgnPtr shared(std::move(region));
    CurrentLink()->SetRegion(row->Id(), shared);
    row->SetValue(chosen->path);
    if (OptionsPages* pages = Links().options) pages->SetRegionPreview(shared.get(), 0);
    InvalidateAll();
    SetDocumentModified();
    CurrentLink()->ShowItemImage(row);
    RefreshPreview();
}

void CPropertyList::FileRoadFont(CPropertyItem* row) {
    fw::Application* app = fw::Application::Current();
    if (!app || !CurrentLink()) return;
    LOGFONTW initial{};
    if (CTwfObj* object = CurrentLink()->GetTwfObj())
        if (CFont* font = object->GetFont()) font->GetLogFont(&initial);
    const auto chosen = app->FontDialogs().Choose(Handle(), initial);
    if (!chosen) return;
    SetFocus(Handle());
    CurrentLink()->SetFont(std::make_shared<CFont>(*chosen));
    row->SetValue(chosen->lfFaceName);
    InvalidateAll();
    RefreshPreview();
    SetDocumentModified();
}

void CPropertyList::FileRoadUserData(CPropertyItem* row) {
    fw::Application* app = fw::Application::Current();
    if (!app || !CurrentLink()) return;
    fw::FileDialogRequest request;
    request.filter = L"All Files (*.*)|*.*||";
    request.flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const auto chosen = app->FileDialogs().Show(Handle(), request);
    if (!chosen) return;
    std::vector<std::uint8_t> bytes;
    auto* link = dynamic_cast<CUserDataLink*>(CurrentLink());
    if (link && hexmoor::platform::ReadFileBytes(chosen->path, &bytes) == hexmoor::platform::FileReadResult::kOk) {
        link->SetUserData(bytes.data(), static_cast<UINT>(bytes.size()));
        row->SetValue(DataSizeText(static_cast<UINT>(bytes.size())));
        SetDocumentModified();
    }
    InvalidateAll();
}

} // namespace hexmoor::links
