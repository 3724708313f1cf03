#pragma once
// The default tree's check boxes. The tree shows them as its own state
// images (0 none, 1 empty, 2 checked) rather than through the tree view's
// check-box style, whose boxes Wine hands to every item at the first paint;
// a click on a box or Space toggles it and the element takes the check.

#include <windows.h>

#include "base/win/handles.h"

namespace hexmoor::shell {

class CPanelTree;
class ElementTree;

// The three state images, 16 x 16: none, an empty box, a checked box.
hexmoor::win::ImageList MakeCheckBoxImages();

// Watches the tree window for clicks on check boxes and for Space; the
// model must live as long as the window.
void WatchCheckBoxes(HWND tree, ElementTree& model);

// Watches the tree window for left clicks on the colour-adjustment marks,
// which switch the item's branch and leave the selection where it was; the
// panel must live as long as the window.
void WatchMarkClicks(HWND tree, CPanelTree& panel);

} // namespace hexmoor::shell
