#include "runtime/controls/button_base.h"

#include "model/twf_obj.h"
#include "runtime/controls/control_gate.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/button_format.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_helpers.h"

using namespace hexmoor;
using namespace hexmoor::rt;

unsigned CTWButtonBase::GetImageAlignment(DWORD style) { return button::ButtonAlignment(style); }
unsigned CTWButtonBase::GetTextFormat(DWORD style) { return button::ButtonTextFormat(style); }

CMrgBitmap* CTWButtonBase::Image(WORD id) const { return element_ && id ? element_->GetImage(id) : nullptr; }
COLORREF CTWButtonBase::Colour(WORD id) const { return element_ && id ? element_->GetColor(id) : 0; }

POINT CTWButtonBase::Offset(WORD id) const {
    if (!element_) return {0, 0};
    const Point p = button::ContentOffset(static_cast<unsigned long>(element_->GetNumber(id)));
    return {p.x, p.y};
}

LRESULT CTWButtonBase::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    return EraseWithParent(hWnd_, dc, child, rect);
}

void CTWButtonBase::Reset(const std::wstring& name) {
    ResetElementByName(*this, name);
    CTWWnd::Reset(name);
}

LRESULT CTWButtonBase::QuietDefault() {
    SendMessageW(hWnd_, WM_SETREDRAW, FALSE, 0);
    const LRESULT r = Default();
    SendMessageW(hWnd_, WM_SETREDRAW, TRUE, 0);
    return r;
}

LRESULT CTWButtonBase::PressButton(LPARAM lp, bool captureAfterDefault, bool quiet) {
    LRESULT r;
    if (captureAfterDefault) {
        r = DefaultQuietlyIf(quiet);
        SetCapture(hWnd_);
    } else {
        SetCapture(hWnd_);
        r = DefaultQuietlyIf(quiet);
    }
    buttonDown_ = TRUE;
    RECT client{};
    GetClientRect(hWnd_, &client);
    const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
    if (PtInRect(&client, p)) {
        state_ = kPressed;
        RedrawNow(FALSE);
    }
    return r;
}

LRESULT CTWButtonBase::ReleaseButton(bool quiet) {
    if (fadeEnabled_ && state_ == kPressed) fadeArmed_ = TRUE;
    const LRESULT r = DefaultQuietlyIf(quiet);
    ReleaseCapture();
    state_ = kNormal;
    buttonDown_ = FALSE;
    RedrawNow(FALSE);
    return r;
}

LRESULT CTWButtonBase::DoubleClickButton() {
    const LRESULT r = QuietDefault();
    RedrawNow(FALSE);
    return r;
}

LRESULT CTWButtonBase::SetCheckAmongSiblings(WPARAM wp, int framework, bool quietWhileCaptured) {
    const bool quiet = IsWindowVisible(hWnd_) || (quietWhileCaptured && GetCapture() == hWnd_);
    if (quiet) SendMessageW(hWnd_, WM_SETREDRAW, FALSE, 0);
    Default();
    if (quiet) SendMessageW(hWnd_, WM_SETREDRAW, TRUE, 0);
    if (framework == 2) {
        if (wp) {
            const int type = GetType();
            for (HWND sibling = GetWindow(GetParent(hWnd_), GW_CHILD); sibling;
                 sibling = GetWindow(sibling, GW_HWNDNEXT)) {
                CTWWnd* object = GetSkinnedWindowObject(sibling);
                if (!object || object->GetType() != type || !IsWindowVisible(sibling)) continue;
                static_cast<CTWButtonBase*>(object)->SetCheckedFlag(sibling == hWnd_ ? 1 : 0);
                object->RedrawNow(FALSE);
            }
        } else {
            SetCheckedFlag(0);
        }
    } else {
        SetCheckedFlag(int(wp));
    }
    RedrawNow(FALSE);
    return 0;
}

template <class ImageOf>
void CTWButtonBase::DrawWithFade(CTWDraw& draw, const RECT& rect, ImageOf image, bool* missing) {
    RECT r = rect;
    if (fadeEnabled_ && fade_ && !fadeStopped_) {
        const FadeRecord snapshot = fade_->Snapshot();
        if (snapshot.current != snapshot.low) {
            CMrgBitmap* normal = image(kNormal);
            CMrgBitmap* hot = image(kHot);
            if (!normal || !hot) {
                if (missing) *missing = true;
            }
            if (normal) draw.DrawSkinImage(&r, normal, FALSE, nullptr);
            // The worker may have moved on since: read the level again.
            const FadeRecord now = fade_->Snapshot();
            if (hot && now.current != now.low) draw.DrawSkinImage(&r, hot, FALSE, &now);
            return;
        }
    }
    if (CMrgBitmap* current = image(state_)) draw.DrawSkinImage(&r, current, FALSE, nullptr);
}

void CTWButtonBase::DrawBackground(CTWDraw& draw, const RECT& rect) {
    EraseBackground(draw.GetDrawDC(), hWnd_, nullptr);
    DrawWithFade(
        draw, rect, [this](int state) { return GetStateImage(state); }, nullptr);
}

RECT CTWButtonBase::DrawGlyph(CTWDraw& draw, RECT* content) {
    CMrgBitmap* current = content ? GetGlyphImage(state_) : nullptr;
    if (!current) return {0, 0, 0, 0};
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    const button::GlyphPlacement g =
        button::PlaceGlyph({content->left, content->top, content->right, content->bottom}, (style & BS_LEFTTEXT) != 0);
    *content = {g.content.left, g.content.top, g.content.right, g.content.bottom};
    const RECT glyph{g.glyph.left, g.glyph.top, g.glyph.right, g.glyph.bottom};
    bool missing = false;
    DrawWithFade(
        draw, glyph, [&](int state) { return state == state_ ? current : GetGlyphImage(state); }, &missing);
    if (missing) return {0, 0, 0, 0};
    return glyph;
}

void CTWButtonBase::DrawContent(CTWDraw& draw, const RECT& rect) {
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    const CSupportUnicode unicode = Unicode();
    const CUnicodeString text = unicode.GetText();
    const POINT hot = GetTextOffset(), pressed = GetPressedTextOffset();
    const HDC dc = draw.GetDrawDC();
    RECT content = rect;
    InflateRect(&content, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYBORDER));
    hexmoor::win::SelectGuard selectedFont = SelectWindowFont(dc);
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColour = ::SetTextColor(dc, GetTextColor(state_));
    const unsigned alignment = GetImageAlignment(style);

    Size image{};
    HBITMAP bitmap = nullptr;
    HICON icon = nullptr;
    if (style & BS_BITMAP) {
        bitmap = reinterpret_cast<HBITMAP>(SendMessageW(hWnd_, BM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP bm{};
        if (bitmap && GetObjectW(bitmap, sizeof(bm), &bm)) image = {bm.bmWidth, bm.bmHeight};
    } else if (style & BS_ICON) {
        icon = reinterpret_cast<HICON>(SendMessageW(hWnd_, BM_GETIMAGE, IMAGE_ICON, 0));
        const SIZE iconSize = GetIconSize(icon);
        if (iconSize.cx > 0) image = {iconSize.cx, iconSize.cy};
    }
    const unsigned format = GetTextFormat(style);
    RECT measured = content;
    unicode.DrawUnicodeText(dc, text, -1, &measured, (format & ~(DT_CENTER | DT_VCENTER)) | DT_CALCRECT);
    const button::ContentBoxes boxes =
        button::PlaceContent({content.left, content.top, content.right, content.bottom}, alignment, image,
                             {measured.right - measured.left, measured.bottom - measured.top}, state_, {hot.x, hot.y},
                             {pressed.x, pressed.y});
    if (bitmap) {
        const POINT at{boxes.image.left, boxes.image.top};
        draw.DrawBitmapAt(&at, bitmap);
    } else if (icon) {
        DrawIconEx(dc, boxes.image.left, boxes.image.top, icon, boxes.image.Width(), boxes.image.Height(), 0, nullptr,
                   DI_NORMAL);
    } else if (!(style & (BS_BITMAP | BS_ICON))) {
        RECT box{boxes.text.left, boxes.text.top, boxes.text.right, boxes.text.bottom};
        unicode.DrawUnicodeText(dc, text, -1, &box, format);
    }
    selectedFont.Restore();
    ::SetTextColor(dc, previousColour);
    ::SetBkMode(dc, previousMode);
}

BOOL CTWButtonBase::HitTestButtonState(int x, int y) {
    RECT client{};
    GetClientRect(hWnd_, &client);
    const POINT p{x, y};
    if (PtInRect(&client, p)) {
        if (buttonDown_)
            state_ = kPressed;
        else if (state_ != kPressed)
            state_ = kHot;
        return TRUE;
    }
    state_ = kNormal;
    return FALSE;
}

void CTWButtonBase::HoverMouseMove(LPARAM lp) {
    hover_.OnMouseMove(hWnd_);
    const int old = state_;
    HitTestButtonState(short(LOWORD(lp)), short(HIWORD(lp)));
    if (state_ == old) return;
    if (!fadeEnabled_ || !fade_) {
        RedrawNow(FALSE);
    } else if (fadeArmed_) {
        // No fade right after a click.
        fadeArmed_ = FALSE;
        RedrawNow(FALSE);
    } else {
        fadeStopped_ = false;
        if (!fade_->Start(true)) RedrawNow(FALSE);
    }
}

void CTWButtonBase::HoverMouseLeave(unsigned leaving) {
    hover_.OnMouseLeave(hWnd_);
    if (!(leaving & (1u << state_))) return;
    state_ = kNormal;
    if (!fadeEnabled_ || !fade_) {
        RedrawNow(FALSE);
    } else {
        fadeStopped_ = false;
        if (!fade_->Start(false)) RedrawNow(FALSE);
    }
}

void CTWButtonBase::StopFadeForPress() {
    if (!fadeEnabled_ || !fade_) return;
    fade_->Stop();
    fadeStopped_ = true;
}

LRESULT CTWButtonBase::PaintFace(HDC given, bool withGlyph) {
    paintFocus_ = GetFocus();
    painting_ = true;
    RECT client{};
    GetClientRect(hWnd_, &client);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, &client, FALSE);
    DrawBackground(draw, client);
    RECT content = client;
    if (withGlyph) {
        const RECT glyph = DrawGlyph(draw, &content);
        if (!IsRectEmpty(&glyph)) draw.ExcludeClip(&glyph);
    }
    DrawContent(draw, content);
    draw.Release();
    painting_ = false;
    return 0;
}
