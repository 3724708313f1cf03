#pragma once
// The skinshot panel of toolbars and status bars: toolbars holding a
// normal, a checked and a disabled button, a separator and a drop-down
// button, one with the pointer over its first button and one with that
// button held down (real input), and a status bar with three panes and a
// size grip.

#include "tools/skinshot/panel.h"

namespace skinshot {

// Builds the panel, hands it to the runtime when `skinned` and takes every
// item in its state. An empty picture when the panel could not be made.
Panel MakeBarsPanel(bool skinned);

} // namespace skinshot
