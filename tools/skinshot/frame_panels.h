#pragma once
// The frame panels of skinshot's sheet: captioned frames, their caption
// buttons and menu bar in each state, and MDI windows, each made the way a
// user makes it (cursor, held button, keyboard) and read from the screen
// once painted.

#include <windows.h>

#include <string>
#include <vector>

#include "base/win/gdi.h"

namespace skinshot {

// One instance shown in a panel: element type, state word and its window
// rectangle relative to the panel's top-left.
struct PanelItem {
    int kind = 0;
    std::string state;
    RECT rect{0, 0, 0, 0};
};

// A panel read from the screen: its picture and the instances it shows.
struct Panel {
    hexmoor::win::Bitmap picture;
    int width = 0, height = 0;
    std::vector<PanelItem> items;
};

// Makes every frame panel; `skinned` hands the windows to the runtime.
std::vector<Panel> MakeFramePanels(bool skinned);

} // namespace skinshot
