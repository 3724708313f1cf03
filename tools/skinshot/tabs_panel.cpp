#include "tools/skinshot/tabs_panel.h"

#include <commctrl.h>

#include <memory>

#include "runtime/twf_api.h"
#include "tests/harness/splitter_window.h"
#include "tools/skinshot/panel_kit.h"

namespace skinshot {

namespace {

constexpr int kPanelWidth = 700;
constexpr int kPanelHeight = 330;

void AddTabs(HWND tab, int count) {
    wchar_t text[16];
    for (int i = 0; i < count; ++i) {
        wsprintfW(text, L"Tab %d", i + 1);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        SendMessageW(tab, TCM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(tab, TCM_SETCURSEL, 0, 0);
}

void AddColumns(HWND header) {
    const wchar_t* names[] = {L"Name", L"Size", L"Kind"};
    for (int i = 0; i < 3; ++i) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = const_cast<wchar_t*>(names[i]);
        item.cxy = 50;
        item.fmt = HDF_LEFT | HDF_STRING;
        SendMessageW(header, HDM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
    }
}

// The middle of a tab item or header item, as a mouse position.
LPARAM TabItemMiddle(HWND tab, int index) {
    RECT r{};
    SendMessageW(tab, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    return At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}
LPARAM HeaderItemMiddle(HWND header, int index) {
    RECT r{};
    SendMessageW(header, HDM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    return At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

} // namespace

Panel MakeTabsPanel(bool skinned) {
    PanelHost panel(kPanelWidth, kPanelHeight);
    if (!panel.Host()) return {};
    std::vector<ItemShot> shots;
    int id = 300;

    // Tab controls of three tabs, the first selected; "hot" is over the
    // second tab.
    const char* tabStates[] = {"normal", "hot", "focused", "disabled", "vertical"};
    for (const char* state : tabStates) {
        const std::string st = state;
        const bool vertical = st == "vertical";
        const int w = vertical ? 90 : 200, h = vertical ? 150 : 60;
        const POINT p = panel.Place(w, h);
        ItemShot s{10, state};
        s.window = panel.Child(WC_TABCONTROLW, L"", WS_TABSTOP | (vertical ? TCS_VERTICAL | TCS_MULTILINE : 0), p.x,
                               p.y, w, h, ++id);
        SendMessageW(s.window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        AddTabs(s.window, 3);
        if (st == "hot") {
            s.show = [](HWND wnd) { SendMessageW(wnd, WM_MOUSEMOVE, 0, TabItemMiddle(wnd, 1)); };
            s.undo = [](HWND wnd) {
                SendMessageW(wnd, WM_MOUSEMOVE, 0, At(-50, -50));
                ReleaseCapture();
            };
        } else if (st == "focused") {
            s.show = [](HWND wnd) { SetFocus(wnd); };
        } else if (st == "disabled") {
            s.persistent = [](HWND wnd) { EnableWindow(wnd, FALSE); };
        }
        shots.push_back(std::move(s));
    }
    panel.NewRow();

    // Headers of three columns; "hot" and "pressed" on the first column.
    const char* headerStates[] = {"normal", "hot", "pressed", "disabled"};
    for (const char* state : headerStates) {
        const POINT p = panel.Place(160, 24);
        ItemShot s{20, state};
        s.window = panel.Child(WC_HEADERW, L"", HDS_BUTTONS | HDS_HORZ, p.x, p.y, 160, 24, ++id);
        SendMessageW(s.window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        AddColumns(s.window);
        const std::string st = state;
        if (st == "hot") {
            s.show = [](HWND wnd) { SendMessageW(wnd, WM_MOUSEMOVE, 0, HeaderItemMiddle(wnd, 0)); };
            s.undo = Leave;
        } else if (st == "pressed") {
            s.show = [](HWND wnd) {
                SendMessageW(wnd, WM_MOUSEMOVE, 0, HeaderItemMiddle(wnd, 0));
                SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, HeaderItemMiddle(wnd, 0));
            };
            s.undo = [](HWND wnd) {
                SendMessageW(wnd, WM_LBUTTONUP, 0, At(-500, -500));
                ReleaseCapture();
                Leave(wnd);
            };
        } else if (st == "disabled") {
            s.persistent = [](HWND wnd) { EnableWindow(wnd, FALSE); };
        }
        shots.push_back(std::move(s));
    }
    panel.NewRow();

    // A 2 x 2 splitter of our own.
    const POINT sp = panel.Place(200, 120);
    auto splitter =
        std::make_unique<hexmoor::test::SplitterWindow>(panel.Host(), RECT{sp.x, sp.y, sp.x + 200, sp.y + 120}, 2, 2);
    shots.push_back(ItemShot{34, "normal", splitter->Handle()});

    // A size grip.
    const POINT gp = panel.Place(20, 20);
    shots.push_back(ItemShot{27, "normal", panel.Child(L"SCROLLBAR", L"", SBS_SIZEGRIP, gp.x, gp.y, 20, 20, ++id)});

    // A tooltip shown by tracking over an empty part of the panel; a window
    // of its own, so it is taken from its own window.
    const POINT tp = panel.Place(160, 40);
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX, 0, 0, 0, 0,
                                     panel.Host(), nullptr, GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = panel.Host();
    tool.lpszText = const_cast<wchar_t*>(L"A tip for the tool");
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    POINT at{tp.x, tp.y};
    ClientToScreen(panel.Host(), &at);
    SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    if (skinned) ApplySkinToWindow(tip, 1);
    ItemShot tipSpec{28, "normal", tip};
    tipSpec.show = [](HWND wnd) { RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW); };
    shots.push_back(std::move(tipSpec));

    Panel result = TakePanel(panel, shots, skinned);
    DestroyWindow(tip);
    return result;
}

} // namespace skinshot
