#include "tools/skinshot/controls_panel.h"

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

void PumpAll() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void PumpFor(int ms) {
    const DWORD end = GetTickCount() + DWORD(ms);
    while (int(end - GetTickCount()) > 0) {
        PumpAll();
        Sleep(5);
    }
    PumpAll();
}

void Repaint(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// One item: its window, the state it shows, how it is put into that state
// (kept until the picture) and, for states that input ends again, how it is
// shown and undone around its own picture.
struct Spec {
    int kind;
    std::string state;
    HWND window = nullptr;
    std::function<void(HWND)> persistent;
    std::function<void(HWND)> show;
    std::function<void(HWND)> undo;
};

class PanelHost {
public:
    PanelHost() {
        host_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 0, 0, kPanelWidth, kPanelHeight, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        // A plain check box holds the focus while no item asks for it, so
        // no push button has it.
        anchor_ = Child(L"BUTTON", L"", BS_CHECKBOX, 0, kPanelHeight - 4, 2, 2);
    }
    ~PanelHost() {
        if (host_) DestroyWindow(host_);
    }
    HWND Host() const { return host_; }
    HWND Anchor() const { return anchor_; }

    HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id = 0) {
        return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, host_,
                               reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    }

    // Next free cell of the flow layout.
    POINT Place(int w, int h) {
        if (x_ + w > kPanelWidth - 8) {
            x_ = 8;
            y_ += rowHeight_ + 8;
            rowHeight_ = 0;
        }
        const POINT p{x_, y_};
        x_ += w + 8;
        rowHeight_ = std::max(rowHeight_, h);
        return p;
    }
    void NewRow() { x_ = kPanelWidth; }

private:
    HWND host_ = nullptr;
    HWND anchor_ = nullptr;
    int x_ = 8, y_ = 8, rowHeight_ = 0;
};

void Press(HWND w, int x, int y) { SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
void ReleaseOutside(HWND w) {
    SendMessageW(w, WM_LBUTTONUP, 0, At(-500, -500));
    ReleaseCapture();
}
void Hover(HWND w) { SendMessageW(w, WM_MOUSEMOVE, 0, At(4, 4)); }
void Leave(HWND w) { SendMessageW(w, WM_MOUSELEAVE, 0, 0); }

// Screen point of a window-relative point.
POINT Screen(HWND w, int x, int y) {
    RECT r{};
    GetWindowRect(w, &r);
    return {r.left + x, r.top + y};
}

} // namespace

Panel MakeControlsPanel(bool skinned) {
    PanelHost panel;
    if (!panel.Host()) return {};
    std::vector<Spec> specs;
    int id = 100;

    // Push buttons: a default button of its own for the "default" look.
    const char* pushStates[] = {"normal", "hot", "pressed", "disabled", "focused", "default"};
    for (const char* state : pushStates) {
        const POINT p = panel.Place(110, 30);
        Spec s{4, state};
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
        specs.push_back(std::move(s));
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
                Spec s{k.kind, std::string(checkName) + "-" + look};
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
                specs.push_back(std::move(s));
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
        Spec s{5, b.state};
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
        specs.push_back(std::move(s));
    }
    panel.NewRow();

    // Windows with both scroll bars.
    const char* windowStates[] = {"window-normal",        "window-arrow-hot", "window-thumb-hot",
                                  "window-arrow-pressed", "window-inactive",  "window-disabled"};
    for (const char* state : windowStates) {
        const POINT p = panel.Place(120, 100);
        Spec s{5, state};
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
        specs.push_back(std::move(s));
    }

    if (skinned) ApplySkinToWindow(panel.Host(), 1);
    for (Spec& s : specs)
        if (s.persistent) s.persistent(s.window);
    SetFocus(panel.Anchor());
    SetCursorPos(kPanelWidth + 200, kPanelHeight + 200);
    for (int i = 0; i < 3; ++i) {
        PumpAll();
        Repaint(panel.Host());
        Sleep(30);
    }
    PumpAll();

    // The whole panel first, then every item that input puts into its state
    // taken again while it shows that state.
    Panel result;
    const BITMAPINFO bi = hexmoor::win::TopDown32BitInfo(kPanelWidth, kPanelHeight);
    void* bits = nullptr;
    result.picture.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!result.picture || !bits) return {};
    result.width = kPanelWidth;
    result.height = kPanelHeight;
    hexmoor::win::MemoryDC memory(nullptr);
    hexmoor::win::SelectGuard select(memory.Get(), result.picture.Get());
    {
        hexmoor::win::WindowDC source(panel.Host(), true);
        BitBlt(memory.Get(), 0, 0, kPanelWidth, kPanelHeight, source.Get(), 0, 0, SRCCOPY);
    }
    RECT hostRect{};
    GetWindowRect(panel.Host(), &hostRect);
    for (Spec& s : specs) {
        RECT r{};
        GetWindowRect(s.window, &r);
        OffsetRect(&r, -hostRect.left, -hostRect.top);
        result.items.push_back({s.kind, s.state, r});
        if (!s.show) continue;
        // The system's own scroll bars track a press in a modal loop of their
        // own until a real button release: unskinned bars are taken as they are.
        if (s.kind == 5 && !IsSkinScrollbarWindow(s.window)) continue;
        s.show(s.window);
        RedrawWindow(s.window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
        {
            hexmoor::win::WindowDC source(s.window, true);
            BitBlt(memory.Get(), r.left, r.top, r.right - r.left, r.bottom - r.top, source.Get(), 0, 0, SRCCOPY);
        }
        if (s.undo) s.undo(s.window);
        SetFocus(panel.Anchor());
        PumpAll();
    }
    GdiFlush();
    return result;
}

} // namespace skinshot
