#include "editor/links/win/color_picker.h"

#include <utility>

#include "editor/links/link_strings.h"
#include "editor/links/value_text.h"
#include "base/win/gdi.h"

namespace hexmoor::links {
namespace {

ColorDialogService* g_colorDialogs = nullptr;

} // namespace

bool SystemColorDialog::Choose(HWND owner, COLORREF initial, COLORREF* chosen) {
    static COLORREF custom[16] = {};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = owner;
    cc.rgbResult = initial == kInvertColor || initial == kCustomColorEntry ? 0 : initial;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&cc)) return false;
    *chosen = cc.rgbResult;
    return true;
}

ColorDialogService& ColorDialogs() {
    static SystemColorDialog system;
    return g_colorDialogs ? *g_colorDialogs : system;
}

void SetColorDialogs(ColorDialogService* service) { g_colorDialogs = service; }

LRESULT CColorListBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONUP) {
        const int custom = owner_.CustomIndex();
        const LRESULT sel = SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
        if (custom >= 0 && sel == custom) {
            // The colour shown before the drop-down opened: the combo box's
            // selection already follows the list's.
            COLORREF initial = owner_.ShownColor();
            if (initial == kCustomColorEntry || initial == kInvertColor) initial = 0;
            COLORREF chosen = 0;
            const bool ok = ColorDialogs().Choose(GetParent(owner_.Handle()), initial, &chosen);
            owner_.TakeCustomAnswer(ok ? std::optional<COLORREF>(chosen) : std::nullopt);
        }
    }
    return Window::WindowProc(msg, wp, lp);
}

CColorPickerCB::CColorPickerCB() = default;

CColorPickerCB::~CColorPickerCB() {
    // The list belongs to the combo box: let go of it, never destroy it.
    if (list_) list_->Detach();
}

HWND CColorPickerCB::ListWindow() const { return list_ ? list_->Handle() : nullptr; }

int CColorPickerCB::IndexOf(COLORREF data) const {
    const std::vector<COLORREF> colors = Colors();
    for (size_t i = 0; i < colors.size(); ++i)
        if (colors[i] == data) return static_cast<int>(i);
    return -1;
}

int CColorPickerCB::CustomIndex() const {
    // The entry sits at its place unless it was never added; its colour may
    // be any once one was chosen.
    const int count = static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
    return count > kCustomEntry ? kCustomEntry : -1;
}

int CColorPickerCB::InvertIndex() const { return IndexOf(kInvertColor) == kInvertEntry ? kInvertEntry : -1; }

bool CColorPickerCB::CreatePicker(HWND parent, UINT id, const RECT& rect, HFONT font, bool standalone) {
    fw::WindowArgs args;
    args.className = L"COMBOBOX";
    args.style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                 CBS_HASSTRINGS | (standalone ? kStandalonePickerStyle : 0);
    args.x = rect.left;
    args.y = rect.top;
    args.width = rect.right - rect.left;
    args.height = rect.bottom - rect.top;
    args.parent = parent;
    args.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    if (!Create(args)) return false;
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    AddEntry(kInvertColor, kInvertColorText, kInvertEntry);
    AddEntry(kCustomColorEntry, kCustomColorText);
    for (const NamedColor& c : StandardColors())
        if (AddEntry(c.color, c.name) == CB_ERRSPACE) break;
    SendMessageW(Handle(), CB_SETCURSEL, kInvertEntry, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(Handle(), &info) && info.hwndList) {
        list_ = std::make_unique<CColorListBox>(*this);
        if (!list_->Attach(info.hwndList)) list_.reset();
    }
    return true;
}

int CColorPickerCB::AddEntry(COLORREF color, const std::wstring& name, int at) {
    const int index = static_cast<int>(
        SendMessageW(Handle(), CB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(name.c_str())));
    if (index >= 0) SendMessageW(Handle(), CB_SETITEMDATA, index, static_cast<LPARAM>(color));
    return index;
}

std::vector<COLORREF> CColorPickerCB::Colors() const {
    std::vector<COLORREF> colors;
    const int count = static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        colors.push_back(static_cast<COLORREF>(SendMessageW(Handle(), CB_GETITEMDATA, i, 0)));
    return colors;
}

void CColorPickerCB::TakeCustomAnswer(std::optional<COLORREF> chosen) {
    customAnswered_ = true;
    const int custom = CustomIndex();
    if (!chosen || custom < 0) return;
    SendMessageW(Handle(), CB_SETITEMDATA, custom, static_cast<LPARAM>(*chosen));
    if (GetWindowLongPtrW(Handle(), GWL_STYLE) & kStandalonePickerStyle) InvalidateRect(Handle(), nullptr, FALSE);
}

void CColorPickerCB::SelectColor(COLORREF color) {
    shown_ = color;
    const std::vector<COLORREF> colors = Colors();
    const std::vector<ColorRef> items(colors.begin(), colors.end());
    const ColorSelection selection = SelectColorEntry(items, CustomIndex(), InvertIndex(), color);
    if (!selection.index) return;
    if (selection.newCustomData) {
        SendMessageW(Handle(), CB_SETITEMDATA, *selection.index, static_cast<LPARAM>(*selection.newCustomData));
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    SendMessageW(Handle(), CB_SETCURSEL, *selection.index, 0);
}

COLORREF CColorPickerCB::GetSelectedColor() {
    const LRESULT index = SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return 0;
    const COLORREF color = static_cast<COLORREF>(SendMessageW(Handle(), CB_GETITEMDATA, index, 0));
    if (index != CustomIndex()) return color;
    // A click in the drop list asked already.
    if (std::exchange(customAnswered_, false) || color != kCustomColorEntry) return color;
    COLORREF chosen = 0;
    if (!ColorDialogs().Choose(GetParent(Handle()), 0, &chosen)) return kCustomColorEntry;
    SendMessageW(Handle(), CB_SETITEMDATA, index, static_cast<LPARAM>(chosen));
    InvalidateRect(Handle(), nullptr, FALSE);
    return chosen;
}

bool CColorPickerCB::OnReflectedMeasureItem(MEASUREITEMSTRUCT* mis) {
    mis->itemHeight = 16;
    return true;
}

bool CColorPickerCB::OnReflectedDrawItem(DRAWITEMSTRUCT* dis) {
    HDC dc = dis->hDC;
    const RECT r = dis->rcItem;
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    if (selected) {
        text = ~text & 0xFFFFFF;
        FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
    } else {
        FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    }
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
    // The swatch: the item shrunk by 2, its right edge a quarter of the way
    // across; the text starts just after it.
    const int quarter = (r.right - r.left) / 4;
    const RECT swatch{r.left + 2, r.top + 2, r.left + quarter, r.bottom - 2};
    if (dis->itemID == static_cast<UINT>(-1)) return true;
    COLORREF color = static_cast<COLORREF>(dis->itemData);
    if (dis->itemState & ODS_DISABLED) {
        color = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);
        text = color;
    }
    wchar_t label[64] = {};
    SendMessageW(dis->hwndItem, CB_GETLBTEXT, dis->itemID, reinterpret_cast<LPARAM>(label));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    TextOutW(dc, r.left + quarter + 2, r.top + 2, label, static_cast<int>(wcslen(label)));
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    if (color == kInvertColor) return true;
    if (color == kCustomColorEntry) {
        // No colour yet: three small hollow circles in the swatch's lower left.
        win::Pen pen(CreatePen(PS_SOLID, 1, text));
        win::SelectGuard usePen(dc, pen.Get());
        win::SelectGuard hollow(dc, GetStockObject(NULL_BRUSH));
        for (int i = 0; i < 3; ++i) {
            const int left = swatch.left + 3 + 4 * i;
            Ellipse(dc, left, swatch.bottom - 5, left + 3, swatch.bottom - 2);
        }
        FrameRect(dc, &swatch, black);
        return true;
    }
    win::Brush fill(CreateSolidBrush(color));
    FillRect(dc, &swatch, fill.Get());
    FrameRect(dc, &swatch, black);
    return true;
}

} // namespace hexmoor::links

namespace hexmoor::links {
namespace {

void AddEntries(HWND combo, std::initializer_list<UINT> ids) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    int at = 0;
    for (UINT id : ids) {
        const std::wstring text = LinkString(id);
        SendMessageW(combo, CB_INSERTSTRING, at++, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

} // namespace

void FillDrawModeCombo(HWND combo, bool withBlit) {
    if (withBlit)
        AddEntries(combo, {IDS_LINK_BLIT, IDS_LINK_STRETCH, IDS_LINK_TILE});
    else
        AddEntries(combo, {IDS_LINK_STRETCH, IDS_LINK_TILE});
}

void FillRegionDrawModeCombo(HWND combo, bool withTile) {
    if (withTile)
        AddEntries(combo, {IDS_LINK_BLIT, IDS_LINK_STRETCH, IDS_LINK_TILE});
    else
        AddEntries(combo, {IDS_LINK_BLIT, IDS_LINK_STRETCH});
}

} // namespace hexmoor::links
