#pragma once
// A dialog painted from one resource bitmap, stretched over its client
// area, optionally draggable by a click anywhere. Kept under the window
// property "ImgDlg"; the editor uses it for its start-up and about windows.

#include <windows.h>

#include "base/win/gdi.h"
#include "runtime/subclass.h"

class ImageDialog : public hexmoor::rt::PropSubclass<ImageDialog> {
public:
    ImageDialog() = default;
    ~ImageDialog();
    ImageDialog(const ImageDialog&) = delete;
    ImageDialog& operator=(const ImageDialog&) = delete;

    // Subclasses the dialog; TRUE when the procedure was replaced.
    BOOL Attach(HWND hwnd);
    // Puts the dialog's own procedure back (while ours is still current).
    void Detach();
    // Loads the bitmap from the dialog's module; with resize the window
    // takes the bitmap's size plus its non-client parts. 0 without a window.
    BOOL SetBitmap(WORD resourceId, BOOL resize);

    void SetDrag(BOOL drag) { drag_ = drag != FALSE; }
    BOOL GetDrag() const { return drag_; }

private:
    friend class hexmoor::rt::PropSubclass<ImageDialog>;
    friend struct hexmoor::rt::PropSubclassKind<ImageDialog>;
    static constexpr wchar_t kProp[] = L"ImgDlg";

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

    bool drag_ = false;
    hexmoor::win::Bitmap bitmap_;
};
