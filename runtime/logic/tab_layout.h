#pragma once
// Where a skinned tab item's icon and text go: horizontal items put the
// icon at the left (centred vertically, or where the skin or the host
// placed it) and centre the text in the rest; vertical items put the icon
// near the bottom and run the rotated text upwards above it. The look of an
// item (which image, colour and text offset) is chosen here too.

#include "base/geometry.h"

namespace hexmoor::rt::tabs {

// Looks of an item.
enum class Look { Normal, Selected, Hot, Disabled, Focused };

struct LookInput {
    bool focusItem = false; // the focus item while the control has the focus
    bool selected = false;  // the current selection
    bool hot = false;       // under the mouse
    bool enabled = true;    // the control is enabled
};

// The image look and whether the text takes the hot colour: the focused look
// wins, then the selection, then hot, then normal or disabled.
struct LookChoice {
    Look image = Look::Normal;
    Look text = Look::Normal;
};
LookChoice ChooseLook(const LookInput& in);

// Element ids of a look: its item image, its text colour, and its text
// offset (hot and selected only; 0 for the others).
int ImageIdOf(Look look, bool vertical);
int ColourIdOf(Look look, bool vertical);
int OffsetIdOf(Look look, bool vertical);

struct ItemInput {
    Rect item;
    bool hasIcon = false;
    Size icon;
    bool userIcon = false; // icon position given by the skin or the host
    Point iconPos;         // relative to the item (vertical: y measured up from the bottom)
    Point textOffset;      // the look's offset
    bool userText = false; // text placement given by the host
    Point userTextOffset;  // the host's own offset, added to the look's
    int userTextWidth = 0; // the host's text width; 0 keeps the computed width
    Size textExtent;       // vertical items: the text's extent along and across the run
};

struct ItemBoxes {
    bool drawIcon = false;
    Point icon;
    // Horizontal: the box the text is centred in. Vertical: the box the
    // rotated text is clipped to, and the text origin (the start of the
    // run, at the bottom).
    Rect text;
    Point origin;
};

ItemBoxes PlaceHorizontal(const ItemInput& in);
ItemBoxes PlaceVertical(const ItemInput& in);

} // namespace hexmoor::rt::tabs
