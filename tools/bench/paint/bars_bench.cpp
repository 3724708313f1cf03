#include "tools/bench/paint/bars_bench.h"

#include <windows.h>
#include <commctrl.h>

#include <iterator>

#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "runtime/twf_api.h"
#include "tests/harness/synthetic_skin.h"
#include "tools/bench/paint/controls_bench.h"

namespace hexmoor::bench {

namespace {

TBBUTTON Button(int id, BYTE state, BYTE style, const wchar_t* text) {
    TBBUTTON b{};
    b.iBitmap = I_IMAGENONE;
    b.idCommand = id;
    b.fsState = state;
    b.fsStyle = style;
    b.iString = text ? reinterpret_cast<INT_PTR>(text) : -1;
    return b;
}

HWND Toolbar(HWND host, int y, DWORD style) {
    HWND bar =
        Child(host, TOOLBARCLASSNAMEW, L"", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | style, 10, y, 440, 30);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[] = {Button(101, TBSTATE_ENABLED, BTNS_BUTTON, L"Open"),
                          Button(102, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, L"Bold"),
                          Button(103, 0, BTNS_BUTTON, L"Cut"),
                          Button(0, TBSTATE_ENABLED, BTNS_SEP, nullptr),
                          Button(104, TBSTATE_ENABLED, BTNS_DROPDOWN, L"More"),
                          Button(105, TBSTATE_ENABLED, BTNS_BUTTON, L"Close")};
    SendMessageW(bar, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    SendMessageW(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    return bar;
}

HWND Status(HWND host, int y, DWORD style) {
    HWND bar = Child(host, STATUSCLASSNAMEW, L"", CCS_NORESIZE | CCS_NOPARENTALIGN | style, 10, y, 440, 22);
    const int parts[] = {120, 260, -1};
    SendMessageW(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
    SendMessageW(bar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"Line 12, column 4"));
    SendMessageW(bar, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(L"INS"));
    return bar;
}

HWND BarHost(int x) {
    HWND host = CreateHost(x, 0);
    Toolbar(host, 10, 0);
    Toolbar(host, 50, TBSTYLE_LIST);
    HWND header = Child(host, WC_HEADERW, L"", HDS_BUTTONS | HDS_HORZ, 10, 100, 440, 24);
    const wchar_t* columns[] = {L"Name", L"Size", L"Type", L"Modified"};
    for (int i = 0; i < 4; ++i) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.cxy = 110;
        item.fmt = HDF_LEFT | HDF_STRING;
        item.pszText = const_cast<wchar_t*>(columns[i]);
        SendMessageW(header, HDM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
    }
    Status(host, 290, SBARS_SIZEGRIP);
    Status(host, 320, 0);
    return host;
}

} // namespace

void BenchBars(int iterations) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    test::SyntheticSkin skin(GetRuntimeSkinManager()->GetMainSkin());
    for (int id = 309; id <= 315; ++id)
        if (id != 310) skin.SolidImage(11, WORD(id), RGB(70, 90, id - 200), 16, 16, {4, 4, 4, 4, 1, 1});
    skin.Element(11)->SetColor(310, RGB(10, 10, 10));
    skin.Element(11)->SetColor(316, RGB(128, 128, 128));
    for (int id : {324, 326, 332}) skin.SolidImage(12, WORD(id), RGB(90, 70, id - 200), 16, 16, {4, 4, 4, 4, 1, 1});
    skin.Element(12)->SetColor(330, RGB(10, 10, 10));
    CompareRepaints("bar", &BarHost, iterations);
}

} // namespace hexmoor::bench
