#pragma once
// The frame panels of skinshot's sheet: captioned frames, their caption
// buttons and menu bar in each state, and MDI windows, each made the way a
// user makes it (cursor, held button, keyboard) and read from the screen
// once painted.

#include <vector>

#include "tools/skinshot/panel.h"

namespace skinshot {

// Makes every frame panel; `skinned` hands the windows to the runtime.
std::vector<Panel> MakeFramePanels(bool skinned);

} // namespace skinshot
