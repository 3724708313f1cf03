#include "tools/bench/paint/lists_bench.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "runtime/twf_api.h"
#include "tests/harness/synthetic_skin.h"
#include "tools/bench/paint/controls_bench.h"

namespace hexmoor::bench {

namespace {

HWND ListChild(HWND parent, const wchar_t* cls, DWORD style, int x, int y, int w, int h) {
    return CreateWindowExW(WS_EX_CLIENTEDGE, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

HWND ListHost(int x) {
    HWND host = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, x, 0, 480, 360, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!host) return nullptr;
    HWND list = ListChild(host, L"LISTBOX", WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 8, 8, 140, 340);
    HWND view = ListChild(host, WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS, 156, 8, 160, 340);
    HWND tree = ListChild(host, WC_TREEVIEWW, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 324, 8, 148, 340);
    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.cx = 70;
        column.pszText = const_cast<wchar_t*>(L"Column");
        SendMessageW(view, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    HTREEITEM parent = TVI_ROOT;
    for (int i = 0; i < 50; ++i) {
        const std::wstring text = L"Item " + std::to_wstring(i);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        TVINSERTSTRUCTW ins{};
        ins.hParent = i % 5 == 0 ? TVI_ROOT : parent;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT;
        ins.item.pszText = const_cast<wchar_t*>(text.c_str());
        const auto inserted =
            reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
        if (i % 5 == 0)
            parent = inserted;
        else
            SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    }
    SendMessageW(list, LB_SETCURSEL, 3, 0);
    LVITEMW selected{};
    selected.stateMask = selected.state = LVIS_SELECTED;
    SendMessageW(view, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&selected));
    return host;
}

} // namespace

void BenchLists(int iterations) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    test::SyntheticSkin skin(GetRuntimeSkinManager()->GetMainSkin());
    skin.SolidImage(14, 354, RGB(230, 232, 240), 16, 16, {3, 3, 3, 3, 1, 1});
    skin.SolidImage(15, 366, RGB(232, 236, 230), 16, 16, {3, 3, 3, 3, 1, 1});
    skin.SolidImage(19, 393, RGB(236, 230, 232), 16, 16, {3, 3, 3, 3, 1, 1});
    CTwfObj* list = skin.Element(14);
    list->SetColor(358, RGB(40, 80, 160));
    list->SetColor(363, RGB(255, 255, 255));
    CTwfObj* view = skin.Element(15);
    view->SetStoredEnabled(1);
    view->SetColor(372, RGB(180, 180, 190));
    view->SetColor(626, RGB(40, 80, 160));
    view->SetColor(627, RGB(255, 255, 255));
    CTwfObj* tree = skin.Element(19);
    tree->SetColor(616, RGB(40, 80, 160));
    tree->SetColor(614, RGB(255, 255, 255));
    for (WORD id = 359; id <= 362; ++id) list->SetNumber(id, 2);
    for (WORD id = 368; id <= 371; ++id) view->SetNumber(id, 2);
    for (WORD id = 397; id <= 400; ++id) tree->SetNumber(id, 2);
    CompareRepaints("list", &ListHost, iterations);
}

} // namespace hexmoor::bench
