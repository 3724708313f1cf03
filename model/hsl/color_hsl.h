#pragma once

// The colour-adjustment arithmetic under the two names its callers use: the
// skin model's `CColorHSL_TW` and the editor's `CColorHSL`. Both forward to
// the one implementation in hsl_arithmetic.h. Neither has any state; callers
// make one on the stack.
//
// Colours are COLORREF values (0x00BBGGRR) held as std::uint32_t so that the
// same code builds for Windows and for native tests. The GDI+ and HBITMAP
// operations exist in the Windows build only (color_hsl_win.h).

#include <cstdint>

#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/hsl_values.h"

class CColorHSL_TW {
 public:
  virtual ~CColorHSL_TW() = default;

  // Channels 0..255 in; hue in degrees, saturation and lightness in the
  // offset form (hsl::Hsl) out.
  void RGBToHSL(double r, double g, double b, double& hue, double& saturation, double& lightness) const;
  void HSLToRGB(double& r, double& g, double& b, double hue, double saturation, double lightness) const;
  double HueToRGB(double hue, double m1, double m2) const { return hsl::HueToChannel(hue, m1, m2); }

  // The opacity is not used. "Invert Color" is left as it is.
  void TransformColor(std::uint32_t& out, std::uint32_t color, double hue, double saturation, double lightness,
                      double opacity) const {
    out = hsl::AdjustColorRef(color, HSLValues(hue, saturation, lightness, opacity));
  }
};

class CColorHSL {
 public:
  virtual ~CColorHSL() = default;

  int RGBToHSL(double r, double g, double b, double& hue, double& saturation, double& lightness) const;
  int HSLToRGB(double& r, double& g, double& b, double hue, double saturation, double lightness) const;
  double HueToRGB(double hue, double p, double q) const { return hsl::HueToChannel(hue, p, q); }

  void AdjustColorHSL(std::uint32_t& out, std::uint32_t color, const HSLValues& values) const {
    out = hsl::AdjustColorRef(color, values);
  }
};
