// The grid window: creating the list, mirroring the model's lines, drawing
// a row, selection, the divider drag, the context menu and the keys. Its
// in-place editors, its file choosers and the system image clipboard have
// files of their own.
#include "editor/links/win/property_list.h"

#include <windowsx.h>

#include "base/win/gdi.h"
#include "editor/links/item_link.h"
#include "editor/links/link_env.h"
#include "editor/links/page_dump.h"
#include "framework/application.h"

namespace hexmoor::links {
void UpdateGridMenu(HMENU popup, bool canFillAllStates) {
    // Cut is never enabled (the Edit menu's rule): the grid cuts by Ctrl+X.
    EnableMenuItem(popup, ID_GRID_CUT, MF_BYCOMMAND | MF_GRAYED);
    if (!canFillAllStates) EnableMenuItem(popup, ID_GRID_FILL_ALL_STATES, MF_BYCOMMAND | MF_GRAYED);
}

CPropertyList::CPropertyList() : images_(nullptr), clipboard_(model_, &images_) {}

CPropertyList::~CPropertyList() {
    if (Links().grid == &model_) Links().grid = nullptr;
    model_.SetView(nullptr);
}

bool CPropertyList::CreateGrid(HWND parent, UINT id) {
    fw::WindowArgs args;
    args.className = L"LISTBOX";
    args.style = WS_CHILD | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_HASSTRINGS | LBS_OWNERDRAWVARIABLE | LBS_NOTIFY |
                 LBS_NOINTEGRALHEIGHT;
    args.parent = parent;
    args.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    if (!Create(args)) return false;
    images_ = SystemImageClipboard(Handle());
    const win::WindowDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    const int dpiX = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    listFont_.Reset(
        CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif"));
    glyphFont_.Reset(CreateFontW(-MulDiv(MulDiv(110, 96, dpiX), dpi, 720), 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET,
                                 0, 0, 0, 0, L"Marlett"));
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.Get()), FALSE);
    {
        // Line height: the text height of the list's device context as it
        // comes (the list font is not selected), the same for every line;
        // the indent unit: the width of the glyph font's "t".
        win::WindowDC dc(Handle());
        SIZE size{};
        if (GetTextExtentPoint32W(dc.Get(), L"Ag", 2, &size) && size.cy > 0) textHeight_ = size.cy;
        win::SelectGuard font(dc.Get(), glyphFont_.Get());
        if (GetTextExtentPoint32W(dc.Get(), L"t", 1, &size)) glyphWidth_ = size.cx;
    }
    SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, textHeight_ + 4);
    gridPen_.Reset(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex & ~(WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    model_.SetView(this);
    Links().grid = &model_;
    return true;
}

void CPropertyList::OnDestroy() {
    if (Links().grid == &model_) Links().grid = nullptr;
}

RECT CPropertyList::ItemRect(int index) const {
    RECT r{};
    SendMessageW(Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return r;
}

RECT CPropertyList::ValueCellOf(int index) const {
    const RECT r = ItemRect(index);
    return ValueCell(r, DividerOrDefault(divider_, r));
}

int CPropertyList::GlyphWidth() const { return glyphWidth_; }

void CPropertyList::LinesInserted(int index, int count) {
    // The list keeps strings of its own (empty ones): the row travels as the
    // line's item data, which drawing reads back.
    for (int i = 0; i < count; ++i) {
        const LRESULT line = SendMessageW(Handle(), LB_INSERTSTRING, index + i, reinterpret_cast<LPARAM>(L""));
        if (line >= 0)
            SendMessageW(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(line),
                         reinterpret_cast<LPARAM>(model_.Item(index + i)));
    }
}

void CPropertyList::LinesDeleted(int index, int count) {
    for (int i = 0; i < count; ++i) SendMessageW(Handle(), LB_DELETESTRING, index, 0);
}

void CPropertyList::LinesReset() {
    // A page is being filled: the list stops redrawing and updating its
    // scroll bar line by line until it is next painted.
    if (!batching_) {
        SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
        batching_ = true;
    }
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
    HideEditors();
}

void CPropertyList::EndBatch() {
    if (!batching_) return;
    batching_ = false;
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
}

void CPropertyList::InvalidateLine(int index) {
    const RECT r = ItemRect(index);
    InvalidateRect(Handle(), &r, TRUE);
}

void CPropertyList::InvalidateAll() { InvalidateRect(Handle(), nullptr, TRUE); }

void CPropertyList::LineSelected(int index) { SendMessageW(Handle(), LB_SETCURSEL, index, 0); }

bool CPropertyList::OnReflectedMeasureItem(MEASUREITEMSTRUCT* mis) {
    mis->itemHeight = static_cast<UINT>(textHeight_ + 4);
    return true;
}

bool CPropertyList::OnReflectedDrawItem(DRAWITEMSTRUCT* dis) {
    if (dis->itemID == static_cast<UINT>(-1)) return true;
    const auto* row = reinterpret_cast<const CPropertyItem*>(dis->itemData);
    if (!row) return true;
    HDC dc = dis->hDC;
    const RECT r = dis->rcItem;
    if (divider_ == 0) divider_ = DividerOrDefault(0, r);
    const RECT label = LabelCell(r, divider_);
    RECT value = ValueCell(r, divider_);
    const int g = GlyphWidth();
    bool swatch = false;
    COLORREF swatchColor = 0;
    if (row->Kind() == kKindColor && !row->Value().empty() && CurrentLink() && CurrentLink()->GetTwfObj()) {
        swatchColor = CurrentLink()->GetTwfObj()->GetColor(row->Id());
        if (swatchColor != 0xFFFFFFFFu) {
            win::Brush brush(CreateSolidBrush(swatchColor));
            FillRect(dc, &value, brush.Get());
            swatch = true;
        }
    }
    if (!swatch) FillRect(dc, &value, GetSysColorBrush(COLOR_WINDOW));
    FillRect(dc, &label, GetSysColorBrush(COLOR_WINDOW));
    {
        win::SelectGuard selectPen(dc, gridPen_.Get());
        win::SelectGuard selectBrush(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, label.left, label.top, label.right, label.bottom + 1);
        MoveToEx(dc, label.right, value.top, nullptr);
        LineTo(dc, value.right, value.top);
        MoveToEx(dc, label.right, value.bottom, nullptr);
        LineTo(dc, value.right, value.bottom);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    if (dis->itemState & ODS_SELECTED) {
        FillRect(dc, &label, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    const RECT text = LabelTextRect(label);
    RECT indented = text;
    indented.left += LabelIndent(*row, g);
    // The list box has its font selected into the device context already.
    DrawTextW(dc, row->Label().c_str(), -1, &indented, DT_SINGLELINE | DT_END_ELLIPSIS);
    if (row->IsExpandable()) {
        win::SelectGuard glyph(dc, glyphFont_.Get());
        TextOutW(dc, text.left, text.top, row->IsExpanded() ? L"u" : L"4", 1);
    }
    SetTextColor(dc, swatch ? ((~swatchColor & 0xFFFFFFu) - 0x7D7D7Du) & 0xFFFFFFu : GetSysColor(COLOR_WINDOWTEXT));
    RECT valueText{value.left + 3, value.top + 3, value.right + 3, value.bottom + 3};
    DrawTextW(dc, row->Value().c_str(), -1, &valueText, DT_SINGLELINE);
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dc, &label);
    return true;
}

void CPropertyList::ToggleIfGlyphHit(int index, POINT point) {
    CPropertyItem* row = model_.Item(index);
    if (!row || !row->IsExpandable()) return;
    const RECT r = ItemRect(index);
    const RECT text = LabelTextRect(LabelCell(r, DividerOrDefault(divider_, r)));
    if (PointInRect(ExpandGlyphRect(*row, text, GlyphWidth()), point.x, point.y))
        model_.ExpandItem(index, !row->IsExpanded());
}

void CPropertyList::ShowSelectedItemOptions() {
    CPropertyItem* row = model_.Item(model_.GetSelectedIndex());
    OptionsPages* pages = Links().options;
    if (row && CurrentLink() && (row->Kind() == kKindImage || row->Kind() == kKindRegion)) {
        const bool modified = IsDocumentModified();
        CurrentLink()->ShowItemImage(row);
        RestoreDocumentModified(modified);
    } else if (pages) {
        pages->EnableAllControls(OptionsPages::kImagePage, false);
        pages->EnableAllControls(OptionsPages::kFrameImagePage, false);
        pages->EnableAllControls(OptionsPages::kRegionPage, false);
    }
    if (row && Links().colorAdjust) Links().colorAdjust->TrackSelectedProperty(row->Id(), row->Kind(), 0);
}

void CPropertyList::OnSelchange() {
    const int s = static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
    CPropertyItem* row = model_.Item(s);
    if (!row) return;
    if (s == model_.GetSelectedIndex() && row->Kind() == kKindNumber && openEditor_) return;
    if (OptionsPages* pages = Links().options) {
        if (row->Kind() == kKindImage || row->Kind() == kKindRegion)
            pages->SelectView(row->Kind() == kKindImage ? 0 : 1);
        if (row->Kind() == kKindRegion) {
            pages->EnableAllControls(OptionsPages::kImagePage, false);
            pages->EnableAllControls(OptionsPages::kFrameImagePage, false);
        } else if (row->Kind() == kKindImage) {
            pages->EnableAllControls(OptionsPages::kRegionPage, false);
        } else {
            pages->EnableAllControls(OptionsPages::kImagePage, false);
            pages->EnableAllControls(OptionsPages::kFrameImagePage, false);
            pages->EnableAllControls(OptionsPages::kRegionPage, false);
        }
    }
    CloseEditor();
    model_.Select(s);
    ShowInPlaceEditor(false);
    ShowSelectedItemOptions();
}

bool CPropertyList::OnReflectedCommand(UINT code, LRESULT& result) {
    if (code != LBN_SELCHANGE) return false;
    OnSelchange();
    result = 0;
    return true;
}

void CPropertyList::OnContextCommand(UINT id) {
    CPropertyItem* row = model_.Item(model_.GetSelectedIndex());
    switch (id) {
    case ID_GRID_CUT: clipboard_.CutItem(row); break;
    case ID_GRID_COPY: clipboard_.CopyItem(row, false); break;
    case ID_GRID_PASTE: clipboard_.PasteItem(row, false); break;
    case ID_GRID_DELETE: clipboard_.DeleteItemValue(row); break;
    case ID_EDIT_COPY_WITH_MARGINS: clipboard_.CopyItem(row, true); break;
    case ID_EDIT_PASTE_WITH_MARGINS: clipboard_.PasteItem(row, true); break;
    case ID_GRID_FILL_ALL_STATES: RunFillAllStates(CurrentLink(), &model_); break;
    default: break;
    }
    InvalidateAll();
}

void CPropertyList::DrawDividerLine(int x) {
    const win::WindowDC dc(Handle());
    const int old = SetROP2(dc.Get(), R2_NOT);
    MoveToEx(dc.Get(), x, dragTop_, nullptr);
    LineTo(dc.Get(), x, dragBottom_);
    SetROP2(dc.Get(), old);
}

void CPropertyList::OnSize(UINT, int, int) {
    CPropertyItem* row = model_.OpenItem();
    if (IsFocusInside() && GetFocus() != Handle() && row && row->Kind() != kKindCategory) ShowInPlaceEditor(true);
}

LRESULT CPropertyList::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
    case WM_NCPAINT: EndBatch(); break;
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (mis->CtlID == IDC_GRID_COLOR) {
            mis->itemHeight = static_cast<UINT>(textHeight_ + 2);
            return TRUE;
        }
        break;
    }
    case WM_SETFOCUS: {
        const LRESULT result = DefaultProc(msg, wp, lp);
        if (SendMessageW(Handle(), LB_GETCURSEL, 0, 0) == LB_ERR && model_.Count() > 0) {
            SendMessageW(Handle(), LB_SETCURSEL, 0, 0);
            OnSelchange();
        }
        return result;
    }
    case WM_LBUTTONDOWN: {
        const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (model_.Count() > 0 && NearDivider(p.x, divider_)) {
            SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
            RECT window;
            GetWindowRect(Handle(), &window);
            window.left += 10;
            window.right -= 10;
            ClipCursor(&window);
            RECT client;
            GetClientRect(Handle(), &client);
            dragTop_ = client.top;
            dragBottom_ = client.bottom;
            dragX_ = p.x;
            dragging_ = true;
            DrawDividerLine(dragX_);
            SetCapture(Handle());
            return 0;
        }
        const bool modified = IsDocumentModified();
        const LRESULT result = DefaultProc(msg, wp, lp);
        RestoreDocumentModified(modified);
        ToggleIfGlyphHit(model_.GetSelectedIndex(), p);
        return result;
    }
    case WM_MOUSEMOVE: {
        const int x = GET_X_LPARAM(lp);
        if (dragging_) {
            DrawDividerLine(dragX_);
            dragX_ = x;
            DrawDividerLine(dragX_);
            return 0;
        }
        if (model_.Count() > 0 && NearDivider(x, divider_)) {
            SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
            return 0;
        }
        break;
    }
    case WM_LBUTTONUP: {
        const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (dragging_) {
            dragging_ = false;
            if (GetCapture() == Handle()) ReleaseCapture();
            ClipCursor(nullptr);
            DrawDividerLine(p.x);
            RECT client;
            GetClientRect(Handle(), &client);
            divider_ = ClampDivider(p.x, client.left, client.right);
            InvalidateAll();
            return 0;
        }
        break;
    }
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = DefaultProc(msg, wp, lp);
        ToggleIfGlyphHit(model_.GetSelectedIndex(), POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return result;
    }
    case WM_RBUTTONDOWN: {
        const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, lp);
        const int index = LOWORD(hit);
        if (HIWORD(hit) || !model_.Item(index)) return 0;
        // An open editor commits to its own row before another row becomes
        // the open one, as a selection by click or key does.
        if (openEditor_) CloseEditor();
        SendMessageW(Handle(), LB_SETCURSEL, index, 0);
        model_.SetSelectedIndex(index);
        const int kind = model_.Item(index)->Kind();
        if (kind == kKindColor || kind == kKindImage || kind == kKindRegion) {
            if (HMENU menu = LoadMenuW(fw::ResourceModule(), MAKEINTRESOURCEW(IDR_PROPERTY_GRID_MENU))) {
                POINT screen{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                ClientToScreen(Handle(), &screen);
                HMENU popup = GetSubMenu(menu, 0);
                UpdateGridMenu(popup, CanFillAllStates(CurrentLink(), &model_));
                const UINT id = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, screen.x,
                                               screen.y, 0, Handle(), nullptr);
                DestroyMenu(menu);
                if (id) OnContextCommand(id);
            }
        }
        return 0;
    }
    default: break;
    }
    return fw::Window::WindowProc(msg, wp, lp);
}

bool CPropertyList::PreTranslateMessage(MSG& msg) {
    if (msg.message != WM_KEYDOWN || !IsAlive()) return false;
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
    const int s = static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
    CPropertyItem* row = model_.Item(s);
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    auto visible = [](HWND h) { return h && IsWindowVisible(h); };
    if (edit_) {
        LONG_PTR style = GetWindowLongPtrW(edit_, GWL_STYLE);
        const bool signedRow = row && row->Kind() == kKindSigned;
        SetWindowLongPtrW(edit_, GWL_STYLE, signedRow ? (style & ~ES_NUMBER) : (style | ES_NUMBER));
    }
    switch (msg.wParam) {
    case VK_ESCAPE:
        if (openEditor_ && visible(openEditor_)) SetFocus(Handle());
        return false;
    case VK_LEFT:
    case VK_RIGHT:
        if (!row) return false;
        if (row->IsExpandable()) {
            model_.ExpandItem(s, !row->IsExpanded());
            return true;
        }
        if (row->Kind() != kKindNumber && GetFocus() != Handle()) SetFocus(Handle());
        return false;
    case VK_UP:
    case VK_DOWN:
        if (GetFocus() && (GetFocus() == color_.Handle() || IsChild(color_.Handle(), GetFocus())) &&
            SendMessageW(color_.Handle(), CB_GETDROPPEDSTATE, 0, 0))
            return false;
        if (openEditor_) {
            CloseEditor();
            SetFocus(Handle());
            msg.hwnd = Handle();
        }
        return false;
    case VK_RETURN:
        if (visible(button_)) {
            OnPropertyButton();
            return true;
        }
        if (visible(choice_)) {
            if (SendMessageW(choice_, CB_GETDROPPEDSTATE, 0, 0)) return false;
            SendMessageW(choice_, CB_SHOWDROPDOWN, TRUE, 0);
            return true;
        }
        if (visible(color_.Handle())) {
            if (SendMessageW(color_.Handle(), CB_GETDROPPEDSTATE, 0, 0)) {
                SendMessageW(color_.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
                model_.SetSelectedColor(color_.GetSelectedColor());
                return false;
            }
            SendMessageW(color_.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
            return true;
        }
        if (visible(edit_)) {
            SetFocus(Handle());
            return false;
        }
        if (!row) return false;
        model_.Select(s);
        if (row->IsExpandable()) {
            model_.ExpandItem(s, !row->IsExpanded());
            return false;
        }
        if (openEditor_) return false;
        ShowInPlaceEditor(false);
        return true;
    case VK_TAB:
        if (!ctrl) {
            CloseEditor();
            const int target = model_.TabTarget(shift);
            if (target >= 0) {
                SendMessageW(Handle(), LB_SETCURSEL, target, 0);
                OnSelchange();
            }
            return true;
        }
        if (Links().host) Links().host->FocusTree(!shift && row && row->Kind() == kKindImage);
        return true;
    case 'X':
        if (ctrl && row) clipboard_.CutItem(row);
        return false;
    case 'W':
        if (ctrl && row) RunFillAllStates(CurrentLink(), &model_);
        return false;
    case 'C':
    case 'V':
        if (ctrl && row && !visible(edit_)) {
            if (msg.wParam == 'C')
                clipboard_.CopyItem(row, shift);
            else
                clipboard_.PasteItem(row, shift);
            InvalidateAll();
            return true;
        }
        return false;
    case VK_OEM_COMMA:
    case VK_OEM_PERIOD:
        if (Links().host) Links().host->SelectNextState(msg.wParam == VK_OEM_PERIOD);
        return false;
    default: return false;
    }
}

} // namespace hexmoor::links
