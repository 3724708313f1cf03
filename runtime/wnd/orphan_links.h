#pragma once
// Windows whose procedure still leads into one of ours after the object that
// installed it let go (another subclasser came later and keeps calling us):
// messages keep flowing to the procedure we replaced. Entries are keyed by
// window and by which of our procedures it is (a window can carry several),
// and remember the procedure that sat on top of ours, so that a recycled
// window handle is never mistaken for the old window. Process-wide and
// guarded: the runtime serves several GUI threads.

#include <windows.h>

#include "runtime/subclass.h"

namespace hexmoor::rt {

// Remembers the link of our procedure `ours` on a window whose object
// detached under a later subclasser.
void KeepOrphanLink(HWND hwnd, WNDPROC ours, const SubclassLink& link);

// The link, when there is one (the entry stays).
bool FindOrphanLink(HWND hwnd, WNDPROC ours, SubclassLink* out);

// The link, removing the entry; `out` may be null.
bool TakeOrphanLink(HWND hwnd, WNDPROC ours, SubclassLink* out);

// The link when the procedure on top of ours is still the one that was
// there when the object let go; the entry goes either way (a stale one
// belongs to a recycled handle).
bool TakeLiveOrphanLink(HWND hwnd, WNDPROC ours, SubclassLink* out);

} // namespace hexmoor::rt
