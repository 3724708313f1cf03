#pragma once

// The colour-adjustment arithmetic under the two names its callers use: the
// skin model's `CColorHSL_TW` and the editor's `CColorHSL`. Both forward to
// the one implementation in hsl_arithmetic.h. Neither has any state; callers
// make one on the stack.
//
// Colours are COLORREF values (0x00BBGGRR); the native build has its own
// COLORREF of the same width (model/platform/types.h). The GDI+ and HBITMAP
// operations exist in the Windows build only (color_hsl_win.cpp): they lock
// the pixels in 32-bit ARGB and run the shared pixel loop over them.

#include <cstdint>

#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/hsl_values.h"
#include "model/platform/types.h"

class CColorHSL_TW {
public:
    virtual ~CColorHSL_TW() = default;

    // Channels 0..255 in; hue in degrees, saturation and lightness in the
    // offset form (hsl::Hsl) out.
    void RGBToHSL(double r, double g, double b, double& hue, double& saturation, double& lightness) const;
    void HSLToRGB(double& r, double& g, double& b, double hue, double saturation, double lightness) const;
    double HueToRGB(double hue, double m1, double m2) const { return hsl::HueToChannel(hue, m1, m2); }

    // The opacity is not used. "Invert Color" is left as it is.
    void TransformColor(COLORREF& out, COLORREF color, double hue, double saturation, double lightness,
                        double opacity) const {
        out = hsl::AdjustColorRef(color, HSLValues(hue, saturation, lightness, opacity));
    }

#ifdef _WIN32
    // Writes the adjusted pixels of src into the top-left of dst. False, with
    // dst unchanged, when either bitmap is null or cannot be locked or dst is
    // smaller than src.
    bool TransformBitmap(Gdiplus::Bitmap* dst, Gdiplus::Bitmap* src, double hue, double saturation, double lightness,
                         double opacity) const;
    // A new 32-bit DIB section holding the adjusted pixels of src (the caller
    // owns it); out is null when src is not a bitmap. A GDI bitmap carries no
    // alpha, so src counts as opaque: the opacity makes it partly transparent,
    // and the result is that composed on opaque white (every pixel opaque).
    bool TransformHBitmap(HBITMAP& out, HBITMAP src, double hue, double saturation, double lightness,
                          double opacity) const;
#endif
};

class CColorHSL {
public:
    virtual ~CColorHSL() = default;

    int RGBToHSL(double r, double g, double b, double& hue, double& saturation, double& lightness) const;
    int HSLToRGB(double& r, double& g, double& b, double hue, double saturation, double lightness) const;
    double HueToRGB(double hue, double p, double q) const { return hsl::HueToChannel(hue, p, q); }

    void AdjustColorHSL(COLORREF& out, COLORREF color, const HSLValues& values) const {
        out = hsl::AdjustColorRef(color, values);
    }

#ifdef _WIN32
    // As CColorHSL_TW::TransformBitmap and CColorHSL_TW::TransformHBitmap.
    bool AdjustBitmapHSL(Gdiplus::Bitmap* dst, Gdiplus::Bitmap* src, const HSLValues& values) const;
    bool AdjustHBitmapHSL(HBITMAP& out, HBITMAP in, const HSLValues& values) const;
#endif
};
