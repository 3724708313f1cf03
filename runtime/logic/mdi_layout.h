#pragma once
// Tile and cascade of MDI children by the skin's rules, as pure functions
// over the children taken part (visible, not minimised, neither tool windows
// nor topmost) and the client rectangle of the MDI client.

#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt {

// One rectangle per child, in child order. c = floor(sqrt(n)) (1 below 4);
// vertical tiling makes n / c columns of c rows, horizontal c columns of
// n / c rows; the last n mod c columns hold one row more. Empty for no
// children or an empty client area.
std::vector<Rect> TileMdiChildren(int count, const Rect& client, bool horizontal);

// One rectangle per child: child i at (i mod (k + 1)) steps from the
// client's top-left with k = client height / (3 x step height), each of the
// client's size less k steps. The step is the child frame's left and top
// border; when either is 0 (or unknown) the system step is used instead.
std::vector<Rect> CascadeMdiChildren(int count, const Rect& client, Size frameStep, Size systemStep);

} // namespace hexmoor::rt
