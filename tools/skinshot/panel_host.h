#pragma once
// What the skinshot panels of controls share: a host dialog with a flow
// layout of child windows, the items it shows with how each is driven into
// its state, the small input helpers, and taking the panel's picture with
// every item in its state.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/skinshot/panel.h"

namespace skinshot {

void PumpAll();
void PumpFor(int ms);
void Repaint(HWND hwnd);
inline LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

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
    // False for states that a repaint would end (a marquee block drawn by
    // its timer): the item is taken just as `show` left it.
    bool redrawAfterShow = true;
};

class PanelHost {
public:
    PanelHost(int width, int height);
    ~PanelHost();
    PanelHost(const PanelHost&) = delete;
    PanelHost& operator=(const PanelHost&) = delete;

    HWND Host() const { return host_; }
    HWND Anchor() const { return anchor_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id = 0,
               DWORD exStyle = 0);
    // Next free cell of the flow layout.
    POINT Place(int w, int h);
    void NewRow() { x_ = width_; }

private:
    HWND host_ = nullptr;
    HWND anchor_ = nullptr;
    int width_, height_;
    int x_ = 8, y_ = 8, rowHeight_ = 0;
};

void Press(HWND w, int x, int y);
void ReleaseOutside(HWND w);
void Hover(HWND w);
void Leave(HWND w);
// Screen point of a window-relative point.
POINT Screen(HWND w, int x, int y);

// Hands the host to the runtime when `skinned`, applies every item's
// persistent state, takes the whole panel and then every item that input
// puts into its state again while it shows that state.
Panel TakePanel(PanelHost& panel, std::vector<Spec>& specs, bool skinned);

} // namespace skinshot
