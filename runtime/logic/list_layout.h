#pragma once
// Geometry and rules of the skinned list-like controls as plain functions:
// the non-client border of a bordered list, the list box's check mode and
// row layout, which rows count as selected, the list view's selection
// rectangle, text indents and grid lines, and the tree view's button and
// line geometry. Sizes in, rectangles out; only the painters touch a DC.

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt::lists {

// --- bordered lists ------------------------------------------------------------

// The four border numbers of an element as insets of the window; a window
// laid out right to left has its left and right borders exchanged.
Insets BorderInsets(int left, int top, int right, int bottom, bool layoutRtl);

// The client rectangle left once the borders are taken off (never inverted:
// a border wider than the window leaves an empty rectangle at its left/top).
Rect InsideBorders(const Rect& window, const Insets& borders);

// --- list box --------------------------------------------------------------------

// List-box style bits the rules below read (the published LBS_ values).
namespace lbs {
constexpr std::uint32_t kNotify = 0x0001;
constexpr std::uint32_t kMultipleSel = 0x0008;
constexpr std::uint32_t kOwnerDrawFixed = 0x0010;
constexpr std::uint32_t kOwnerDrawVariable = 0x0020;
constexpr std::uint32_t kHasStrings = 0x0040;
constexpr std::uint32_t kUseTabStops = 0x0080;
constexpr std::uint32_t kMultiColumn = 0x0200;
constexpr std::uint32_t kExtendedSel = 0x0800;
} // namespace lbs

// How a list box is drawn: its rows plain, its selection as check marks, or
// as a check list whose states come from the host; or left to the system.
enum class CheckMode { Plain = 0, SelectionChecks = 2, HostChecks = 3, Unskinned = -1 };
CheckMode ListBoxCheckMode(std::uint32_t style);

// Whether the rows of a list box hold text: every list the control draws
// itself does; an owner-drawn list only with LBS_HASSTRINGS (otherwise the
// item data belongs to the application and is not text).
bool ListBoxRowsHaveText(std::uint32_t style);

// The 11 x 11 check box of a row and the rectangle left for its text.
struct CheckRow {
    Rect box;
    Rect text;
};
constexpr int kCheckBoxSide = 11;
CheckRow CheckRowLayout(const Rect& item, bool rightAligned);

// Where a row's text is drawn: plain rows around the item rectangle, moved
// left by the horizontal scroll position (the list box's item rectangles do
// not carry it), check rows inside the text rectangle, 3 pixels in from the
// box.
Rect PlainRowTextRect(const Rect& item, bool rightAligned, int horizontalScroll);
Rect CheckRowTextRect(const CheckRow& row, bool rightAligned);

enum class Selection { Single, Multiple, Extended };
Selection SelectionOfStyle(std::uint32_t style);

// The rows a paint shows as selected.
struct SelectionState {
    Selection kind = Selection::Single;
    int current = -1;                    // LB_GETCURSEL
    int rangeFirst = -1, rangeLast = -1; // anchor-to-caret range of an extended list, -1 when none
};
// `selectedBySystem` is LB_GETSEL > 0 for the row.
bool RowSelected(const SelectionState& s, int index, bool selectedBySystem);
// The anchor-to-caret range of an extended list ({-1, -1} when the two are
// equal or either is missing).
SelectionState ExtendedRange(SelectionState s, int anchor, int caret);

// Which check image a row shows: 0 unchecked, 1 checked, 2 indeterminate
// (any other state counts as indeterminate).
int CheckImageIndex(int checkState);
// Image id for a check state (0, 1, other) and disabled flag: 791..796.
int CheckImageId(int checkState, bool disabled);

// --- list view -----------------------------------------------------------------

// The rectangle a selected row's first column fills.
struct SelectionInput {
    bool fullRow = false;
    Rect rowBounds;      // the row with its right edge at the columns' total width
    Rect label;          // LVIR_LABEL of column 0
    int columnRight = 0; // right edge of column 0 from the header
    bool firstShownFirst = true;
    int textWidth = 0;
    int edge = 2; // SM_CXEDGE
};
Rect ListViewSelectionRect(const SelectionInput& in);

// The rectangle a column's text is drawn in, and whether it is drawn at all
// (a column narrower than its indent shows no text).
struct TextPlace {
    Rect rect;
    bool drawn = false;
};
TextPlace ListViewTextPlace(const Rect& label, int column, int columnWidth, int edge);

// Width a text counts for in the selection when it is empty.
int EmptyTextWidth(int edge);

// Grid lines of a report view: horizontal lines from the first line down in
// steps of the row height while above the client bottom, across the client
// width; vertical lines at each header item's right edge (moved by the
// header's x offset) strictly inside the client width, from the header's
// bottom to the client bottom.
struct Line {
    Point from, to; // `to` exclusive, as LineTo draws
    friend bool operator==(const Line&, const Line&) = default;
};
std::vector<Line> GridLines(int firstLine, int rowHeight, const Rect& client, const std::vector<int>& headerRights,
                            int headerOffsetX, int headerBottom);

// --- tree view -----------------------------------------------------------------

struct TreeMetrics {
    int w2 = 0; // half the image width (half the indent without images)
    int h2 = 0; // half the row height, rounded down to even
    int r = 0;  // radius of the GDI button
};
TreeMetrics TreeMetricsFor(int imageWidth, bool hasImages, int indent, int itemHeight);

// The GDI button centred on (cx, cy): a one-pixel square of side 2r + 1 and
// the bars of its minus (and plus for a collapsed item), each a filled
// rectangle.
struct TreeButton {
    Rect square; // outer edge of the one-pixel frame
    std::vector<Rect> bars;
};
TreeButton TreeGdiButton(int cx, int cy, int r, bool collapsed);

// Button centre of an item whose images start at x_item on row top t.
Point TreeButtonCentre(int itemX, int indent, const TreeMetrics& m, int rowTop);

// The x of the column an item of the given depth sits in (depth 1 = root).
int TreeLevel(int depth, bool linesAtRoot);

// The tree of the system folder browser (on version code 9): its images
// stand half an image further right and its root items have no button.
bool IsFolderBrowserTree(int versionCode, std::string_view className, std::string_view parentClassName);

// The halves of a button of width bw and height bh around its centre.
struct ButtonHalves {
    int right = 0, upper = 0, lower = 0;
};
ButtonHalves TreeButtonHalves(int bw, int bh);

} // namespace hexmoor::rt::lists
