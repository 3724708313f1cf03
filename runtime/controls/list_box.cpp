#include "runtime/controls/list_box.h"

#include <algorithm>

#include "base/win/gdi.h"
#include "base/win/hosts.h"
#include "base/win/rect.h"
#include "model/elements/combo_box_properties.h"
#include "model/elements/list_properties.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/controls/control_gate.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/scroll/control_scroll.h"
#include "runtime/scroll/subclass_wnd.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"

using namespace hexmoor;
using namespace hexmoor::win;
using namespace hexmoor::rt;
using namespace hexmoor::rt::lists;

namespace {

constexpr BorderedListIds kListBoxIds{354, 355, 359, 360, 361, 362};
constexpr COLORREF kInvertSelection = 0xFFFFFFFF;
constexpr UINT kRowTextFormat = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX;

bool IsComboListClass(HWND hwnd) {
    wchar_t name[64]{};
    GetClassNameW(hwnd, name, 64);
    return lstrcmpiW(name, L"ComboLBox") == 0;
}

bool IsComboOf(HWND candidate, HWND list) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    return candidate && GetComboBoxInfo(candidate, &info) && info.hwndList == list;
}

struct ComboSearch {
    HWND list;
    HWND combo;
};

BOOL CALLBACK FindComboInChildren(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<ComboSearch*>(lp);
    if (!IsComboOf(hwnd, search->list)) return TRUE;
    search->combo = hwnd;
    return FALSE;
}

BOOL CALLBACK FindComboInTopLevel(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<ComboSearch*>(lp);
    if (FindComboInChildren(hwnd, lp)) EnumChildWindows(hwnd, &FindComboInChildren, lp);
    return search->combo ? FALSE : TRUE;
}

// The combo box a drop list belongs to: its owner or parent when that names
// the list as its own; otherwise (Wine gives a drop list neither) the combo
// box of the list's thread that does.
HWND FindComboOfList(HWND list) {
    for (HWND candidate : {reinterpret_cast<HWND>(GetWindowLongPtrW(list, GWLP_HWNDPARENT)), GetParent(list)})
        if (IsComboOf(candidate, list)) return candidate;
    ComboSearch search{list, nullptr};
    EnumThreadWindows(GetWindowThreadProcessId(list, nullptr), &FindComboInTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.combo;
}

} // namespace

CTWListBox::CTWListBox() : CTWBorderedList(kListBoxIds) {}

BOOL CTWListBox::Attach(HWND hwnd, int type) {
    const BOOL result = CTWWnd::Attach(hwnd, type);
    RecogniseDropList();
    return result;
}

void CTWListBox::SetActive(BOOL on, WORD scope) { CTWWnd::SetActive(on && !refused_, scope); }

void CTWListBox::RecogniseDropList() {
    if (dropList_ || !hWnd_ || !IsComboListClass(hWnd_)) return;
    combo_ = FindComboOfList(hWnd_);
    dropList_ = TRUE;
}

BOOL CTWListBox::IsFramedDropList() const {
    return dropList_ && combo_ && (GetWindowLongPtrW(combo_, GWL_STYLE) & 3) != CBS_SIMPLE;
}

BOOL CTWListBox::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (!on) return TRUE;
    refused_ = FALSE;
    RecogniseDropList();
    if (dropList_ && combo_) {
        // The folder and file-name combo boxes of the system file dialogs
        // draw their own items.
        const LONG_PTR comboStyle = GetWindowLongPtrW(combo_, GWL_STYLE);
        const LONG_PTR id = GetWindowLongPtrW(combo_, GWLP_ID);
        if ((comboStyle & CBS_OWNERDRAWFIXED) && (id == 1137 || id == 1148)) {
            refused_ = TRUE;
            SetActive(FALSE, 0);
            return FALSE;
        }
    }
    checkMode_ = ListBoxCheckMode(DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE)));
    if (checkMode_ == CheckMode::Unskinned) {
        checkMode_ = CheckMode::Plain;
        refused_ = TRUE;
        SetActive(FALSE, 0);
        return FALSE;
    }
    return TRUE;
}

void CTWListBox::OnEnable() {
    if (scrollElement_ && scrollElement_->GetEnabled() && !scrollHelper_) {
        scrollHelper_ = std::make_unique<CListBoxScroll>();
        scrollHelper_->SubclassWindow(hWnd_);
        UpdateScrollBarSizes();
        return;
    }
    SuspendSkinScrollbars(hWnd_, FALSE);
}

LRESULT CTWListBox::OnReflectedNotify(BOOL* handled, ReflectRecord* record) {
    if (!record || record->kind != 3) return 0;
    if (handled) *handled = TRUE;
    return DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(record->lParam));
}

LRESULT CTWListBox::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) {
    if (!active_ || !rt::IsSkinActive(skinId_) || !element_) return 0;
    if (!element_->GetEnabled() && (elementName_.empty() || elementName_ == L"Default")) return 0;
    if (dropList_ && !combo_) {
        combo_ = parent;
        if (CTWWnd* combo = GetSkinnedWindowObject(parent)) SetActive(combo->IsActive(), combo->GetScope());
    }
    if (handled) *handled = TRUE;
    CClientRect client(hWnd_);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void CTWListBox::FillUnderBackground(HDC dc, const RECT& window) {
    if (IsFramedDropList()) {
        PatBlt(dc, 0, 0, window.right, window.bottom, WHITENESS);
        return;
    }
    CTWBorderedList::FillUnderBackground(dc, window);
}

LRESULT CTWListBox::PaintBorder(HDC dc) {
    if (!IsFramedDropList()) return CTWBorderedList::PaintBorder(dc);
    if (!dc) return 0;
    CTWWnd* comboObject = GetSkinnedWindowObject(combo_);
    CTwfObj* comboElement = comboObject ? FindSkinElement(WORD(comboObject->GetType()), comboObject->GetElementName())
                                        : FindSkinElement(WORD(rt::ctype::kComboBox), L"");
    CWindowRect wr(hWnd_);
    SavedDC saved(dc);
    ExcludeClipRect(dc, 1, 1, wr.Width() - 1, wr.Height() - 1);
    Pen pen(CreatePen(PS_SOLID, 1, comboElement ? comboElement->GetColor(combo_box_props::kListBorderColor) : 0));
    SelectGuard selectPen(dc, pen.Get());
    SelectGuard selectBrush(dc, GetStockObject(NULL_BRUSH));
    ::Rectangle(dc, 0, 0, wr.Width(), wr.Height());
    return 1;
}

LRESULT CTWListBox::OnNcPaint(HDC dc) {
    if (!dropList_) return CTWWnd::OnNcPaint(dc);
    if (dc) return PaintBorder(dc);
    WindowDC windowDc(hWnd_, true);
    return PaintBorder(windowDc.Get());
}

LRESULT CTWListBox::CalcBorderSize(BOOL calcValidRects, LPARAM params) {
    return CTWBorderedList::CalcBorderSize(calcValidRects, params);
}

LRESULT CTWListBox::OnNcCalcSize(BOOL calcValidRects, LPARAM params) {
    if (dropList_) return CalcBorderSize(calcValidRects, params);
    return CTWWnd::OnNcCalcSize(calcValidRects, params);
}

void CTWListBox::DrawCheckBox(HDC dc, const RECT& box, int check, bool disabled, bool greyWindow) {
    if (CMrgBitmap* image = element_->GetImage(WORD(CheckImageId(check, disabled)))) {
        CTWDraw draw(dc, nullptr, FALSE);
        draw.DrawSkinImage(&box, image, FALSE, nullptr);
        return;
    }
    // No image for this state: a plain grey-framed box with the menu's
    // check glyph.
    Brush frame(CreateSolidBrush(RGB(0x80, 0x80, 0x80)));
    FrameRect(dc, &box, frame.Get());
    RECT inside = box;
    InflateRect(&inside, -1, -1);
    const int w = inside.right - inside.left, h = inside.bottom - inside.top;
    const int shown = CheckImageIndex(check);
    const bool greyGlyph = shown == 2 || (shown == 1 && greyWindow);
    constexpr COLORREF kLightGrey = RGB(0xD4, 0xD0, 0xC8);
    if (shown == 0) {
        Brush fill(CreateSolidBrush(greyWindow ? kLightGrey : RGB(255, 255, 255)));
        FillRect(dc, &inside, fill.Get());
        return;
    }
    MemoryDC glyphDc(dc);
    Bitmap glyph(CreateCompatibleBitmap(dc, w, h));
    SelectGuard selectGlyph(glyphDc.Get(), glyph.Get());
    RECT glyphRect{0, -1, w + 2, h + 1};
    PatBlt(glyphDc.Get(), 0, 0, w, h, WHITENESS);
    DrawFrameControl(glyphDc.Get(), &glyphRect, DFC_MENU, DFCS_MENUCHECK);
    if (!greyGlyph) {
        BitBlt(dc, inside.left, inside.top, w, h, glyphDc.Get(), 0, 0, SRCCOPY);
        return;
    }
    Brush fill(CreateSolidBrush(kLightGrey));
    FillRect(dc, &inside, fill.Get());
    MemoryDC greyDc(dc);
    Bitmap grey(CreateCompatibleBitmap(dc, w, h));
    SelectGuard selectGrey(greyDc.Get(), grey.Get());
    RECT all{0, 0, w, h};
    Brush greyBrush(CreateSolidBrush(RGB(0x80, 0x80, 0x80)));
    FillRect(greyDc.Get(), &all, greyBrush.Get());
    BitBlt(greyDc.Get(), 0, 0, w, h, glyphDc.Get(), 0, 0, SRCPAINT);
    TransparentBlt(dc, inside.left, inside.top, w, h, greyDc.Get(), 0, 0, w, h, RGB(255, 255, 255));
}

LRESULT CTWListBox::Paint(HDC given) {
    if (!element_) return 0;
    CClientRect client(hWnd_);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, &client, TRUE);
    const HDC dc = draw.GetDrawDC();
    DrawBackdrop(dc);
    const int count = int(SendMessageW(hWnd_, LB_GETCOUNT, 0, 0));
    if (count <= 0) return 0;

    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    const bool rightAligned = (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    const bool windowDisabled = (style & WS_DISABLED) != 0;
    const bool hasText = ListBoxRowsHaveText(style);
    const int caret = int(SendMessageW(hWnd_, LB_GETCARETINDEX, 0, 0));
    SelectionState selection{SelectionOfStyle(style), int(SendMessageW(hWnd_, LB_GETCURSEL, 0, 0))};
    if (selection.kind == Selection::Extended)
        selection = ExtendedRange(selection, int(SendMessageW(hWnd_, LB_GETANCHORINDEX, 0, 0)), caret);
    const bool focused = GetFocus() == hWnd_;
    const int hscroll = (style & WS_HSCROLL) ? GetScrollPos(hWnd_, SB_HORZ) : 0;
    const auto* host = checkMode_ == CheckMode::HostChecks
                           ? static_cast<const CheckListHost*>(GetPropW(hWnd_, kCheckListHostProperty))
                           : nullptr;
    const bool checks = checkMode_ != CheckMode::Plain;
    const COLORREF fill = element_->GetColor(list_box_props::kSelection);
    CWindowRect wr(hWnd_);

    SavedDC saved(dc);
    const SelectGuard selectedFont = SelectWindowFont(dc);
    ::SetBkMode(dc, TRANSPARENT);
    const CSupportUnicode text = Unicode();
    CUnicodeString itemText;
    // Rows of one height in one column follow each other: only the first
    // row's rectangle is asked of the control (each question is a message).
    const bool evenRows = !(style & (LBS_MULTICOLUMN | LBS_OWNERDRAWVARIABLE));
    const int topIndex = int(SendMessageW(hWnd_, LB_GETTOPINDEX, 0, 0));
    RECT topRow{};
    for (int index = topIndex; index < count; ++index) {
        RECT item{};
        if (evenRows && index > topIndex) {
            item = topRow;
            OffsetRect(&item, 0, (index - topIndex) * (topRow.bottom - topRow.top));
        } else if (SendMessageW(hWnd_, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
            break;
        }
        if (index == topIndex) topRow = item;
        RECT meet{};
        if (!IntersectRect(&meet, &item, &client)) break;
        if ((style & LBS_MULTICOLUMN) && !(style & WS_HSCROLL)) {
            if (rightAligned)
                item.left = 2;
            else
                item.right = wr.Width() - 2;
        }
        CheckRow row{};
        RECT area = item; // what the selection fills and the focus frames
        if (checks) {
            row = CheckRowLayout(FromRECT(item), rightAligned);
            area = ToRECT(row.text);
        }
        int check = 0;
        bool itemEnabled = true;
        if (host) {
            check = host->CheckState(index);
            itemEnabled = host->IsItemEnabled(index);
        } else if (checkMode_ == CheckMode::SelectionChecks) {
            check = SendMessageW(hWnd_, LB_GETSEL, index, 0) > 0 ? 1 : 0;
        }
        const bool bySystem = selection.kind != Selection::Single && SendMessageW(hWnd_, LB_GETSEL, index, 0) > 0;
        const bool selected = RowSelected(selection, index, bySystem);
        if (selected) {
            if (fill == kInvertSelection)
                InvertRect(dc, &area);
            else
                draw.FillSolidRect(&area, fill);
        }
        const bool disabled = windowDisabled || !itemEnabled;
        if (checks)
            DrawCheckBox(dc, ToRECT(row.box), check, disabled,
                         windowDisabled && checkMode_ == CheckMode::SelectionChecks);
        if (hasText) {
            ::SetTextColor(dc, element_->GetColor(disabled   ? list_box_props::kTextDisabled
                                                  : selected ? list_box_props::kSelectedText
                                                             : list_box_props::kTextNormal));
            RECT textRect = ToRECT(checks ? CheckRowTextRect(row, rightAligned)
                                          : PlainRowTextRect(FromRECT(item), rightAligned, hscroll));
            itemText = text.GetListBoxText(index);
            text.DrawUnicodeText(dc, itemText, int(itemText.GetLength()), &textRect,
                                 kRowTextFormat | (rightAligned ? DT_RIGHT : 0));
        }
        if (index == caret && focused) DrawFocusRect(dc, &area);
    }
    return 1;
}

LRESULT CTWListBox::DrawItem(DRAWITEMSTRUCT* item) {
    if (!item || int(item->itemID) < 0 || checkMode_ != CheckMode::Plain || !element_) return 0;
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    // Without LBS_HASSTRINGS the item data is the application's own value,
    // never text: such rows get their background, selection and focus only.
    CUnicodeString itemText;
    if (style & LBS_HASSTRINGS) itemText = Unicode().GetListBoxText(int(item->itemID));
    RECT r = item->rcItem;
    CTWDraw draw(item->hDC, nullptr, FALSE);
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    if (selected)
        FillRect(item->hDC, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
    else if (element_->HasImage(10))
        draw.DrawSkinImage(&r, element_->GetImage(10), FALSE, nullptr);
    if (item->itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(item->hDC, &focus);
    }
    if (!itemText.IsEmpty()) {
        SavedDC saved(item->hDC);
        const SelectGuard selectedFont = SelectWindowFont(item->hDC);
        ::SetTextColor(item->hDC, RGB(255, 255, 255));
        ::SetBkMode(item->hDC, TRANSPARENT);
        RECT textRect = r;
        textRect.left += 2;
        Unicode().DrawUnicodeText(item->hDC, itemText, int(itemText.GetLength()), &textRect,
                                  DT_SINGLELINE | DT_VCENTER);
    }
    if (selected) InvertRect(item->hDC, &r);
    return 1;
}

void CTWListBox::SyncWithCombo() {
    if (synced_ || !dropList_ || !combo_) return;
    CTWWnd* combo = GetSkinnedWindowObject(combo_);
    if (!combo) return;
    if (!element_ && combo->GetTwfSkin()) {
        SetSkin(combo->GetTwfSkin(), WORD(rt::ctype::kListBox), L"Default");
        if (!scrollElement_) SetScrollBarSkin(combo->GetTwfSkin(), L"Default");
    }
    if (element_ && !element_->GetEnabled()) {
        if (active_) {
            SetActive(FALSE, 0);
            Enable(FALSE);
        }
        return;
    }
    if (combo->IsActive() != active_) {
        SetActive(combo->IsActive(), combo->GetScope());
        Enable(combo->IsActive());
        synced_ = TRUE;
    }
}

void CTWListBox::PaintCaretRow() {
    const int caret = int(SendMessageW(hWnd_, LB_GETCARETINDEX, 0, 0));
    RECT row{};
    if (caret < 0 || SendMessageW(hWnd_, LB_GETITEMRECT, caret, reinterpret_cast<LPARAM>(&row)) == LB_ERR) return;
    WindowDC dc(hWnd_);
    if (!dc) return;
    SavedDC saved(dc.Get());
    IntersectClipRect(dc.Get(), row.left, row.top, row.right, row.bottom);
    Paint(dc.Get());
}

LRESULT CTWListBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_SETFONT) SyncWithCombo();
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_PAINT: return Paint(reinterpret_cast<HDC>(wp));
    case WM_ERASEBKGND: return 0;
    case WM_MOVE: GetBackgroundBitmap(TRUE); break;
    case WM_SIZE:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK: return Default();
    case WM_SETFOCUS: {
        // The focus frame changes on the caret row only.
        const LRESULT result = Default();
        PaintCaretRow();
        return result;
    }
    case WM_KILLFOCUS: {
        if (dropList_) return Default();
        const LRESULT result = Default();
        PaintCaretRow();
        return result;
    }
    case WM_ENABLE: {
        const LRESULT result = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        return result;
    }
    case WM_KEYDOWN:
    case WM_CHAR: {
        if (msg == WM_KEYDOWN && (wp == VK_SHIFT || wp == VK_CONTROL)) return Default();
        const int v = GetScrollPos(hWnd_, SB_VERT), h = GetScrollPos(hWnd_, SB_HORZ);
        SetRedraw(FALSE);
        const LRESULT result = Default();
        SetRedraw(TRUE);
        InvalidateRect(hWnd_, nullptr, FALSE);
        UpdateWindow(hWnd_);
        if ((!scrollElement_ || !scrollElement_->GetEnabled()) &&
            (v != GetScrollPos(hWnd_, SB_VERT) || h != GetScrollPos(hWnd_, SB_HORZ)))
            PostMessageW(hWnd_, TWM_SKINCHANGED, 0, 0);
        return result;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: InvalidateRect(hWnd_, nullptr, FALSE); break;
    case LB_SETCURSEL: {
        SetRedraw(FALSE);
        const LRESULT result = Default();
        SetRedraw(TRUE);
        RECT row{};
        SendMessageW(hWnd_, LB_GETITEMRECT, wp, reinterpret_cast<LPARAM>(&row));
        if (!IsRectEmpty(&row)) RedrawNow(FALSE);
        return result;
    }
    case WM_MOUSEMOVE: {
        if (dropList_ && !(GetWindowLongPtrW(hWnd_, GWL_STYLE) & LBS_OWNERDRAWFIXED)) {
            const LRESULT before = SendMessageW(hWnd_, LB_GETCARETINDEX, 0, 0);
            const LRESULT result = Default();
            const LRESULT after = SendMessageW(hWnd_, LB_GETCARETINDEX, 0, 0);
            if (after != before) {
                SendMessageW(hWnd_, LB_SETCARETINDEX, after, 0);
                RedrawNow(FALSE);
            }
            return result;
        }
        const LRESULT result = Default();
        RedrawNow(FALSE);
        return result;
    }
    case WM_LBUTTONDOWN: {
        const LRESULT result = Default();
        RedrawNow(FALSE);
        return result;
    }
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case TWM_ISCONTROL: return 0;
    case TWM_BACKGROUNDCHANGED:
    case TWM_REFRESHSKIN: GetBackgroundBitmap(TRUE); break;
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
