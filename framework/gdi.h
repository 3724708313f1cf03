#pragma once
// Non-copyable owners for GDI objects, DCs and selections, and the paint
// scope of the editor's windows.

#include <windows.h>

#include "runtime/gdi/gdi_handles.h"

namespace hexmoor::fw {

// The runtime's non-copyable GDI owners serve the editor's windows as well.
template <typename H>
using GdiObject = rt::GdiObject<H>;
using Brush = rt::BrushHandle;
using Pen = rt::PenHandle;
using Font = rt::FontHandle;
using Bitmap = rt::BitmapHandle;
using SelectObjectScope = rt::SelectGuard;
using WindowDcScope = rt::WindowDC;
using MemoryDc = rt::MemoryDC;

// BeginPaint/EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
    ~PaintScope() { EndPaint(hwnd_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return dc_; }
    const PAINTSTRUCT& Info() const { return ps_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

} // namespace hexmoor::fw
