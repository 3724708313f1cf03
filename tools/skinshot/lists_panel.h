#pragma once
// The skinshot panel of lists: list boxes (normal, disabled, a check list
// with a host), report and icon list views (focused, unfocused, disabled)
// and trees (normal, disabled), each in its state when the panel is taken.

#include "tools/skinshot/panel.h"

namespace skinshot {

// Builds the panel, hands it to the runtime when `skinned` and takes every
// item in its state. An empty picture when the panel could not be made.
Panel MakeListsPanel(bool skinned);

} // namespace skinshot
