#include "tools/skinshot/lists_panel.h"

#include <commctrl.h>

#include <string>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "base/win/hosts.h"
#include "runtime/twf_api.h"

namespace skinshot {

namespace {

constexpr int kPanelWidth = 820;
constexpr int kPanelHeight = 300;
constexpr int kItemW = 150;
constexpr int kItemH = 120;

void PumpAll() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Check states of the check list: unchecked, checked, indeterminate in turn;
// every fourth item disabled.
struct PanelCheckList : hexmoor::win::CheckListHost {
    int CheckState(int item) const override { return item % 3; }
    bool IsItemEnabled(int item) const override { return item % 4 != 3; }
};

struct Item {
    int kind;
    const char* state;
    HWND window;
};

HWND Make(HWND host, const wchar_t* cls, DWORD style, int slot) {
    const int x = 8 + (slot % 5) * (kItemW + 8), y = 8 + (slot / 5) * (kItemH + 8);
    return CreateWindowExW(WS_EX_CLIENTEDGE, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, kItemW, kItemH, host,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

void FillList(HWND list) {
    for (int i = 0; i < 12; ++i) {
        const std::wstring text = L"Row " + std::to_wstring(i);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(list, LB_SETCURSEL, 1, 0);
}

void FillView(HWND view) {
    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.cx = 64;
        column.pszText = const_cast<wchar_t*>(c ? L"Size" : L"Name");
        SendMessageW(view, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    for (int i = 0; i < 8; ++i) {
        const std::wstring text = L"Item " + std::to_wstring(i);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        const std::wstring size = std::to_wstring(i * 10) + L" KB";
        item.iSubItem = 1;
        item.pszText = const_cast<wchar_t*>(size.c_str());
        SendMessageW(view, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    }
    LVITEMW selected{};
    selected.stateMask = selected.state = LVIS_SELECTED;
    SendMessageW(view, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&selected));
}

void FillTree(HWND tree) {
    HTREEITEM selected = nullptr;
    for (int r = 0; r < 3; ++r) {
        TVINSERTSTRUCTW ins{};
        ins.hParent = TVI_ROOT;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT;
        const std::wstring text = L"Folder " + std::to_wstring(r);
        ins.item.pszText = const_cast<wchar_t*>(text.c_str());
        const auto root =
            reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
        for (int c = 0; c < 2; ++c) {
            ins.hParent = root;
            const std::wstring child = L"File " + std::to_wstring(c);
            ins.item.pszText = const_cast<wchar_t*>(child.c_str());
            const auto item =
                reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
            if (r == 0 && c == 1) selected = item;
        }
        if (r != 1) SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    }
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected));
}

} // namespace

Panel MakeListsPanel(bool skinned) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    HWND host = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 0, 0, kPanelWidth, kPanelHeight, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!host) return {};
    static PanelCheckList checks;
    const DWORD listStyle = WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    const DWORD viewStyle = LVS_REPORT | LVS_SHOWSELALWAYS;
    const DWORD treeStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    Item items[] = {
        {14, "normal", Make(host, L"LISTBOX", listStyle, 0)},
        {14, "disabled", Make(host, L"LISTBOX", listStyle, 1)},
        {14, "checklist", Make(host, L"LISTBOX", listStyle | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 2)},
        {19, "normal", Make(host, WC_TREEVIEWW, treeStyle, 3)},
        {19, "disabled", Make(host, WC_TREEVIEWW, treeStyle, 4)},
        {15, "normal", Make(host, WC_LISTVIEWW, viewStyle, 5)},
        {15, "unfocused", Make(host, WC_LISTVIEWW, viewStyle, 6)},
        {15, "disabled", Make(host, WC_LISTVIEWW, viewStyle, 7)},
        {15, "icon", Make(host, WC_LISTVIEWW, LVS_ICON, 8)},
    };
    HWND focused = nullptr;
    for (const Item& item : items) {
        if (!item.window) {
            DestroyWindow(host);
            return {};
        }
        const std::string state = item.state;
        if (item.kind == 14) {
            if (state == "checklist") {
                SendMessageW(item.window, LB_SETITEMHEIGHT, 0, 16);
                SetPropW(item.window, hexmoor::win::kCheckListHostProperty, &checks);
            }
            FillList(item.window);
        } else if (item.kind == 15) {
            FillView(item.window);
            if (state == "normal") focused = item.window;
        } else {
            FillTree(item.window);
        }
        if (state == "disabled") EnableWindow(item.window, FALSE);
    }
    if (skinned) ApplySkinToWindow(host, 1);
    SetFocus(focused);
    for (int i = 0; i < 3; ++i) {
        PumpAll();
        RedrawWindow(host, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
        Sleep(30);
    }
    PumpAll();

    Panel result;
    const BITMAPINFO bi = hexmoor::win::TopDown32BitInfo(kPanelWidth, kPanelHeight);
    void* bits = nullptr;
    result.picture.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!result.picture || !bits) {
        DestroyWindow(host);
        return {};
    }
    result.width = kPanelWidth;
    result.height = kPanelHeight;
    {
        hexmoor::win::MemoryDC memory(nullptr);
        hexmoor::win::SelectGuard select(memory.Get(), result.picture.Get());
        hexmoor::win::WindowDC source(host, true);
        BitBlt(memory.Get(), 0, 0, kPanelWidth, kPanelHeight, source.Get(), 0, 0, SRCCOPY);
    }
    RECT hostRect{};
    GetWindowRect(host, &hostRect);
    for (const Item& item : items) {
        RECT r{};
        GetWindowRect(item.window, &r);
        OffsetRect(&r, -hostRect.left, -hostRect.top);
        result.items.push_back({item.kind, item.state, r});
    }
    RemovePropW(items[2].window, hexmoor::win::kCheckListHostProperty);
    DestroyWindow(host);
    GdiFlush();
    return result;
}

} // namespace skinshot
