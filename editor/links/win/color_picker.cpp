#include "editor/links/win/color_picker.h"

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

const std::vector<NamedColor>& StandardColors() {
    static const std::vector<NamedColor> colors = {
        {RGB(0, 0, 0), L"Black"},       {RGB(128, 0, 0), L"Maroon"},    {RGB(0, 128, 0), L"Green"},
        {RGB(128, 128, 0), L"Olive"},   {RGB(0, 0, 128), L"Navy"},      {RGB(128, 0, 128), L"Purple"},
        {RGB(0, 128, 128), L"Teal"},    {RGB(128, 128, 128), L"Gray"},  {RGB(192, 192, 192), L"Silver"},
        {RGB(255, 0, 0), L"Red"},       {RGB(0, 255, 0), L"Lime"},      {RGB(255, 255, 0), L"Yellow"},
        {RGB(0, 0, 255), L"Blue"},      {RGB(255, 0, 255), L"Fuchsia"}, {RGB(0, 255, 255), L"Aqua"},
        {RGB(255, 255, 255), L"White"},
    };
    return colors;
}

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
            owner_.SetCustomAnswer(
                ColorDialogs().Choose(GetParent(owner_.Handle()), initial, &chosen) ? chosen : kCustomColorEntry);
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

int CColorPickerCB::CustomIndex() const {
    const std::vector<COLORREF> colors = Colors();
    for (size_t i = 0; i < colors.size(); ++i)
        if (colors[i] == kCustomColorEntry) return static_cast<int>(i);
    return -1;
}

bool CColorPickerCB::CreatePicker(HWND parent, UINT id, const RECT& rect, HFONT font) {
    fw::WindowArgs args;
    args.className = L"COMBOBOX";
    args.style =
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    args.x = rect.left;
    args.y = rect.top;
    args.width = rect.right - rect.left;
    args.height = rect.bottom - rect.top;
    args.parent = parent;
    args.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    if (!Create(args)) return false;
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const NamedColor& c : StandardColors()) AddEntry(c.color, c.name);
    AddEntry(kInvertColor, L"Invert Color");
    AddEntry(kCustomColorEntry, L"Custom...");
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

void CColorPickerCB::SelectColor(COLORREF color) {
    shown_ = color;
    const std::vector<COLORREF> colors = Colors();
    for (size_t i = 0; i < colors.size(); ++i) {
        if (colors[i] == color && color != kCustomColorEntry) {
            SendMessageW(Handle(), CB_SETCURSEL, i, 0);
            return;
        }
    }
    // A colour the list does not hold goes in just before "Custom...".
    const int at = AddEntry(color, ColorText(color), static_cast<int>(colors.size()) - 1);
    SendMessageW(Handle(), CB_SETCURSEL, at, 0);
}

COLORREF CColorPickerCB::GetSelectedColor() {
    const LRESULT index = SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return kCustomColorEntry;
    const COLORREF color = static_cast<COLORREF>(SendMessageW(Handle(), CB_GETITEMDATA, index, 0));
    if (color != kCustomColorEntry) return color;
    COLORREF chosen = 0;
    if (customAnswer_) {
        // The list's click asked already.
        chosen = *customAnswer_;
        customAnswer_.reset();
        if (chosen == kCustomColorEntry) return kCustomColorEntry;
    } else if (!ColorDialogs().Choose(GetParent(Handle()), 0, &chosen)) {
        return kCustomColorEntry;
    }
    SelectColor(chosen);
    return chosen;
}

bool CColorPickerCB::OnReflectedMeasureItem(MEASUREITEMSTRUCT* mis) {
    mis->itemHeight = 16;
    return true;
}

bool CColorPickerCB::OnReflectedDrawItem(DRAWITEMSTRUCT* dis) {
    if (dis->itemID == static_cast<UINT>(-1)) return true;
    HDC dc = dis->hDC;
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    FillRect(dc, &dis->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const COLORREF color = static_cast<COLORREF>(dis->itemData);
    RECT swatch{dis->rcItem.left + 2, dis->rcItem.top + 2, dis->rcItem.left + 22, dis->rcItem.bottom - 2};
    if (color == kInvertColor || color == kCustomColorEntry) {
        FrameRect(dc, &swatch, GetSysColorBrush(COLOR_WINDOWTEXT));
    } else {
        win::Brush brush(CreateSolidBrush(color));
        FillRect(dc, &swatch, brush.Get());
        FrameRect(dc, &swatch, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
    wchar_t text[64] = {};
    SendMessageW(dis->hwndItem, CB_GETLBTEXT, dis->itemID, reinterpret_cast<LPARAM>(text));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT textRect = dis->rcItem;
    textRect.left = swatch.right + 4;
    DrawTextW(dc, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER);
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dc, &dis->rcItem);
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
