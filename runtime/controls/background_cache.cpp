#include "runtime/controls/background_cache.h"

#include <algorithm>

#include "base/win/dib.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/tw_wnd.h"

using namespace hexmoor::win;

namespace {

// A bitmap of `box` (at the origin) holding, over the system's face colour
// when `faceFirst`, what the object's EraseBackground draws and then what
// `decorate` draws.
HBITMAP Rebuild(CTWWnd& object, Bitmap& cache, const RECT& box, bool faceFirst,
                const std::function<void(HDC, const RECT&)>& decorate) {
    WindowDC screen(nullptr);
    MemoryDC memory(screen.Get());
    Bitmap bitmap(CreateScreenBitmap(box.right, box.bottom));
    if (!memory || !bitmap) return nullptr;
    {
        SelectGuard select(memory.Get(), bitmap.Get());
        if (faceFirst) FillRect(memory.Get(), &box, GetSysColorBrush(COLOR_BTNFACE));
        object.EraseBackground(memory.Get(), object.GetSafeHwnd(), nullptr);
        if (decorate) decorate(memory.Get(), box);
    }
    cache = std::move(bitmap);
    return cache.Get();
}

} // namespace

HBITMAP RebuildParentBackground(CTWWnd& object, Bitmap& cache, const std::function<void(HDC, const RECT&)>& decorate) {
    cache.Reset();
    const HWND hwnd = object.GetSafeHwnd();
    if (!hwnd) return nullptr;
    const CWindowRect wr(hwnd);
    return Rebuild(object, cache, {0, 0, std::max(wr.Width(), 1), std::max(wr.Height(), 1)}, false, decorate);
}

HBITMAP RebuildClientBackground(CTWWnd& object, Bitmap& cache, const std::function<void(HDC, const RECT&)>& decorate) {
    cache.Reset();
    const HWND hwnd = object.GetSafeHwnd();
    if (!hwnd) return nullptr;
    const CClientRect client(hwnd);
    if (client.Width() <= 0 || client.Height() <= 0) return nullptr;
    return Rebuild(object, cache, {0, 0, client.Width(), client.Height()}, true, decorate);
}
