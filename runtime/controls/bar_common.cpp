#include "runtime/controls/bar_common.h"

#include <utility>

#include "model/mrg_bitmap.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/wnd/tw_wnd.h"

namespace hexmoor::rt {

void DrawBarImage(CTWDraw& draw, const RECT& box, const CMrgBitmap* image) {
    if (!image) return;
    if (image->IsGdiplus()) draw.PatBlt(&box, WHITENESS);
    draw.DrawSkinImage(&box, image, FALSE, nullptr);
}

WindowAndClient BarRects(HWND hwnd) {
    WindowAndClient r;
    RECT screen{};
    GetWindowRect(hwnd, &screen);
    GetClientRect(hwnd, &r.client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    const bool rtl = (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    // The client's offset inside the window, measured from the window's
    // leading edge.
    const int dx = rtl ? screen.right - origin.x : origin.x - screen.left;
    const int dy = origin.y - screen.top;
    r.window = {0, 0, screen.right - screen.left, screen.bottom - screen.top};
    OffsetRect(&r.client, dx, dy);
    return r;
}

LRESULT PaintBarNonClient(CTWWnd& object, HWND hwnd, HDC dc) {
    CTWDraw draw;
    if (dc)
        draw.AttachDC(dc, nullptr, FALSE);
    else
        draw.Begin(hwnd, CTWDraw::kGetWindowDC, nullptr, FALSE);
    if (draw.GetDrawDC()) object.PaintBorder(draw.GetDrawDC());
    return 0;
}

LRESULT DefaultCalcWithoutEdges(CTWWnd& object, HWND hwnd) {
    const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    const LONG_PTR kept = ex & (WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_LAYOUTRTL);
    if (kept != ex) SetWindowLongPtrW(hwnd, GWL_EXSTYLE, kept);
    const LRESULT result = object.Default();
    if (kept != ex) SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex);
    return result;
}

void ResetBarElementName(CTWWnd& object, const std::wstring& name) {
    if (name != object.GetElementName()) object.SetElementName(name);
    if (CTwfSkin* skin = object.GetExplicitSkin()) object.SetSkin(skin, WORD(object.GetType()), name);
}

} // namespace hexmoor::rt
