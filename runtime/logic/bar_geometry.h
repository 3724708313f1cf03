#pragma once
// Arithmetic of the skinned toolbar and status bar: which face image a
// toolbar button shows and where, the drop-down arrow and its pressed zone,
// where a button's image and text go, the borders that narrow and centre the
// client area, the status bar's grip box and a pane's icon and text boxes,
// and the walk limits of a host's own pane list.

#include <cstdint>

#include "base/geometry.h"

namespace hexmoor::rt::bars {

// Skin files older than this version paint toolbars and status bars the
// older way (buttons over white, status grip before the panes).
constexpr int kCurrentPainterVersion = 529;
constexpr bool UsesOlderPainter(int fileVersion) { return fileVersion < kCurrentPainterVersion; }

// ---- toolbar -------------------------------------------------------------

// Property ids of the toolbar element.
namespace tb {
constexpr int kBackground = 309;
constexpr int kTextColour = 310;
constexpr int kNormal = 311;
constexpr int kPressed = 312;
constexpr int kHot = 313;
constexpr int kDisabled = 314;
constexpr int kSeparator = 315;
constexpr int kDisabledColour = 316;
constexpr int kCentre = 684;
constexpr int kLeftBorder = 801;
constexpr int kRightBorder = 802;
} // namespace tb

// Width of a drop-down button's arrow zone at its right edge, and how far
// the right edge moves left for the image and text once the arrow is drawn.
constexpr int kArrowZone = 13;
constexpr int kArrowShift = 14;

struct ButtonFaceInput {
    Rect rect;
    bool enabled = true;
    bool hot = false; // the hot item (only an enabled one counts)
    bool checked = false;
    bool indeterminate = false;
    bool dropDown = false; // BTNS_DROPDOWN or BTNS_WHOLEDROPDOWN
    bool leftDown = false; // the left mouse button is down
    Point cursor;          // client coordinates
};

// Colour of a drop-down arrow.
enum class ArrowColour { kText, kGray, kBlack };

struct ButtonFace {
    int image = 0;      // 0: no image (the indeterminate frame instead)
    Rect imageRect;     // where the image goes
    bool frame = false; // a 1-pixel shadow-coloured frame along the rectangle
    ArrowColour arrow = ArrowColour::kText;
};

ButtonFace ToolbarButtonFace(const ButtonFaceInput& in);

// The pressed face of a drop-down button: the rectangle less its arrow zone.
Rect PressedZone(const Rect& button);

// The drop-down arrow: two horizontal lines (end exclusive, as LineTo draws
// them) and one pixel below them, centred on the button's middle row.
struct ArrowLine {
    Point from, to;
    friend bool operator==(const ArrowLine&, const ArrowLine&) = default;
};
struct DropDownArrow {
    ArrowLine top, middle;
    Point tip;
};
DropDownArrow DropDownArrowAt(const Rect& button);

// Where a button's image and text go.
struct ContentInput {
    Rect button;            // after the arrow shift
    bool listStyle = false; // TBSTYLE_LIST: text beside the image
    int iconWidth = 0, iconHeight = 0;
    bool hasText = false;
};
struct ContentPlace {
    Point image;
    Rect text;
    unsigned format = 0; // DrawText flags
};
ContentPlace ToolbarButtonContent(const ContentInput& in);

// The client rectangle of a toolbar after the default calculation, moved by
// the element's numbers: 684 centres it vertically in the window (a Visual
// Basic 6 host only nudges a client top that lies above 1), 801 and 802
// narrow it from the left and the right.
struct ToolbarBorderInput {
    Rect client;          // after the default calculation, parent coordinates
    int windowY = 0;      // WINDOWPOS y
    int windowCy = 0;     // WINDOWPOS cy
    bool centre = false;  // number 684 non-zero
    bool vb6Host = false; // host framework kind 2
    int leftBorder = 0;   // number 801
    int rightBorder = 0;  // number 802
};
Rect ToolbarClientRect(const ToolbarBorderInput& in);

// The client rectangle narrowed by a left and a right border; it never
// turns inside out (right stays at or right of left).
Rect NarrowBySides(const Rect& client, int left, int right);

// ---- status bar ----------------------------------------------------------

namespace sb {
constexpr int kPane = 324;
constexpr int kGrip = 326;
constexpr int kTextColour = 330;
constexpr int kBackground = 332;
constexpr int kLeftBorder = 803;
constexpr int kRightBorder = 804;
} // namespace sb

// The size grip's box at the client's right edge: one vertical scroll bar
// and one border wide, the client's full height.
Rect StatusGripBox(const Rect& client, int cxVScroll, int cxBorder);

// A pane's icon position (when it has an icon) and its text box.
struct PanePlace {
    Point icon;
    Rect text;
};
PanePlace StatusPaneContent(const Rect& pane, bool hasIcon, int iconWidth, int iconHeight);

// How many steps to walk a host's own pane list for a pane, or -1 when the
// pane has no entry there (only panes 0 .. count - 2 do).
int HostPaneListSteps(int pane, int paneCount);

// ---- memory ranges -------------------------------------------------------

// One region as the system describes it.
struct MemoryRegion {
    std::uintptr_t base = 0;
    std::uintptr_t size = 0;
    bool committed = false;
    std::uint32_t protect = 0; // PAGE_* bits
};

// True when the protection lets the process read (PAGE_READONLY,
// PAGE_READWRITE, PAGE_WRITECOPY and their executable forms) and it is
// neither a guard page nor no-access.
bool IsReadableProtection(std::uint32_t protect);

// True when every byte of [address, address + length) lies in committed,
// readable regions; `query` describes the region holding an address (false
// when it cannot). A zero length or a range that wraps is refused.
template <class Query>
bool IsRangeReadable(std::uintptr_t address, std::uintptr_t length, Query&& query) {
    if (length == 0 || address == 0 || address + length < address) return false;
    const std::uintptr_t end = address + length;
    std::uintptr_t at = address;
    while (at < end) {
        MemoryRegion region;
        if (!query(at, region)) return false;
        if (!region.committed || !IsReadableProtection(region.protect)) return false;
        const std::uintptr_t regionEnd = region.base + region.size;
        if (region.size == 0 || region.base > at || regionEnd <= at) return false;
        at = regionEnd;
    }
    return true;
}

} // namespace hexmoor::rt::bars
