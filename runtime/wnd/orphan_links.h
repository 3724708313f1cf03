#pragma once
// Windows whose procedure still leads into the common window procedure after
// their skinned object let go (another subclasser came later and keeps
// calling us): messages keep flowing to the procedure we replaced. Entries
// are keyed by window and remember the procedure that sat on top of ours, so
// that a recycled window handle is never mistaken for the old window.
// Process-wide and guarded.

#include <windows.h>

#include "runtime/subclass.h"

namespace hexmoor::rt {

// Remembers the link of a window whose object detached under a later
// subclasser.
void KeepOrphanLink(HWND hwnd, const SubclassLink& link);

// The window's link, when it has one (the entry stays).
bool FindOrphanLink(HWND hwnd, SubclassLink* out);

// The window's link, removing the entry; `out` may be null.
bool TakeOrphanLink(HWND hwnd, SubclassLink* out);

// The window's link when the procedure on top of ours is still the one that
// was there when the object let go; the entry goes either way (a stale one
// belongs to a recycled handle).
bool TakeLiveOrphanLink(HWND hwnd, SubclassLink* out);

} // namespace hexmoor::rt
