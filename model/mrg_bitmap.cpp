#include "model/mrg_bitmap.h"

#include <utility>

namespace platform = hexmoor::platform;

CMrgBitmap::CMrgBitmap() = default;

CMrgBitmap::CMrgBitmap(HBITMAP source, int left, int top, int right, int bottom, int drawMode, int mrgDrawMode)
    : top_(top),
      left_(left),
      right_(right),
      bottom_(bottom),
      drawMode_(drawMode),
      mrgDrawMode_(mrgDrawMode),
      bitmap_(platform::CopyBitmapAs32(source)) {}

CMrgBitmap::CMrgBitmap(Gdiplus::Bitmap* image, int left, int top, int right, int bottom, int drawMode, int mrgDrawMode)
    : top_(top),
      left_(left),
      right_(right),
      bottom_(bottom),
      drawMode_(drawMode),
      mrgDrawMode_(mrgDrawMode),
      isGdiplus_(true),
      gdiplus_(image) {}

CMrgBitmap::CMrgBitmap(platform::GdiplusBitmapHandle image, const MrgBitmapParams& params)
    : isGdiplus_(true), gdiplus_(std::move(image)) {
    SetParams(params);
}

CMrgBitmap::CMrgBitmap(platform::BitmapHandle image, const MrgBitmapParams& params) : bitmap_(std::move(image)) {
    SetParams(params);
}

CMrgBitmap::CMrgBitmap(DWORD value) : drawMode_(kDrawPlainValue), value_(value) {}

CMrgBitmap::CMrgBitmap(const CMrgBitmap& other) { *this = other; }

CMrgBitmap& CMrgBitmap::operator=(const CMrgBitmap& other) {
    if (this == &other) return *this;
    // Unlike a bare handle copy, the image this entry held is freed here: the
    // entry owns its image, so nothing else can still be using it.
    CopyImageFrom(other);
    SetParams(other.GetParams());
    isGdiplus_ = other.isGdiplus_;
    return *this;
}

CMrgBitmap::~CMrgBitmap() = default;

void CMrgBitmap::CopyImageFrom(const CMrgBitmap& other) {
    FreeImage();
    if (other.isGdiplus_) {
        gdiplus_ = platform::CloneGdiplusBitmap(other.gdiplus_.get());
    } else if (other.drawMode_ != kDrawPlainValue) {
        // A copy stays a 32-bit DIB section, whatever the caller does with it.
        bitmap_ = platform::CopyBitmapAs32(other.bitmap_.Get());
    } else {
        value_ = other.value_;
    }
}

void CMrgBitmap::FreeImage() {
    bitmap_.Reset();
    gdiplus_.reset();
    value_ = 0;
}

void CMrgBitmap::Release() {
    FreeImage();
    SetParams(MrgBitmapParams{});
    isGdiplus_ = false;
}

MrgBitmapParams CMrgBitmap::GetParams() const {
    return MrgBitmapParams{left_, top_, right_, bottom_, drawMode_, mrgDrawMode_};
}

void CMrgBitmap::SetParams(const MrgBitmapParams& params) {
    left_ = params.left;
    top_ = params.top;
    right_ = params.right;
    bottom_ = params.bottom;
    drawMode_ = params.drawMode;
    mrgDrawMode_ = params.mrgDrawMode;
}

int CMrgBitmap::GetMargin(int index) const {
    switch (index) {
    case 0: return left_;
    case 1: return top_;
    case 2: return right_;
    case 3: return bottom_;
    default: return 0;
    }
}

void CMrgBitmap::SetMargin(int index, int value) {
    switch (index) {
    case 0: left_ = value; break;
    case 1: top_ = value; break;
    case 2: right_ = value; break;
    case 3: bottom_ = value; break;
    default: break;
    }
}

bool CMrgBitmap::HasImage() const {
    if (IsPlainValue()) return false;
    return isGdiplus_ ? gdiplus_ != nullptr : bitmap_ != nullptr;
}

HBITMAP CMrgBitmap::GetHBitmap() const {
    if (IsPlainValue() || isGdiplus_) return nullptr;
    return bitmap_.Get();
}

Gdiplus::Bitmap* CMrgBitmap::GetGdiplusBitmap() const {
    if (IsPlainValue() || !isGdiplus_) return nullptr;
    return gdiplus_.get();
}

void CMrgBitmap::SetValue(DWORD value) {
    FreeImage();
    isGdiplus_ = false;
    top_ = left_ = right_ = bottom_ = 0;
    drawMode_ = kDrawPlainValue;
    mrgDrawMode_ = 0;
    value_ = value;
}

void CMrgBitmap::SetGdiplusBitmap(Gdiplus::Bitmap* image) {
    if (image && image == gdiplus_.get()) { // the entry's own image: keep it
        bitmap_.Reset();
        isGdiplus_ = true;
        return;
    }
    SetGdiplusBitmap(platform::GdiplusBitmapHandle(image));
}

void CMrgBitmap::SetGdiplusBitmap(platform::GdiplusBitmapHandle image) {
    FreeImage();
    if (IsPlainValue()) drawMode_ = kDrawStretch;
    gdiplus_ = std::move(image);
    isGdiplus_ = true;
}

void CMrgBitmap::SetBitmapCopy(HBITMAP source) {
    if (IsPlainValue()) return;
    SetBitmap(platform::CopyBitmapAs32(source));
}

void CMrgBitmap::SetBitmap(platform::BitmapHandle image) {
    FreeImage();
    if (IsPlainValue()) drawMode_ = kDrawStretch;
    bitmap_ = std::move(image);
    isGdiplus_ = false;
}

int CMrgBitmap::GetWidth() const { return GetSize().cx; }
int CMrgBitmap::GetHeight() const { return GetSize().cy; }

SIZE CMrgBitmap::GetSize() const {
    LONG width = 0;
    LONG height = 0;
    if (!IsPlainValue()) {
        if (isGdiplus_) {
            if (!platform::GetGdiplusBitmapSize(gdiplus_.get(), &width, &height)) width = height = 0;
        } else if (!platform::GetBitmapSize(bitmap_.Get(), &width, &height)) {
            width = height = 0;
        }
    }
    return SIZE{width, height};
}

bool CMrgBitmap::ReadPixels(platform::ImagePixels* out) const {
    if (!HasImage()) return false;
    return isGdiplus_ ? platform::ReadGdiplusBitmapPixels(gdiplus_.get(), out)
                      : platform::ReadBitmapPixels(bitmap_.Get(), out);
}

void CMrgBitmap::SaveCopy() {
    savedBitmap_.Reset();
    savedGdiplus_.reset();
    savedArgb_.reset();
    savedValue_ = 0;
    hasSavedValue_ = false;
    if (IsPlainValue()) {
        savedValue_ = value_;
        hasSavedValue_ = true;
    } else if (isGdiplus_) {
        if (gdiplus_) savedGdiplus_ = platform::CloneGdiplusBitmap(gdiplus_.get());
        if (savedGdiplus_) savedArgb_ = platform::ArgbCopyForReading(savedGdiplus_.get());
    } else if (bitmap_) {
        savedBitmap_ = platform::CopyBitmapAs32(bitmap_.Get());
    }
    savedIsGdiplus_ = isGdiplus_;
    PrepareFirstTargets();
}

void CMrgBitmap::DiscardSavedCopy() {
    savedBitmap_.Reset();
    savedGdiplus_.reset();
    savedArgb_.reset();
    firstBitmapTarget_.Reset();
    firstGdiplusTarget_.reset();
    replacedBitmap_.Reset();
    replacedGdiplus_.reset();
    savedValue_ = 0;
    hasSavedValue_ = false;
}

bool CMrgBitmap::HasSavedCopy() const { return hasSavedValue_ || savedBitmap_ != nullptr || savedGdiplus_ != nullptr; }
