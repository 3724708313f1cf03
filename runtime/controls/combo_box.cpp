#include "runtime/controls/combo_box.h"

#include <dlgs.h>

#include "base/win/dib.h"
#include "base/win/rect.h"
#include "model/elements/combo_box.h"
#include "model/twf_obj.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/edit.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/wnd/window_services.h"

using namespace hexmoor;
using namespace hexmoor::rt;

namespace {

constexpr WORD kArrowNormal = 341, kArrowDropped = 342, kArrowHot = 343, kArrowDisabled = 344;
constexpr WORD kFaceNormal = 346, kFaceFocused = 348, kFaceDisabled = 351;
constexpr WORD kTextNormal = 347, kTextFocused = 349, kTextDisabled = 352;
constexpr WORD kBorderLeft = 658, kBorderRight = 660;
constexpr WORD kEditFrameImage = 10;
constexpr UINT kRefreshFrame = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
constexpr UINT kListRefresh = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_NOCOPYBITS;

// The window rectangle of `child` relative to the window rectangle of `of`.
RECT RelativeWindowRect(HWND child, HWND of) {
    const CWindowRect c(child), o(of);
    return {c.left - o.left, c.top - o.top, c.right - o.left, c.bottom - o.top};
}

CTWEdit* FindEditChild(HWND combo) {
    for (HWND child = GetWindow(combo, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (auto* edit = dynamic_cast<CTWEdit*>(GetSkinnedWindowObject(child))) return edit;
    return nullptr;
}

} // namespace

combo::Kind CTWComboBox::Kind() const { return combo::KindOfStyle(unsigned(GetWindowLongPtrW(hWnd_, GWL_STYLE))); }

HWND CTWComboBox::GetListWindow() {
    if (list_ && IsWindow(list_)) return list_;
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (SendMessageW(hWnd_, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info))) list_ = info.hwndList;
    return list_;
}

int CTWComboBox::GetDropWidth() const {
    const auto* element = dynamic_cast<const CTwfComboBox*>(element_);
    const int width = element ? int(element->GetArrowWidth()) : 0;
    // A skin that never set the width keeps the system's arrow width, so the
    // arrow stays where the control takes its clicks.
    return width > 0 ? width : GetSystemMetrics(SM_CXVSCROLL);
}

combo::Parts CTWComboBox::GetParts(bool childText) const {
    combo::PartInput in;
    RECT client{};
    GetClientRect(hWnd_, &client);
    const CWindowRect wr(hWnd_);
    in.client = FromRECT(client);
    in.window = {wr.Width(), wr.Height()};
    in.dropWidth = GetDropWidth();
    in.rightAligned = (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    in.kind = Kind();
    // A drop-down list's text area does not follow a child.
    const bool lookUp = childText && in.kind != combo::Kind::DropDownList;
    if (HWND child = lookUp ? GetWindow(hWnd_, GW_CHILD) : nullptr) {
        RECT r = CWindowRect(child);
        RectScreenToClient(&r, hWnd_);
        in.firstChild = FromRECT(r);
    }
    return combo::ComputeParts(in);
}

void CTWComboBox::GetRect(RECT* out) const {
    if (!out) return;
    *out = {};
    if (!element_) return;
    *out = {LONG(element_->GetNumber(kBorderLeft)), 2, LONG(element_->GetNumber(kBorderRight)), 2};
}

void CTWComboBox::Reset(const std::wstring& name) {
    ResetElementByName(*this, name);
    CTWWnd::Reset(name);
}

void CTWComboBox::SetState(int state) {
    if (state_ == state) return;
    state_ = state;
    const RECT drop = ToRECT(GetParts().dropDown);
    InvalidateRect(hWnd_, &drop, FALSE);
}

void CTWComboBox::RepaintChildren() {
    for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    if (HWND list = GetListWindow(); list && IsWindowVisible(list))
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

LRESULT CTWComboBox::QuietDefault() {
    SetRedraw(FALSE);
    const LRESULT result = Default();
    SetRedraw(TRUE);
    RepaintChildren();
    return result;
}

// --- enabling -----------------------------------------------------------------

BOOL CTWComboBox::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (!hWnd_) return TRUE;
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    const bool ownerDrawFixed = (style & CBS_OWNERDRAWFIXED) != 0;
    if (!on) {
        const StyleRecord record = styles_;
        RestoreStyles();
        if (record.exStyleAdded || record.exStyleRemoved) SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0, kRefreshFrame);
        if (record.styleAdded || record.styleRemoved) SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0, kRefreshFrame);
        return TRUE;
    }
    role_ = 0;
    systemLook_ = false;
    if (ownerDrawFixed && IsCommonDialogWindow(hWnd_)) {
        const int id = GetDlgCtrlID(hWnd_);
        role_ = id == cmb2 ? 1 : id == cmb13 ? 2 : 0;
    }
    if (State().explicitMode) {
        HWND list = GetListWindow();
        if (list && !GetSkinnedWindowObject(list)) Services().AddControl(list);
    }
    for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        CTWWnd* object = GetSkinnedWindowObject(child);
        if (!object) continue;
        if (ownerDrawFixed && role_ != 2)
            object->SetActive(FALSE, 0);
        else if (auto* edit = dynamic_cast<CTWEdit*>(object))
            edit->SetHostWindow(hWnd_);
    }
    if (ownerDrawFixed && role_ == 0) {
        systemLook_ = true;
        SetActive(FALSE, 0);
        return FALSE;
    }
    hover_.Init(hWnd_, 0);
    const combo::Kind kind = Kind();
    if (kind == combo::Kind::Simple || GetWindow(hWnd_, GW_CHILD)) ChangeStyle(WS_CLIPCHILDREN, 0);
    if (kind != combo::Kind::Simple) {
        ChangeExStyle(WS_EX_CLIENTEDGE, 0);
        SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0, kRefreshFrame);
    }
    return TRUE;
}

// --- reflected messages -------------------------------------------------------

LRESULT CTWComboBox::OnReflectedCtlColor(BOOL* handled, HDC, HWND) {
    // A gated combo leaves the answer to the parent. Replaying the parent's
    // message into the combo would send it straight back to the parent (the
    // combo passes colour requests on to its owner), which reflects it here
    // again, without end.
    if (PassesThrough(*this) || systemLook_) return 0;
    if (handled) *handled = TRUE;
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CTWComboBox::OnReflectedCommand(BOOL*, ReflectRecord* record) {
    if (!record || !record->data || systemLook_) return 0;
    const auto* command = static_cast<const CommandData*>(record->data);
    switch (command->code) {
    case CBN_SELCHANGE: {
        HWND first = GetWindow(hWnd_, GW_CHILD);
        CTWWnd* object = first ? GetSkinnedWindowObject(first) : nullptr;
        if (object && object->GetSkinObject() && !object->GetSkinObject()->GetEnabled()) {
            hexmoor::win::WindowDC dc(first);
            object->ChangeSkin(0, TRUE);
        }
        break;
    }
    case CBN_DROPDOWN:
        state_ = kDropped;
        RedrawNow(FALSE);
        break;
    case CBN_CLOSEUP:
        state_ = kNormal;
        RedrawNow(FALSE);
        break;
    default: break;
    }
    return 0;
}

// --- border and background ----------------------------------------------------

LRESULT CTWComboBox::CalcBorderSize(BOOL calcValidRects, LPARAM params) {
    if (Kind() == combo::Kind::Simple) return Default();
    const LRESULT result = DefaultWithoutBorders(*this);
    RECT* r = calcValidRects ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(params)->rgrc[0] : reinterpret_cast<RECT*>(params);
    if (!r) return result;
    RECT b{};
    GetRect(&b);
    if (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) std::swap(b.left, b.right);
    r->left += b.left;
    r->top += b.top;
    r->right -= b.right;
    r->bottom -= b.bottom;
    return result;
}

LRESULT CTWComboBox::PaintBorder(HDC dc) {
    if (!dc) return 0;
    const CWindowRect wr(hWnd_);
    RECT b{};
    GetRect(&b);
    hexmoor::win::SavedDC saved(dc);
    ExcludeClipRect(dc, b.left, b.top, wr.Width() - b.right, wr.Height() - b.bottom);
    if (HBITMAP background = GetBackgroundBitmap(FALSE)) {
        CTWDraw painter;
        painter.AttachDC(dc, nullptr, FALSE);
        const POINT origin{0, 0};
        painter.DrawBitmapAt(&origin, background);
        painter.Release();
    }
    return 1;
}

HBITMAP CTWComboBox::GetBackgroundBitmap(BOOL rebuild) {
    if (!rebuild && background_) return background_.Get();
    background_.Reset();
    if (!element_ || !element_->GetEnabled()) return nullptr;
    const CWindowRect wr(hWnd_);
    if (wr.Width() <= 0 || wr.Height() <= 0) return nullptr;
    BackgroundCanvas canvas;
    canvas.underlay = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    canvas.emptyGivesNone = true;
    return RebuildBackground(*this, background_, canvas, [this](HDC memory, const RECT&) {
        CTWDraw painter;
        painter.AttachDC(memory, nullptr, FALSE);
        if (Kind() == combo::Kind::Simple) {
            CTWEdit* edit = FindEditChild(hWnd_);
            // The edit element of the combo's own scheme frames its edit.
            CTwfObj* editElement = FindSkinElement(ctype::kEdit, elementName_);
            CMrgBitmap* frame = editElement ? editElement->GetImage(kEditFrameImage) : nullptr;
            if (edit && frame) {
                const RECT inner = RelativeWindowRect(edit->GetSafeHwnd(), hWnd_);
                const RECT box{inner.left - frame->GetMargin(0), inner.top - frame->GetMargin(1),
                               inner.right + frame->GetMargin(2), inner.bottom + frame->GetMargin(3)};
                painter.ExcludeClip(&inner);
                painter.DrawSkinImage(&box, frame, FALSE, nullptr);
            }
        } else {
            const HWND focus = GetFocus();
            CMrgBitmap* face = nullptr;
            if (!IsWindowEnabled(hWnd_)) {
                face = element_->GetImage(kFaceDisabled);
                if (!face) face = element_->GetImage(kFaceNormal);
            } else if (focus && (focus == hWnd_ || focus == GetWindow(hWnd_, GW_CHILD))) {
                face = element_->GetImage(kFaceFocused);
            } else {
                face = element_->GetImage(kFaceNormal);
            }
            const RECT faceRect = ToRECT(GetParts().face);
            if (face) painter.DrawSkinImage(&faceRect, face, FALSE, nullptr);
        }
        painter.Release();
    });
}

LRESULT CTWComboBox::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    if (!child || child == hWnd_) return EraseWithParent(hWnd_, dc, hWnd_, rect);
    HBITMAP background = GetBackgroundBitmap(FALSE);
    if (!background) return EraseWithParent(hWnd_, dc, hWnd_, rect);
    const RECT place = RelativeWindowRect(child, hWnd_);
    RECT dest{0, 0, place.right - place.left, place.bottom - place.top};
    if (rect) dest = *rect;
    const hexmoor::win::MemoryDC scratch(dc);
    const hexmoor::win::SelectGuard select(scratch.Get(), background);
    BitBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, scratch.Get(),
           place.left + dest.left, place.top + dest.top, SRCCOPY);
    return 1;
}

// --- painting -----------------------------------------------------------------

LRESULT CTWComboBox::PaintSystemFace(HDC dc, const RECT& client) {
    // The common dialog's "look in" combo draws its own face: that picture
    // is copied in, less the system's edge and the drop-down part.
    const CWindowRect wr(hWnd_);
    hexmoor::win::MemoryDC memory(dc);
    hexmoor::win::Bitmap bitmap(CreateCompatibleBitmap(dc, wr.Width(), wr.Height()));
    if (!memory || !bitmap) return 0;
    hexmoor::win::SelectGuard select(memory.Get(), bitmap.Get());
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memory.Get()), 0);
    RECT b{};
    GetRect(&b);
    int a = GetParts().dropDown.Width();
    const int spare = a - GetSystemMetrics(SM_CXVSCROLL) + b.left + b.right;
    if (spare < 4) a += 4 - spare;
    const int cx = GetSystemMetrics(SM_CXEDGE), cy = GetSystemMetrics(SM_CYEDGE);
    BitBlt(dc, 1, 1, client.right - a - cx, client.bottom - cy, memory.Get(), cx + 1, cy + 1, SRCCOPY);
    return 0;
}

LRESULT CTWComboBox::Paint(HDC given) {
    if (systemLook_) return 0;
    RECT client{};
    GetClientRect(hWnd_, &client);
    RECT window = CWindowRect(hWnd_);
    RectScreenToClient(&window, hWnd_);
    if (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) std::swap(window.left, window.right);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, &client, FALSE);
    if (!draw.GetTargetDC()) return 0;
    if (!element_) {
        draw.Release();
        return 1;
    }
    if (HBITMAP background = GetBackgroundBitmap(FALSE)) {
        const POINT at{window.left, window.top};
        draw.DrawBitmapAt(&at, background);
    }
    const combo::Kind kind = Kind();
    if (kind != combo::Kind::Simple) {
        // The child edit paints its own text.
        const combo::Parts parts = GetParts(false);
        const bool enabled = IsWindowEnabled(hWnd_) != FALSE;
        const WORD arrowId = !enabled             ? kArrowDisabled
                             : state_ == kDropped ? kArrowDropped
                             : state_ == kHot     ? kArrowHot
                                                  : kArrowNormal;
        const RECT drop = ToRECT(parts.dropDown);
        if (CMrgBitmap* arrow = element_->GetImage(arrowId)) draw.DrawSkinImage(&drop, arrow, FALSE, nullptr);
        if (role_ == 1) {
            // Into the picture before it goes out: released first, the paint's
            // own DC would already be gone.
            PaintSystemFace(draw.GetDrawDC(), client);
            draw.Release();
            return 1;
        }
        if (kind == combo::Kind::DropDownList && role_ != 2) {
            const HDC dc = draw.GetDrawDC();
            const int previousMode = SetBkMode(dc, TRANSPARENT);
            const WORD colourId = !enabled ? kTextDisabled : GetFocus() == hWnd_ ? kTextFocused : kTextNormal;
            const COLORREF previousColour = ::SetTextColor(dc, element_->GetColor(colourId));
            const int selected = int(SendMessageW(hWnd_, CB_GETCURSEL, 0, 0));
            if (selected >= 0) {
                const CSupportUnicode unicode = Unicode();
                const CUnicodeString text = unicode.GetComboItemText(selected);
                RECT box = ToRECT(parts.text);
                box.top += 2;
                box.right -= 2;
                box.bottom -= 2;
                hexmoor::win::SelectGuard select(dc, WindowFontOrSystem(hWnd_));
                UINT format = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
                if (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_RIGHT) format |= DT_RIGHT;
                unicode.DrawUnicodeText(dc, text, -1, &box, format);
            }
            ::SetTextColor(dc, previousColour);
            SetBkMode(dc, previousMode);
        }
    }
    draw.Release();
    return 1;
}

void CTWComboBox::LayoutEdit() {
    const combo::Kind kind = Kind();
    if (kind == combo::Kind::Simple) return;
    HWND edit = nullptr;
    for (HWND child = GetWindow(hWnd_, GW_CHILD); child && !edit; child = GetWindow(child, GW_HWNDNEXT))
        if (GetSkinnedWindowType(child) == ctype::kEdit) edit = child;
    if (edit) {
        RECT client{};
        GetClientRect(hWnd_, &client);
        hexmoor::win::WindowDC dc(hWnd_);
        hexmoor::win::SelectGuard select(dc.Get(), WindowFontOrSystem(hWnd_));
        SIZE zero{};
        GetTextExtentPoint32W(dc.Get(), L"0", 1, &zero);
        const Rect box = combo::EditBox(FromRECT(client), GetDropWidth(),
                                        (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_RIGHT) != 0, zero.cy);
        SetWindowPos(edit, nullptr, box.left, box.top, box.Width(), box.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RedrawNow(FALSE);
}

// --- messages -----------------------------------------------------------------

LRESULT CTWComboBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this) || systemLook_) return Default();
    const combo::Kind kind = Kind();
    switch (msg) {
    case WM_MOVE: GetBackgroundBitmap(TRUE); return CTWWnd::WindowProc(msg, wp, lp);
    case WM_SIZE: {
        LRESULT result = 0;
        if (VersionCode() == 9 && GetDlgCtrlID(hWnd_) == 1136 && IsCommonDialogWindow(hWnd_)) {
            const LONG_PTR ex = GetWindowLongPtrW(hWnd_, GWL_EXSTYLE);
            SetWindowLongPtrW(hWnd_, GWL_EXSTYLE, ex & ~LONG_PTR(WS_EX_CLIENTEDGE));
            result = Default();
            SetWindowLongPtrW(hWnd_, GWL_EXSTYLE, ex);
            SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0, kListRefresh);
        } else {
            result = Default();
        }
        LayoutEdit();
        return result;
    }
    case WM_SETFOCUS: {
        const LRESULT result = QuietDefault();
        if (kind == combo::Kind::Simple) return result;
        if (kind == combo::Kind::DropDownList && reinterpret_cast<HWND>(wp) != hWnd_) {
            GetBackgroundBitmap(TRUE);
            RedrawNow(TRUE);
        } else if (HWND first = GetWindow(hWnd_, GW_CHILD)) {
            InvalidateRect(first, nullptr, FALSE);
        }
        return result;
    }
    case WM_KILLFOCUS:
        QuietDefault();
        if (kind == combo::Kind::DropDownList) {
            GetBackgroundBitmap(TRUE);
            RedrawNow(TRUE);
        }
        return 0;
    case WM_ENABLE: {
        const LRESULT result = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(TRUE);
        HWND child = GetWindow(hWnd_, GW_CHILD);
        while (child && GetSkinnedWindowType(child) != ctype::kEdit) child = GetWindow(child, GW_CHILD);
        if (CTWWnd* edit = child ? GetSkinnedWindowObject(child) : nullptr) {
            edit->WindowProc(TWM_REFRESHSKIN, 1, 0);
            edit->RedrawNow(FALSE);
        }
        return result;
    }
    case WM_PAINT: Paint(nullptr); return 0;
    case WM_ERASEBKGND:
    case TWM_ISCONTROL: return 1;
    case WM_WINDOWPOSCHANGING: {
        const LRESULT result = Default();
        if (VersionCode() == 9 && GetDlgCtrlID(hWnd_) == 1148 && IsCommonDialogWindow(hWnd_)) {
            reinterpret_cast<WINDOWPOS*>(lp)->cy = 20;
            if (HWND list = GetListWindow()) {
                const CWindowRect lr(list);
                SetWindowPos(list, nullptr, 0, 0, lr.Width(), 200, SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
            }
        }
        RedrawNow(FALSE);
        return result;
    }
    case WM_STYLECHANGED:
    case CB_SETDROPPEDWIDTH: {
        const LRESULT result = Default();
        LayoutEdit();
        return result;
    }
    case WM_KEYDOWN: {
        SetRedraw(FALSE);
        if (HWND list = GetListWindow()) SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        const LRESULT result = Default();
        SetRedraw(TRUE);
        RepaintChildren();
        RedrawNow(FALSE);
        return result;
    }
    case WM_CHAR: {
        const LRESULT result = Default();
        if (HWND list = GetListWindow()) SetWindowPos(list, nullptr, 0, 0, 0, 0, kListRefresh);
        return result;
    }
    case WM_COMMAND:
        if (HIWORD(wp) == 1 || HIWORD(wp) == 8 || HIWORD(wp) == 9) {
            const LRESULT result = role_ == 1 ? Default() : QuietDefault();
            RedrawNow(TRUE);
            return result;
        }
        return CTWWnd::WindowProc(msg, wp, lp);
    case CB_INSERTSTRING: {
        const LRESULT result = Default();
        RedrawNow(TRUE);
        return result;
    }
    case CB_RESETCONTENT: {
        const LRESULT result = QuietDefault();
        RedrawNow(FALSE);
        return result;
    }
    case CB_SELECTSTRING:
    case CB_SETCURSEL: {
        if (kind != combo::Kind::DropDownList) return CTWWnd::WindowProc(msg, wp, lp);
        SetRedraw(FALSE);
        const LRESULT result = CTWWnd::WindowProc(msg, wp, lp);
        SetRedraw(TRUE);
        RepaintChildren();
        RedrawNow(TRUE);
        return result;
    }
    case WM_MOUSEMOVE: {
        hover_.OnMouseMove(hWnd_);
        if (kind != combo::Kind::Simple) {
            const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
            const bool overArrow = GetParts().dropDown.Contains({p.x, p.y});
            if (overArrow && state_ != kDropped)
                SetState(kHot);
            else if (!overArrow && state_ == kHot)
                SetState(kNormal);
        }
        return Default();
    }
    case WM_MOUSELEAVE: {
        hover_.OnMouseLeave(hWnd_);
        const LRESULT result = Default();
        if (state_ == kHot) {
            const RECT drop = ToRECT(GetParts().dropDown);
            InvalidateRect(hWnd_, &drop, FALSE);
        }
        if (!SendMessageW(hWnd_, CB_GETDROPPEDSTATE, 0, 0)) state_ = kNormal;
        return result;
    }
    case WM_LBUTTONDOWN: {
        if (role_) InvalidateRect(hWnd_, nullptr, FALSE);
        const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
        if (kind != combo::Kind::Simple && state_ != kDropped && GetParts().dropDown.Contains({p.x, p.y}) &&
            !SendMessageW(hWnd_, CB_GETDROPPEDSTATE, 0, 0)) {
            const LRESULT result = Default();
            // The skin's drop-down part may be wider than the control's own
            // button: a click on it drops the list all the same.
            if (!SendMessageW(hWnd_, CB_GETDROPPEDSTATE, 0, 0)) SendMessageW(hWnd_, CB_SHOWDROPDOWN, TRUE, 0);
            RedrawNow(FALSE);
            return result;
        }
        return Default();
    }
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case TWM_BACKGROUNDCHANGED:
        GetBackgroundBitmap(TRUE);
        RedrawWindow(hWnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            SendMessageW(child, TWM_BACKGROUNDCHANGED, wp, lp);
            RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        return CTWWnd::WindowProc(msg, wp, lp);
    case TWM_REFRESHSKIN:
        GetBackgroundBitmap(TRUE);
        if (wp) RedrawNow(TRUE);
        return CTWWnd::WindowProc(msg, wp, lp);
    default: return CTWWnd::WindowProc(msg, wp, lp);
    }
}
