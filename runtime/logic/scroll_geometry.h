#pragma once
// The skinned scroll bar's geometry as plain functions: thumb length and
// offset, hit testing, the drag mapping with its snap-back, the clamping of
// new scroll data, the non-client layout of a window's bars and the part
// plan that painting follows. Bars are handled horizontally; a vertical bar
// is turned into a horizontal one by exchanging x and y.

#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt::scroll {

// Part codes: hit-test results, custom-draw item codes and scroll codes.
namespace part {
constexpr int kNone = -1;
constexpr int kArrowBefore = 0; // left or up arrow
constexpr int kArrowAfter = 1;  // right or down arrow
constexpr int kTrackBefore = 2; // track before the thumb
constexpr int kTrackAfter = 3;  // track after the thumb
constexpr int kThumb = 5;
} // namespace part

// Custom-draw item states (the published CDIS_ values).
namespace state {
constexpr unsigned kSelected = 0x01;
constexpr unsigned kDisabled = 0x04;
constexpr unsigned kDefault = 0x20;
constexpr unsigned kHot = 0x40;
} // namespace state

// The scroll data of one bar as the engine keeps it.
struct ScrollData {
    int nMin = 0;
    int nMax = 0;
    unsigned nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
    friend bool operator==(const ScrollData&, const ScrollData&) = default;
};

// SIF_ mask bits (the published values).
namespace mask {
constexpr unsigned kRange = 0x1;
constexpr unsigned kPage = 0x2;
constexpr unsigned kPos = 0x4;
constexpr unsigned kTrackPos = 0x10;
} // namespace mask

// a * b / c rounded half away from zero, -1 for c = 0 or a result outside
// 32 bits (the system's MulDiv).
int MulDiv(int a, int b, int c);

// A bar is active when it can scroll: nPage <= nMax, nMax > nMin, nMax != 0.
bool IsActive(const ScrollData& d);

// The highest position the data allows: nMax - max(nPage - 1, 0). A page of
// 0 must not let the position pass nMax.
int MaxPosition(const ScrollData& d);

// Thumb of a bar spanning [left, right) along its axis.
struct Thumb {
    int arrow = 0;  // arrow length used
    int work = 0;   // room between the arrows
    int length = 0; // thumb length (0: no thumb)
    int start = 0;  // absolute coordinate of the thumb's first pixel
    int End() const { return start + length; }
};
Thumb CalcThumb(int left, int right, int arrow, const ScrollData& d, int minThumb);

// Part under x of a bar rectangle (bar coordinates: x along, y across).
int HitTest(const Rect& bar, int arrow, const Thumb& thumb, Point p);

// One piece of a painted bar: [begin, end) along the axis.
struct Piece {
    int partCode = part::kNone;
    int begin = 0;
    int end = 0;
    unsigned itemState = state::kDefault;
    friend bool operator==(const Piece&, const Piece&) = default;
};

// The pieces of one bar in painting order. `pressed` and `hot` are part
// codes (kNone for none); hot applies to arrows and thumb of active bars.
std::vector<Piece> PlanBar(int left, int right, int arrow, const ScrollData& d, int minThumb, int pressed, int hot);

// A thumb drag in progress, in bar coordinates of the bar at the press.
struct Drag {
    Rect bar;            // bar rectangle at the press
    int arrow = 0;       // arrow length
    int thumbLength = 0; // thumb length at the press
    int mouseOffset = 0; // press point minus thumb start
    int startAtPress = 0;
};
struct DragResult {
    int thumbStart = 0;
    int position = 0;
};
// Grows the bar by 48 along and 24 across; inside, the thumb follows the
// point within the track; outside, it snaps back to where the drag began.
DragResult DragThumb(const Drag& drag, const ScrollData& d, Point p);

// Result of handing new data to a bar.
struct SetInfoResult {
    bool changed = false;
    ScrollData data;
};
// nMin/nMax/nPage/nPos equal to the stored ones change nothing whatever the
// mask says; otherwise SIF_RANGE copies the range, SIF_PAGE stores the page
// limited to the range, SIF_POS stores the position clamped to
// [nMin, MaxPosition].
SetInfoResult ApplyScrollInfo(const ScrollData& stored, unsigned fMask, const ScrollData& info);

// Position clamped to [nMin, MaxPosition] (SetScrollPos' rule).
int ClampPosition(const ScrollData& d, int pos);

// The position a subclasser gives the engine for a scroll code of a
// WM_HSCROLL/WM_VSCROLL, clamped to [0, MaxPosition]; `top` is set for
// SB_TOP (given unclamped).
struct CodeTarget {
    int position = 0;
    bool top = false;
};
CodeTarget PositionForCode(const ScrollData& d, int code, int thumb);

// --- window bars -----------------------------------------------------------

struct BarMetrics {
    int thickness = 0;
    bool wanted = false; // the style asks for the bar
};

struct NcLayoutInput {
    Rect proposed; // window rectangle handed to WM_NCCALCSIZE
    Rect client;   // client rectangle after the default processing
    BarMetrics horz;
    BarMetrics vert;
    bool leftScrollBar = false; // WS_EX_LEFTSCROLLBAR
    bool rtl = false;           // WS_EX_LAYOUTRTL
};
struct NcLayout {
    Insets borders;
    bool horzVisible = false;
    bool vertVisible = false;
    Rect client;
};
NcLayout LayOutBars(const NcLayoutInput& in);

struct BarRectsInput {
    Rect window;
    Insets borders;
    int horzThickness = 0;
    int vertThickness = 0;
    bool horzVisible = false;
    bool vertVisible = false;
    bool leftScrollBar = false;
    bool rtl = false;
};
struct BarRects {
    Rect horz;
    Rect vert;
    Rect corner; // meaningful when both bars are visible
};
BarRects CalcBarRects(const BarRectsInput& in);

// --- scroll-bar control's own paint ------------------------------------------

struct ControlPaintInput {
    int axisStart = 0;
    int axisLength = 0;
    int systemArrow = 0; // SM_CXHSCROLL
    int systemThumb = 0; // SM_CXHTHUMB
    int minThumb = 8;
    bool checkEnabled = true;
    bool windowEnabled = true;
    bool haveData = true;
    ScrollData data;
};
struct ControlItem {
    int item = 0; // -1 track, 0 and 1 arrows, 5 thumb
    int begin = 0;
    int end = 0;
    friend bool operator==(const ControlItem&, const ControlItem&) = default;
};
std::vector<ControlItem> PlanControlParts(const ControlPaintInput& in);

} // namespace hexmoor::rt::scroll
