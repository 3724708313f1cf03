// The colour adjustment of one image-map entry, rebuilt from its saved copy.

#include <utility>

#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/image_adjust.h"
#include "model/mrg_bitmap.h"

namespace platform = hexmoor::platform;

int CMrgBitmap::ApplyHSL(double hue, double saturation, double lightness, double opacity) {
  const HSLValues values(hue, saturation, lightness, opacity);
  if (IsPlainValue()) {
    // Without a saved copy there is nothing to start from: keep the value.
    if (!m_hasSavedValue) return 0;
    m_value = hsl::AdjustColorRef(m_savedValue, values);
    return 1;
  }
  if (!HasSavedCopy()) return 0;

  // The form follows the saved copy and the opacity: a GDI bitmap turns into
  // a GDI+ image while it needs per-pixel alpha, and back again at 100. The
  // current image is handed over for reuse when it has the result's form.
  if (m_savedIsGdiplus) {
    SetGdiplusBitmap(hsl::AdjustGdiplusImage(m_savedGdiplus.get(), std::move(m_gdiplus), values));
    return m_gdiplus ? 1 : 0;
  }
  if (values.KeepsAlpha()) {
    SetBitmap(hsl::AdjustBitmapImage(m_savedBitmap.get(), std::move(m_bitmap), values));
    return m_bitmap ? 1 : 0;
  }
  SetGdiplusBitmap(hsl::AdjustBitmapToGdiplusImage(m_savedBitmap.get(), std::move(m_gdiplus), values));
  return m_gdiplus ? 1 : 0;
}
