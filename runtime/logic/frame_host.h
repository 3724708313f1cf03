#pragma once
// How a skinned frame behaves in the different host frameworks (plain
// Windows, Windows Forms, Visual Basic 6, Delphi) and around the special
// windows some hosts put inside their frames, as pure decisions.

#include <string_view>

#include "base/geometry.h"

namespace hexmoor::rt {

// The host kind a frame works in: the runtime-wide kind, except that the
// system's own dialogs (class "#32770", any case) always behave as plain
// windows.
int FrameHostKind(int runtimeKind, std::string_view className);

// What switching a frame's skin on or off does to the window beyond drawing.
struct FrameSwitchSteps {
    // On: the window is resized so that its client rectangle stays as it was.
    bool refitToClient = false;
    // On (Visual Basic 6): the window only gets its saved window size back,
    // and is then asked by message (the deferred-size request) to refit the
    // saved client rectangle, after the host has seen the new frame.
    bool keepWindowSize = false;
    bool deferredSize = false;
    // Flat scroll bars (Delphi): -1 taken away, 1 given back, 0 untouched.
    int flatScrollBars = 0;
};
FrameSwitchSteps FrameSwitchPlan(int hostKind, bool on);

// Whether choosing the frame's element again only recomputes the frame in
// place, keeping the window's size (Visual Basic 6 with a shaped region:
// kinds 3 and 4), instead of refitting the window around its client area.
bool ResetKeepsWindowSize(int hostKind, int regionKind);

// Whether a frame grows to hold its first child: only on systems of version
// code 9, for a child whose class begins with "DirectUIHWND" (any case)
// and whose client area is wider or taller than the frame's.
bool FrameGrowsForChild(int versionCode, std::string_view childClass, Size childClient, Size frameClient);

} // namespace hexmoor::rt
