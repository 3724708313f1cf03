#pragma once
// The picture box and the region view of the editor's dialogs and tool
// windows. The picture box shows one image, scaled down to fit and centred;
// the region view shows a region as a flat picture: button face with the
// region in the inverse colour.

#include <memory>
#include <string>

#include "base/win/gdi.h"
#include "framework/window.h"
#include "model/image_rgn.h"
#include "model/mrg_bitmap.h"

namespace hexmoor::preview {

// A pattern brush of 8 x 8 squares, white and light grey (204), shown
// behind pictures with transparency.
win::Brush MakeCheckerboardBrush();

class PreviewImage : public fw::Window {
public:
    bool Create(HWND parent, const RECT& rect, int id, DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER);

    // Loads a picture file (see LoadPicture). 0 when it fails; the view is
    // then empty.
    int LoadImage(const std::wstring& path, bool allowJpeg);
    // Shows a copy of the image; 1 when an image is shown.
    int SetMrgBitmap(const CMrgBitmap* image);
    // Shows a 32-bit copy of the bitmap; the caller keeps its handle.
    int SetBitmap(HBITMAP bitmap);
    // The shown image's GDI bitmap; null without image or for a GDI+ image.
    HBITMAP GetBitmapHandle() const;
    const CMrgBitmap* Image() const { return image_.get(); }
    void SetBackgroundColor(COLORREF color);
    COLORREF BackgroundColor() const { return background_; }
    void Repaint();

protected:
    bool OnEraseBackground(HDC) override { return true; }
    bool OnPaint() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Draw(HDC dc, const RECT& client);

    std::unique_ptr<CMrgBitmap> image_;
    bool jpeg_ = false;
    COLORREF background_ = 0xFFFFFF;
};

class PreviewRegion : public fw::Window {
public:
    bool Create(HWND parent, const RECT& rect, int id, DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER);

    // Shows a copy of the region painted on a canvas of the given size;
    // null shows nothing.
    void SetRegion(const CImageRgn* region, SIZE canvas);
    const CImageRgn* GetRegion() const { return region_.get(); }
    void Repaint();

protected:
    bool OnEraseBackground(HDC dc) override;
    bool OnPaint() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    std::unique_ptr<CImageRgn> region_;
    win::Bitmap painted_;
    SIZE paintedSize_{0, 0};
};

} // namespace hexmoor::preview
