#pragma once
// The skinshot panel of statics and range controls: group boxes, static
// texts, pictures and etched lines, sliders, up-down controls and progress
// bars, each driven into one state through real messages.

#include "tools/skinshot/panel.h"

namespace skinshot {

// Builds the panel, hands it to the runtime when `skinned` and takes every
// item in its state. An empty picture when the panel could not be made.
Panel MakeStaticsPanel(bool skinned);

} // namespace skinshot
