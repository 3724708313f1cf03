#include "runtime/controls/background_cache.h"

#include <algorithm>

#include "runtime/window_rects.h"
#include "runtime/wnd/tw_wnd.h"

using namespace hexmoor::win;

HBITMAP RebuildParentBackground(CTWWnd& object, Bitmap& cache, const std::function<void(HDC, const RECT&)>& decorate) {
    cache.Reset();
    const HWND hwnd = object.GetSafeHwnd();
    if (!hwnd) return nullptr;
    const CWindowRect wr(hwnd);
    const RECT box{0, 0, std::max(wr.Width(), 1), std::max(wr.Height(), 1)};
    WindowDC screen(nullptr);
    MemoryDC memory(screen.Get());
    Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), box.right, box.bottom));
    if (!memory || !bitmap) return nullptr;
    {
        SelectGuard select(memory.Get(), bitmap.Get());
        object.EraseBackground(memory.Get(), hwnd, nullptr);
        if (decorate) decorate(memory.Get(), box);
    }
    cache = std::move(bitmap);
    return cache.Get();
}
