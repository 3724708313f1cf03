#pragma once
// The numbers of the frame element the skinned frame reads, and the host
// quirks' style bits and messages; shared by the frame's files.

#include <windows.h>

#include "base/geometry.h"
#include "model/twf_obj.h"

namespace hexmoor::rt::frame_numbers {

// Frame element numbers.
inline constexpr WORD kRegionKind = 483, kCornerSize = 553, kSemitransparency = 773, kOutline = 774;
inline constexpr WORD kTextLocation = 484, kTextHidden = 487, kIconLocation = 488, kTextOffset = 557, kIconOffset = 558;
inline constexpr WORD kTextColour = 482, kButtonAlignment = 685, kMinimizedImage = 486;
// Per button (minimize, maximize, close, help): offset, minimised offset, size.
inline constexpr WORD kButtonOffset[4] = {490, 491, 489, 492};
inline constexpr WORD kButtonMinOffset[4] = {556, 555, 554, 0};
inline constexpr WORD kButtonSize[4] = {550, 551, 493, 552};
// The style bit of a floating frame that shows its owner's activation, and
// the floating-status request that asks it to.
inline constexpr LONG_PTR kSyncActiveStyle = 0x100;
inline constexpr UINT kFloatStatus = 0x036D;
inline constexpr WPARAM kFloatSyncActive = 0x40;
// A floating frame that holds a docking bar: the style bit it carries and the
// property its bar (the frame's grandchild) is marked with.
inline constexpr LONG_PTR kDockFrameStyle = 0x2000;
inline constexpr char kDockBarProp[] = "DockBarProp";
// Resized in place: no move, no z-order change, no activation.
inline constexpr UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

// A pair of shorts stored in one number (an offset or a size).
inline Point PairOf(const CTwfObj* e, WORD id) {
    if (!e || !id) return {};
    const DWORD v = e->GetNumber(id);
    return {short(LOWORD(v)), short(HIWORD(v))};
}

} // namespace hexmoor::rt::frame_numbers
