// The font seam: a font is created from a LOGFONT. The Windows tree makes a
// GDI HFONT; the native tree keeps the LOGFONT in a small record.
#pragma once

#include <memory>
#include <type_traits>

#include "model/platform/handles.h"

namespace hexmoor::platform {

// A font made from the record; null when the system refuses it.
FontHandle CreateFontFromLogFont(const LOGFONT& logFont);

} // namespace hexmoor::platform
