#include "framework/buffered_paint.h"

#include "base/win/dib.h"
#include "base/win/gdi.h"

namespace hexmoor::fw {

void BufferedPaintWindow::PaintInto(HDC dc) {
    erasing_ = dc;
    SendMessageW(Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    erasing_ = nullptr;
    DefaultProc(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

bool BufferedPaintWindow::PaintBuffered(HDC screen, const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return true;
    if (GetLayout(screen) & LAYOUT_RTL) return false;
    win::MemoryDC memory(screen);
    win::Bitmap buffer(win::CreateScreenBitmap(width, height));
    if (!memory || !buffer) return false;
    win::SelectGuard select(memory.Get(), buffer.Get());
    // Client coordinates in, the update rectangle's corner at the buffer's.
    SetWindowOrgEx(memory.Get(), area.left, area.top, nullptr);
    PaintInto(memory.Get());
    BitBlt(screen, area.left, area.top, width, height, memory.Get(), area.left, area.top, SRCCOPY);
    return true;
}

LRESULT BufferedPaintWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        // The paint that follows draws the background into its buffer.
        if (reinterpret_cast<HDC>(wp) != erasing_) return 1;
        break;
    case WM_PAINT: {
        if (wp) break; // a DC of the caller's: painted as asked
        PAINTSTRUCT ps;
        HDC screen = BeginPaint(Handle(), &ps);
        // Without a buffer the control draws straight into the paint DC,
        // its background first since the erase was skipped.
        if (screen && !PaintBuffered(screen, ps.rcPaint)) PaintInto(screen);
        EndPaint(Handle(), &ps);
        return 0;
    }
    default: break;
    }
    return Window::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::fw
