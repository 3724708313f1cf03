#include "runtime/controls/background_cache.h"

#include <algorithm>

#include "base/win/dib.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/tw_wnd.h"

using namespace hexmoor::win;

HBITMAP RebuildBackground(CTWWnd& object, Bitmap& cache, const BackgroundCanvas& canvas,
                          const std::function<void(HDC, const RECT&)>& decorate) {
    cache.Reset();
    const HWND hwnd = object.GetSafeHwnd();
    if (!hwnd) return nullptr;
    RECT area{};
    if (canvas.client) {
        GetClientRect(hwnd, &area);
    } else {
        const CWindowRect wr(hwnd);
        area = {0, 0, wr.Width(), wr.Height()};
    }
    if (area.right <= 0 || area.bottom <= 0) {
        if (canvas.emptyGivesNone) return nullptr;
        area = {0, 0, std::max<LONG>(area.right, 1), std::max<LONG>(area.bottom, 1)};
    }
    // A DIB section: selecting a device-dependent bitmap costs server round
    // trips under Wine on every paint that copies from it.
    WindowDC screen(nullptr);
    MemoryDC memory(screen.Get());
    Bitmap bitmap(CreateScreenBitmap(area.right, area.bottom));
    if (!memory || !bitmap) return nullptr;
    {
        SelectGuard select(memory.Get(), bitmap.Get());
        if (canvas.underlay) FillRect(memory.Get(), &area, canvas.underlay);
        if (canvas.erase) object.EraseBackground(memory.Get(), hwnd, nullptr);
        if (decorate) decorate(memory.Get(), area);
    }
    cache = std::move(bitmap);
    return cache.Get();
}

HBITMAP RebuildParentBackground(CTWWnd& object, Bitmap& cache, const std::function<void(HDC, const RECT&)>& decorate) {
    return RebuildBackground(object, cache, {}, decorate);
}

HBITMAP RebuildClientBackground(CTWWnd& object, Bitmap& cache, const std::function<void(HDC, const RECT&)>& decorate) {
    BackgroundCanvas canvas;
    canvas.client = true;
    canvas.underlay = GetSysColorBrush(COLOR_BTNFACE);
    canvas.emptyGivesNone = true;
    return RebuildBackground(object, cache, canvas, decorate);
}
