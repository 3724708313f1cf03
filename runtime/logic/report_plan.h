#pragma once
// What one row of a skinned report view draws, in order: the selection of
// the first column (filled, or framed for a focused border selection, with
// the focus rectangle), the state image, each column's small image and each
// column's text with its colour, alignment and underline. The painter asks
// the control for the facts (rectangles, state, images, text widths), this
// plans from them without a window, and the painter draws the plan.

#include <cstdint>
#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt::lists {

enum class CellAlign { Left, Center, Right };

// How the view draws every row.
struct ReportStyle {
    struct Column {
        Rect rect; // from the header, moved by its x offset
        CellAlign align = CellAlign::Left;
    };
    std::vector<Column> columns;
    bool fullRow = false;
    bool hotTracking = false;   // track select, or an underline style
    bool underlineHot = false;  // the hot row's text underlined
    bool underlineCold = false; // selected rows that are not hot underlined
    bool underlineFont = false; // an underlined font could be made
    bool borderSelect = false;  // a focused selection framed, not filled
    bool showSelectionAlways = false;
    bool focused = false;
    bool labelEditing = false;
    bool firstShownFirst = true; // column 0 is shown leftmost
    bool subItemImages = false;
    bool smallImages = false; // the view has a small image list
    int edge = 2;             // SM_CXEDGE
    std::uint32_t text = 0, selectedText = 0, selection = 0, hot = 0;
};

// What the control answered for one cell.
struct ReportCell {
    int image = -1;          // its small image, -1 none
    Rect icon;               // LVIR_ICON (with small images)
    bool labelAsked = false; // column 0, or sub-item images: LVIR_LABEL asked
    Rect label;              // that answer
    bool hasText = false;
    int textWidth = 0; // the text's width in the view's font
};

// What the control answered for one row.
struct ReportRow {
    bool hot = false;
    bool selected = false;
    Rect bounds;         // LVIR_BOUNDS, its right edge at the columns' total width
    int stateImage = -1; // index in the state image list, -1 none
    Size stateImageSize; // that image's size
    std::vector<ReportCell> cells;
};

struct ReportDraw {
    enum class Kind { Fill, Frame, Focus, StateImage, SmallImage, Text };
    Kind kind = Kind::Fill;
    Rect rect;
    std::uint32_t colour = 0; // Fill, Frame, Text
    int column = 0;           // SmallImage, Text
    int image = -1;           // StateImage, SmallImage
    bool blend = false;       // SmallImage drawn blended (a filled selection)
    CellAlign align = CellAlign::Left;
    bool underline = false; // Text
};

std::vector<ReportDraw> PlanReportRow(const ReportStyle& style, const ReportRow& row);

} // namespace hexmoor::rt::lists
