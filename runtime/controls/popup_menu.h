#pragma once
// The skinned popup menu ("#32768"). The system keeps running the menu:
// layout, mouse and keyboard tracking, submenus and commands. The object
// paints the border, every item and the selection from the menu element.
//
// The popup's class gets CS_OWNDC, and the window origin of the popup's own
// DC is kept far outside the window except while the object paints, so
// whatever the system draws into the popup by itself (its selection,
// through GetDC) lands where nobody sees it. Where the system does not
// report the selection to the popup (no MN_* messages reach it under some
// platforms), the items are brought up to date when the menu's owner gets
// WM_MENUSELECT, read from the menu's MF_HILITE states; the pressed look
// comes from the button messages the menu loop's message filter sees.

#include <windows.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "base/win/gdi.h"
#include "runtime/wnd/tw_wnd.h"

// Brings every skinned popup of the thread up to date with its menu's
// selection; the menu owner's window procedure calls it on WM_MENUSELECT.
void SyncSkinnedPopups();

class CTWMenu : public CTWWnd {
public:
    CTWMenu();
    ~CTWMenu() override;

    BOOL Enable(BOOL on) override;
    LRESULT OnPrintClient(HDC dc, DWORD flags) override;
    LRESULT PaintBorder(HDC dc) override;
    LRESULT OnNcPaint(HDC dc) override;
    LRESULT CalcBorderSize(BOOL calcValidRects, LPARAM params) override;
    LRESULT OnNcCalcSize(BOOL calcValidRects, LPARAM params) override;
    HFONT GetFont() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void GetRect(RECT* out) const override;
    void Reset(const std::wstring& name) override;
    void Detach() override;

    HMENU GetMenuHandle() const { return menu_; }
    int GetSelectedItem() const { return selected_; }
    int GetPressedItem() const { return pressed_; }
    // The state each item was last painted in (0 normal, 1 hot, 2 pressed,
    // 3 disabled, 4 grayed, 5 disabled while highlighted); -1 not painted.
    int PaintedState(int index) const;
    // True while the object paints this popup (the element switched on and
    // the owner skinned, no owner-drawn item).
    bool IsDrawing() const;

    // The skinned popups of this thread, oldest first.
    static std::vector<CTWMenu*> LivePopups();

    // Brings every item's look up to date with the menu's highlight states.
    void SyncItems();
    // Paints every item (and the free client area) into a client DC.
    void PaintPopupMenuItems(HDC dc);
    // Paints one item in a requested state (0 normal, 1 hot, 2 pressed).
    void DrawItem(int index, int requested, HDC dc = nullptr);

    // The menu loop's filter sees a button message (screen point).
    void OnFilterButton(UINT msg, POINT screen);

private:
    void SetupMenu();
    HWND OwnerWindow() const;
    void SelectItem(int index);
    void SelectItemHidden(int index);
    void Resize();
    RECT ItemRect(int index) const;
    int RequestedState(int index) const;
    void PaintItem(HDC dc, int index, int drawnState, const RECT& rc);
    void HideSystemDrawing();
    void ShowSystemDrawing();
    void GoSystemDrawn();
    bool HasBorderImage() const;
    LRESULT DefaultWithOriginMoved();
    // An item-sized picture of one image, from the cache.
    void DrawItemImage(HDC dc, WORD id, const RECT& rc);

    HMENU menu_ = nullptr;
    int selected_ = -1;
    int pressed_ = -1;
    BOOL firstSelection_ = TRUE;
    bool resized_ = false;
    // The border was taken during the system's sizing of the popup inside
    // MN_SIZEWINDOW's default handling.
    bool correctedBySystemSizing_ = false;
    bool systemDrawn_ = false;
    std::vector<int> painted_;
    hexmoor::win::Font ownedFont_;
    std::map<std::tuple<WORD, int, int>, hexmoor::win::Bitmap> imageCache_;
    hexmoor::win::MemoryDC cacheDc_;
    hexmoor::win::MemoryDC bufferDc_;
    hexmoor::win::Bitmap buffer_;
    SIZE bufferSize_{0, 0};
};
