#include "editor/imaging/background_dialog.h"

#include <optional>

#include "editor/imaging/preview_file_dialog.h"
#include "resources/background_dialog_ids.h"

namespace hexmoor::preview {

namespace {

constexpr wchar_t kImageFilter[] = L"Image files (*.bmp;*.png;*.jpg)|*.bmp;*.png;*.jpg||";
// The preview's place in dialog client pixels.
constexpr RECT kPreviewRect{10, 10, 320, 180};
// The colour picker stands this far below the position list and drops down
// this much further than its closed height.
constexpr int kPickerOffset = 45;
constexpr int kPickerDropHeight = 500;

} // namespace

BackgroundDialog::BackgroundDialog(const BackgroundChoice& initial, fw::FileDialogService& files)
    : Dialog(IDD_SET_BACKGROUND),
      files_(files),
      result_(initial),
      showImage_(initial.showImage),
      color_(initial.color) {}

bool BackgroundDialog::OnInitDialog() {
    ready_ = false;
    HWND positions = Item(IDC_BG_POSITION);
    int at = 0;
    for (const wchar_t* name : {L"Center", L"Stretch", L"Tile"})
        SendMessageW(positions, CB_INSERTSTRING, at++, reinterpret_cast<LPARAM>(name));

    RECT pickerRect{};
    GetWindowRect(positions, &pickerRect);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&pickerRect), 2);
    OffsetRect(&pickerRect, 0, kPickerOffset);
    pickerRect.bottom += kPickerDropHeight;
    if (!preview_.Create(Handle(), kPreviewRect, IDC_BG_PREVIEW) ||
        !picker_.CreatePicker(Handle(), IDC_BG_COLOR, pickerRect,
                              static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)))) {
        // Without its preview or picker the dialog could not report a colour:
        // it closes as if cancelled, leaving the given values.
        End(IDCANCEL);
        return true;
    }
    picker_.SelectColor(color_);
    preview_.SetBackgroundColor(color_);

    path_ = result_.imageFile;
    SendMessageW(positions, CB_SETCURSEL, result_.imagePos, 0);
    if (!preview_.LoadImage(path_, true)) path_.clear();
    showImage_ = result_.showImage;
    UpdateData(false);
    ready_ = true;
    return true;
}

void BackgroundDialog::Exchange(fw::DataExchange& dx) {
    dx.Text(IDC_BG_IMAGE_FILE, path_);
    dx.Check(IDC_BG_SHOW_IMAGE, showImage_);
}

bool BackgroundDialog::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_BG_COLOR && code == CBN_SELCHANGE) {
        OnColorChanged();
        return true;
    }
    if (id == IDC_BG_IMAGE_FILE && code == EN_CHANGE) {
        OnPathChanged();
        return true;
    }
    if (id == IDC_BG_BROWSE && code == BN_CLICKED) {
        OnBrowse();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

void BackgroundDialog::OnColorChanged() {
    const COLORREF chosen = picker_.GetSelectedColor();
    if (chosen == links::kCustomColorEntry) {
        // The colour dialog was cancelled: the colour chosen before stays,
        // and so does its entry in the list.
        picker_.SelectColor(color_);
        return;
    }
    color_ = chosen;
    preview_.SetBackgroundColor(color_);
}

void BackgroundDialog::OnPathChanged() {
    // Filling the edit while the dialog starts is not the user's typing.
    if (!ready_) return;
    UpdateData(true);
    // Every keystroke tries the path; one that does not load empties the preview.
    preview_.LoadImage(path_, true);
}

void BackgroundDialog::OnBrowse() {
    fw::FileDialogRequest request;
    request.filter = kImageFilter;
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    PreviewFileDialog dialog;
    const std::optional<fw::FileDialogResult> chosen = dialog.Run(files_, Handle(), request);
    if (!chosen) return;
    if (!preview_.LoadImage(chosen->path, true)) {
        // A chosen file that does not load changes nothing: the preview
        // shows the edit's picture again.
        preview_.LoadImage(path_, true);
        return;
    }
    path_ = chosen->path;
    // Setting the edit's text reloads the preview once more.
    UpdateData(false);
}

void BackgroundDialog::OnOK() {
    if (!UpdateData(true)) return;
    result_.imageFile = path_;
    result_.color = color_;
    const LRESULT pos = SendMessageW(Item(IDC_BG_POSITION), CB_GETCURSEL, 0, 0);
    // A stored position the list does not hold stays as it was.
    if (pos != CB_ERR) result_.imagePos = static_cast<int>(pos);
    result_.showImage = showImage_;
    End(IDOK);
}

} // namespace hexmoor::preview
