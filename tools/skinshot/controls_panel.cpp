#include "tools/skinshot/controls_panel.h"

#include "tools/skinshot/panel_kit.h"

#include <functional>
#include <algorithm>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "runtime/scroll/scroll_engine.h"
#include "runtime/twf_api.h"

namespace skinshot {

namespace {

constexpr int kPanelWidth = 820;
constexpr int kPanelHeight = 620;

} // namespace

Panel MakeControlsPanel(bool skinned) {
    PanelHost panel(kPanelWidth, kPanelHeight);
    if (!panel.Host()) return {};
    std::vector<ItemShot> shots;
    int id = 100;

    // Push buttons: a default button of its own for the "default" look.
    const char* pushStates[] = {"normal", "hot", "pressed", "disabled", "focused", "default"};
    for (const char* state : pushStates) {
        const POINT p = panel.Place(110, 30);
        ItemShot s{4, state};
        s.window = panel.Child(L"BUTTON", L"Button", BS_PUSHBUTTON | WS_TABSTOP, p.x, p.y, 110, 30, ++id);
        const std::string st = state;
        if (st == "hot") {
            s.show = Hover;
            s.undo = Leave;
        } else if (st == "pressed") {
            s.show = [](HWND w) { Press(w, 10, 10); };
            s.undo = ReleaseOutside;
        } else if (st == "disabled") {
            s.persistent = [](HWND w) { EnableWindow(w, FALSE); };
        } else if (st == "focused") {
            s.show = [](HWND w) { SetFocus(w); };
        } else if (st == "default") {
            const int defId = id;
            s.persistent = [&panel, defId](HWND) { SendMessageW(panel.Host(), DM_SETDEFID, defId, 0); };
        }
        shots.push_back(std::move(s));
    }
    panel.NewRow();

    // Check boxes, radios and push-like buttons by check state and look.
    struct CheckKind {
        int kind;
        DWORD style;
        std::vector<std::pair<const char*, int>> checks;
    } checkKinds[] = {
        {6, BS_3STATE, {{"unchecked", BST_UNCHECKED}, {"checked", BST_CHECKED}, {"mixed", BST_INDETERMINATE}}},
        {7, BS_RADIOBUTTON, {{"unchecked", BST_UNCHECKED}, {"checked", BST_CHECKED}}},
        {39, BS_CHECKBOX | BS_PUSHLIKE, {{"unchecked", BST_UNCHECKED}, {"checked", BST_CHECKED}}},
    };
    const char* looks[] = {"normal", "hot", "pressed", "disabled", "focused"};
    for (const CheckKind& k : checkKinds) {
        for (const auto& [checkName, check] : k.checks) {
            for (const char* look : looks) {
                const int w = k.kind == 39 ? 110 : 150, h = k.kind == 39 ? 30 : 24;
                const POINT p = panel.Place(w, h);
                ItemShot s{k.kind, std::string(checkName) + "-" + look};
                s.window = panel.Child(L"BUTTON", L"Option", k.style | WS_TABSTOP, p.x, p.y, w, h, ++id);
                const int c = check;
                const std::string lk = look;
                s.persistent = [c, lk](HWND wnd) {
                    SendMessageW(wnd, BM_SETCHECK, c, 0);
                    if (lk == "disabled") EnableWindow(wnd, FALSE);
                };
                if (lk == "hot") {
                    s.show = Hover;
                    s.undo = Leave;
                } else if (lk == "pressed") {
                    s.show = [](HWND wnd) { Press(wnd, 10, 8); };
                    s.undo = [c](HWND wnd) {
                        ReleaseOutside(wnd);
                        SendMessageW(wnd, BM_SETCHECK, c, 0);
                    };
                } else if (lk == "focused") {
                    s.show = [](HWND wnd) { SetFocus(wnd); };
                }
                shots.push_back(std::move(s));
            }
            panel.NewRow();
        }
    }

    // Scroll-bar controls.
    SCROLLINFO data{sizeof(data), SIF_ALL, 0, 99, 20, 30, 0};
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    struct BarSpec {
        const char* state;
        bool vertical;
    } bars[] = {
        {"normal", false}, {"vertical", true}, {"disabled", false}, {"arrow-pressed", false}, {"thumb-pressed", false}};
    for (const BarSpec& b : bars) {
        const int w = b.vertical ? 17 : 180, h = b.vertical ? 120 : 17;
        const POINT p = panel.Place(w, h);
        ItemShot s{5, b.state};
        s.window = panel.Child(L"SCROLLBAR", L"", b.vertical ? SBS_VERT : SBS_HORZ, p.x, p.y, w, h, ++id);
        SetScrollInfo(s.window, SB_CTL, &data, FALSE);
        const std::string st = b.state;
        if (st == "disabled") {
            s.persistent = [](HWND wnd) { EnableWindow(wnd, FALSE); };
        } else if (st == "arrow-pressed") {
            s.show = [](HWND wnd) { Press(wnd, 180 - 3, 8); };
            s.undo = ReleaseOutside;
        } else if (st == "thumb-pressed") {
            // The thumb of 30..99 with a page of 20 on a 180-pixel bar.
            s.show = [arrow](HWND wnd) {
                SCROLLINFO now{sizeof(now), SIF_ALL};
                GetScrollInfo(wnd, SB_CTL, &now);
                const int work = 180 - 2 * arrow;
                const int length = std::max(MulDiv(int(now.nPage), work, now.nMax - now.nMin + 1), 8);
                const int start =
                    arrow + MulDiv(now.nPos - now.nMin, work - length, now.nMax - now.nMin + 1 - int(now.nPage));
                Press(wnd, start + length / 2, 8);
            };
            s.undo = ReleaseOutside;
        }
        shots.push_back(std::move(s));
    }
    panel.NewRow();

    // Windows with both scroll bars.
    const char* windowStates[] = {"window-normal",        "window-arrow-hot", "window-thumb-hot",
                                  "window-arrow-pressed", "window-inactive",  "window-disabled"};
    for (const char* state : windowStates) {
        const POINT p = panel.Place(120, 100);
        ItemShot s{5, state};
        s.window = CreateWindowExW(0, L"#32770", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, p.x, p.y, 120,
                                   100, panel.Host(), nullptr, GetModuleHandleW(nullptr), nullptr);
        SCROLLINFO v{sizeof(v), SIF_ALL, 0, 99, 20, 0, 0};
        SetScrollInfo(s.window, SB_VERT, &v, FALSE);
        SetScrollInfo(s.window, SB_HORZ, &v, FALSE);
        const std::string st = state;
        const int vThick = GetSystemMetrics(SM_CXVSCROLL), hThick = GetSystemMetrics(SM_CYHSCROLL);
        // The vertical bar's down arrow and its thumb (at the top), window-relative.
        const POINT down{120 - vThick / 2 - 1, 100 - hThick - 3};
        const POINT thumb{120 - vThick / 2 - 1, GetSystemMetrics(SM_CYVSCROLL) + 4};
        auto hover = [](POINT at) {
            return [at](HWND wnd) {
                const POINT sp = Screen(wnd, at.x, at.y);
                SetCursorPos(sp.x, sp.y);
                SendMessageW(wnd, WM_NCMOUSEMOVE, HTVSCROLL, At(sp.x, sp.y));
                PumpFor(80);
            };
        };
        if (st == "window-arrow-hot") {
            s.show = hover(down);
        } else if (st == "window-thumb-hot") {
            s.show = hover(thumb);
        } else if (st == "window-arrow-pressed") {
            s.show = [down](HWND wnd) {
                const POINT sp = Screen(wnd, down.x, down.y);
                SendMessageW(wnd, WM_NCLBUTTONDOWN, HTVSCROLL, At(sp.x, sp.y));
            };
            s.undo = [](HWND wnd) {
                SendMessageW(wnd, WM_LBUTTONUP, 0, 0);
                ReleaseCapture();
            };
        } else if (st == "window-inactive") {
            s.persistent = [](HWND wnd) {
                // The window's own bar (kept shown, disabled) and the engine's
                // copy, as a skinned program's own calls go.
                SCROLLINFO big{sizeof(big), SIF_ALL | SIF_DISABLENOSCROLL, 0, 9, 20, 0, 0};
                SetScrollInfo(wnd, SB_VERT, &big, FALSE);
                SkinSetScrollInfo(wnd, SB_VERT, &big, TRUE);
            };
        } else if (st == "window-disabled") {
            s.persistent = [](HWND wnd) { EnableWindow(wnd, FALSE); };
        }
        if (s.show && !s.undo) {
            s.undo = [](HWND) {
                SetCursorPos(kPanelWidth + 200, kPanelHeight + 200);
                PumpFor(80);
            };
        }
        shots.push_back(std::move(s));
    }

    // The system's own scroll bars track a press in a modal loop of their
    // own until a real button release: unskinned bars are taken as they are.
    return TakePanel(
        panel, shots, skinned,
        [](const ItemShot& s) { return s.kind != 5 || IsSkinScrollbarWindow(s.window) != FALSE; }, ReadFrom::Screen);
}

} // namespace skinshot
