// The font seam: a font is created from a LOGFONT. The Windows tree makes a
// GDI HFONT; the native tree keeps the LOGFONT in a small record.
#pragma once

#include <memory>
#include <type_traits>

#include "model/platform/types.h"
#ifdef _WIN32
#include "base/win/gdi.h"
#else
#include "base/unique_handle.h"
#endif

namespace hexmoor::platform {

#ifdef _WIN32
using FontHandle = win::Font;
#else
struct NativeFontTraits {
    static HFONT Invalid() noexcept { return nullptr; }
    static void Close(HFONT font) noexcept;
};
using FontHandle = UniqueHandle<HFONT, NativeFontTraits>;
#endif

// A font made from the record; null when the system refuses it.
FontHandle CreateFontFromLogFont(const LOGFONT& logFont);

} // namespace hexmoor::platform
