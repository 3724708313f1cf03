// Native fonts: the LOGFONT itself behind HFONT.
#include "model/platform/font.h"
#include "model/platform/native/records.h"

namespace hexmoor::platform {

template <>
void NativeHandleTraits<HFONT>::Close(HFONT font) noexcept {
    delete font;
}

FontHandle CreateFontFromLogFont(const LOGFONT& logFont) { return FontHandle(new HFONT__{logFont}); }

} // namespace hexmoor::platform
