#pragma once
// The default tree's check boxes. The tree shows them as its own state
// images (0 none, 1 empty, 2 checked) rather than through the tree view's
// check-box style, whose boxes Wine hands to every item at the first paint;
// a click on a box or Space toggles it and the element takes the check
// (CElementTreeView).

#include <windows.h>

#include "base/win/handles.h"

namespace hexmoor::shell {

// The three state images, 16 x 16: none, an empty box, a checked box.
hexmoor::win::ImageList MakeCheckBoxImages();

} // namespace hexmoor::shell
