#pragma once
// The lines of group boxes and etched statics as plain functions: which
// etched line a picture static draws itself, and where the group box's
// frame and the gap for its caption go.

#include "base/geometry.h"

namespace hexmoor::rt::statics {

// Etched statics the runtime draws: only the horizontal (0x10) and the
// vertical (0x11) line types; every other type, the etched frame (0x12)
// among them, is left to the system.
enum class EtchedLine { None, Horizontal, Vertical };
EtchedLine EtchedLineOf(unsigned style);

// The group box's caption sits 12 pixels in from the sides; the frame's top
// edge is broken from 3 pixels before to 3 pixels after it (at the right
// end with WS_EX_RIGHT). Empty when the caption is empty.
inline constexpr int kCaptionInset = 12;
Rect GroupBoxCaptionGap(const Rect& client, Size caption, bool rightAligned);
// The rectangle the frame is drawn around: the client box with its top
// moved down to the middle of the caption's height.
Rect GroupBoxFrame(const Rect& client, int captionHeight);

} // namespace hexmoor::rt::statics
