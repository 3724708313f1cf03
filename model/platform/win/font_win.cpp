#include "model/platform/font.h"

namespace hexmoor::platform {

FontHandle CreateFontFromLogFont(const LOGFONT& logFont) { return FontHandle(::CreateFontIndirectW(&logFont)); }

} // namespace hexmoor::platform
