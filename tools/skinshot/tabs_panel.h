#pragma once
// The skinshot panel of tab controls (horizontal and vertical), headers, a
// tooltip, a 2 x 2 splitter and a size grip, each driven into one state.

#include "tools/skinshot/panel.h"

namespace skinshot {

// Builds the panel, hands it to the runtime when `skinned` and takes every
// item in its state. An empty picture when the panel could not be made.
Panel MakeTabsPanel(bool skinned);

} // namespace skinshot
