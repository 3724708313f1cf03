#include "runtime/controls/static_icon.h"

#include "base/win/gdi.h"
#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/static_lines.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/window_rects.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;

namespace {
constexpr WORD kLight = 158, kDark = 159, kLightDisabled = 161, kDarkDisabled = 162;
} // namespace

CTwfObj* CTWStaticIcon::SetSkin(CTwfSkin* skin, WORD type, const std::wstring& name) {
    attachedSkin_ = skin;
    return CTWStaticBase::SetSkin(skin, type, name);
}

CTwfObj* CTWStaticIcon::FindLineColours() const {
    CTwfSkin* skin = GetTwfSkin();
    // A skin the runtime no longer holds is never read.
    if (!skin && attachedSkin_ && FindSkinIdOfSkin(attachedSkin_)) skin = attachedSkin_;
    if (!skin && SkinManager()) skin = SkinManager()->GetSkin(skinId_);
    if (!skin) return nullptr;
    CTwfObj* element = skin->FindObject(ctype::kGroupBox, elementName_);
    return element ? element : skin->FindObject(ctype::kGroupBox, L"");
}

LRESULT CTWStaticIcon::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND) {
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(10, 0, 0));
    if (handled) *handled = TRUE;
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

bool CTWStaticIcon::DrawEtchedLine(HDC dc, bool clientDc) {
    const statics::EtchedLine line = statics::EtchedLineOf(DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE)));
    if (line == statics::EtchedLine::None) return false;
    CTwfObj* colours = FindLineColours();
    if (!colours) return false;
    const bool enabled = IsWindowEnabled(hWnd_) != FALSE;
    const COLORREF lightColour = colours->GetColor(enabled ? kLight : kLightDisabled);
    const COLORREF darkColour = colours->GetColor(enabled ? kDark : kDarkDisabled);
    RECT client{};
    GetClientRect(hWnd_, &client);
    const int w = client.right, h = client.bottom;
    // In client coordinates: the lines start one pixel up and left of the
    // client area, on the static's edge. A window DC is moved to the client
    // area first; a client DC (a print's) already starts there.
    SavedDC saved(dc);
    if (!clientDc) {
        POINT origin{0, 0};
        ClientToScreen(hWnd_, &origin);
        const CWindowRect wr(hWnd_);
        OffsetViewportOrgEx(dc, origin.x - wr.left, origin.y - wr.top, nullptr);
    }
    Pen dark(CreatePen(PS_SOLID, 1, darkColour));
    Pen light(CreatePen(PS_SOLID, 1, lightColour));
    {
        SelectGuard pen(dc, dark.Get());
        if (line == statics::EtchedLine::Horizontal) {
            MoveToEx(dc, -1, -1, nullptr);
            LineTo(dc, w, -1);
        } else {
            MoveToEx(dc, -1, -1, nullptr);
            LineTo(dc, -1, h);
        }
    }
    SelectGuard pen(dc, light.Get());
    if (line == statics::EtchedLine::Horizontal) {
        MoveToEx(dc, -1, 0, nullptr);
        LineTo(dc, w + 1, 0);
        SetPixel(dc, w, -1, lightColour);
    } else {
        MoveToEx(dc, 0, -1, nullptr);
        LineTo(dc, 0, h + 1);
        SetPixel(dc, -1, h, lightColour);
    }
    return true;
}

LRESULT CTWStaticIcon::OnNcPaint(HDC dc) {
    // A given DC (a print's) shows the window from its top-left, as the
    // window DC does.
    WindowDC windowDc;
    if (!dc) windowDc = WindowDC(hWnd_, true);
    const HDC target = dc ? dc : windowDc.Get();
    if (target && DrawEtchedLine(target, false)) return 0;
    return CTWStaticBase::OnNcPaint(dc);
}

LRESULT CTWStaticIcon::PaintBySystem(HDC given) {
    // The system's own painting: in its own paint or print message, or
    // printed into the DC a redraw hands us.
    const MSG& current = CurrentMessage();
    if (current.hwnd == hWnd_ && (current.message == WM_PAINT || current.message == WM_PRINTCLIENT)) return Default();
    if (given) return DefWindowProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(given), PRF_CLIENT);
    InvalidateRect(hWnd_, nullptr, TRUE);
    return 0;
}

LRESULT CTWStaticIcon::Paint(HDC given) {
    const HICON icon = reinterpret_cast<HICON>(SendMessageW(hWnd_, STM_GETICON, 0, 0));
    const HBITMAP bitmap = reinterpret_cast<HBITMAP>(SendMessageW(hWnd_, STM_GETIMAGE, IMAGE_BITMAP, 0));
    const HCURSOR cursor = reinterpret_cast<HCURSOR>(SendMessageW(hWnd_, STM_GETIMAGE, IMAGE_CURSOR, 0));
    const HENHMETAFILE metafile =
        reinterpret_cast<HENHMETAFILE>(SendMessageW(hWnd_, STM_GETIMAGE, IMAGE_ENHMETAFILE, 0));
    if (!icon && !bitmap && !cursor && !metafile) {
        if (given) return DrawEtchedLine(given, true) ? 0 : PaintBySystem(given);
        // Lines live on the border: drawn through the window DC, the (empty)
        // client validated.
        WindowDC windowDc(hWnd_, true);
        if (!windowDc || !DrawEtchedLine(windowDc.Get(), false)) return PaintBySystem(nullptr);
        ValidateRect(hWnd_, nullptr);
        return 0;
    }
    RECT client{};
    GetClientRect(hWnd_, &client);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, nullptr, FALSE);
    const HDC dc = draw.GetDrawDC();
    if (!dc) return 0;
    {
        SavedDC saved(dc);
        draw.IntersectClip(&client);
        if (icon || cursor) {
            EraseBackground(dc, hWnd_, nullptr);
            POINT previous{};
            SetBrushOrgEx(dc, 0, 0, &previous);
            DrawIconEx(dc, 0, 0, cursor ? cursor : icon, client.right, client.bottom, 0, nullptr, DI_NORMAL);
            SetBrushOrgEx(dc, previous.x, previous.y, nullptr);
        } else if (bitmap) {
            BITMAP bm{};
            GetObjectW(bitmap, sizeof bm, &bm);
            const int x = (client.right - bm.bmWidth) / 2, y = (client.bottom - bm.bmHeight) / 2;
            const POINT at{x, y};
            draw.DrawBitmapAt(&at, bitmap);
            const RECT box{x, y, x + bm.bmWidth, y + bm.bmHeight};
            draw.ExcludeClip(&box);
            EraseBackground(dc, hWnd_, nullptr);
        } else {
            PlayEnhMetaFile(dc, metafile, &client);
        }
    }
    draw.Release();
    return 0;
}

LRESULT CTWStaticIcon::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (!IsActive() || !IsSkinActive(skinId_) || !hWnd_) return Default();
    switch (msg) {
    case WM_PAINT: return Paint(nullptr);
    case WM_ERASEBKGND: {
        // Frames and rectangles the system draws itself get the parent's
        // skinned background under them; pictures and lines paint all.
        const DWORD type = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE)) & SS_TYPEMASK;
        const bool picture = type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE;
        if (!picture && statics::EtchedLineOf(type) == statics::EtchedLine::None)
            EraseBackground(reinterpret_cast<HDC>(wp), hWnd_, nullptr);
        return 1;
    }
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case TWM_ISCONTROL: return 0;
    case WM_NCPAINT: {
        // Etched lines cover the border; every other picture keeps the
        // system's border.
        WindowDC windowDc(hWnd_, true);
        if (windowDc && DrawEtchedLine(windowDc.Get(), false)) return 0;
        return Default();
    }
    default: break;
    }
    return CTWStaticBase::WindowProc(msg, wp, lp);
}
