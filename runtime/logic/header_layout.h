#pragma once
// Where a skinned header item's icon and text go, which image, colour and
// offset its state takes, and the column width a release of the mouse
// button sets.

#include "base/geometry.h"

namespace hexmoor::rt::header {

// Item states as the header tracks them for its hot item.
enum class State { None = 0, Pressed = 1, Hot = 2 };

struct LookIds {
    int image = 376;
    int colour = 380;
    int offset = 0; // element id of the packed offset; 0 none
};
// The item's look: the hot item in the pressed or hot state takes that
// state's image, colour and offset; a disabled window keeps its disabled
// image and colour but takes the state's offset.
LookIds LookOf(bool isHotItem, State state, bool windowEnabled);

// Horizontal alignment of an item (HDF_LEFT 0, HDF_RIGHT 1, HDF_CENTER 2).
enum class Align { Left = 0, Right = 1, Centre = 2 };
Align AlignOf(int format);

struct ItemInput {
    Rect item;
    Align align = Align::Left;
    bool withIcon = false; // HDF_IMAGE and an image list
    int iconWidth = 0;
    int textWidth = 0;
    Point offset; // the state's offset
};

struct ItemBoxes {
    bool drawIcon = false;
    Point icon;
    Rect text;
    bool alignText = true; // the text box carries the item's alignment
};
ItemBoxes Place(const ItemInput& in);

// The column width set when the button is released at x (signed) over a
// column whose left edge is at itemLeft: never below zero.
int WidthOnRelease(int x, int itemLeft);

} // namespace hexmoor::rt::header
