#include "runtime/controls/list_ctrl.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/win/gdi.h"
#include "base/win/rect.h"
#include "model/elements/list_properties.h"
#include "model/twf_obj.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/edit.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/list_layout.h"
#include "runtime/logic/report_plan.h"
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

constexpr BorderedListIds kListViewIds{366, 367, 368, 369, 370, 371};
constexpr UINT kCellFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_WORD_ELLIPSIS;

RECT SubItemRect(HWND list, int item, int subItem, int code) {
    RECT r{};
    r.top = subItem;
    r.left = code;
    if (subItem == 0) {
        r.left = code;
        SendMessageW(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&r));
    } else {
        SendMessageW(list, LVM_GETSUBITEMRECT, item, reinterpret_cast<LPARAM>(&r));
    }
    return r;
}

} // namespace

CTWListCtrl::CTWListCtrl() : CTWBorderedList(kListViewIds) {}

bool CTWListCtrl::Reduced() const { return element_ && element_->GetStoredEnabled() == 0; }

void CTWListCtrl::SetImageListsTransparent() {
    for (int which : {LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE}) {
        const auto list = reinterpret_cast<HIMAGELIST>(SendMessageW(hWnd_, LVM_GETIMAGELIST, which, 0));
        if (list) ImageList_SetBkColor(list, CLR_NONE);
    }
}

BOOL CTWListCtrl::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (!hWnd_ || Reduced()) return TRUE;
    if (on) {
        SetImageListsTransparent();
        edge_ = GetSystemMetrics(SM_CXEDGE);
        font_ = reinterpret_cast<HFONT>(SendMessageW(hWnd_, WM_GETFONT, 0, 0));
        labelEditing_ = FALSE;
        hasFocus_ = GetFocus() == hWnd_;
        if (!(GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) ChangeExStyle(WS_EX_CLIENTEDGE, 0);
    } else {
        RestoreStyles();
    }
    SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

void CTWListCtrl::OnEnable() {
    if (scrollElement_ && scrollElement_->GetEnabled() && !scrollHelper_) {
        scrollHelper_ = std::make_unique<CListCtrlScroll>();
        scrollHelper_->SubclassWindow(hWnd_);
        UpdateScrollBarSizes();
        return;
    }
    SuspendSkinScrollbars(hWnd_, FALSE);
}

LRESULT CTWListCtrl::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    if (Reduced()) return 1;
    return CTWBorderedList::EraseBackground(dc, child, rect);
}

LRESULT CTWListCtrl::OnReflectedNotify(BOOL* handled, ReflectRecord* record) {
    if (Reduced() || keepObject_ || !record || record->kind != 0) return 0;
    const auto* header = static_cast<const NMHDR*>(record->data);
    if (!header) return 0;
    switch (header->code) {
    case NM_CUSTOMDRAW: {
        // The control's own painting (views other than report) leaves the
        // item backgrounds to the skin.
        auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(header));
        if (handled) *handled = TRUE;
        switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            draw->clrText = CLR_DEFAULT;
            draw->clrTextBk = CLR_NONE;
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
            draw->clrText = CLR_DEFAULT;
            draw->clrTextBk = CLR_NONE;
            return CDRF_DODEFAULT;
        default: return 0;
        }
    }
    case LVN_BEGINLABELEDITA:
    case LVN_BEGINLABELEDITW: {
        if (!(GetWindowLongPtrW(hWnd_, GWL_STYLE) & LVS_EDITLABELS)) return 0;
        const HWND edit = reinterpret_cast<HWND>(SendMessageW(hWnd_, LVM_GETEDITCONTROL, 0, 0));
        if (!edit) return 0;
        if (CTWWnd* editObject = GetSkinnedWindowObject(edit)) {
            if (auto* box = dynamic_cast<CTWEdit*>(editObject)) box->SetHostWindow(hWnd_);
            editObject->SetActive(FALSE, 0);
        }
        // Wine's list view sizes its edit box only after this notification,
        // so the box counts from the moment it exists.
        labelEditing_ = TRUE;
        return 0;
    }
    case LVN_ENDLABELEDITA:
    case LVN_ENDLABELEDITW: labelEditing_ = FALSE; return 0;
    case LVN_ITEMCHANGED: {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
        RECT bounds{};
        bounds.left = LVIR_BOUNDS;
        if (change && change->iItem >= 0 &&
            SendMessageW(hWnd_, LVM_GETITEMRECT, change->iItem, reinterpret_cast<LPARAM>(&bounds)))
            InvalidateRect(hWnd_, &bounds, FALSE);
        return 0;
    }
    default: return 0;
    }
}

void CTWListCtrl::PaintByControl(HDC dc) {
    // The control paints itself over the skin background. Called with a DC
    // it leaves its own background alone, and the custom-draw answer above
    // (CLR_NONE item backgrounds, which Wine's list view honours) keeps the
    // labels transparent.
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

namespace {

// The view's look for every row: its header's columns, its styles and the
// element's colours.
ReportStyle GatherReportStyle(HWND list, HWND header, int headerX, const CTwfObj& element, int edge) {
    ReportStyle style;
    const int columns = header ? int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    // Asked once per paint: each question is a message.
    for (int c = 0; c < columns; ++c) {
        RECT r{};
        SendMessageW(header, HDM_GETITEMRECT, c, reinterpret_cast<LPARAM>(&r));
        HDITEMW hdi{};
        hdi.mask = HDI_FORMAT;
        SendMessageW(header, HDM_GETITEMW, c, reinterpret_cast<LPARAM>(&hdi));
        const CellAlign align = (hdi.fmt & HDF_RIGHT)    ? CellAlign::Right
                                : (hdi.fmt & HDF_CENTER) ? CellAlign::Center
                                                         : CellAlign::Left;
        style.columns.push_back({FromRECT(r).Offset(headerX, 0), align});
    }
    const DWORD ex = DWORD(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    const bool enabled = IsWindowEnabled(list) != FALSE;
    style.fullRow = (ex & LVS_EX_FULLROWSELECT) != 0;
    // The activate styles underline the hot row (underline hot) or the
    // selected rows that are not hot (underline cold).
    style.underlineHot = (ex & LVS_EX_UNDERLINEHOT) && (ex & LVS_EX_ONECLICKACTIVATE);
    style.underlineCold = (ex & LVS_EX_UNDERLINECOLD) && (ex & LVS_EX_TWOCLICKACTIVATE);
    style.hotTracking = (ex & LVS_EX_TRACKSELECT) || style.underlineHot || style.underlineCold;
    style.borderSelect = (ex & LVS_EX_BORDERSELECT) != 0;
    style.subItemImages = (ex & LVS_EX_SUBITEMIMAGES) != 0;
    style.showSelectionAlways = (GetWindowLongPtrW(list, GWL_STYLE) & LVS_SHOWSELALWAYS) != 0;
    style.edge = edge;
    style.text = element.GetColor(enabled ? list_view_props::kTextNormal : list_view_props::kTextDisabled);
    style.selection = element.GetColor(list_view_props::kSelection);
    style.selectedText = element.GetColor(list_view_props::kSelectedText);
    style.hot = element.GetColor(list_view_props::kHotItem);
    return style;
}

UINT TextFormatOf(CellAlign align) {
    return align == CellAlign::Right ? DT_RIGHT : align == CellAlign::Center ? DT_CENTER : DT_LEFT;
}

// What a row's plan draws with: the view's image lists, its underlined font,
// its texts and the row's cell texts.
struct RowInk {
    HIMAGELIST small;
    HIMAGELIST stateList;
    HFONT underlined;
    const CSupportUnicode& text;
    const std::vector<CUnicodeString>& cells;
};

void DrawPlannedRow(HDC dc, const std::vector<ReportDraw>& plan, const RowInk& row) {
    for (const ReportDraw& d : plan) {
        RECT r = ToRECT(d.rect);
        switch (d.kind) {
        case ReportDraw::Kind::Fill: {
            const Brush brush(CreateSolidBrush(d.colour));
            FillRect(dc, &r, brush.Get());
            break;
        }
        case ReportDraw::Kind::Frame: {
            const Brush brush(CreateSolidBrush(d.colour));
            FrameRect(dc, &r, brush.Get());
            break;
        }
        case ReportDraw::Kind::Focus: DrawFocusRect(dc, &r); break;
        case ReportDraw::Kind::StateImage:
            ImageList_DrawEx(row.stateList, d.image, dc, r.left, r.top, r.right - r.left, r.bottom - r.top, CLR_DEFAULT,
                             CLR_DEFAULT, ILD_NORMAL);
            break;
        case ReportDraw::Kind::SmallImage:
            ImageList_DrawEx(row.small, d.image, dc, r.left, r.top, r.right - r.left, r.bottom - r.top, CLR_DEFAULT,
                             CLR_DEFAULT, d.blend ? ILD_BLEND50 : ILD_NORMAL);
            break;
        case ReportDraw::Kind::Text: {
            ::SetTextColor(dc, d.colour);
            const SelectGuard selectUnderlined(dc, d.underline ? row.underlined : nullptr);
            const CUnicodeString& cell = row.cells[size_t(d.column)];
            row.text.DrawUnicodeText(dc, cell, int(cell.GetLength()), &r, kCellFormat | TextFormatOf(d.align));
            break;
        }
        }
    }
}

// What one paint of a report view reads from the control: the look of
// every row, each row shown with its cell texts, and where the grid lines go.
struct ReportFacts {
    struct Row {
        ReportRow facts;
        std::vector<CUnicodeString> cells;
    };
    ReportStyle style;
    std::vector<Row> rows;
    HIMAGELIST small = nullptr;
    HIMAGELIST stateList = nullptr;
    Rect client;
    bool gridLines = false;
    std::uint32_t gridColour = 0;
    int rowHeight = 14;
    int firstLine = 1;
    int headerX = 0, headerBottom = 0;
};

// Asks the control for the rows on the page (every row with groups, whose
// rows outside the client area are left out); text widths are measured in
// the font selected into the DC.
ReportFacts GatherReport(HWND list, const CTwfObj& element, int edge, HDC dc, const CSupportUnicode& text) {
    ReportFacts out;
    const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const bool groups = SendMessageW(list, LVM_ISGROUPVIEWENABLED, 0, 0) != 0;
    const DWORD ex = DWORD(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    const int count = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const CClientRect client(list);
    out.client = FromRECT(client);
    if (header && IsWindowVisible(header)) {
        RECT hr{};
        GetWindowRect(header, &hr);
        MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&hr), 2);
        out.headerX = hr.left;
        out.headerBottom = hr.bottom;
    }
    out.style = GatherReportStyle(list, header, out.headerX, element, edge);
    out.gridLines = (ex & LVS_EX_GRIDLINES) && !groups;
    out.gridColour =
        element.GetColor(IsWindowEnabled(list) ? list_view_props::kGridNormal : list_view_props::kGridDisabled);
    ReportStyle& style = out.style;
    const int columns = int(style.columns.size());
    if (count <= 0 || columns <= 0) return out;
    out.small = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    out.stateList = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_STATE, 0));
    style.smallImages = out.small != nullptr;
    const int top = int(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
    int first = top, end = top + std::min<int>(int(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0)), count);
    if (end < count) ++end;
    if (groups) first = 0, end = count;
    std::vector<int> order(size_t(columns), 0);
    SendMessageW(list, LVM_GETCOLUMNORDERARRAY, columns, reinterpret_cast<LPARAM>(order.data()));
    const int last = order.back() >= 0 && order.back() < columns ? order.back() : columns - 1;
    const int totalWidth = style.columns[size_t(last)].rect.right;
    style.firstShownFirst = *std::min_element(order.begin(), order.end()) == order.front();
    const int hot = int(SendMessageW(list, LVM_GETHOTITEM, 0, 0));
    const RECT topBounds = SubItemRect(list, top, 0, LVIR_BOUNDS);
    // Rows of a report view without groups are all as high as the top one
    // and follow each other.
    const bool evenRows = !groups && topBounds.bottom - topBounds.top > 1;
    if (topBounds.bottom - topBounds.top > 1) {
        out.rowHeight = topBounds.bottom - topBounds.top;
        out.firstLine = topBounds.top - 1;
    }
    // Without state images only the selection of the rows matters: the
    // selected rows of the page are asked for (one message each and one
    // more) instead of every row's state.
    std::vector<int> selectedRows;
    if (!out.stateList) {
        for (int at = int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(first - 1), LVNI_SELECTED));
             at >= first && at < end; at = int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(at), LVNI_SELECTED)))
            selectedRows.push_back(at);
    }
    for (int row = first; row < end; ++row) {
        const UINT state =
            out.stateList
                ? UINT(SendMessageW(list, LVM_GETITEMSTATE, row, ~0u))
                : (std::find(selectedRows.begin(), selectedRows.end(), row) != selectedRows.end() ? LVIS_SELECTED : 0u);
        RECT bounds = topBounds;
        if (evenRows)
            OffsetRect(&bounds, 0, (row - top) * out.rowHeight);
        else
            bounds = SubItemRect(list, row, 0, LVIR_BOUNDS);
        bounds.right = totalWidth;
        if (groups && (bounds.bottom <= client.top || bounds.top >= client.bottom)) continue;
        ReportFacts::Row& shown = out.rows.emplace_back();
        ReportRow& facts = shown.facts;
        facts.hot = row == hot;
        facts.selected = (state & LVIS_SELECTED) != 0;
        facts.bounds = FromRECT(bounds);
        if (out.stateList) {
            const int index = int((state & LVIS_STATEIMAGEMASK) >> 12) - 1;
            IMAGEINFO info{};
            if (index >= 0 && ImageList_GetImageInfo(out.stateList, index, &info)) {
                facts.stateImage = index;
                facts.stateImageSize = {info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top};
            }
        }
        shown.cells.resize(size_t(columns));
        for (int column = 0; column < columns; ++column) {
            ReportCell cell;
            if (out.small) {
                LVITEMW item{};
                item.mask = LVIF_IMAGE;
                item.iItem = row;
                item.iSubItem = column;
                if (SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) cell.image = item.iImage;
                cell.icon = FromRECT(SubItemRect(list, row, column, LVIR_ICON));
            }
            CUnicodeString& cellText = shown.cells[size_t(column)];
            cellText = text.GetListViewItemText(row, column);
            cell.hasText = !cellText.IsEmpty();
            if (cell.hasText) cell.textWidth = text.GetTextExtent(dc, cellText).cx;
            if (column == 0 || style.subItemImages) {
                cell.labelAsked = true;
                cell.label = FromRECT(SubItemRect(list, row, column, LVIR_LABEL));
            }
            facts.cells.push_back(cell);
        }
    }
    return out;
}

// An underlined copy of the DC's font, when the view underlines rows and
// has rows to underline (empty otherwise, or when it cannot be made).
Font UnderlinedFont(HDC dc, const ReportFacts& facts) {
    if (facts.rows.empty() || !(facts.style.underlineHot || facts.style.underlineCold)) return {};
    LOGFONTW lf{};
    if (!GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(lf), &lf)) return {};
    lf.lfUnderline = TRUE;
    return Font(CreateFontIndirectW(&lf));
}

// Draws each row's plan, then the grid lines.
void PaintReportPlan(HDC dc, const ReportFacts& facts, const std::vector<std::vector<ReportDraw>>& plans,
                     HFONT underlined, const CSupportUnicode& text) {
    for (size_t row = 0; row < plans.size(); ++row)
        DrawPlannedRow(dc, plans[row], RowInk{facts.small, facts.stateList, underlined, text, facts.rows[row].cells});
    if (!facts.gridLines) return;
    std::vector<int> rights;
    for (const ReportStyle::Column& c : facts.style.columns) rights.push_back(c.rect.right - facts.headerX);
    Pen pen(CreatePen(PS_SOLID, 1, facts.gridColour));
    SelectGuard select(dc, pen.Get());
    for (const Line& line :
         GridLines(facts.firstLine, facts.rowHeight, facts.client, rights, facts.headerX, facts.headerBottom)) {
        MoveToEx(dc, line.from.x, line.from.y, nullptr);
        LineTo(dc, line.to.x, line.to.y);
    }
}

} // namespace

void CTWListCtrl::PaintReport(HDC dc) {
    SavedDC saved(dc);
    ::SetBkMode(dc, TRANSPARENT);
    const SelectGuard selectFont(dc, font_);
    const CSupportUnicode text = Unicode();
    ReportFacts facts = GatherReport(hWnd_, *element_, edge_, dc, text);
    facts.style.focused = hasFocus_;
    facts.style.labelEditing = labelEditing_;
    const Font underlined = UnderlinedFont(dc, facts);
    facts.style.underlineFont = static_cast<bool>(underlined);
    std::vector<std::vector<ReportDraw>> plans;
    plans.reserve(facts.rows.size());
    for (const ReportFacts::Row& row : facts.rows) plans.push_back(PlanReportRow(facts.style, row.facts));
    PaintReportPlan(dc, facts, plans, underlined.Get(), text);
}

bool CTWListCtrl::PaintsControlDirectly() const {
    if (GetMode() != host::kVisualBasic6) return false;
    return VersionCode() == 6 || GetDlgCtrlID(hWnd_) != 1;
}

void CTWListCtrl::RunControlPaintQuietly() {
    // A Visual Basic host's list view keeps state its own paint handler
    // sets up: the handler runs once more with redraw off, so nothing of it
    // shows.
    const HWND header = reinterpret_cast<HWND>(SendMessageW(hWnd_, LVM_GETHEADER, 0, 0));
    SetRedraw(FALSE);
    DefWindowProc(WM_PAINT, 0, 0);
    SetRedraw(TRUE);
    // Switching redraw on makes the control invalidate itself, which would
    // paint again without end: the rows were just painted. Redraw off also
    // dropped the header's pending paint.
    ValidateRect(hWnd_, nullptr);
    if (header && IsWindowVisible(header)) RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

LRESULT CTWListCtrl::Paint(HDC given) {
    if (!element_) return 0;
    CClientRect client(hWnd_);
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    const bool byControl = (style & LVS_TYPEMASK) != LVS_REPORT || (style & LVS_OWNERDRAWFIXED);
    // Visual Basic hosts (on version code 6, or for lists whose id is not 1)
    // have the control paint straight into the target, without the buffer.
    const RECT* buffered = byControl && PaintsControlDirectly() ? nullptr : &client;
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, buffered, TRUE);
    const HDC dc = draw.GetDrawDC();
    DrawBackdrop(dc);
    if (byControl) {
        PaintByControl(dc);
        return 1;
    }
    const HWND header = reinterpret_cast<HWND>(SendMessageW(hWnd_, LVM_GETHEADER, 0, 0));
    if (header && IsWindowVisible(header)) {
        RECT hr{};
        GetWindowRect(header, &hr);
        MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&hr), 2);
        ExcludeClipRect(draw.GetTargetDC(), hr.left, hr.top, hr.right, hr.bottom);
    }
    PaintReport(dc);
    if (GetMode() == host::kVisualBasic6) {
        draw.Release();
        RunControlPaintQuietly();
    }
    return 1;
}

void CTWListCtrl::InvalidateBelowHeader() {
    RECT r{};
    GetClientRect(hWnd_, &r);
    const HWND header = reinterpret_cast<HWND>(SendMessageW(hWnd_, LVM_GETHEADER, 0, 0));
    if (header && IsWindowVisible(header)) {
        RECT hr{};
        GetWindowRect(header, &hr);
        r.top += hr.bottom - hr.top;
    }
    InvalidateRect(hWnd_, &r, FALSE);
}

LRESULT CTWListCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this) || keepObject_) return Default();
    if (Reduced()) {
        if (msg == WM_ERASEBKGND) {
            const HWND header = reinterpret_cast<HWND>(SendMessageW(hWnd_, LVM_GETHEADER, 0, 0));
            if (header) {
                RECT hr{};
                GetWindowRect(header, &hr);
                MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&hr), 2);
                ExcludeClipRect(reinterpret_cast<HDC>(wp), hr.left, hr.top, hr.right, hr.bottom);
            }
        }
        return CTWWnd::WindowProc(msg, wp, lp);
    }
    switch (msg) {
    case WM_PAINT: return Paint(reinterpret_cast<HDC>(wp));
    case WM_ERASEBKGND: return 0;
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case WM_MOVE:
        GetBackgroundBitmap(TRUE);
        RepaintBorder();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        hasFocus_ = msg == WM_SETFOCUS;
        InvalidateRect(hWnd_, nullptr, FALSE);
        break;
    case WM_ENABLE: {
        const LRESULT result = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        return result;
    }
    case WM_SETFONT:
        if (wp) font_ = reinterpret_cast<HFONT>(wp);
        break;
    case WM_NCPAINT: {
        WindowDC dc(hWnd_, true);
        return PaintBorder(dc.Get());
    }
    case WM_KEYDOWN:
    case LVM_SCROLL: {
        InvalidateBelowHeader();
        const LRESULT result = Default();
        InvalidateBelowHeader();
        return result;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: InvalidateBelowHeader(); break;
    case LVM_ENSUREVISIBLE: {
        InvalidateRect(hWnd_, nullptr, FALSE);
        const LRESULT result = Default();
        InvalidateRect(hWnd_, nullptr, FALSE);
        const LRESULT ex = SendMessageW(hWnd_, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
        SendMessageW(hWnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, WPARAM(ex), ex);
        return result;
    }
    case LVM_SETIMAGELIST: {
        const LRESULT result = Default();
        if (lp) ImageList_SetBkColor(reinterpret_cast<HIMAGELIST>(lp), CLR_NONE);
        return result;
    }
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW:
    case LVM_DELETEITEM:
    case LVM_DELETEALLITEMS: InvalidateRect(hWnd_, nullptr, FALSE); break;
    case LVM_EDITLABELA:
    case LVM_EDITLABELW: labelEditRequested_ = TRUE; break;
    case TWM_REFRESHSKIN:
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        RepaintBorder();
        return CTWWnd::WindowProc(msg, wp, 0);
    case TWM_BACKGROUNDCHANGED: GetBackgroundBitmap(TRUE); break;
    case TWM_ISCONTROL: return 1;
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
