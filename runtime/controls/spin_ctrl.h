#pragma once
// The skinned up-down control: two arrow buttons with normal, pressed, hot
// and disabled images over the background of its buddy or its parent.
// Horizontal controls use the left and right arrows.

#include "runtime/hover_tracker.h"
#include "runtime/wnd/tw_wnd.h"

class CTWSpinCtrl : public CTWWnd {
public:
    static constexpr int kNormal = 0, kPressed = 1, kHot = 2;

    BOOL Enable(BOOL on) override;
    LRESULT Paint(HDC dc) override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    int GetArrowState(int arrow) const { return arrow == 0 ? firstState_ : secondState_; }

private:
    void Layout();
    HWND Buddy() const;
    LRESULT OnMouseMove(LPARAM lp);
    LRESULT OnMouseLeave();

    RECT first_{0, 0, 0, 0};
    RECT second_{0, 0, 0, 0};
    int firstState_ = kNormal, secondState_ = kNormal;
    BOOL firstPressed_ = FALSE, secondPressed_ = FALSE;
    BOOL horizontal_ = FALSE;
    int halfWidth_ = 0, halfHeight_ = 0;
    hexmoor::rt::HoverTracker hover_;
};
