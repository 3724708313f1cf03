#pragma once
// The item tables of the simulated .NET strips: for each strip window's
// width (and height), every piece's rectangle, text, image property id and
// text-colour property id, in painting order, with the areas the white fill
// covers and the fallback picture that stands in for a disabled element.
// Free of windows.

#include <string>
#include <vector>

#include "base/geometry.h"
#include "model/platform/types.h"

namespace hexmoor::preview {

struct StripItemSpec {
    Rect rect;
    std::string text; // empty: a piece without text
    WORD image = 0;   // image property id
    WORD colour = 0;  // text-colour property id; 0 without text
    // With the element disabled the text is drawn grey (the others black).
    bool greyWhenDisabled = false;
};

// One element's share of a strip window's picture.
struct StripPlan {
    WORD element = 0;            // element type
    std::vector<Rect> whiteFill; // filled white when the element is enabled
    int fallbackPicture = 0;     // "PNG" resource drawn when it is disabled
    Point fallbackAt;
    std::vector<StripItemSpec> items;
};

// Fallback pictures (resources of type "PNG").
inline constexpr int kPngMenuStripBar = 247;
inline constexpr int kPngToolStrip = 248;
inline constexpr int kPngDropDownMenus = 249;
inline constexpr int kPngStatusStrip = 250;

// The tool strip (element 40): 46 items over a window w pixels wide.
StripPlan ToolStripPlan(int w);
// The status strip (element 41): 21 items over a window w x h.
StripPlan StatusStripPlan(int w, int h);
// The menu strip window: the bar (element 43, 6 items) and the three
// cascaded drop-down menus (element 42, 39 items).
StripPlan MenuStripBarPlan(int w);
StripPlan DropDownMenusPlan();

// Text formats: centred on one line for every strip item but the menus'.
inline constexpr unsigned kStripTextFormat = 0x25;     // DT_CENTER | DT_VCENTER | DT_SINGLELINE
inline constexpr unsigned kMenuTextLeftFormat = 0x24;  // DT_LEFT | DT_VCENTER | DT_SINGLELINE
inline constexpr unsigned kMenuTextRightFormat = 0x26; // DT_RIGHT | DT_VCENTER | DT_SINGLELINE

// Where and how a drop-down menu item's text is drawn: the item's
// rectangle moved in by the menu's text rules.
struct PlacedText {
    Rect rect;
    unsigned format = kMenuTextLeftFormat;
};
PlacedText PlaceMenuText(const StripItemSpec& item);

} // namespace hexmoor::preview
