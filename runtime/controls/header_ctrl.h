#pragma once
// The skinned header control: every item in the image and text colour of
// its state (normal, hot, pressed, disabled window) with its alignment and
// image-list icon, the normal image right of the last item, hot and pressed
// tracking of its own, and the end of a column resize when the system does
// not drag full windows.

#include "runtime/hover_tracker.h"
#include "runtime/logic/header_layout.h"
#include "runtime/wnd/tw_wnd.h"

class CTWHeader : public CTWWnd {
public:
    BOOL Enable(BOOL on) override;
    LRESULT OnReflectedNotify(BOOL* handled, ReflectRecord* record) override;
    LRESULT Paint(HDC dc) override;
    HBITMAP GetBackgroundBitmap(BOOL rebuild) override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Reset(const std::wstring& name) override;

    int HotItem() const { return hotItem_; }
    hexmoor::rt::header::State GetState() const { return state_; }

private:
    int HitTest(int x, int y);
    void InvalidateItem(int index, BOOL erase);
    void DrawItem(HDC dc, int index, const RECT& itemRect, bool enabled);
    void OnMouseMove(LPARAM lp);
    void OnButtonUp(LPARAM lp);

    hexmoor::rt::HoverTracker hover_;
    int resizeItem_ = -1;
    BOOL fullDrag_ = FALSE;
    hexmoor::rt::header::State state_ = hexmoor::rt::header::State::None;
    int hotItem_ = -1;
    BOOL mouseDown_ = FALSE;
};
