#pragma once
// A layered alpha window shows its look through a per-pixel alpha image and
// keeps a companion window in step with it that carries the real child
// controls. The companion is cut to the controls it carries, so that the
// image shows everywhere else. These are the cut's rules, free of windows.

#include <string_view>
#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt {

// Whether a child of the companion keeps its place in the companion's
// region: statics (any case of "Static") and children whose low two style
// bits are both set (check boxes, group boxes and the like, drawn in the
// image) are left out.
bool CompanionShowsChild(std::wstring_view className, unsigned long style);

struct CompanionChild {
    std::wstring_view className;
    unsigned long style = 0;
    Rect rect; // relative to the companion's top-left
};

// The rectangles whose union is the companion's region: one per child it
// shows, in the order given.
std::vector<Rect> CompanionRegionRects(const std::vector<CompanionChild>& children);

} // namespace hexmoor::rt
