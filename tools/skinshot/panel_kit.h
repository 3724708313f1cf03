#pragma once
// What skinshot's panels of controls share: a dialog that hosts the items
// in a flow layout, the input that drives an item into a state, and the
// picture of the panel with every item taken while it shows its state.

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tools/skinshot/panel.h"

namespace skinshot {

inline void PumpAll() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

inline void PumpFor(int ms) {
    const DWORD end = GetTickCount() + DWORD(ms);
    while (int(end - GetTickCount()) > 0) {
        PumpAll();
        Sleep(5);
    }
    PumpAll();
}

inline void Repaint(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
}

inline LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// One item: its window, the state it shows, how it is put into that state
// (kept until the picture) and, for states that input ends again, how it is
// shown and undone around its own picture.
struct ItemShot {
    int kind;
    std::string state;
    HWND window = nullptr;
    std::function<void(HWND)> persistent;
    std::function<void(HWND)> show;
    std::function<void(HWND)> undo;
    // False for states a repaint would end (a marquee block drawn by its
    // timer): the item is taken just as `show` left it.
    bool redrawAfterShow = true;
};

class PanelHost {
public:
    PanelHost(int width, int height) : width_(width), height_(height) {
        host_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        // A plain check box holds the focus while no item asks for it, so
        // no push button has it.
        anchor_ = Child(L"BUTTON", L"", BS_CHECKBOX, 0, height - 4, 2, 2);
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

    // Next free cell of the flow layout. A row is as tall as its tallest
    // item, and the host grows to hold the row whole.
    POINT Place(int w, int h) {
        if (x_ + w > width_ - 8) {
            x_ = 8;
            y_ += rowHeight_ + 8;
            rowHeight_ = 0;
        }
        const POINT p{x_, y_};
        x_ += w + 8;
        rowHeight_ = std::max(rowHeight_, h);
        if (y_ + rowHeight_ + 8 > height_) {
            height_ = y_ + rowHeight_ + 8;
            SetWindowPos(host_, nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return p;
    }
    void NewRow() { x_ = width_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_ = 0, height_ = 0;
    HWND host_ = nullptr;
    HWND anchor_ = nullptr;
    int x_ = 8, y_ = 8, rowHeight_ = 0;
};

inline void Press(HWND w, int x, int y) { SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
inline void ReleaseOutside(HWND w) {
    SendMessageW(w, WM_LBUTTONUP, 0, At(-500, -500));
    ReleaseCapture();
}
inline void Hover(HWND w) { SendMessageW(w, WM_MOUSEMOVE, 0, At(4, 4)); }
inline void Leave(HWND w) { SendMessageW(w, WM_MOUSELEAVE, 0, 0); }

// Screen point of a window-relative point.
inline POINT Screen(HWND w, int x, int y) {
    RECT r{};
    GetWindowRect(w, &r);
    return {r.left + x, r.top + y};
}

// Copies what the screen shows in `screenRect` (layered and overlapping
// windows included) to (x, y) of `memory`, once what was drawn has reached
// the screen.
void ReadScreen(HDC memory, int x, int y, const RECT& screenRect);

// Where a panel's picture is read from: the windows' own DCs, or the screen.
enum class ReadFrom { WindowDc, Screen };

// Skins the host when `skinned`, applies every item's lasting state, takes
// the whole panel, then takes again each item that input shows in its state
// (those `canShow` accepts, all without it).
Panel TakePanel(PanelHost& panel, std::vector<ItemShot>& shots, bool skinned,
                const std::function<bool(const ItemShot&)>& canShow = nullptr, ReadFrom from = ReadFrom::WindowDc);

} // namespace skinshot
