#pragma once
// The skinned track bar: the parent's background, a background image, the
// line, the selection and the thumb, chosen by the hover and press state of
// the control and of its thumb. Range, position, dragging and keys stay
// with the control itself; tick marks are not drawn.

#include "runtime/hover_tracker.h"
#include "runtime/wnd/tw_wnd.h"

class CTWSlider : public CTWWnd {
public:
    // States of the control and of its thumb.
    static constexpr int kNormal = 0, kPressed = 1, kHot = 2;

    // Takes the client edge away while skinned (and gives it back when
    // switched off).
    BOOL Enable(BOOL on) override;
    LRESULT Paint(HDC dc) override;
    HBITMAP GetBackgroundBitmap(BOOL rebuild) override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Reset(const std::wstring& name) override;

    int GetControlState() const { return controlState_; }
    int GetThumbState() const { return thumbState_; }

private:
    RECT ThumbRect() const;
    LRESULT OnMouseMove(LPARAM lp);
    LRESULT OnMouseLeave();
    void SetFrameChanged() const;

    int controlState_ = kNormal;
    int thumbState_ = kNormal;
    hexmoor::rt::HoverTracker hover_;
};
