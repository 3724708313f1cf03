#pragma once
// The skinned menu bar of a skinned frame. The system keeps owning the menu;
// an invisible bitmap item of the skin's bar height makes it reserve a row
// that tall. The bar paints that row from the frame element in our own
// one-row layout, answers HTCLIENT over it so the system never starts its
// own menu tracking, and runs mouse and keyboard interaction itself, opening
// each item's popup with TrackPopupMenu.

#include <windows.h>

#include <string>
#include <vector>

#include "base/win/gdi.h"
#include "base/geometry.h"
#include "runtime/logic/menu_bar_layout.h"
#include "runtime/wnd/tw_wnd.h"

// The control type of the bar's own WM_DRAWITEM messages: sent to the frame
// window with wParam 0, the item kind (0 the whole bar's background) in
// itemAction, the state in itemState (0 normal, 1 hot, 2 pressed, 3
// disabled, 4 greyed), the rectangle in window coordinates, and in itemData
// the item's text (a CUnicodeString pointer) for a text item or the
// maximised child's small icon for its icon item.
constexpr UINT kBarDrawItemType = 6;

class CTWWndMenu : public CTWWnd {
public:
    // Subclasses the frame window (once) and keeps itself under the window
    // property "TwfMenuBarObject".
    explicit CTWWndMenu(HWND frameWindow);
    ~CTWWndMenu() override;

    BOOL Enable(BOOL on) override;
    LRESULT PaintBorder(HDC dc) override;
    LRESULT Default() override;
    HFONT GetFont() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Detach() override;
    int ChangeSkin(int, BOOL) override { return 1; }

    // Takes the menu the window shows now (with items), appending the height
    // item to it once; a menu changed since (SetMenu, an MDI frame's menu
    // switch) is let go first, its height item removed. Without redraw it
    // changes no window state, so the frame calls it on every WM_NCCALCSIZE.
    // With redraw the frame is recomputed.
    void AttachMenuBar(BOOL redraw);
    void DetachMenuBar(BOOL redraw);
    HMENU GetMenuHandle() const { return menu_; }

    // Item rectangles in window coordinates (our own layout), the bar's
    // rectangle, and the item under a window point (-1 when none).
    // `measure` (optional) is a DC to measure the item texts on.
    std::vector<hexmoor::Rect> ItemRects(HDC measure = nullptr) const;
    // How far the bar moves the client top below the system's menu row (the
    // frame applies it when it computes the client area).
    int ClientTopShift() const;
    // Paints the bar straight into a DC that shows the whole window (the
    // frame's back buffer).
    void DrawInto(HDC windowImage);
    hexmoor::Rect BarRect() const;
    int HitTest(POINT windowPoint) const;
    int HeightItem() const;

    // The active MDI child as the bar shows it (maximised: its icon first and
    // its buttons last), and that child.
    hexmoor::rt::MdiBarState MdiState(HWND* child = nullptr) const;
    int ItemKind(int index) const;

    int GetHotItem() const { return hot_; }
    bool InKeyboardMode() const { return keyboardMode_; }
    bool IsPopupOpen() const { return popupOpen_; }
    // The menu bar tracking a popup or in keyboard mode, process-wide.
    static CTWWndMenu* TrackingMenuBar();

    // The bar's own current message.
    const MSG& CurrentBarMessage() const;

private:
    friend LRESULT CALLBACK MenuFilterHookProc(int, WPARAM, LPARAM);

    void AttachToWindow(HWND hwnd);
    // The window's menu when it has items of its own; null otherwise.
    HMENU MenuToShow() const;
    // Draws one item (or the whole bar with index -1) in a state: 0 normal,
    // 1 hot, 2 pressed.
    void DrawBar(HDC windowDc);
    // Sends the window WM_DRAWITEM for one piece of the bar (index -1 with
    // kind 0: the whole bar's background), rectangle in window coordinates.
    void SendDrawItem(HDC dc, int index, int kind, int state, const hexmoor::Rect& rect);
    // The bar's own answer to that WM_DRAWITEM.
    LRESULT PaintMenuBar(const DRAWITEMSTRUCT& item);
    // The state an item is drawn in (0 normal, 1 hot, 2 pressed, 3 disabled, 4 greyed).
    int ItemState(int index) const;
    bool IsItemDisabled(int index) const;
    std::wstring ItemText(int index) const;
    std::vector<std::wstring> ItemTexts() const;
    void SetHot(int index, int state);
    // Opens the hot item's popup (and the next ones the user moves to).
    BOOL TrackPopup();
    void EndKeyboardMode();
    void OpenItem(int index);
    bool OnMenuFilterMessage(const MSG* msg);
    POINT CursorInWindow() const;
    // A screen point in the window's own layout (mirrored for a right-to-left
    // window), where the bar's rectangles are.
    POINT ScreenToLayout(POINT screen) const;

    mutable HWND mdiClient_ = nullptr;
    HMENU menu_ = nullptr;
    hexmoor::win::Bitmap heightBitmap_;
    int barHeight_ = 0; // the height bitmap's
    WORD hitCode_ = 0;
    int hot_ = -1;
    int hotState_ = 0;
    bool keyboardMode_ = false;
    bool popupOpen_ = false;
    bool reopen_ = false;
    bool submenuHighlighted_ = false;
    int submenuDepth_ = 0;
    POINT lastFilterMouse_{-1, -1};
    bool tracking_ = false;
    hexmoor::win::Font ownedFont_;
};

// The menu bar's window procedure.
LRESULT CALLBACK MenuBarWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
