#pragma once
// Layered alpha sides: for a frame whose skin asks for semitransparency,
// four layered top-level windows float over the frame's borders and show
// the side painters' output with per-pixel alpha. Mouse input on them is
// handed to the frame, so they act as its border and caption.

#include <windows.h>

#include "runtime/frame/side_painter.h"
#include "base/win/gdi.h"

class CFrameSkinWnd;

class CTWFrameAlphaSide {
public:
    CTWFrameAlphaSide(CFrameSkinWnd* frame, hexmoor::rt::Side side);
    ~CTWFrameAlphaSide();
    CTWFrameAlphaSide(const CTWFrameAlphaSide&) = delete;
    CTWFrameAlphaSide& operator=(const CTWFrameAlphaSide&) = delete;

    // Registers the class "TWALPHAWINDOW" (once) and makes the side window,
    // owned by the frame so that it stays just above it.
    BOOL Create();
    void Destroy();
    // Moves the side over its border of the frame; show < 0 follows the
    // frame (hidden while it is minimised or hidden), else shown when > 0.
    // Renders again when the size changed or when forced.
    void UpdatePosition(int show, bool force);
    void SetActive(bool active);
    // Puts the side directly above its frame (its top-level window for a
    // frame inside another window): behind the nearest window above it that
    // is not one of the frame's own sides.
    void PlaceInZOrder();
    // Drops the rendered bitmap and renders again (caption changes).
    void Rerender();
    // Top side: shows `button` in `state` (0 normal, 1 hot, 2 pressed) and
    // every other caption button normal; nothing when it shows that already.
    void SetCaptionButtonState(int state, int button);
    // Whether the side window holds a region given by RefreshRegion.
    bool HasRegion() const { return regionGiven_; }

    HWND Handle() const { return hwnd_; }
    hexmoor::rt::Side GetSide() const { return side_; }
    // The last bitmap and screen position given to UpdateLayeredWindow
    // (kept so that they can be read back: a screen without compositor does
    // not show alpha).
    HBITMAP KeptBitmap() const { return rendered_.Get(); }
    POINT KeptPosition() const { return position_; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // The side's rectangle in the frame's window coordinates; the left and
    // right sides swap edges for a right-to-left frame.
    RECT SideRectInWindow() const;
    void Render(const RECT& screen);
    // Gives the side window its region: the side's outline, and for a frame
    // inside another window also cut to that window's client area and to
    // the windows lying above the frame's top-level window. A top-level
    // frame's side keeps the region it was given until its size changes.
    void RefreshRegion(const RECT& screen);
    // The side's outline in the side window's coordinates (mirrored for a
    // right-to-left frame); null without painters.
    HRGN OutlineInSide() const;

    CFrameSkinWnd* frame_;
    hexmoor::rt::Side side_;
    HWND hwnd_ = nullptr;
    hexmoor::win::Bitmap rendered_;
    POINT position_{0, 0};
    int litButton_ = hexmoor::rt::kNoButton; // the caption button shown in litState_
    int litState_ = 0;
    bool regionGiven_ = false; // the window holds the region given last
    bool busy_ = false;
    bool active_ = false;
};
