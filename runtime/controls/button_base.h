#pragma once
// The base of every skinned "Button" window with a face: visual state, hover
// tracking and the hover fade between the normal and the hot image, the
// 13 x 13 glyph of check boxes and radios, and the placement of caption,
// bitmap or icon. Derived classes only answer which image, colour and
// offset belong to a state.

#include "runtime/hover_tracker.h"
#include "base/geometry.h"
#include "runtime/wnd/tw_wnd.h"

class CTWDraw;
class CMrgBitmap;

class CTWButtonBase : public CTWWnd {
public:
    // Visual states.
    static constexpr int kNormal = 0, kHot = 1, kPressed = 2;

    int GetState() const { return state_; }

    virtual unsigned GetImageAlignment(DWORD style);
    virtual unsigned GetTextFormat(DWORD style);
    // The skinned parent's background, then the state image (blended from
    // the normal to the hot image while a fade runs).
    virtual void DrawBackground(CTWDraw& draw, const RECT& rect);
    // The glyph box drawn (empty without glyph image); `content` loses the
    // glyph column.
    virtual RECT DrawGlyph(CTWDraw& draw, RECT* content);
    // The button's bitmap, icon or caption placed in the content box.
    virtual void DrawContent(CTWDraw& draw, const RECT& rect);
    virtual COLORREF GetTextColor(int state) = 0;
    virtual CMrgBitmap* GetGlyphImage(int state) { return nullptr; }
    virtual CMrgBitmap* GetStateImage(int state) { return nullptr; }
    virtual POINT GetPressedTextOffset() { return {0, 0}; }
    virtual POINT GetTextOffset() { return {0, 0}; }

    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    void Reset(const std::wstring& name) override;

protected:
    // The element's image, colour and content offset (signed halves).
    CMrgBitmap* Image(WORD id) const;
    COLORREF Colour(WORD id) const;
    POINT Offset(WORD id) const;
    // Whether the button has the focus. While a face is painted the answer
    // is read once and kept: every image and colour query of that paint
    // asks it again.
    HWND FocusWindow() const { return painting_ ? paintFocus_ : GetFocus(); }
    bool HasFocus() const { return FocusWindow() == hWnd_; }

    // The state from a client point: pressed while the button is down,
    // hot otherwise; normal outside the client area.
    BOOL HitTestButtonState(int x, int y);
    // Hover protocol: a changed state redraws or fades toward the hot look.
    void HoverMouseMove(LPARAM lp);
    // The pointer left: states in `leaving` (bit per state) go back to normal.
    void HoverMouseLeave(unsigned leaving);
    // A press ends a running fade at once.
    void StopFadeForPress();
    // Shared painter: background, glyph column (check kinds), content.
    LRESULT PaintFace(HDC dc, bool withGlyph);
    // Default processing with drawing switched off, so the system never
    // paints its own face over the skinned one.
    LRESULT QuietDefault();
    LRESULT DefaultQuietlyIf(bool quiet) { return quiet ? QuietDefault() : Default(); }
    // The mouse handling radios and push-like buttons share. A press takes
    // the mouse (after the default processing when `captureAfterDefault`:
    // that host captures on its own) and shows the pressed look only when it
    // is inside the client area; a release arms the fade of a pressed
    // button, frees the mouse and goes back to normal; a double click is
    // handled quietly and redrawn.
    LRESULT PressButton(LPARAM lp, bool captureAfterDefault, bool quiet);
    LRESULT ReleaseButton(bool quiet);
    LRESULT DoubleClickButton();
    // BM_SETCHECK of radios and push-like buttons: the default processing
    // with drawing off while the window is visible (or, with
    // `quietWhileCaptured`, holds the mouse). Host framework kind 2 checks
    // this button and unchecks every visible skinned sibling of the same
    // type, each redrawn; other kinds take wParam. Then a redraw; answers 0.
    LRESULT SetCheckAmongSiblings(WPARAM wp, int framework, bool quietWhileCaptured);
    // The checked flag a derived button keeps for the call above.
    virtual void SetCheckedFlag(int) {}

    int state_ = kNormal;
    BOOL buttonDown_ = FALSE;
    bool fadeStopped_ = false;
    hexmoor::rt::HoverTracker hover_;

private:
    // Draws the image of the current state, or, while a hover fade runs,
    // the normal image with the hot one blended over it; `image` answers the
    // image of a state and is asked only for the images drawn.
    template <class ImageOf>
    void DrawWithFade(CTWDraw& draw, const RECT& rect, ImageOf image, bool* missing);

    bool painting_ = false;
    HWND paintFocus_ = nullptr;
};
