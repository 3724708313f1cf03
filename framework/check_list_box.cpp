#include "framework/check_list_box.h"

#include <windowsx.h>

#include <vector>

#include "base/win/gdi.h"

namespace hexmoor::fw {

namespace {
// An item's data: its check state in the low bits and a flag for an item
// that cannot be checked by the user.
constexpr LPARAM kCheckMask = 0x3;
constexpr LPARAM kDisabledFlag = 0x100;
} // namespace

CheckListBox::~CheckListBox() {
    if (Handle()) RemovePropW(Handle(), win::kCheckListHostProperty);
}

bool CheckListBox::Bind(HWND listBox) {
    if (!Attach(listBox)) return false;
    SetPropW(listBox, win::kCheckListHostProperty, static_cast<win::CheckListHost*>(this));
    return true;
}

int CheckListBox::AddString(const std::wstring& text) {
    return static_cast<int>(SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

LPARAM CheckListBox::Data(int item) const {
    const LRESULT data = Handle() ? SendMessageW(Handle(), LB_GETITEMDATA, item, 0) : LB_ERR;
    return data == LB_ERR ? 0 : data;
}

void CheckListBox::SetData(int item, LPARAM data) {
    SendMessageW(Handle(), LB_SETITEMDATA, item, data);
    RECT r{};
    if (SendMessageW(Handle(), LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&r)) != LB_ERR)
        InvalidateRect(Handle(), &r, FALSE);
}

void CheckListBox::SetCheck(int item, int state) {
    if (state < 0 || state > 2) return;
    SetData(item, (Data(item) & ~kCheckMask) | state);
}

void CheckListBox::Enable(int item, bool enabled) {
    SetData(item, enabled ? (Data(item) & ~kDisabledFlag) : (Data(item) | kDisabledFlag));
}

int CheckListBox::CheckState(int item) const { return static_cast<int>(Data(item) & kCheckMask); }
bool CheckListBox::IsItemEnabled(int item) const { return (Data(item) & kDisabledFlag) == 0; }

int CheckListBox::BoxSize() const { return 13; }

void CheckListBox::Toggle(int item) {
    if (item < 0 || !IsItemEnabled(item)) return;
    SetCheck(item, NextCheck(CheckState(item)));
    // The parent hears of it as a list box would tell a selection change.
    SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), kCheckChanged),
                 reinterpret_cast<LPARAM>(Handle()));
}

LRESULT CheckListBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONDOWN: {
        const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, lp);
        const int item = LOWORD(hit);
        const LRESULT result = Window::WindowProc(msg, wp, lp);
        if (!HIWORD(hit) && GET_X_LPARAM(lp) < BoxSize() + 2) Toggle(item);
        return result;
    }
    case WM_KEYDOWN:
        if (wp == VK_SPACE) {
            Toggle(static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)));
            return 0;
        }
        break;
    case WM_NCDESTROY: RemovePropW(Handle(), win::kCheckListHostProperty); break;
    default: break;
    }
    return Window::WindowProc(msg, wp, lp);
}

bool CheckListBox::OnReflectedMeasureItem(MEASUREITEMSTRUCT* mis) {
    mis->itemHeight = std::max<UINT>(mis->itemHeight, UINT(BoxSize() + 2));
    return true;
}

bool CheckListBox::OnReflectedDrawItem(DRAWITEMSTRUCT* dis) {
    if (dis->itemID == UINT(-1)) return true;
    HDC dc = dis->hDC;
    const int item = static_cast<int>(dis->itemID);
    const bool enabled = IsItemEnabled(item) && IsWindowEnabled(Handle());
    RECT box{dis->rcItem.left + 1, dis->rcItem.top + 1, dis->rcItem.left + 1 + BoxSize(),
             dis->rcItem.top + 1 + BoxSize()};
    UINT state = DFCS_BUTTONCHECK;
    const int check = CheckState(item);
    if (check == 2) state = DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (check == 1) state |= DFCS_CHECKED;
    if (!enabled) state |= DFCS_INACTIVE;
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    RECT text = dis->rcItem;
    text.left = box.right + 3;
    win::Brush back(CreateSolidBrush(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW)));
    win::Brush window(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
    RECT left = dis->rcItem;
    left.right = text.left;
    FillRect(dc, &left, window.Get());
    FillRect(dc, &text, back.Get());
    DrawFrameControl(dc, &box, DFC_BUTTON, state);
    const int length = static_cast<int>(SendMessageW(Handle(), LB_GETTEXTLEN, item, 0));
    if (length > 0) {
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
        SendMessageW(Handle(), LB_GETTEXT, item, reinterpret_cast<LPARAM>(buffer.data()));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        DrawTextW(dc, buffer.data(), length, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dc, &text);
    return true;
}

} // namespace hexmoor::fw
