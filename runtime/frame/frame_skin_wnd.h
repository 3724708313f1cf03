#pragma once
// The skinned frame: a second object beside a framed window's own object
// that draws and runs the whole non-client area from the frame element —
// the four sides, the caption with its icon, text and buttons, and the
// window region. It subclasses the window on top of the window's object and
// keeps its own current-message record, so its Default replays its own
// message.

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "runtime/frame/menu_bar.h"
#include "runtime/frame/alpha_side.h"
#include "runtime/frame/side_painter.h"
#include "base/win/gdi.h"
#include "runtime/logic/frame_layout.h"
#include "runtime/wnd/tw_wnd.h"

class CFrameSkinWnd : public CTWWnd {
public:
    explicit CFrameSkinWnd(HWND hwnd);
    ~CFrameSkinWnd() override;

    BOOL Attach(HWND hwnd, int type) override;
    void Detach() override;
    void Reattach() override;
    BOOL Enable(BOOL on) override;
    LRESULT Default() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT PaintBorder(HDC dc) override;
    LRESULT OnNcPaint(HDC dc) override { return PaintBorder(dc); }
    LRESULT CalcBorderSize(BOOL calcValidRects, LPARAM params) override;
    LRESULT OnNcCalcSize(BOOL calcValidRects, LPARAM params) override { return CalcBorderSize(calcValidRects, params); }
    HBITMAP GetBackgroundBitmap(BOOL) override { return nullptr; }
    void OnEnable() override {}
    void OnDisable() override {}
    HFONT GetFont() override;
    void InitMode(const char* className) override;
    // {left, top, right, bottom} border sizes; all 0 unless the four side
    // painters exist.
    void GetRect(RECT* out) const override;
    int ChangeSkin(int relayout, BOOL children) override;
    void Reset(const std::wstring& name) override;

    // Creates the menu-bar object for a window with a menu (once) and
    // attaches it while skinning is on.
    void LayoutMenuBar(BOOL refresh);
    CTWWndMenu* GetMenuBar() const { return bar_.get(); }

    void CreateSidePainters();
    void DeleteSidePainters();
    // Marks the window as served by this object: the window property others
    // read, and the runtime's own record of it.
    void RecordOn(HWND hwnd);
    bool HasSidePainters() const { return painters_[0] != nullptr; }
    void UpdateRegion();
    // Opens the system menu at a screen point and posts the chosen command;
    // FALSE when the window has none.
    BOOL ShowSystemMenu(int x, int y);

    // Frames inside frames: a frame is entered in the child list of every
    // ancestor that has a frame, and the frames of its descendants in its
    // own, so that a frame can move and activate the layered sides of the
    // frames it holds (whose own positions do not change when it moves).
    void RegisterWithAncestors();
    void CollectChildFrames();
    const std::vector<HWND>& ChildFrames() const { return childFrames_; }
    void MoveChildFrames();
    void ActivateChildFrames(bool active);
    void SetAlphaSidesActive(bool active);

    // Layered alpha sides (top, bottom, left, right), present while the
    // skin asks for semitransparency.
    bool HasAlphaSides() const { return alpha_[0] != nullptr; }
    CTWFrameAlphaSide* AlphaSide(hexmoor::rt::Side side) const;
    // Draws one side, and the caption, into a DC showing the window at `origin`
    // (the alpha sides render through these).
    void DrawSide(CTWDraw& draw, hexmoor::rt::Side side, bool inactive, hexmoor::Point origin) const;
    // (into a layered side's bitmap: the text keeps alpha), with one button
    // shown in a state (the others normal).
    void DrawCaptionInto(HDC dc, hexmoor::Point origin, int litButton, int litState) {
        DrawCaption(dc, origin, true, litButton, litState);
    }
    // A new region of one side's outline in the frame's layout (window
    // coordinates, unmirrored; the caller owns it); null without painters.
    HRGN BuildSideOutline(hexmoor::rt::Side side) const;

    // Forgets the painted picture of the non-client area, so that the next
    // paint draws everything again (any change of what it shows).
    void InvalidateFramePicture() { pictureValid_ = false; }

    // The pointer left the caption: a lit caption button goes back to normal
    // (the layered top side calls it when the pointer leaves it).
    void LeaveCaptionButtons();

    bool IsActiveLook() const { return activeLook_; }
    int GetHotButton() const { return hot_; }
    int GetPressedButton() const { return pressed_; }
    int GetRegionKind() const { return regionKind_; }
    // Whether a drag moves or sizes an outline in place of the window: the
    // skin asks for it, or layered sides are drawn without acceleration.
    bool UsesOutlineDrag() const;
    bool IsOutlineTracking() const { return outlineTracking_; }

    // The layout inputs of the current window and skin.
    hexmoor::rt::FrameBorders Borders() const;
    hexmoor::rt::CaptionButtonsInput ButtonsInput() const;
    // The caption's text box and the icon's rectangle (window coordinates;
    // empty when no icon is drawn).
    RECT CaptionTextRect() const;
    RECT CaptionIconRect() const;

    // The frame's current message (its own record, apart from the window
    // object's).
    const MSG& CurrentFrameMessage() const;

protected:
    virtual LRESULT OnNcHitTest(WPARAM wp, LPARAM lp);
    virtual LRESULT OnNcActivate(BOOL active);
    virtual LRESULT OnActivate(WPARAM wp, LPARAM lp);
    virtual LRESULT OnSetTextOrIcon();
    virtual LRESULT OnSize(WPARAM type, LPARAM lp);
    virtual LRESULT OnMouseMove(WPARAM wp, LPARAM lp);
    virtual LRESULT OnMouseLeave();
    virtual LRESULT OnLButtonDown(WPARAM wp, LPARAM lp);
    virtual LRESULT OnLButtonUp(WPARAM wp, LPARAM lp);
    virtual LRESULT OnNcLButtonDown(WPARAM hitCode, LPARAM lp);
    virtual LRESULT OnSysCommand(WPARAM wp, LPARAM lp);
    virtual LRESULT OnGetMinMaxInfo(LPARAM lp);
    // The deferred-size request: the window is refitted so that its client
    // rectangle becomes the one given (MAKELONG(left, top), MAKELONG(right,
    // bottom)); answers 1.
    LRESULT OnDeferredSize(WPARAM wp, LPARAM lp);
    // A floating frame (style bit 0x2000) whose grandchild is a docking bar
    // (window property "DockBarProp"): that bar, else null.
    HWND DockBarGrandchild() const;
    // On showing, such a frame takes its bar's element and lays itself out again.
    void TakeDockBarLook();
    // Asks for a larger client area when the first child is a DirectUI
    // window that has grown beyond it (systems of version code 9).
    void GrowForDirectUiChild();
    // Outline move/size: WM_ENTERSIZEMOVE, WM_SIZING/WM_MOVING and
    // WM_EXITSIZEMOVE.
    LRESULT OnEnterSizeMove();
    LRESULT OnSizingOrMoving(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnExitSizeMove();
    // Draws the outline (exclusive-or) on the parent's window DC and, unless
    // `noPrevious`, takes the last drawn one away in the same step.
    void DrawDragOutline(bool noPrevious);

    // Draws the whole non-client area into `dc` (a window DC), client area
    // left out unless minimised.
    void DrawFrame(HDC dc);
    // The same with one caption button shown in a state (the others normal),
    // the picture drawn again; with `only` (window coordinates as shown) just
    // that rectangle reaches the DC.
    void DrawFrame(HDC dc, const RECT* only, int litButton, int litState);
    // Draws the caption (buttons, icon, text) into a DC showing the window at `origin`.
    // The hot or pressed button shows in its state.
    void DrawCaption(HDC dc, hexmoor::Point origin) { DrawCaption(dc, origin, false, hot_, buttonState_); }
    // `layered`: the DC holds a layered side's 32-bit bitmap; `litButton`
    // shows in `litState`.
    void DrawCaption(HDC dc, hexmoor::Point origin, bool layered, int litButton, int litState);
    void DrawCaptionButton(HDC dc, int button, int state, hexmoor::Point origin);
    // Redraws one caption button in a state on the window DC.
    void RedrawCaptionButton(int button, int state);
    // The button under a screen point.
    int CaptionButtonFromScreen(POINT screen) const;
    HICON CaptionIcon() const;
    SIZE WindowSize() const;
    // Where a rectangle of the frame's layout shows in window coordinates
    // (mirrored for a right-to-left frame).
    hexmoor::Rect ShownRect(const hexmoor::Rect& r) const;
    // Runs the saved procedure with WS_VISIBLE cleared, so that the system
    // draws none of its own frame, then repaints ours.
    LRESULT DefaultWithoutSystemPaint();

    std::array<std::unique_ptr<hexmoor::rt::SidePainter>, 4> painters_; // top, bottom, left, right
    int regionKind_ = 0;
    SIZE cornerSize_{0, 0};
    int outline_ = 0;
    RECT savedWindow_{0, 0, 0, 0};
    RECT savedClient_{0, 0, 0, 0};
    int hot_ = hexmoor::rt::kNoButton;
    int pressed_ = hexmoor::rt::kNoButton;
    int buttonState_ = 0;
    WORD lastHit_ = 0;
    bool activeLook_ = true;
    bool tracking_ = false; // TrackMouseEvent armed for leave
    // Outline move/size, in the parent's client coordinates.
    bool outlineTracking_ = false;
    RECT outlineRect_{0, 0, 0, 0};
    RECT lastOutline_{0, 0, 0, 0};
    hexmoor::win::Font ownedFont_;
    hexmoor::win::Bitmap backBuffer_;
    SIZE backSize_{0, 0};
    bool pictureValid_ = false;  // the back buffer holds the current picture
    bool pictureActive_ = false; // ... drawn with this activation look
    std::unique_ptr<CTWWndMenu> bar_;
    std::array<std::unique_ptr<CTWFrameAlphaSide>, 4> alpha_; // top, bottom, left, right
    // Windows of the frames inside this one (looked up by handle, so a frame
    // that went away is simply not found).
    std::vector<HWND> childFrames_;
    // Handling while skinning is off: moves and activation still reach the
    // frames inside.
    LRESULT UnskinnedWindowProc(UINT msg, WPARAM wp, LPARAM lp);
    void UpdateAlphaSides(int show, bool force);
    // Puts the layered sides directly above the frame in the z-order.
    void PlaceAlphaSides();
    // The DirectUI child's size the frame last asked to grow to.
    SIZE directUiAsked_{0, 0};
};

// The frame's window procedure.
LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// The frame object of a window, or null.
CFrameSkinWnd* GetFrameSkinWnd(HWND hwnd);
