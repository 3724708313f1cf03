#pragma once
// The popup menu's drawing rules as plain functions: which image, text
// colour and submenu arrow each item state takes, how a requested state is
// turned into the drawn one (disabled items, submenu items never pressed,
// separators never hot), and where the check mark, the text and the
// accelerator go inside an item.

#include <string>
#include <utility>

#include "base/geometry.h"

namespace hexmoor::rt::popup {

// Drawn item states.
namespace state {
constexpr int kNormal = 0, kHot = 1, kPressed = 2, kDisabled = 3, kGrayed = 4, kDisabledHot = 5;
} // namespace state

// Menu element ids.
namespace id {
constexpr unsigned kImageNormal = 437, kImagePressed = 439, kImageHot = 441, kImageDisabled = 443;
constexpr unsigned kTextNormal = 438, kTextPressed = 440, kTextHot = 442, kTextDisabled = 444;
constexpr unsigned kSeparator = 447;
constexpr unsigned kArrowNormal = 449, kArrowHot = 450, kArrowDisabled = 452;
constexpr unsigned kBorder = 453, kOutline = 429;
constexpr unsigned kBorderLeft = 454, kBorderTop = 455, kBorderRight = 606, kBorderBottom = 607;
constexpr unsigned kCheckImage = 119, kRadioImage = 143; // of the check-box and radio elements
} // namespace id

// What one item state draws: background image, text colour and arrow
// (0: no arrow, also for items without a submenu).
struct Look {
    unsigned image = 0;
    unsigned colour = 0;
    unsigned arrow = 0;
    friend bool operator==(const Look&, const Look&) = default;
};
Look LookOf(int drawnState, bool hasSubmenu);

// The state an item is drawn in, from the state asked for (0 normal, 1 hot,
// 2 pressed) and the item's flags.
struct ItemFlags {
    bool disabled = false; // MF_DISABLED without MF_GRAYED
    bool grayed = false;
    bool separator = false;
    bool submenu = false;
};
int DrawnState(int requested, const ItemFlags& flags);

// The item parts, in the item's own coordinates. `check` is the system's
// check-mark size (SM_CXMENUCHECK, SM_CYMENUCHECK); `arrowWidth` the width
// of the arrow strip at the far side (SM_CXHSCROLL).
struct ItemBoxes {
    Rect check;       // the check mark's box, one pixel in from the near edge
    Rect text;        // the label, starting past the check mark
    Rect accelerator; // the text after the tab, aligned to the far side
    Rect arrow;       // the submenu arrow strip
};
ItemBoxes LayoutItem(const Rect& item, Size check, int arrowWidth, bool rightToLeft);

// The label and the accelerator of an item text ("&Open\tCtrl+O").
std::pair<std::wstring, std::wstring> SplitAtTab(const std::wstring& text);

// The popup's border widths (left, top, right, bottom) from the four
// numbers, left and right exchanged for a right-to-left popup; negative
// numbers count as 0.
Insets BorderInsets(long left, long top, long right, long bottom, bool rightToLeft);

} // namespace hexmoor::rt::popup
