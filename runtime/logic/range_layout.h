#pragma once
// The range controls' geometry as plain functions: the slider's line box,
// selection span and image choice, the up-down control's arrow halves with
// their buddy and date-time gaps, and the progress bar's fill and marquee
// steps.

#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt::range {

// --- slider -------------------------------------------------------------------

// The box the slider's line image covers: a horizontal slider uses the
// control's own channel; a vertical one gets a 4-pixel line centred on the
// client's middle, 8 pixels short of both ends, whatever its channel is.
Rect SliderLineBox(const Rect& client, const Rect& channel, bool vertical);

// The selection image's box, or an empty rectangle when nothing is drawn
// (an empty selection). `thumbLength` is the thumb's extent along the track.
struct SliderSelection {
    int start = 0, end = 0; // TBM_GETSELSTART / TBM_GETSELEND
    int min = 0, max = 0;   // TBM_GETRANGEMIN / TBM_GETRANGEMAX
};
Rect SliderSelectionBox(const Rect& line, int thumbLength, bool vertical, const SliderSelection& selection);

enum class SliderPart { Thumb, Line, Background };
// Control and thumb states: 0 normal, 1 pressed, 2 hot.
struct SliderLook {
    int state = 0;
    bool focused = false;
    bool enabled = true;
    bool vertical = false;
};
// The image id of a part in a state (the focus shows in state 0 only).
int SliderImageId(SliderPart part, const SliderLook& look);
// The normal image a missing state image falls back to.
int SliderNormalImageId(SliderPart part, bool vertical);
int SliderSelectionImageId(bool vertical);

// --- up-down control --------------------------------------------------------

struct SpinLayout {
    Rect first;  // up (vertical) or left (horizontal)
    Rect second; // down or right
    Size half;
    bool horizontal = false;
};
SpinLayout LayoutSpin(const Rect& client, bool horizontal);

// Where the two arrows are drawn: `gap` (2 inside a date-time picker, else 1)
// narrows vertical arrows on the right; with a buddy the arrows lose 2
// pixels at their outer ends (and vertical ones 1 more on the right).
struct SpinBoxes {
    Rect first, second;
};
SpinBoxes SpinDrawBoxes(const SpinLayout& layout, int gap, bool hasBuddy);

// The side of its edit buddy an up-down control sits on, as the edit is
// told it: 8 (left) for UDS_ALIGNLEFT, 4 (right) otherwise; a right-to-left
// layout mirrors both alignments.
constexpr int kSpinOnLeft = 8, kSpinOnRight = 4;
int SpinBuddySide(bool alignLeft, bool alignRight, bool rightToLeft);
// The box an edit's image spans when an up-down control sits on `side` of
// it: the edit's box widened over the control on that side (the edit's own
// top and bottom kept), so the edit's border stays open toward the arrows
// and closes beyond them. Any other side gives the edit's box.
Rect EditBoxJoinedWithSpin(const Rect& edit, const Rect& spin, int side);

// Arrow 0 first, 1 second; state 0 normal, 1 pressed, 2 hot. A disabled
// window shows the disabled image in state 0.
int SpinImageId(bool horizontal, int arrow, int state, bool enabled);

// --- progress bar -----------------------------------------------------------

// The filled extent for a client extent: nothing at or below the low end or
// when the range is empty or reversed, never more than the client extent.
int ProgressFilled(int extent, int low, int high, int pos);
// The filled box: from the left (horizontal) or up from the bottom (vertical).
Rect ProgressFillBox(const Rect& client, bool vertical, int filled);

inline constexpr int kMarqueeWidth = 70;
inline constexpr int kMarqueeStart = -kMarqueeWidth;
inline constexpr int kMarqueeStep = 5;

// One marquee step from `position` in a client box: the block's pieces (two
// when it runs past the right edge, the second from the left edge) and the
// next position. A block that has wholly passed the edge starts again
// from the left.
struct MarqueeFrame {
    std::vector<Rect> pieces;
    int next = 0;
};
MarqueeFrame MarqueeStepAt(int position, const Rect& client);

} // namespace hexmoor::rt::range
