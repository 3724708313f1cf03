#include "runtime/controls/tab_ctrl.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/win/dib.h"
#include "base/win/rect.h"
#include "model/elements/tab_properties.h"
#include "model/twf_obj.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/element_reset.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/button_format.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/tab_layout.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/wnd/tw_dialog.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;

namespace {

POINT SignedPoint(unsigned long packed) {
    const Point p = button::ContentOffset(packed);
    return {p.x, p.y};
}

} // namespace

bool CTWTabCtrl::Vertical() const { return (GetWindowLongPtrW(hWnd_, GWL_STYLE) & TCS_VERTICAL) != 0; }

BOOL CTWTabCtrl::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (!on) {
        GiveBackPage();
        RestoreStyles();
        background_.Reset();
        return TRUE;
    }
    ChangeStyle(WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0);
    ReadPageValue();
    ShareWithPage();
    hotItem_ = -1;
    tracking_ = FALSE;
    buttonDown_ = FALSE;
    return TRUE;
}

void CTWTabCtrl::ReadPageValue() {
    const DWORD value = element_ ? element_->GetNumber(Vertical() ? tab_props::kVerticalTransparentDialog
                                                                  : tab_props::kHorizontalTransparentDialog)
                                 : 0;
    if (value == pageValue_) return;
    // A page showing the old value gets its own back before the new one is
    // shared.
    GiveBackPage();
    pageValue_ = value;
}

void CTWTabCtrl::ShareWithPage() {
    if (!pageValue_) return;
    for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        CTWWnd* object = GetSkinnedWindowObject(child);
        if (!object || object->GetType() != ctype::kDialog) continue;
        auto* page = dynamic_cast<CTWDialog*>(object);
        if (!page || page->GetTabPageValue() == int(pageValue_)) return;
        if (sharedPage_ != child) {
            sharedPage_ = child;
            pageValueBefore_ = page->GetTabPageValue();
        }
        page->SetTabPageValue(int(pageValue_));
        return;
    }
}

void CTWTabCtrl::GiveBackPage() {
    const HWND shared = std::exchange(sharedPage_, nullptr);
    if (!shared || !IsWindow(shared)) return;
    // Only a page still skinned and still showing our panel gets its own
    // value back; a page skinned anew since then keeps what it has.
    auto* page = dynamic_cast<CTWDialog*>(GetSkinnedWindowObject(shared));
    if (page && page->GetTabPageValue() == int(pageValue_)) page->SetTabPageValue(pageValueBefore_);
}

void CTWTabCtrl::Detach() {
    GiveBackPage();
    CTWWnd::Detach();
}

void CTWTabCtrl::Reset(const std::wstring& name) {
    ReselectElement(*this, name);
    // A refreshed skin may give the page another transparency value.
    if (IsSkinningOn()) {
        ReadPageValue();
        ShareWithPage();
    }
    CTWWnd::Reset(name);
}

HBITMAP CTWTabCtrl::GetBackgroundBitmap(BOOL rebuild) {
    if (background_ && !rebuild) return background_.Get();
    background_.Reset();
    if (!element_ || !element_->GetEnabled() || !hWnd_) return nullptr;
    return RebuildClientBackground(*this, background_, [this](HDC dc, const RECT& box) {
        CTWDraw draw(dc, nullptr, FALSE);
        draw.DrawSkinImage(&box,
                           element_->GetImage((Vertical() ? tab_props::kVerticalBase : tab_props::kHorizontalBase) +
                                              tab_props::kPanel),
                           FALSE, nullptr);
    });
}

LRESULT CTWTabCtrl::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    if (!element_ || !element_->GetEnabled() || !IsSkinActive(skinId_))
        return SendMessageW(hWnd_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT area{};
    if (rect) {
        area = *rect;
        MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&area), 2);
    } else if (child == hWnd_) {
        CTWWnd* parent = GetSkinnedWindowObject(GetParent(hWnd_));
        return parent ? parent->EraseBackground(dc, hWnd_, nullptr) : 0;
    } else {
        GetWindowRect(child, &area);
        MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&area), 2);
    }
    const HBITMAP background = GetBackgroundBitmap(FALSE);
    if (!background) return 0;
    CTWDraw draw(dc, nullptr, FALSE);
    const RECT target{0, 0, area.right - area.left, area.bottom - area.top};
    return draw.BitBltBitmap(&target, background, area.left, area.top);
}

void CTWTabCtrl::DrawItem(HDC dc, int index, bool vertical) {
    RECT itemRect{};
    if (!SendMessageW(hWnd_, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&itemRect))) return;
    TCITEMW info{};
    info.mask = TCIF_IMAGE;
    info.iImage = -1;
    SendMessageW(hWnd_, TCM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&info));

    tabs::LookInput look;
    look.focusItem = SendMessageW(hWnd_, TCM_GETCURFOCUS, 0, 0) == index && GetFocus() == hWnd_;
    look.selected = SendMessageW(hWnd_, TCM_GETCURSEL, 0, 0) == index;
    look.hot = index == hotItem_;
    look.enabled = IsWindowEnabled(hWnd_) != FALSE;
    const tabs::LookChoice choice = tabs::ChooseLook(look);

    CTWDraw draw(dc, nullptr, FALSE);
    draw.DrawSkinImage(&itemRect, element_->GetImage(WORD(tabs::ImageIdOf(choice.image, vertical))), FALSE, nullptr);

    tabs::ItemInput in;
    in.item = FromRECT(itemRect);
    const POINT offset = SignedPoint(element_->GetNumber(WORD(tabs::OffsetIdOf(choice.image, vertical))));
    if (tabs::OffsetIdOf(choice.image, vertical)) in.textOffset = {offset.x, offset.y};
    const HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(hWnd_, TCM_GETIMAGELIST, 0, 0));
    int iconW = 0, iconH = 0;
    if (info.iImage != -1 && images && ImageList_GetIconSize(images, &iconW, &iconH)) {
        in.hasIcon = true;
        in.icon = {iconW, iconH};
    }
    in.userIcon = userIcon_ != FALSE;
    in.iconPos = {iconPos_.x, iconPos_.y};
    in.userText = userText_ != FALSE;
    in.userTextOffset = {userTextOffset_.x, userTextOffset_.y};
    in.userTextWidth = userTextWidth_;

    const CSupportUnicode unicode = Unicode();
    const CUnicodeString text = unicode.GetTabItemText(index);
    ::SetTextColor(dc, element_->GetColor(WORD(tabs::ColourIdOf(choice.text, vertical))));
    if (!vertical) {
        const tabs::ItemBoxes boxes = tabs::PlaceHorizontal(in);
        if (boxes.drawIcon) ImageList_Draw(images, info.iImage, dc, boxes.icon.x, boxes.icon.y, ILD_NORMAL);
        RECT box = ToRECT(boxes.text);
        unicode.DrawUnicodeText(dc, text, -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        return;
    }
    const SIZE extent = unicode.GetTextExtent(dc, text);
    in.textExtent = {extent.cx, extent.cy};
    const tabs::ItemBoxes boxes = tabs::PlaceVertical(in);
    if (boxes.drawIcon) ImageList_Draw(images, info.iImage, dc, boxes.icon.x, boxes.icon.y, ILD_NORMAL);
    // Rotated text: drawn from its origin, clipped to the run.
    const RECT clip = ToRECT(boxes.text);
    unicode.ExtTextOutAW(dc, boxes.origin.x, boxes.origin.y, ETO_CLIPPED, &clip, text, nullptr);
}

LRESULT CTWTabCtrl::Paint(HDC given) {
    ShareWithPage();
    const bool vertical = Vertical();
    CClientRect client(hWnd_);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, &client, FALSE);
    const HDC dc = draw.GetDrawDC();
    if (!dc || !element_) return 1;

    const HFONT windowFont = WindowFontOrDefault(hWnd_);
    // Vertical tabs write with the window's font turned by 90 degrees.
    Font rotated;
    if (vertical) {
        LOGFONTW lf{};
        GetObjectW(windowFont, sizeof(lf), &lf);
        lf.lfEscapement = lf.lfOrientation = 900;
        rotated.Reset(CreateFontIndirectW(&lf));
    }
    SelectGuard selectFont(dc, rotated ? rotated.Get() : windowFont);

    if (const HBITMAP background = GetBackgroundBitmap(FALSE)) {
        POINT origin{0, 0};
        draw.DrawBitmapAt(&origin, background);
    }
    const int mode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = ::GetTextColor(dc);

    if (!placementGiven_) {
        userIcon_ = userText_ = FALSE;
        iconPos_ = userTextOffset_ = {0, 0};
        userTextWidth_ = 0;
        const WORD base = vertical ? tab_props::kVerticalBase : tab_props::kHorizontalBase;
        if (element_->GetNumber(base + tab_props::kIconLocation)) {
            userIcon_ = TRUE;
            iconPos_ = SignedPoint(element_->GetNumber(base + tab_props::kIconOffset));
        }
    }
    // The scroll arrows of a single-line row stay the system's.
    if (!(GetWindowLongPtrW(hWnd_, GWL_STYLE) & TCS_MULTILINE)) {
        for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            if (!IsWindowVisible(child) || lstrcmpiW(name, UPDOWN_CLASSW) != 0) continue;
            RECT r{};
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&r), 2);
            draw.ExcludeClip(&r);
            ExcludeClipRect(draw.GetTargetDC(), r.left, r.top, r.right, r.bottom);
        }
    }
    const int count = int(SendMessageW(hWnd_, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) DrawItem(dc, i, vertical);
    ::SetTextColor(dc, colour);
    ::SetBkMode(dc, mode);
    return 1;
}

namespace {

// Windows inside the tab with a repaint pending, and what was pending.
struct PendingPaints {
    std::vector<std::pair<HWND, hexmoor::win::Region>> windows;
};

BOOL CALLBACK CollectPendingPaint(HWND child, LPARAM lp) {
    auto* pending = reinterpret_cast<PendingPaints*>(lp);
    hexmoor::win::Region region(CreateRectRgn(0, 0, 0, 0));
    if (region && GetUpdateRgn(child, region.Get(), FALSE) > NULLREGION)
        pending->windows.emplace_back(child, std::move(region));
    return TRUE;
}

} // namespace

LRESULT CTWTabCtrl::OnPrintClient(HDC dc, DWORD flags) {
    // The system's print runs in a quiet block, and a window procedure that
    // passes WM_SETREDRAW on to the default one drops the repaints pending
    // inside the tab (Wine does). Those, and only those, are asked for again:
    // a child that prints its parent from its own paint has none pending, so
    // no repaint cycle starts.
    PendingPaints pending;
    EnumChildWindows(hWnd_, &CollectPendingPaint, reinterpret_cast<LPARAM>(&pending));
    const LRESULT result = CTWWnd::OnPrintClient(dc, flags);
    for (auto& [child, region] : pending.windows) {
        RECT now{};
        if (IsWindow(child) && !GetUpdateRect(child, &now, FALSE)) InvalidateRgn(child, region.Get(), TRUE);
    }
    return result;
}

void CTWTabCtrl::InvalidateItem(int index) {
    if (index < 0) return;
    RECT r{};
    if (SendMessageW(hWnd_, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r)))
        InvalidateRect(hWnd_, &r, FALSE);
}

void CTWTabCtrl::OnMouseMove(LPARAM lp) {
    if (buttonDown_ && GetCapture() == hWnd_) return;
    buttonDown_ = FALSE;
    if (GetCapture() != hWnd_) {
        SetCapture(hWnd_);
        tracking_ = TRUE;
    }
    const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
    const int count = int(SendMessageW(hWnd_, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (!SendMessageW(hWnd_, TCM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r)) || !PtInRect(&r, p))
            continue;
        if (i != hotItem_) {
            InvalidateItem(hotItem_);
            hotItem_ = i;
            InvalidateItem(hotItem_);
        }
        return;
    }
    ReleaseCapture();
    tracking_ = FALSE;
    InvalidateItem(hotItem_);
    hotItem_ = -1;
}

void CTWTabCtrl::BackgroundChanged(WPARAM wp, LPARAM lp) {
    GetBackgroundBitmap(TRUE);
    for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, TWM_BACKGROUNDCHANGED, wp, lp);
}

LRESULT CTWTabCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_PAINT:
        if (GetMode() == host::kVisualBasic6 && firstPaintPending_) {
            firstPaintPending_ = FALSE;
            const LRESULT r = Default();
            RedrawNow(FALSE);
            return r;
        }
        return Paint(reinterpret_cast<HDC>(wp));
    case WM_MOVE:
    case TWM_BACKGROUNDCHANGED:
    case TWM_REFRESHSKIN: BackgroundChanged(wp, lp); break;
    case WM_SIZE: {
        // A new size makes the cached panel the wrong size.
        const LRESULT r = Default();
        BackgroundChanged(0, 0);
        return r;
    }
    case WM_ENABLE: {
        const LRESULT r = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        return r;
    }
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE: OnMouseMove(lp); break;
    case WM_LBUTTONDOWN:
        ReleaseCapture();
        tracking_ = FALSE;
        buttonDown_ = TRUE;
        break;
    case WM_CAPTURECHANGED:
        if (tracking_ && reinterpret_cast<HWND>(lp) != hWnd_) {
            tracking_ = FALSE;
            InvalidateItem(hotItem_);
            hotItem_ = -1;
        }
        break;
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case TWM_TABICONPOS:
        iconPos_ = SignedPoint(DWORD(lp));
        userIcon_ = TRUE;
        placementGiven_ = TRUE;
        break;
    case TWM_TABTEXTPOS:
        userTextOffset_ = SignedPoint(DWORD(lp));
        userTextWidth_ = int(wp);
        userText_ = TRUE;
        placementGiven_ = TRUE;
        break;
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
