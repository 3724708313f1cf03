#include "runtime/controls/edit.h"

#include <algorithm>
#include <cwctype>

#include "base/win/rect.h"
#include "base/win/dib.h"
#include "model/twf_obj.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/combo_box.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/list_ctrl.h"
#include "runtime/controls/tree_ctrl.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/range_layout.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/scroll/control_scroll.h"
#include "runtime/scroll/scroll_engine.h"
#include "runtime/text/support_unicode.h"

using namespace hexmoor;
using namespace hexmoor::rt;
namespace ed = hexmoor::rt::edit;
namespace rg = hexmoor::rt::range;
using namespace hexmoor::rt::edit;

namespace {

constexpr WORD kImageNormal = 10, kImageDisabled = 11;
constexpr WORD kBorderLeft = 17, kBorderTop = 18, kBorderRight = 19, kBorderBottom = 20;
constexpr WORD kComboTransparentEdit = 662;

bool ClassStartsWith(HWND hwnd, const wchar_t* prefix) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return _wcsnicmp(name, prefix, wcslen(prefix)) == 0;
}

// The window rectangle in the coordinates of its own client area (left and
// right exchanged under a right-to-left layout).
RECT WindowInClient(HWND hwnd) {
    RECT r = CWindowRect(hwnd);
    RectScreenToClient(&r, hwnd);
    if (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) std::swap(r.left, r.right);
    return r;
}

int ParentType(HWND hwnd) {
    const HWND parent = GetParent(hwnd);
    return parent ? GetSkinnedWindowType(parent) : -1;
}

} // namespace

// --- gate and small helpers ---------------------------------------------------

bool CTWEdit::Gated() const { return systemLook_ || PassesThrough(*this); }

bool CTWEdit::IsMultiLine() const { return (GetWindowLongPtrW(hWnd_, GWL_STYLE) & ES_MULTILINE) != 0; }

LRESULT CTWEdit::Quiet() {
    SetRedraw(FALSE);
    const LRESULT result = Default();
    SetRedraw(TRUE);
    return result;
}

ed::Selection CTWEdit::GetEditSelection() const {
    DWORD start = 0, end = 0;
    SendMessageW(hWnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {int(start), int(end)};
}

bool CTWEdit::PosFromChar(int index, POINT* out) const {
    const LRESULT answer = SendMessageW(hWnd_, EM_POSFROMCHAR, WPARAM(index), 0);
    const short x = short(LOWORD(answer)), y = short(HIWORD(answer));
    if (answer == -1 || (x == -1 && y == -1)) return false;
    // The x is a signed 16-bit value, read once: a line scrolled to the left
    // starts left of the client area.
    *out = {x, y};
    return true;
}

POINT CTWEdit::GetEditEndPosition() const {
    const CSupportUnicode unicode = Unicode();
    const CUnicodeString text = unicode.GetText();
    if (text.IsEmpty()) {
        RECT format{};
        SendMessageW(hWnd_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        return {format.left, format.top};
    }
    const int last = int(text.GetLength()) - 1;
    POINT p{0, 0};
    if (!PosFromChar(last, &p)) return p;
    wchar_t shown = text.GetAt(size_t(last));
    if (GetWindowLongPtrW(hWnd_, GWL_STYLE) & ES_PASSWORD) {
        if (const auto c = wchar_t(SendMessageW(hWnd_, EM_GETPASSWORDCHAR, 0, 0))) shown = c;
    }
    hexmoor::win::WindowDC dc(hWnd_);
    hexmoor::win::SelectGuard select(dc.Get(), WindowFontOrSystem(hWnd_));
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), &shown, 1, &size);
    return {p.x + size.cx, p.y};
}

void CTWEdit::PlaceEditCaret(BOOL atStart) {
    const ed::Selection sel = GetEditSelection();
    POINT p{};
    if (!PosFromChar(atStart ? sel.start : sel.end, &p)) p = GetEditEndPosition();
    SetCaretPos(p.x, p.y);
}

void CTWEdit::SyncEditCaret(POINT point) {
    const LRESULT answer = SendMessageW(hWnd_, EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y));
    const int index = point.x < 0 ? 0 : int(LOWORD(answer));
    POINT p{};
    if (!PosFromChar(index, &p)) p = GetEditEndPosition();
    RECT client{};
    GetClientRect(hWnd_, &client);
    if (p.x >= 0 && p.x <= client.right && p.y >= 0 && p.y <= client.bottom) SetCaretPos(p.x, p.y);
}

// --- enabling -----------------------------------------------------------------

BOOL CTWEdit::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (!on) return TRUE;
    systemLook_ = false;
    if (ClassStartsWith(hWnd_, L"RichEdit")) {
        richEdit_ = TRUE;
        SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                         SWP_NOOWNERZORDER);
    }
    const HWND parent = GetParent(hWnd_);
    CTWWnd* parentObject = parent ? GetSkinnedWindowObject(parent) : nullptr;
    if (!parentObject) return TRUE;
    const int parentType = parentObject->GetType();
    if (parentType == ctype::kListView) {
        // The list view's own label editor (it asked for one with
        // LVM_EDITLABEL) and the shell's folder view keep the system look.
        auto* list = dynamic_cast<CTWListCtrl*>(parentObject);
        wchar_t text[16] = {};
        GetWindowTextW(parent, text, 16);
        if ((list && list->IsLabelEditRequested()) || _wcsnicmp(text, L"FolderView", 10) == 0) {
            if (list) list->SetLabelEditRequested(FALSE);
            systemLook_ = true;
            SetActive(FALSE, 0);
            return FALSE;
        }
        return TRUE;
    }
    if (parentType == ctype::kComboBox || parentType == ctype::kNumericUpDown) {
        if (GetWindowLongPtrW(parent, GWL_STYLE) & CBS_OWNERDRAWFIXED) {
            auto* combo = dynamic_cast<CTWComboBox*>(parentObject);
            if (!combo || combo->GetCommonDialogRole() != 2) {
                systemLook_ = true;
                SetActive(FALSE, 0);
                return FALSE;
            }
        }
        host_ = parent;
    }
    return TRUE;
}

void CTWEdit::OnEnable() {
    if (scrollElement_ && scrollElement_->GetEnabled() && !scrollHelper_) {
        scrollHelper_ = std::make_unique<CEditScroll>();
        scrollHelper_->SubclassWindow(hWnd_);
        UpdateScrollBarSizes();
        return;
    }
    SuspendSkinScrollbars(hWnd_, FALSE);
}

void CTWEdit::Reset(const std::wstring& name) {
    ResetElementByName(*this, name);
    CTWWnd::Reset(name);
}

void CTWEdit::GetRect(RECT* out) const {
    if (!out) return;
    *out = {};
    if (!element_) return;
    *out = {LONG(element_->GetNumber(kBorderLeft)), LONG(element_->GetNumber(kBorderTop)),
            LONG(element_->GetNumber(kBorderRight)), LONG(element_->GetNumber(kBorderBottom))};
}

// --- reflected messages -------------------------------------------------------

LRESULT CTWEdit::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND) {
    // Gated: the parent answers (the parent's message is not replayed into
    // the edit).
    if (Gated()) return 0;
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, element_->GetColor(IsWindowEnabled(hWnd_) ? kTextColour : kDisabledText));
    if (handled) *handled = TRUE;
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CTWEdit::OnReflectedCommand(BOOL*, ReflectRecord* record) {
    if (richEdit_ || Gated() || !record || !record->data) return 0;
    const auto* command = static_cast<const CommandData*>(record->data);
    if (command->code == EN_UPDATE) RedrawNow(FALSE);
    return 0;
}

// --- background and border ----------------------------------------------------

HBITMAP CTWEdit::GetBackgroundBitmap(BOOL rebuild) {
    if (!rebuild && background_) return background_.Get();
    background_.Reset();
    const CWindowRect wr(hWnd_);
    if (wr.Width() == 16384 || wr.Width() <= 0 || wr.Height() <= 0) return nullptr;
    if (!element_ || !element_->GetEnabled()) return nullptr;
    const bool writable = IsWindowEnabled(hWnd_) && !(GetWindowLongPtrW(hWnd_, GWL_STYLE) & ES_READONLY);
    CMrgBitmap* image = element_->GetImage(writable ? kImageNormal : kImageDisabled);

    BackgroundCanvas canvas;
    canvas.underlay = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    canvas.emptyGivesNone = true;
    return RebuildBackground(*this, background_, canvas, [&](HDC memory, const RECT&) {
        if (!host_ && !State().defaultActive) {
            const int parentType = ParentType(hWnd_);
            if (parentType == ctype::kComboBox || parentType == ctype::kNumericUpDown) host_ = GetParent(hWnd_);
        }
        bool draw = image != nullptr;
        BOOL centreOnly = FALSE;
        if (host_) {
            centreOnly = TRUE;
            if (GetSkinnedWindowType(host_) == ctype::kComboBox) {
                CTWWnd* combo = GetSkinnedWindowObject(host_);
                CTwfObj* comboElement = combo ? combo->GetSkinObject() : nullptr;
                if (comboElement && comboElement->GetNumber(kComboTransparentEdit)) draw = false;
            }
        }
        if (draw) {
            // Widened over an up-down control beside the edit.
            RECT span = ImageBox();
            OffsetRect(&span, -wr.left, -wr.top);
            CTWDraw painter;
            painter.AttachDC(memory, nullptr, FALSE);
            painter.DrawSkinImage(&span, image, centreOnly, nullptr);
            painter.Release();
        }
    });
}

void CTWEdit::SetSpinSide(HWND spin, int side) {
    spin_ = side ? spin : nullptr;
    spinSide_ = spin_ ? side : 0;
    if (!hWnd_ || !element_) return;
    GetBackgroundBitmap(TRUE);
    if (IsWindowVisible(hWnd_)) RedrawNow(TRUE);
}

RECT CTWEdit::ImageBox() const {
    const CWindowRect self(hWnd_);
    if (!spinSide_ || !spin_ || !IsWindow(spin_) || GetSkinnedWindowType(spin_) != ctype::kSpin) return self;
    const CWindowRect spin(spin_);
    return ToRECT(rg::EditBoxJoinedWithSpin(FromRECT(self), FromRECT(spin), spinSide_));
}

LRESULT CTWEdit::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    if (!element_) return 0;
    if (child && child != hWnd_ && rect) {
        // A child of the edit: its skinned parent's background first, then
        // the part of the edit's image that lies under the child.
        EraseWithParent(hWnd_, dc, child, nullptr);
        const RECT self = ImageBox();
        const CWindowRect under(child);
        const RECT dest{self.left - under.left, self.top - under.top, self.right - under.left, self.bottom - under.top};
        CMrgBitmap* image = element_->GetImage(IsWindowEnabled(hWnd_) ? kImageNormal : kImageDisabled);
        if (image) {
            CTWDraw painter;
            painter.AttachDC(dc, nullptr, FALSE);
            painter.DrawSkinImage(&dest, image, FALSE, nullptr);
            painter.Release();
        }
        return 1;
    }
    // The edit itself shows what its parent shows under it; inside a combo
    // box that is the combo's face.
    return EraseWithParent(hWnd_, dc, hWnd_, rect);
}

LRESULT CTWEdit::CalcBorderSize(BOOL calcValidRects, LPARAM params) {
    const LONG_PTR ex = GetWindowLongPtrW(hWnd_, GWL_EXSTYLE);
    const LRESULT result = DefaultWithoutBorders(*this);

    RECT* r = calcValidRects ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(params)->rgrc[0] : reinterpret_cast<RECT*>(params);
    if (!r) return result;
    const int parentType = ParentType(hWnd_);
    const bool parentSkinned = parentType >= 0 && GetSkinnedWindowObject(GetParent(hWnd_)) != nullptr;
    if ((ex & WS_EX_CLIENTEDGE) && parentSkinned && !host_ && parentType != ctype::kComboBox &&
        parentType != ctype::kNumericUpDown && parentType != ctype::kListView) {
        RECT b{};
        GetRect(&b);
        if (ex & WS_EX_LAYOUTRTL) std::swap(b.left, b.right);
        r->left += b.left;
        r->top += b.top;
        r->right -= b.right;
        r->bottom -= b.bottom;
    } else if ((host_ && GetSkinnedWindowType(host_) != ctype::kComboBox) || parentType == ctype::kListView) {
        InflateRect(r, -1, -1);
    }
    return result;
}

LRESULT CTWEdit::PaintBorder(HDC dc) {
    const int parentType = ParentType(hWnd_);
    if (parentType == ctype::kComboBox || parentType == ctype::kNumericUpDown) return 0;
    if (!(GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) || !dc) return 0;
    const CWindowRect wr(hWnd_);
    const RECT whole{0, 0, wr.Width(), wr.Height()};
    hexmoor::win::SavedDC saved(dc);
    if (!host_ && parentType != ctype::kListView) {
        // Only the ring of border widths: the client area and the scroll
        // bars inside it are left alone.
        RECT b{};
        GetRect(&b);
        ExcludeClipRect(dc, b.left, b.top, whole.right - b.right, whole.bottom - b.bottom);
        if (HBITMAP background = GetBackgroundBitmap(FALSE)) {
            CTWDraw painter;
            painter.AttachDC(dc, nullptr, FALSE);
            painter.BitBltBitmap(&whole, background, 0, 0);
            painter.Release();
        }
        return 1;
    }
    hexmoor::win::SelectGuard pen(dc, GetStockObject(BLACK_PEN));
    hexmoor::win::SelectGuard brush(dc, GetStockObject(NULL_BRUSH));
    ::Rectangle(dc, 0, 0, whole.right, whole.bottom);
    return 0;
}

LRESULT CTWEdit::OnNcPaint(HDC dc) {
    const int kind = GetBorderKind(hWnd_);
    if (!host_ && kind == 0) return 0;
    hexmoor::win::WindowDC windowDc(hWnd_, true);
    const HDC target = dc ? dc : windowDc.Get();
    if (!host_ && kind == 2) {
        const CWindowRect wr(hWnd_);
        hexmoor::win::SelectGuard pen(target, GetStockObject(BLACK_PEN));
        hexmoor::win::SelectGuard brush(target, GetStockObject(NULL_BRUSH));
        ::Rectangle(target, 0, 0, wr.Width(), wr.Height());
        return 0;
    }
    return PaintBorder(target);
}

// --- painting -----------------------------------------------------------------

LRESULT CTWEdit::Paint(HDC given) {
    if (systemLook_) return 0;
    // BeginPaint hides the caret and EndPaint shows it again (one server
    // request each under Wine): only a paint into a given DC hides it here.
    if (given) HideCaret(hWnd_);
    RECT client{};
    GetClientRect(hWnd_, &client);
    const RECT window = WindowInClient(hWnd_);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, &client, FALSE);
    if (!draw.GetTargetDC()) {
        if (given) ShowCaret(hWnd_);
        return 0;
    }
    if (paintSuppressed_) SetBoundsRect(draw.GetDrawDC(), nullptr, DCB_ENABLE | DCB_RESET);
    if (HBITMAP background = GetBackgroundBitmap(FALSE)) draw.BitBltBitmap(&window, background, 0, 0);
    PaintEditText(draw.GetDrawDC());
    draw.Release();
    if (given) ShowCaret(hWnd_);
    return 1;
}

// --- messages -----------------------------------------------------------------

LRESULT CTWEdit::OnKeyDown(WPARAM key, LPARAM) {
    const bool navigation = (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_DELETE;
    if (IsMultiLine()) {
        const LRESULT result = Default();
        if (navigation) RedrawNow(FALSE);
        return result;
    }
    const ed::Selection saved = GetEditSelection();
    savedStart_ = saved.start;
    savedEnd_ = saved.end;
    const LRESULT result = (key >= VK_END && key <= VK_DOWN) ? Quiet() : Default();
    const ed::Caret caret = ed::CaretAfterKey(unsigned(key), GetKeyState(VK_CONTROL) < 0, saved, GetEditSelection());
    if (caret == ed::Caret::Start) PlaceEditCaret(TRUE);
    if (caret == ed::Caret::End) PlaceEditCaret(FALSE);
    if (navigation) RedrawNow(FALSE);
    return result;
}

LRESULT CTWEdit::OnChar(WPARAM, LPARAM) {
    if (IsMultiLine()) {
        Default();
        RedrawNow(FALSE);
        return 0;
    }
    Quiet();
    PlaceEditCaret(TRUE);
    RedrawNow(FALSE);
    return 0;
}

LRESULT CTWEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        // A tree's label editor going away: the tree draws the item again.
        const HWND parent = GetParent(hWnd_);
        if (auto* tree = dynamic_cast<CTWTreeCtrl*>(parent ? GetSkinnedWindowObject(parent) : nullptr))
            tree->ForgetLabelEdit(hWnd_);
    }
    if (Gated()) return Default();
    if (richEdit_) return CTWWnd::WindowProc(msg, wp, lp);
    switch (msg) {
    case WM_MOVE:
        GetBackgroundBitmap(TRUE);
        {
            hexmoor::win::WindowDC dc(hWnd_, true);
            PaintBorder(dc.Get());
        }
        return CTWWnd::WindowProc(msg, wp, lp);
    case WM_SIZE: {
        const LRESULT result = Default();
        if (IsWindowVisible(hWnd_)) {
            SetRedraw(TRUE);
            GetBackgroundBitmap(TRUE);
            RedrawNow(TRUE);
            if (CTWWnd* host = host_ ? GetSkinnedWindowObject(host_) : nullptr) host->RedrawNow(FALSE);
        }
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        if (host_ && GetSkinnedWindowType(host_) == ctype::kComboBox) {
            SendMessageW(host_, TWM_REFRESHSKIN, 1, 0);
            WindowProc(TWM_REFRESHSKIN, msg == WM_SETFOCUS ? 1 : 0, 0);
        }
        const LRESULT result = (msg == WM_SETFOCUS && !IsMultiLine()) ? Quiet() : Default();
        RedrawNow(FALSE);
        return result;
    }
    case WM_ENABLE: {
        const LRESULT result = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(TRUE);
        return result;
    }
    case WM_SETTEXT: {
        if (!IsWindowVisible(hWnd_)) return Default();
        const LRESULT result = Quiet();
        if (GetFocus() == hWnd_) PlaceEditCaret(TRUE);
        RedrawNow(FALSE);
        return result;
    }
    case WM_PAINT: return Paint(nullptr);
    case WM_ERASEBKGND: return 1;
    case WM_KEYDOWN: return OnKeyDown(wp, lp);
    case WM_CHAR: return OnChar(wp, lp);
    case WM_HSCROLL:
    case WM_VSCROLL: {
        SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(hWnd_, msg == WM_HSCROLL ? SB_HORZ : SB_VERT, &si);
        if (!ed::ScrollRepaints(HIWORD(wp), si.nPos, si.nMax, si.nPage)) return Default();
        paintSuppressed_ = TRUE;
        const LRESULT result = Quiet();
        RedrawNow(FALSE);
        paintSuppressed_ = FALSE;
        return result;
    }
    case EM_SETSEL: {
        const ed::Selection saved = GetEditSelection();
        savedStart_ = saved.start;
        savedEnd_ = saved.end;
        const LRESULT result = Quiet();
        RedrawNow(FALSE);
        return result;
    }
    case EM_REPLACESEL: {
        // The new text is shown by a repaint of our own, as after the other
        // quiet blocks.
        const LRESULT result = Quiet();
        RedrawNow(FALSE);
        if (GetFocus() == hWnd_) PlaceEditCaret(FALSE);
        return result;
    }
    case EM_SETREADONLY: {
        // The border shows the new image at once, not at the next repaint.
        const LRESULT result = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(TRUE);
        return result;
    }
    case WM_MOUSEMOVE: {
        const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
        if (p.x == lastMouse_.x && p.y == lastMouse_.y) return 0;
        if (GetCapture() == hWnd_) {
            Quiet();
            if (mouseSelecting_) {
                SyncEditCaret(p);
                RedrawNow(FALSE);
            }
        } else {
            Default();
        }
        lastMouse_ = p;
        return 0;
    }
    case WM_LBUTTONDOWN: {
        mouseSelecting_ = TRUE;
        const LRESULT result = Quiet();
        SyncEditCaret({short(LOWORD(lp)), short(HIWORD(lp))});
        RedrawNow(FALSE);
        return result;
    }
    case WM_LBUTTONUP: {
        mouseSelecting_ = FALSE;
        if (IsMultiLine()) return Default();
        const LRESULT result = Quiet();
        RedrawNow(FALSE);
        return result;
    }
    case WM_LBUTTONDBLCLK: {
        if (IsMultiLine()) return Default();
        const LRESULT result = Quiet();
        // The word selected by the double click shows at once.
        RedrawNow(FALSE);
        PlaceEditCaret(FALSE);
        return result;
    }
    case WM_MOUSEWHEEL: {
        if (IsMultiLine()) {
            SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
            GetScrollInfo(hWnd_, SB_VERT, &si);
            if (ed::WheelAtLimit(short(HIWORD(wp)), si.nPos, si.nMax, si.nPage)) return Default();
        }
        const LRESULT result = Quiet();
        RedrawNow(FALSE);
        return result;
    }
    case WM_PASTE: {
        const LRESULT result = Quiet();
        RedrawNow(FALSE);
        PlaceEditCaret(FALSE);
        return result;
    }
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case TWM_ISCONTROL: return 0;
    case TWM_BACKGROUNDCHANGED: GetBackgroundBitmap(TRUE); return 0;
    case TWM_REFRESHSKIN:
        GetBackgroundBitmap(TRUE);
        if (wp) RedrawNow(FALSE);
        return 0;
    default: return CTWWnd::WindowProc(msg, wp, lp);
    }
}
