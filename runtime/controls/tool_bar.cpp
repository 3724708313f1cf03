#include "runtime/controls/tool_bar.h"

#include <commctrl.h>

#include "base/win/gdi.h"
#include "base/win/rect.h"
#include "base/win/handles.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/controls/bar_common.h"
#include "runtime/controls/control_gate.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/bar_geometry.h"
#include "runtime/logic/control_types.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/runtime_state.h"
#include "runtime/text/support_unicode.h"

using namespace hexmoor;
using namespace hexmoor::rt;

namespace {

// A one-pixel frame along the rectangle's edges.
void FrameRect1(CTWDraw& draw, const RECT& r, COLORREF colour) {
    const RECT edges[] = {{r.left, r.top, r.right, r.top + 1},
                          {r.left, r.bottom - 1, r.right, r.bottom},
                          {r.left, r.top, r.left + 1, r.bottom},
                          {r.right - 1, r.top, r.right, r.bottom}};
    for (const RECT& e : edges) draw.FillSolidRect(&e, colour);
}

void DrawArrow(CTWDraw& draw, const RECT& button, COLORREF colour) {
    const bars::DropDownArrow arrow = bars::DropDownArrowAt(FromRECT(button));
    win::Pen pen(CreatePen(PS_SOLID, 1, colour));
    win::SelectGuard select(draw.GetDrawDC(), pen.Get());
    for (const bars::ArrowLine& line : {arrow.top, arrow.middle}) {
        draw.MoveTo(line.from.x, line.from.y);
        draw.LineTo(line.to.x, line.to.y);
    }
    const POINT tip = draw.ToBufferPoint(arrow.tip.x, arrow.tip.y);
    SetPixelV(draw.GetDrawDC(), tip.x, tip.y, colour);
}

} // namespace

bool CTWToolBar::IsTransparent() const { return (GetWindowLongPtrW(hWnd_, GWL_STYLE) & TBSTYLE_TRANSPARENT) != 0; }

BOOL CTWToolBar::Enable(BOOL on) {
    if (!hWnd_) return TRUE;
    if (on) {
        // The arrows of drop-down buttons are drawn beside them; the host's
        // other extended toolbar styles stay as they are.
        const DWORD ex = DWORD(DefWindowProc(TB_GETEXTENDEDSTYLE, 0, 0));
        if (!(ex & TBSTYLE_EX_DRAWDDARROWS)) {
            addedArrows_ = true;
            DefWindowProc(TB_SETEXTENDEDSTYLE, 0, LPARAM(ex | TBSTYLE_EX_DRAWDDARROWS));
        }
        ChangeStyle(TBSTYLE_FLAT, 0);
        ChangeExStyle(0, WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE);
    } else {
        if (addedArrows_) {
            const DWORD ex = DWORD(DefWindowProc(TB_GETEXTENDEDSTYLE, 0, 0));
            DefWindowProc(TB_SETEXTENDEDSTYLE, 0, LPARAM(ex & ~DWORD(TBSTYLE_EX_DRAWDDARROWS)));
            addedArrows_ = false;
        }
        // The edges come back through WM_STYLECHANGING, which must not keep
        // them off while the record is being undone.
        restoring_ = true;
        RestoreStyles();
        restoring_ = false;
    }
    SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(hWnd_, nullptr, TRUE);
    return TRUE;
}

void CTWToolBar::Reset(const std::wstring& name) {
    ResetBarElementName(*this, name);
    CTWWnd::Reset(name);
}

LRESULT CTWToolBar::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    if (IsTransparent()) {
        CTWWnd* parent = GetSkinnedWindowObject(GetParent(hWnd_));
        return parent ? parent->EraseBackground(dc, child, rect) : 1;
    }
    if (!element_) return 1;
    // The bar's window rectangle in the coordinates of the DC: the toolbar's
    // client area for the toolbar itself, a child's window for a child.
    RECT box{};
    GetWindowRect(hWnd_, &box);
    if (!child || child == hWnd_) {
        MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&box), 2);
    } else {
        RECT childRect{};
        GetWindowRect(child, &childRect);
        OffsetRect(&box, -childRect.left, -childRect.top);
    }
    CTWDraw draw(dc, nullptr, FALSE);
    DrawBarImage(draw, box, element_->GetImage(bars::tb::kBackground));
    return 1;
}

void CTWToolBar::PaintAround(HDC dc) {
    const WindowAndClient rects = BarRects(hWnd_);
    win::SavedDC saved(dc);
    CTWDraw draw(dc, nullptr, FALSE);
    if (rects.Same()) {
        const int count = int(DefWindowProc(TB_BUTTONCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            RECT item{};
            if (DefWindowProc(TB_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&item))) draw.ExcludeClip(&item);
        }
    } else {
        draw.ExcludeClip(&rects.client);
    }
    DrawBarImage(draw, rects.window, element_->GetImage(bars::tb::kBackground));
}

LRESULT CTWToolBar::PaintBorder(HDC dc) {
    if (IsTransparent()) return TRUE;
    if (dc && element_) PaintAround(dc);
    return FALSE;
}

LRESULT CTWToolBar::OnNcPaint(HDC dc) { return PaintBarNonClient(*this, hWnd_, dc); }

LRESULT CTWToolBar::CalcBorderSize(BOOL, LPARAM params) {
    const LRESULT result = DefaultCalcWithoutEdges(*this, hWnd_);
    auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(params);
    if (!p || !element_) return result;
    bars::ToolbarBorderInput in;
    in.client = FromRECT(p->rgrc[0]);
    if (p->lppos) {
        in.windowY = p->lppos->y;
        in.windowCy = p->lppos->cy;
        in.centre = element_->GetNumber(bars::tb::kCentre) != 0;
    }
    in.vb6Host = State().hostFramework == host::kVisualBasic6;
    in.leftBorder = int(element_->GetNumber(bars::tb::kLeftBorder));
    in.rightBorder = int(element_->GetNumber(bars::tb::kRightBorder));
    p->rgrc[0] = ToRECT(bars::ToolbarClientRect(in));
    return result;
}

LRESULT CTWToolBar::OnNcCalcSize(BOOL calcValidRects, LPARAM params) {
    if (element_ && calcValidRects) return CalcBorderSize(calcValidRects, params);
    return Default();
}

LRESULT CTWToolBar::Paint(HDC given) {
    if (!element_) return 0;
    RECT client{};
    GetClientRect(hWnd_, &client);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, &client, FALSE);
    const HDC dc = draw.GetDrawDC();
    if (!dc) return 0;
    draw.SetBkMode(TRANSPARENT);
    hexmoor::win::SelectGuard selectedFont = SelectWindowFont(dc);

    const bool listStyle = (SendMessageW(hWnd_, TB_GETSTYLE, 0, 0) & TBSTYLE_LIST) != 0;
    const COLORREF disabledColour = element_->GetColor(bars::tb::kDisabledColour);
    win::Brush disabledBrush(CreateSolidBrush(disabledColour));
    EraseBackground(dc, hWnd_, nullptr);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(hWnd_, &cursor);
    const bool leftDown = GetKeyState(VK_LBUTTON) < 0;
    const auto images = reinterpret_cast<HIMAGELIST>(DefWindowProc(TB_GETIMAGELIST, 0, 0));
    const auto disabledImages = reinterpret_cast<HIMAGELIST>(DefWindowProc(TB_GETDISABLEDIMAGELIST, 0, 0));
    const int count = int(DefWindowProc(TB_BUTTONCOUNT, 0, 0));
    const int hotItem = int(SendMessageW(hWnd_, TB_GETHOTITEM, 0, 0));
    CTwfSkin* skin = GetTwfSkin();
    const bool older = skin && bars::UsesOlderPainter(skin->GetVersion());
    const CSupportUnicode unicode = Unicode();

    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        if (!DefWindowProc(TB_GETBUTTON, WPARAM(i), reinterpret_cast<LPARAM>(&button))) continue;
        if (button.fsState & TBSTATE_HIDDEN) continue;
        RECT itemRect{};
        if (!DefWindowProc(TB_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&itemRect))) continue;
        RECT visible{};
        if (!IntersectRect(&visible, &itemRect, &client)) continue;
        RECT r = itemRect;
        if (older) draw.PatBlt(&r, WHITENESS);

        if (button.fsStyle & BTNS_SEP) {
            if (button.idCommand == 0) DrawBarImage(draw, r, element_->GetImage(bars::tb::kSeparator));
            draw.ExcludeClip(&itemRect);
            continue;
        }

        bars::ButtonFaceInput in;
        in.rect = FromRECT(r);
        in.enabled = (button.fsState & TBSTATE_ENABLED) != 0;
        in.hot = i == hotItem;
        in.checked = (button.fsState & TBSTATE_CHECKED) != 0;
        in.indeterminate = (button.fsState & TBSTATE_INDETERMINATE) != 0;
        in.dropDown = (button.fsStyle & (BTNS_DROPDOWN | BTNS_WHOLEDROPDOWN)) != 0;
        in.leftDown = leftDown;
        in.cursor = {int(cursor.x), int(cursor.y)};
        const bars::ButtonFace face = bars::ToolbarButtonFace(in);
        if (face.frame) {
            FrameRect1(draw, r, GetSysColor(COLOR_BTNSHADOW));
        } else if (face.image) {
            const RECT box = ToRECT(face.imageRect);
            draw.DrawSkinImage(&box, element_->GetImage(WORD(face.image)), FALSE, nullptr);
        }

        if (in.dropDown) {
            const COLORREF colour = face.arrow == bars::ArrowColour::kBlack  ? RGB(0, 0, 0)
                                    : face.arrow == bars::ArrowColour::kGray ? GetSysColor(COLOR_GRAYTEXT)
                                                                             : GetSysColor(COLOR_BTNTEXT);
            DrawArrow(draw, r, colour);
            r.right -= bars::kArrowShift;
        }

        if (button.iBitmap >= 0 || button.iString >= 0) {
            int cx = 0, cy = 0;
            if (images && button.iBitmap >= 0) ImageList_GetIconSize(images, &cx, &cy);
            const CUnicodeString text = unicode.GetToolBarButtonText(button.idCommand);
            bars::ContentInput content;
            content.button = FromRECT(r);
            content.listStyle = listStyle;
            content.iconWidth = cx;
            content.iconHeight = cy;
            content.hasText = text.GetLength() > 0;
            const bars::ContentPlace place = bars::ToolbarButtonContent(content);
            const POINT at = draw.ToBufferPoint(place.image.x, place.image.y);
            COLORREF textColour = element_->GetColor(bars::tb::kTextColour);
            if (!in.enabled) {
                textColour = disabledColour;
                if (images && button.iBitmap >= 0) {
                    if (disabledImages) {
                        ImageList_Draw(disabledImages, button.iBitmap, dc, at.x, at.y, ILD_TRANSPARENT);
                    } else {
                        win::Icon icon(ImageList_GetIcon(images, button.iBitmap, ILD_NORMAL));
                        const POINT p{place.image.x, place.image.y};
                        if (icon) draw.DrawIconState(&p, cx, cy, icon.Get(), DSS_MONO, disabledBrush.Get());
                    }
                }
            } else if (images && button.iBitmap >= 0) {
                ImageList_Draw(images, button.iBitmap, dc, at.x, at.y, ILD_TRANSPARENT);
            }
            if (content.hasText) {
                const COLORREF previous = draw.SetTextColor(textColour);
                RECT textRect = ToRECT(place.text);
                RECT inBuffer{};
                draw.ToBufferRectPtr(&inBuffer, &textRect);
                unicode.DrawUnicodeText(dc, text, -1, &inBuffer, place.format);
                draw.SetTextColor(previous);
            }
        }
        draw.ExcludeClip(&itemRect);
    }

    const WindowAndClient rects = BarRects(hWnd_);
    if (rects.Same()) PaintBorder(dc);

    selectedFont.Restore();
    draw.Release();
    return 0;
}

LRESULT CTWToolBar::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: {
        const LRESULT r = Default();
        if (wp != SIZE_MINIMIZED) InvalidateRect(hWnd_, nullptr, FALSE);
        return r;
    }
    case WM_PAINT: return Paint(reinterpret_cast<HDC>(wp));
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
        // While skinned the edges stay off, whoever asks for them.
        if (wp == WPARAM(GWL_EXSTYLE) && lp && !restoring_)
            reinterpret_cast<STYLESTRUCT*>(lp)->styleNew &= ~styles_.exStyleRemoved;
        break;
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
