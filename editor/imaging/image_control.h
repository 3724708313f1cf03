#pragma once
// The image options page's picture control: a canvas that shows a copy of
// the selected image at its natural size, centred, and lets the user pan an
// image larger than the canvas by dragging it; optionally with a horizontal
// and a vertical pixel ruler that follow the pan and the mouse.

#include <memory>

#include "base/geometry.h"
#include "editor/imaging/ruler.h"
#include "framework/window.h"
#include "model/mrg_bitmap.h"

namespace hexmoor::preview {

class MrgBitmapControl;

class MrgBitmapCanvas : public fw::Window {
public:
    explicit MrgBitmapCanvas(MrgBitmapControl& owner) : owner_(owner) {}
    // Keeps a copy of the image (null: none); a new image starts unpanned.
    void SetMrgBitmap(const CMrgBitmap* image);
    const CMrgBitmap* Image() const { return image_.get(); }
    Point PanOffset() const { return pan_; }
    // True when the image is larger than the canvas and can be dragged.
    bool CanPan() const;
    void UpdateRulerOrigins();

protected:
    bool OnEraseBackground(HDC) override { return true; }
    bool OnPaint() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    MrgBitmapControl& owner_;
    std::unique_ptr<CMrgBitmap> image_;
    Point pan_;
    Point last_;
};

class MrgBitmapControl : public fw::Window {
public:
    MrgBitmapControl() : canvas_(*this) {}
    // withRulers: a horizontal and a vertical ruler around the canvas.
    bool Create(HWND parent, const RECT& rect, int id, bool withRulers);
    // Shows a copy of the image, hiding the canvas for null. Always 1.
    int SetMrgBitmap(const CMrgBitmap* image);
    SIZE GetImageSize() const;
    MrgBitmapCanvas& Canvas() { return canvas_; }
    Ruler* HorizontalRuler() { return rulers_ ? &horizontal_ : nullptr; }
    Ruler* VerticalRuler() { return rulers_ ? &vertical_ : nullptr; }

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }

private:
    MrgBitmapCanvas canvas_;
    Ruler horizontal_, vertical_;
    bool rulers_ = false;
};

} // namespace hexmoor::preview
