#pragma once
// "Background color and image": the modal dialog in which the user chooses
// what the preview paints behind the sample windows — a colour, a picture
// file, the picture's position and whether it is shown — and sees the
// picture on the chosen colour while editing.

#include <windows.h>

#include <string>

#include "editor/links/win/color_picker.h"
#include "editor/imaging/preview_views.h"
#include "framework/dialog.h"
#include "framework/services.h"

namespace hexmoor::preview {

// Positions of the background picture, as the position list orders them.
enum BackgroundPosition : int { kBackgroundCenter = 0, kBackgroundStretch = 1, kBackgroundTile = 2 };

struct BackgroundChoice {
    std::wstring imageFile;
    int imagePos = kBackgroundCenter;
    COLORREF color = 0xFFFFFF;
    bool showImage = true;
};

class BackgroundDialog : public fw::Dialog {
public:
    // files: the open dialog behind "...".
    BackgroundDialog(const BackgroundChoice& initial, fw::FileDialogService& files);

    // The chosen values after DoModal returned IDOK; the given ones otherwise.
    const BackgroundChoice& Result() const { return result_; }

    PreviewImage& Preview() { return preview_; }
    links::CColorPickerCB& Picker() { return picker_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void Exchange(fw::DataExchange& dx) override;

private:
    void OnColorChanged();
    void OnPathChanged();
    void OnBrowse();

    fw::FileDialogService& files_;
    BackgroundChoice result_;
    // The edit's text and the check box, exchanged with the controls.
    std::wstring path_;
    bool showImage_ = true;
    // The colour chosen so far; the results take it only on OK.
    COLORREF color_ = 0xFFFFFF;
    bool ready_ = false;
    PreviewImage preview_;
    links::CColorPickerCB picker_;
};

} // namespace hexmoor::preview
