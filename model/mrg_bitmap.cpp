#include "model/mrg_bitmap.h"

#include <utility>

namespace platform = hexmoor::platform;

CMrgBitmap::CMrgBitmap() = default;

CMrgBitmap::CMrgBitmap(HBITMAP source, int left, int top, int right, int bottom, int drawMode,
                       int mrgDrawMode)
    : m_top(top), m_left(left), m_right(right), m_bottom(bottom), m_drawMode(drawMode),
      m_mrgDrawMode(mrgDrawMode), m_bitmap(platform::CopyBitmapAs32(source)) {}

CMrgBitmap::CMrgBitmap(Gdiplus::Bitmap* image, int left, int top, int right, int bottom, int drawMode,
                       int mrgDrawMode)
    : m_top(top), m_left(left), m_right(right), m_bottom(bottom), m_drawMode(drawMode),
      m_mrgDrawMode(mrgDrawMode), m_isGdiplus(true), m_gdiplus(image) {}

CMrgBitmap::CMrgBitmap(platform::GdiplusBitmapHandle image, const MrgBitmapParams& params)
    : m_isGdiplus(true), m_gdiplus(std::move(image)) {
  SetParams(params);
}

CMrgBitmap::CMrgBitmap(platform::BitmapHandle image, const MrgBitmapParams& params)
    : m_bitmap(std::move(image)) {
  SetParams(params);
}

CMrgBitmap::CMrgBitmap(DWORD value) : m_drawMode(kDrawPlainValue), m_value(value) {}

CMrgBitmap::CMrgBitmap(const CMrgBitmap& other) { *this = other; }

CMrgBitmap& CMrgBitmap::operator=(const CMrgBitmap& other) {
  if (this == &other) return *this;
  // Unlike a bare handle copy, the image this entry held is freed here: the
  // entry owns its image, so nothing else can still be using it.
  CopyImageFrom(other);
  SetParams(other.GetParams());
  m_isGdiplus = other.m_isGdiplus;
  return *this;
}

CMrgBitmap::~CMrgBitmap() = default;

void CMrgBitmap::CopyImageFrom(const CMrgBitmap& other) {
  FreeImage();
  if (other.m_isGdiplus) {
    m_gdiplus = platform::CloneGdiplusBitmap(other.m_gdiplus.get());
  } else if (other.m_drawMode != kDrawPlainValue) {
    // A copy stays a 32-bit DIB section, whatever the caller does with it.
    m_bitmap = platform::CopyBitmapAs32(other.m_bitmap.get());
  } else {
    m_value = other.m_value;
  }
}

void CMrgBitmap::FreeImage() {
  m_bitmap.reset();
  m_gdiplus.reset();
  m_value = 0;
}

void CMrgBitmap::Release() {
  FreeImage();
  SetParams(MrgBitmapParams{});
  m_isGdiplus = false;
}

MrgBitmapParams CMrgBitmap::GetParams() const {
  return MrgBitmapParams{m_left, m_top, m_right, m_bottom, m_drawMode, m_mrgDrawMode};
}

void CMrgBitmap::SetParams(const MrgBitmapParams& params) {
  m_left = params.left;
  m_top = params.top;
  m_right = params.right;
  m_bottom = params.bottom;
  m_drawMode = params.drawMode;
  m_mrgDrawMode = params.mrgDrawMode;
}

int CMrgBitmap::GetMargin(int index) const {
  switch (index) {
    case 0: return m_left;
    case 1: return m_top;
    case 2: return m_right;
    case 3: return m_bottom;
    default: return 0;
  }
}

void CMrgBitmap::SetMargin(int index, int value) {
  switch (index) {
    case 0: m_left = value; break;
    case 1: m_top = value; break;
    case 2: m_right = value; break;
    case 3: m_bottom = value; break;
    default: break;
  }
}

bool CMrgBitmap::HasImage() const {
  if (IsPlainValue()) return false;
  return m_isGdiplus ? m_gdiplus != nullptr : m_bitmap != nullptr;
}

HBITMAP CMrgBitmap::GetHBitmap() const {
  if (IsPlainValue() || m_isGdiplus) return nullptr;
  return m_bitmap.get();
}

Gdiplus::Bitmap* CMrgBitmap::GetGdiplusBitmap() const {
  if (IsPlainValue() || !m_isGdiplus) return nullptr;
  return m_gdiplus.get();
}

void CMrgBitmap::SetValue(DWORD value) {
  FreeImage();
  m_isGdiplus = false;
  m_top = m_left = m_right = m_bottom = 0;
  m_drawMode = kDrawPlainValue;
  m_mrgDrawMode = 0;
  m_value = value;
}

void CMrgBitmap::SetGdiplusBitmap(Gdiplus::Bitmap* image) {
  if (image && image == m_gdiplus.get()) {  // the entry's own image: keep it
    m_bitmap.reset();
    m_isGdiplus = true;
    return;
  }
  SetGdiplusBitmap(platform::GdiplusBitmapHandle(image));
}

void CMrgBitmap::SetGdiplusBitmap(platform::GdiplusBitmapHandle image) {
  FreeImage();
  if (IsPlainValue()) m_drawMode = kDrawStretch;
  m_gdiplus = std::move(image);
  m_isGdiplus = true;
}

void CMrgBitmap::SetBitmapCopy(HBITMAP source) {
  if (IsPlainValue()) return;
  SetBitmap(platform::CopyBitmapAs32(source));
}

void CMrgBitmap::SetBitmap(platform::BitmapHandle image) {
  FreeImage();
  if (IsPlainValue()) m_drawMode = kDrawStretch;
  m_bitmap = std::move(image);
  m_isGdiplus = false;
}

int CMrgBitmap::GetWidth() const { return GetSize().cx; }
int CMrgBitmap::GetHeight() const { return GetSize().cy; }

SIZE CMrgBitmap::GetSize() const {
  LONG width = 0;
  LONG height = 0;
  if (!IsPlainValue()) {
    if (m_isGdiplus) {
      if (!platform::GetGdiplusBitmapSize(m_gdiplus.get(), &width, &height)) width = height = 0;
    } else if (!platform::GetBitmapSize(m_bitmap.get(), &width, &height)) {
      width = height = 0;
    }
  }
  return SIZE{width, height};
}

bool CMrgBitmap::ReadPixels(platform::ImagePixels* out) const {
  if (!HasImage()) return false;
  return m_isGdiplus ? platform::ReadGdiplusBitmapPixels(m_gdiplus.get(), out)
                     : platform::ReadBitmapPixels(m_bitmap.get(), out);
}

void CMrgBitmap::SaveCopy() {
  m_savedBitmap.reset();
  m_savedGdiplus.reset();
  m_savedValue = 0;
  m_hasSavedValue = false;
  if (IsPlainValue()) {
    m_savedValue = m_value;
    m_hasSavedValue = true;
  } else if (m_isGdiplus) {
    if (m_gdiplus) m_savedGdiplus = platform::CloneGdiplusBitmap(m_gdiplus.get());
  } else if (m_bitmap) {
    m_savedBitmap = platform::CopyBitmapAs32(m_bitmap.get());
  }
  m_savedIsGdiplus = m_isGdiplus;
}

void CMrgBitmap::DiscardSavedCopy() {
  m_savedBitmap.reset();
  m_savedGdiplus.reset();
  m_savedValue = 0;
  m_hasSavedValue = false;
}

bool CMrgBitmap::HasSavedCopy() const {
  return m_hasSavedValue || m_savedBitmap != nullptr || m_savedGdiplus != nullptr;
}
