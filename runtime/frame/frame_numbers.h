#pragma once
// The caption buttons' number tables of the frame element (named in
// model/elements/frame_properties.h), and the host quirks' style bits and
// messages; shared by the frame's files.

#include <windows.h>

#include "base/geometry.h"
#include "model/elements/frame_properties.h"
#include "model/twf_obj.h"

namespace hexmoor::rt::frame_numbers {

// Per caption button (minimize, maximize, close, help): the frame's offset,
// minimised offset and size numbers; the help button has no minimised offset.
inline constexpr WORD kButtonOffset[4] = {frame_props::kMinimizeButtonOffset, frame_props::kMaximizeButtonOffset,
                                          frame_props::kCloseButtonOffset, frame_props::kHelpButtonOffset};
inline constexpr WORD kButtonMinOffset[4] = {frame_props::kMinimizedMinimizeOffset,
                                             frame_props::kMinimizedMaximizeOffset, frame_props::kMinimizedCloseOffset,
                                             0};
inline constexpr WORD kButtonSize[4] = {frame_props::kMinimizeButtonSize, frame_props::kMaximizeButtonSize,
                                        frame_props::kCloseButtonSize, frame_props::kHelpButtonSize};
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
