// The skinned frame's caption: its text, icon and buttons, drawn and
// tracked under the pointer, and the system menu the icon opens.
#include "runtime/frame/frame_skin_wnd.h"

#include "base/win/gdi.h"
#include "base/win/rect.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "model/elements/wnd_frame.h"
#include "model/font.h"
#include "model/mrg_bitmap.h"
#include "model/twf_obj.h"
#include "runtime/wnd/color_dialog.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/frame/layered_caption.h"
#include "runtime/logic/frame_host.h"
#include "runtime/logic/menu_bar_layout.h"
#include "runtime/logic/outline_drag.h"
#include "runtime/frame/frame_size.h"
#include "runtime/messages.h"
#include "runtime/regions.h"
#include "runtime/runtime_state.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/frame/frame_numbers.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;
using namespace hexmoor::rt::frame_numbers;
namespace fp = frame_props;

CaptionButtonsInput CFrameSkinWnd::ButtonsInput() const {
    CaptionButtonsInput in;
    in.windowWidth = WindowSize().cx;
    in.style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    in.exStyle = DWORD(GetWindowLongPtrW(hWnd_, GWL_EXSTYLE));
    in.alignLeft = element_ && element_->GetNumber(fp::kButtonAlignment) == 1;
    for (int b = 0; b < 4; ++b) {
        const Point size = PairOf(element_, kButtonSize[b]);
        in.buttons[b] = {{size.x, size.y}, PairOf(element_, kButtonOffset[b]), PairOf(element_, kButtonMinOffset[b])};
    }
    return in;
}

HFONT CFrameSkinWnd::GetFont() {
    if (element_ && element_->GetFont()) return element_->GetFont()->GetSafeHandle();
    if (!ownedFont_) {
        LOGFONTW lf{};
        if (SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0)) {
            lf.lfWeight = FW_BOLD;
            ownedFont_.Reset(CreateFontIndirectW(&lf));
        }
    }
    return ownedFont_ ? ownedFont_.Get() : WindowFontOrDefault(hWnd_);
}

HICON CFrameSkinWnd::CaptionIcon() const {
    if (!(GetWindowLongPtrW(hWnd_, GWL_STYLE) & WS_SYSMENU)) return nullptr;
    auto icon = [this](WPARAM kind) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(hWnd_, WM_GETICON, kind, 0, SMTO_ABORTIFHUNG, 200, &result);
        return reinterpret_cast<HICON>(result);
    };
    if (HICON i = icon(ICON_SMALL)) return i;
    if (HICON i = reinterpret_cast<HICON>(GetClassLongPtrW(hWnd_, GCLP_HICONSM))) return i;
    if (HICON i = icon(ICON_BIG)) return i;
    return reinterpret_cast<HICON>(GetClassLongPtrW(hWnd_, GCLP_HICON));
}

RECT CFrameSkinWnd::CaptionTextRect() const {
    if (!painters_[0]) return {};
    const SIZE w = WindowSize();
    const FrameBorders b = Borders();
    return ToRECT(CaptionTextBox(ButtonsInput(), SideRect(Side::Top, {w.cx, w.cy}, b), b.top));
}

RECT CFrameSkinWnd::CaptionIconRect() const {
    if (!painters_[0] || !element_ || element_->GetNumber(fp::kTextHidden) == 1 || !CaptionIcon()) return {};
    CaptionTextInput in;
    in.box = FromRECT(CaptionTextRect());
    in.textLocation = int(element_->GetNumber(fp::kTextLocation));
    in.iconLocation = int(element_->GetNumber(fp::kIconLocation));
    in.textOffset = PairOf(element_, fp::kTextOffset);
    in.iconOffset = PairOf(element_, fp::kIconOffset);
    in.minimized = IsIconic(hWnd_) != FALSE;
    in.hasIcon = true;
    in.cxFrame = GetSystemMetrics(SM_CXFRAME);
    in.cyFrame = GetSystemMetrics(SM_CYFRAME);
    in.cxSmallIcon = GetSystemMetrics(SM_CXSMICON);
    const CaptionTextPlacement p = PlaceCaptionText(in);
    return {p.icon.x, p.icon.y, p.icon.x + GetSystemMetrics(SM_CXSMICON), p.icon.y + GetSystemMetrics(SM_CYSMICON)};
}

LRESULT CFrameSkinWnd::PaintBorder(HDC dc) {
    if (!hWnd_ || !HasSidePainters()) return 0;
    if (dc) {
        DrawFrame(dc);
    } else {
        WindowDC window(hWnd_, true);
        if (window) DrawFrame(window.Get());
    }
    return 0;
}

namespace {
bool ElementHasImage(int id, const void* ctx) { return static_cast<const CTwfObj*>(ctx)->HasImage(WORD(id)) != FALSE; }
} // namespace

void CFrameSkinWnd::DrawCaptionButton(HDC dc, int button, int state, Point origin) {
    const CaptionButtonsInput in = ButtonsInput();
    const Rect r = CaptionButtonRect(button, in);
    if (r.IsEmpty() || !element_) return;
    const int id = CaptionButtonImageId(button, state, activeLook_, in.style, &ElementHasImage, element_);
    const CMrgBitmap* image = element_->GetImage(WORD(id));
    if (!image) return;
    CTWDraw draw(dc, nullptr, FALSE);
    const RECT dest = ToRECT(r.Offset(origin.x, origin.y));
    draw.StretchImage(&dest, image, nullptr);
}

void CFrameSkinWnd::DrawCaption(HDC dc, Point origin, bool layered, int litButton, int litState) {
    if (!element_ || !painters_[0]) return;
    for (int button : {kCloseButton, kMaximizeButton, kMinimizeButton, kHelpButton})
        DrawCaptionButton(dc, button, button == litButton ? litState : 0, origin);
    if (element_->GetNumber(fp::kTextHidden) == 1) return;

    RECT box = CaptionTextRect();
    OffsetRect(&box, origin.x, origin.y);
    HICON icon = CaptionIcon();
    const RECT iconRect = CaptionIconRect();
    if (icon && !IsRectEmpty(&iconRect)) {
        RECT at = iconRect;
        OffsetRect(&at, origin.x, origin.y);
        if (!layered || !DrawLayeredIcon(dc, icon, at))
            DrawIconEx(dc, at.left, at.top, icon, at.right - at.left, at.bottom - at.top, 0, nullptr, DI_NORMAL);
    }

    CUnicodeString read;
    Unicode().GetWindowTextAW(read);
    const std::wstring text = read.GetBuffer() ? std::wstring(read.GetBuffer(), read.GetLength()) : std::wstring();
    if (text.empty()) return;
    const HFONT font = GetFont();
    SelectGuard select(dc, font);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(dc, element_->GetColor(fp::kTextColor));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    CaptionTextInput in;
    in.box = FromRECT(box);
    in.textLocation = int(element_->GetNumber(fp::kTextLocation));
    in.iconLocation = int(element_->GetNumber(fp::kIconLocation));
    in.textOffset = PairOf(element_, fp::kTextOffset);
    in.iconOffset = PairOf(element_, fp::kIconOffset);
    in.textWidth = extent.cx;
    in.minimized = IsIconic(hWnd_) != FALSE;
    in.hasIcon = icon != nullptr;
    in.cxFrame = GetSystemMetrics(SM_CXFRAME);
    in.cyFrame = GetSystemMetrics(SM_CYFRAME);
    in.cxSmallIcon = GetSystemMetrics(SM_CXSMICON);
    const CaptionTextPlacement p = PlaceCaptionText(in);
    RECT textRect{p.text.x, p.text.y, box.right, box.bottom};
    if (!layered || !DrawLayeredText(dc, text, textRect, font, element_->GetColor(fp::kTextColor)))
        DrawTextW(dc, text.c_str(), int(text.size()), &textRect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
}

void CFrameSkinWnd::RedrawCaptionButton(int button, int state) {
    pictureValid_ = false;
    if (button < 0 || button >= kNoButton || !IsWindowVisible(hWnd_)) return;
    if (HasAlphaSides()) {
        // The top side shows exactly this button in this state (the frame's
        // hot button may not have changed yet).
        alpha_[0]->SetCaptionButtonState(state, button);
        return;
    }
    // The picture is drawn again with this button in this state (the others
    // normal) and only the button's rectangle goes to the screen: what lies
    // under its transparent parts is the side, not the state before.
    const RECT shown = ToRECT(ShownRect(CaptionButtonRect(button, ButtonsInput())));
    if (IsRectEmpty(&shown)) return;
    WindowDC dc(hWnd_, true);
    if (dc) DrawFrame(dc.Get(), &shown, button, state);
}

int CFrameSkinWnd::CaptionButtonFromScreen(POINT screen) const {
    const CWindowRect wr(hWnd_);
    return HitTestCaptionButtons({screen.x - wr.left, screen.y - wr.top}, ButtonsInput());
}

BOOL CFrameSkinWnd::ShowSystemMenu(int x, int y) {
    HMENU menu = GetSystemMenu(hWnd_, FALSE);
    if (!menu) return FALSE;
    const UINT command =
        UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, x, y, 0, hWnd_, nullptr));
    PaintBorder(nullptr);
    if (command) PostMessageW(hWnd_, WM_SYSCOMMAND, command, MAKELPARAM(x, y));
    return TRUE;
}

LRESULT CFrameSkinWnd::OnMouseMove(WPARAM, LPARAM) {
    if (lastHit_ != HTCAPTION && GetCapture() != hWnd_) return Default();
    POINT cursor;
    GetCursorPos(&cursor);
    const int under = CaptionButtonFromScreen(cursor);
    if (GetCapture() == hWnd_ && pressed_ != kNoButton) {
        // While a button is held, it looks pressed only with the cursor over it.
        const int state = under == pressed_ ? 2 : 0;
        if (state != buttonState_ || hot_ != pressed_) {
            hot_ = pressed_;
            buttonState_ = state;
            RedrawCaptionButton(pressed_, state);
        }
        return 0;
    }
    if (under != hot_) {
        if (hot_ != kNoButton) RedrawCaptionButton(hot_, 0);
        hot_ = under;
        buttonState_ = under != kNoButton ? 1 : 0;
        if (under != kNoButton) RedrawCaptionButton(under, 1);
    }
    if (hot_ != kNoButton && !tracking_) {
        TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hWnd_, 0};
        tracking_ = TrackMouseEvent(&t) != FALSE;
    }
    if (under != kNoButton) return 0;
    return Default();
}

LRESULT CFrameSkinWnd::OnMouseLeave() {
    tracking_ = false;
    // With layered sides the pointer is over the top side's window, not the
    // frame: the frame's own leave comes at once (Windows posts it when the
    // frame asks to watch a pointer that is elsewhere) and says nothing
    // about the buttons. The top side lets them go when the pointer leaves
    // it (LeaveCaptionButtons).
    if (!HasAlphaSides()) LeaveCaptionButtons();
    return Default();
}

void CFrameSkinWnd::LeaveCaptionButtons() {
    if (hot_ == kNoButton || pressed_ != kNoButton) return;
    const int hot = hot_;
    hot_ = kNoButton;
    buttonState_ = 0;
    RedrawCaptionButton(hot, 0);
}

LRESULT CFrameSkinWnd::OnLButtonDown(WPARAM, LPARAM) {
    POINT cursor;
    GetCursorPos(&cursor);
    const int under = lastHit_ == HTCAPTION ? CaptionButtonFromScreen(cursor) : kNoButton;
    if (under == kNoButton) return Default();
    pressed_ = hot_ = under;
    buttonState_ = 2;
    SetCapture(hWnd_);
    RedrawCaptionButton(under, 2);
    return 0;
}

LRESULT CFrameSkinWnd::OnLButtonUp(WPARAM, LPARAM lp) {
    if (pressed_ == kNoButton) return Default();
    POINT cursor;
    GetCursorPos(&cursor);
    const int under = CaptionButtonFromScreen(cursor);
    const int pressed = pressed_;
    pressed_ = kNoButton;
    if (GetCapture() == hWnd_) ReleaseCapture();
    RedrawCaptionButton(pressed, under == pressed ? 1 : 0);
    hot_ = under == pressed ? pressed : kNoButton;
    buttonState_ = hot_ != kNoButton ? 1 : 0;
    if (under != pressed) return 0;
    UINT command = 0;
    switch (pressed) {
    case kMinimizeButton: command = IsIconic(hWnd_) ? SC_RESTORE : SC_MINIMIZE; break;
    case kMaximizeButton: command = IsZoomed(hWnd_) ? SC_RESTORE : SC_MAXIMIZE; break;
    case kCloseButton:
        if (GetPropA(hWnd_, "DockBarProp")) return DefWindowProc(WM_NCLBUTTONUP, HTCLOSE, lp);
        command = SC_CLOSE;
        break;
    case kHelpButton: command = SC_CONTEXTHELP; break;
    default: return 0;
    }
    PostMessageW(hWnd_, WM_SYSCOMMAND, command, lp);
    return 0;
}
