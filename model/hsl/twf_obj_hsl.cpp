// The colour adjustment of an element's colour map, from its saved colours.

#include "model/hsl/hsl_arithmetic.h"
#include "model/twf_obj.h"

void CTwfObj::ApplyHSLToColors(double hue, double saturation, double lightness, double opacity, int, int) {
    const HSLValues values(hue, saturation, lightness, opacity);
    for (const auto& [id, saved] : savedColors_) colors_[id] = hsl::AdjustColorRef(saved, values);
}
