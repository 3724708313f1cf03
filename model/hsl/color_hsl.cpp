#include "model/hsl/color_hsl.h"

void CColorHSL_TW::RGBToHSL(double r, double g, double b, double& hue, double& saturation, double& lightness) const {
    const hsl::Hsl out = hsl::RgbToHsl(r, g, b);
    hue = out.hue;
    saturation = out.saturation;
    lightness = out.lightness;
}

void CColorHSL_TW::HSLToRGB(double& r, double& g, double& b, double hue, double saturation, double lightness) const {
    const hsl::Rgb out = hsl::HslToRgb(hue, saturation, lightness);
    r = out.red;
    g = out.green;
    b = out.blue;
}

int CColorHSL::RGBToHSL(double r, double g, double b, double& hue, double& saturation, double& lightness) const {
    CColorHSL_TW().RGBToHSL(r, g, b, hue, saturation, lightness);
    return 1;
}

int CColorHSL::HSLToRGB(double& r, double& g, double& b, double hue, double saturation, double lightness) const {
    CColorHSL_TW().HSLToRGB(r, g, b, hue, saturation, lightness);
    return 1;
}
