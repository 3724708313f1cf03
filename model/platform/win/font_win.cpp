#include "model/platform/font.h"

namespace hexmoor::platform {

void FontDeleter::operator()(HFONT font) const noexcept {
    if (font) ::DeleteObject(font);
}

FontHandle CreateFontFromLogFont(const LOGFONT& logFont) { return FontHandle(::CreateFontIndirectW(&logFont)); }

} // namespace hexmoor::platform
