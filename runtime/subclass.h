#pragma once
// Replacing and restoring a window procedure safely. The procedure is
// installed in the form that matches the window (wide for Unicode windows)
// and restored only while it is still the current one: when another
// subclasser came later, its saved link to us must keep working.

#include <windows.h>

namespace hexmoor::rt {

struct SubclassLink {
    WNDPROC previous = nullptr;
    bool wide = false;  // installed with the wide form
};

// Installs `proc`; returns the procedure it replaced and the form used.
SubclassLink InstallWindowProc(HWND hwnd, WNDPROC proc);

// True when `proc` is the window's current procedure (read in `wide` form).
bool IsCurrentWindowProc(HWND hwnd, WNDPROC proc, bool wide);

// Puts `link.previous` back when `ours` is current; false otherwise (the
// window is gone or another procedure sits on top of ours).
bool RestoreWindowProc(HWND hwnd, WNDPROC ours, const SubclassLink& link);

// Calls a saved procedure in the form it was saved with.
LRESULT CallSavedProc(const SubclassLink& link, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

} // namespace hexmoor::rt
