#pragma once
// Windows whose chain still leads into one of the runtime's window procedures
// after the object behind it let go (another subclasser came later and keeps
// calling us): messages keep flowing to the procedure we replaced. Entries
// are keyed by window and by our procedure, and remember the procedure that
// sat on top of ours, so that a recycled window handle is never mistaken for
// the old window. Process-wide and guarded.
//
// Our procedures are put on a window only through AttachWindowProc, which
// takes such a link back while the procedure is still in the chain instead
// of stacking a second copy: none of ours ever leads to itself.

#include <windows.h>

#include "runtime/subclass.h"

namespace hexmoor::rt {

// Puts `ours` on the window. When it is still in the window's chain from an
// earlier object (the current procedure leads to it through our other
// procedures left in the chain, or is the one that sat on top of it when it
// let go), the link it kept is taken back instead; a stale entry (a
// recycled handle) is dropped.
SubclassLink AttachWindowProc(HWND hwnd, WNDPROC ours);

// Takes `ours` off: the procedure it replaced comes back when `ours` is
// current; otherwise a later subclasser still leads into it, and the link is
// kept for ForwardOrphanMessage.
void DetachWindowProc(HWND hwnd, WNDPROC ours, const SubclassLink& link);

// Drops the window's link of `ours` (its window is being destroyed).
void ForgetOrphanLink(HWND hwnd, WNDPROC ours);

// The answer of `ours` to a message of a window no object of ours serves any
// more: on to the kept link (forgotten at WM_NCDESTROY), or the default
// procedure without one.
LRESULT ForwardOrphanMessage(HWND hwnd, WNDPROC ours, UINT msg, WPARAM wp, LPARAM lp);

} // namespace hexmoor::rt
