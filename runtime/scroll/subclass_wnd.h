#pragma once
// Hooks on a window's procedure that keep the scroll-bar engine's data in
// step with the window: several hooks can sit on one window, newest first,
// all reached through one procedure of ours (installed with the runtime's one
// subclassing mechanism) and one process-wide, guarded map from window to its
// chain. A skinned window owns at most one.

#include <windows.h>

#include "runtime/subclass.h"

struct HookChain;

class CSubclassWnd {
public:
    CSubclassWnd() = default;
    CSubclassWnd(const CSubclassWnd&) = delete;
    CSubclassWnd& operator=(const CSubclassWnd&) = delete;
    // Unhooks (the engine stays on the window).
    virtual ~CSubclassWnd();

    // Hooks the window and installs the engine; the engine's answer.
    virtual BOOL SubclassWindow(HWND hwnd);
    // Removes the engine and the hook; -1 in the base, 0 when not hooked.
    virtual int UnsubclassWindow();
    void Unsubclass() { UnsubclassWindow(); }
    virtual void SetHorzBarSize(int thickness, int arrowLength);
    virtual void SetVertBarSize(int thickness, int arrowLength);
    // The next older hook's procedure, or the procedure that was in place
    // before the first hook.
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);

    // Adds the hook to the window's chain (null: takes it out). 1.
    BOOL HookWindow(HWND hwnd);
    // WindowProc with the message being handled now.
    LRESULT Default();
    HWND GetHwnd() const { return hwnd_; }

private:
    friend class SubclassMap;
    HWND hwnd_ = nullptr;
    HookChain* chain_ = nullptr;
    CSubclassWnd* next_ = nullptr;
};

// The subclasser of any skinned window with its own window scroll bars.
class CFormScroll : public CSubclassWnd {
public:
    ~CFormScroll() override;
    BOOL SubclassWindow(HWND hwnd) override;
    int UnsubclassWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

// Switches the engine's drawing of a window's scroll bars off (TRUE) or on;
// 1 done, 0 when no engine serves the window.
BOOL SuspendSkinScrollbars(HWND hwnd, BOOL suspend);

// Copies the window's real scroll data into the engine (a real range below
// 0 is re-based to 0 on the window first) and repaints the visible bars.
void SyncSkinScrollbars(HWND hwnd, BOOL force);

// Handles WM_HSCROLL/WM_VSCROLL for a subclasser: the new position from the
// scroll code goes to the engine (and, with `writeReal`, to the window's
// own bar first). The form subclasser lets SB_THUMBPOSITION take the thumb
// like SB_THUMBTRACK and leaves SB_ENDSCROLL alone; the others give the
// engine the current position again for both. False when nothing was given.
bool ApplyScrollCode(HWND hwnd, UINT msg, WPARAM wp, bool form, bool writeReal = false);
