#pragma once
// A panel of skinshot's sheet: a picture of windows in their states and the
// instances it shows, placed on the sheet beside the others.

#include <windows.h>

#include <string>
#include <vector>

#include "base/win/gdi.h"

namespace skinshot {

// One instance shown in a panel: element type, state word (e.g. "hot",
// "checked-pressed", "mdi-active") and its window rectangle relative to the
// panel's top-left.
struct PanelItem {
    int kind = 0;
    std::string state;
    RECT rect{0, 0, 0, 0};
};

// A panel once painted: its picture and the instances it shows.
struct Panel {
    hexmoor::win::Bitmap picture;
    int width = 0, height = 0;
    std::vector<PanelItem> items;
};

} // namespace skinshot
