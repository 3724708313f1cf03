// The colour adjustment of one image-map entry, rebuilt from its saved copy.

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
  // a GDI+ image while it needs per-pixel alpha, and back again at 100.
  // Neutral values give back an exact copy of the saved image.
  if (m_savedIsGdiplus) {
    SetGdiplusBitmap(values.IsNeutral() ? platform::CloneGdiplusBitmap(m_savedGdiplus.get())
                                        : hsl::AdjustGdiplusImage(m_savedGdiplus.get(), values));
    return m_gdiplus ? 1 : 0;
  }
  if (values.KeepsAlpha()) {
    SetBitmap(values.IsNeutral() ? platform::CopyBitmapAs32(m_savedBitmap.get())
                                 : hsl::AdjustBitmapImage(m_savedBitmap.get(), values));
    return m_bitmap ? 1 : 0;
  }
  SetGdiplusBitmap(hsl::AdjustBitmapToGdiplusImage(m_savedBitmap.get(), values));
  return m_gdiplus ? 1 : 0;
}
