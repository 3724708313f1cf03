// The font seam: a font is created from a LOGFONT. The Windows tree makes a
// GDI HFONT; the native tree keeps the LOGFONT in a small record.
#pragma once

#include <memory>
#include <type_traits>

#include "model/platform/types.h"

namespace hexmoor::platform {

struct FontDeleter {
    void operator()(HFONT font) const noexcept;
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// A font made from the record; null when the system refuses it.
FontHandle CreateFontFromLogFont(const LOGFONT& logFont);

} // namespace hexmoor::platform
