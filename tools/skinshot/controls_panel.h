#pragma once
// The skinshot panel of buttons and scroll bars: push buttons, check boxes,
// radios, push-like buttons, scroll-bar controls and windows with both
// scroll bars, each driven into one state through real messages and taken
// into the panel's picture while it shows that state.

#include "tools/skinshot/panel.h"

namespace skinshot {

// Builds the panel, hands it to the runtime when `skinned` and takes every
// item in its state. An empty picture when the panel could not be made.
Panel MakeControlsPanel(bool skinned);

} // namespace skinshot
