#pragma once
// The preview's calls into the skinning runtime beyond its flat API, in one
// place: a window's skinned object, switching one window's skin off, and
// applying a scheme's elements again to skinned windows of one type.

#include <windows.h>

#include <string>

class CTWWnd;

namespace hexmoor::preview {

// The window's skinned object, or null when the runtime does not skin it.
CTWWnd* SkinnedObject(HWND hwnd);
// The runtime stops drawing this window (the object stays attached) and
// lets the window's own painting run; nothing for a window it does not skin.
void SwitchSkinOff(HWND hwnd);

// The active skinned windows of `type` inside the tree of `root` draw from
// the element of `scheme` of the current skin (when the scheme has one; a
// scroll-bar control also takes the scheme's scroll-bar element).
void ReapplySkinToControls(HWND root, const std::wstring& scheme, WORD type);
// The thread's active skinned windows of `type` (every type for 0) whose
// element exists and is enabled take their nearest skinned ancestor's skin,
// are switched on or off and redrawn; false when `type` is not 0 and no
// window of that type is skinned.
bool ReapplySkinToAllControls(WORD type, bool enable);

} // namespace hexmoor::preview
