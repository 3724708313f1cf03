#pragma once
// The skinned combo box's geometry as plain functions: its drop-down part,
// text area and face, the box its child edit is moved to, and which part a
// point hits.

#include "base/geometry.h"

namespace hexmoor::rt::combo {

enum class Kind { Simple, DropDown, DropDownList };

// The kind from the style's low two bits (CBS_SIMPLE 1, CBS_DROPDOWN 2,
// CBS_DROPDOWNLIST 3).
Kind KindOfStyle(unsigned style);

struct Parts {
    Rect dropDown; // client coordinates
    Rect text;     // client coordinates
    Rect face;     // window coordinates (the window at 0, 0)
};

struct PartInput {
    Rect client;               // the client rectangle (at 0, 0)
    Size window;               // the window's size
    int dropWidth = 0;         // the drop-down part's width
    bool rightAligned = false; // WS_EX_RIGHT: the drop-down part at the left
    Kind kind = Kind::DropDownList;
    Rect firstChild; // the first child window in client coordinates
};

Parts ComputeParts(const PartInput& in);

// What is left of `from` once `cut` is taken away, the way SubtractRect
// answers: only a cut that spans `from` across one side shortens it.
Rect SubtractRect(const Rect& from, const Rect& cut);

// The child edit's box in a drop-down combo: the client rectangle less the
// drop-down part and two pixels on the other side, one line of text high,
// centred with the top's half pixel rounded up.
Rect EditBox(const Rect& client, int dropWidth, bool rightAligned, int textHeight);

enum class Hit { Outside = -1, DropDown = 0, Text = 1, Face = 2 };

// Simple combos hit nothing; the text area only outside drop-down lists.
Hit HitTest(const Parts& parts, Kind kind, Point clientPoint, Point windowOffset);

} // namespace hexmoor::rt::combo
