#pragma once
// The open dialog with a preview: the system dialog extended by a child
// template below its standard controls, in which a picture box (or, when
// the first filter names region files, a region view) previews the file
// under the selection.

#include <optional>
#include <string>

#include "editor/imaging/preview_views.h"
#include "framework/services.h"

namespace hexmoor::preview {

class PreviewFileDialog {
public:
    // Shows the dialog through the service with the preview template added.
    std::optional<fw::FileDialogResult> Run(fw::FileDialogService& files, HWND owner, fw::FileDialogRequest request);

    // The three notifications, also callable without the system dialog.
    // templateDialog is the child template's window.
    void OnInitDone(HWND templateDialog, const std::wstring& filter);
    void OnSelectionChange(const std::wstring& path);
    void OnFolderChange();

    RECT PreviewRect() const { return previewRect_; }
    PreviewImage& Image() { return image_; }
    PreviewRegion& Region() { return region_; }
    bool ShowsImages() const { return showImages_; }

private:
    static UINT_PTR CALLBACK Hook(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);

    std::wstring filter_;
    HWND template_ = nullptr;
    RECT previewRect_{};
    bool showImages_ = true;
    PreviewImage image_;
    PreviewRegion region_;
};

} // namespace hexmoor::preview
