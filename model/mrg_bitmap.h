// One entry of an element's image map: a skin image with the six parameters
// that fit it into a rectangle of any size (four sizing margins, a draw mode
// for the centre and one for the edge strips), or a plain 32-bit value (a
// colour or a number, DrawMode 2) that the model keeps in the same map.
//
// The image is held either as a 32-bit DIB section (HBITMAP) or as a GDI+
// bitmap (PNG images keep their alpha this way); the entry owns it. While a
// hue/saturation/lightness adjustment is in force the entry also holds a
// saved copy of its image or value.
#pragma once

#include "model/hsl/hsl_values.h"
#include "model/platform/image.h"
#include "model/platform/types.h"

// The six parameters in hand-over order (constructors, skin file, XML):
// left, top, right, bottom, DrawMode, MrgDrawMode.
struct MrgBitmapParams {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int drawMode = 0;    // centre: 0 stretch, 1 tile; 2 marks a plain value
    int mrgDrawMode = 0; // edge strips: 0 stretch, any other value tile

    bool operator==(const MrgBitmapParams&) const = default;
};

namespace hsl {
class ImageAdjustment;
} // namespace hsl

class CMrgBitmap {
public:
    static constexpr int kDrawStretch = 0;
    static constexpr int kDrawTile = 1;
    static constexpr int kDrawPlainValue = 2;

    // No image, the six parameters 0, no saved copy.
    CMrgBitmap();
    // A private 32-bit DIB-section copy of the source; the source stays the
    // caller's. A source that is not a bitmap leaves the entry without image.
    CMrgBitmap(HBITMAP source, int left, int top, int right, int bottom, int drawMode, int mrgDrawMode);
    // Takes the GDI+ bitmap over.
    CMrgBitmap(Gdiplus::Bitmap* image, int left, int top, int right, int bottom, int drawMode, int mrgDrawMode);
    CMrgBitmap(hexmoor::platform::GdiplusBitmapHandle image, const MrgBitmapParams& params);
    CMrgBitmap(hexmoor::platform::BitmapHandle image, const MrgBitmapParams& params);
    // A plain-value entry: margins 0, DrawMode 2, MrgDrawMode 0.
    explicit CMrgBitmap(DWORD value);

    // Deep copies: a GDI+ image is cloned, a bitmap copied as a 32-bit DIB
    // section, a plain value copied; then the six parameters and the form.
    // The saved copy is never copied (an assignment keeps the target's).
    CMrgBitmap(const CMrgBitmap& other);
    CMrgBitmap& operator=(const CMrgBitmap& other);
    virtual ~CMrgBitmap();

    // Frees the image (nothing for a plain value); the image becomes null, the
    // six parameters 0 and the form a GDI bitmap.
    void Release();

    // --- parameters (fields are kept top before left) -----------------------
    MrgBitmapParams GetParams() const;
    void SetParams(const MrgBitmapParams& params);
    int GetLeft() const { return left_; }
    int GetTop() const { return top_; }
    int GetRight() const { return right_; }
    int GetBottom() const { return bottom_; }
    int GetDrawMode() const { return drawMode_; }
    int GetMrgDrawMode() const { return mrgDrawMode_; }
    void SetLeft(int v) { left_ = v; }
    void SetTop(int v) { top_ = v; }
    void SetRight(int v) { right_ = v; }
    void SetBottom(int v) { bottom_ = v; }
    void SetDrawMode(int v) { drawMode_ = v; }
    void SetMrgDrawMode(int v) { mrgDrawMode_ = v; }
    // Margin by editor index: 0 left, 1 top, 2 right, 3 bottom.
    int GetMargin(int index) const;
    void SetMargin(int index, int value);

    // --- image access --------------------------------------------------------
    bool IsPlainValue() const { return drawMode_ == kDrawPlainValue; }
    // True when the image is a GDI+ bitmap (the GDI+ flag).
    bool IsGdiplus() const { return isGdiplus_; }
    // True when the entry holds an image (not a plain value, not empty).
    bool HasImage() const;
    // The DIB section, or null when the entry holds a GDI+ image, a plain value
    // or nothing.
    HBITMAP GetHBitmap() const;
    // The GDI+ bitmap, or null when the entry holds anything else.
    Gdiplus::Bitmap* GetGdiplusBitmap() const;
    // The plain value (DrawMode 2); 0 for image entries.
    DWORD GetValue() const { return IsPlainValue() ? value_ : 0; }
    void SetValue(DWORD value);

    // Frees a held bitmap of either form, takes the GDI+ bitmap over and sets
    // the GDI+ flag.
    void SetGdiplusBitmap(Gdiplus::Bitmap* image);
    void SetGdiplusBitmap(hexmoor::platform::GdiplusBitmapHandle image);
    // For an image entry: the image becomes a new 32-bit DIB-section copy of
    // the bitmap (the caller keeps its own) and the GDI+ flag is cleared; the
    // previous image is freed. A plain-value entry is left unchanged.
    void SetBitmapCopy(HBITMAP source);
    // Takes a DIB section over (the model's own readers and adjusters).
    void SetBitmap(hexmoor::platform::BitmapHandle image);

    // Size of the image in pixels, whichever form; 0 for no image.
    int GetWidth() const;
    int GetHeight() const;
    SIZE GetSize() const;

    // Pixels of the image (tests, dumps); false for plain values and no image.
    bool ReadPixels(hexmoor::platform::ImagePixels* out) const;

    // --- saved copy for colour adjustment ------------------------------------
    // Saves the value or a duplicate of the image; the saved flag takes the
    // current form.
    void SaveCopy();
    // Frees the saved copy (a plain value's becomes 0).
    void DiscardSavedCopy();
    bool HasSavedCopy() const;
    bool IsSavedGdiplus() const { return savedIsGdiplus_; }
    HBITMAP GetSavedHBitmap() const { return savedBitmap_.Get(); }
    Gdiplus::Bitmap* GetSavedGdiplusBitmap() const { return savedGdiplus_.get(); }
    DWORD GetSavedValue() const { return savedValue_; }
    // Rebuilds the image or value from the saved copy with the four
    // adjustment values; 1 when done, 0 without a saved copy. The colour
    // arithmetic lives with the colour adjustment code.
    int ApplyHSL(double hue, double saturation, double lightness, double opacity);
    // ApplyHSL of an image entry with a saved copy, in two steps so that the
    // pixel work between them can be shared out among threads: StartHSL
    // takes the current image out and returns the rows still to adjust;
    // FinishHSL, once every row is done, puts the result in (1 when done).
    std::unique_ptr<hsl::ImageAdjustment> StartHSL(const HSLValues& values);
    int FinishHSL(hsl::ImageAdjustment& adjustment);

private:
    void CopyImageFrom(const CMrgBitmap& other);
    void FreeImage();

    // Fields in the stored order: top before left.
    int top_ = 0;
    int left_ = 0;
    int right_ = 0;
    int bottom_ = 0;
    int drawMode_ = 0;
    int mrgDrawMode_ = 0;
    bool isGdiplus_ = false;
    hexmoor::platform::BitmapHandle bitmap_;
    hexmoor::platform::GdiplusBitmapHandle gdiplus_;
    DWORD value_ = 0;

    hexmoor::platform::BitmapHandle savedBitmap_;
    hexmoor::platform::GdiplusBitmapHandle savedGdiplus_;
    // The saved GDI+ image's pixels in 32 bpp ARGB when it is in another
    // form, read by every adjustment in its place (null otherwise).
    hexmoor::platform::GdiplusBitmapHandle savedArgb_;
    DWORD savedValue_ = 0;
    bool savedIsGdiplus_ = false;
    bool hasSavedValue_ = false;
    // Targets for the first adjustment, made with the saved copy when the
    // current image is not of the form the adjustment writes into, so that
    // the first pass of a drag makes no image; used up by that pass (null
    // otherwise).
    hexmoor::platform::BitmapHandle firstBitmapTarget_;
    hexmoor::platform::GdiplusBitmapHandle firstGdiplusTarget_;
    // The image an adjustment replaced without writing into it (the entry's
    // own image at the first pass), freed with the saved copy: a whole-skin
    // pass would otherwise free many images at once from every thread, which
    // costs more than the pass's pixel work.
    hexmoor::platform::BitmapHandle replacedBitmap_;
    hexmoor::platform::GdiplusBitmapHandle replacedGdiplus_;
    void PrepareFirstTargets();
};
