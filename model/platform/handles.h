// The owned handle types of the model's platform seam. The Windows tree owns
// real GDI objects through base's owners; the native tree's handles point at
// small records of its own (platform/native), freed by the traits below.
#pragma once

#include "model/platform/types.h"
#ifdef _WIN32
#include "base/win/gdi.h"
#else
#include "base/unique_handle.h"
#endif

namespace hexmoor::platform {

#ifdef _WIN32
// An owned GDI bitmap (always a 32-bit DIB section when the model made it).
using BitmapHandle = win::Bitmap;
using FontHandle = win::Font;
using RegionHandle = win::Region;
#else
// Each native record type is freed by its own half of the seam.
template <typename Handle>
struct NativeHandleTraits {
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept;
};
template <>
void NativeHandleTraits<HBITMAP>::Close(HBITMAP bitmap) noexcept;
template <>
void NativeHandleTraits<HFONT>::Close(HFONT font) noexcept;
template <>
void NativeHandleTraits<HRGN>::Close(HRGN region) noexcept;
using BitmapHandle = UniqueHandle<HBITMAP, NativeHandleTraits<HBITMAP> >;
using FontHandle = UniqueHandle<HFONT, NativeHandleTraits<HFONT> >;
using RegionHandle = UniqueHandle<HRGN, NativeHandleTraits<HRGN> >;
#endif

} // namespace hexmoor::platform
