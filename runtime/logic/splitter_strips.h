#pragma once
// The strips a skinned splitter paints between its panes: 7-pixel bars
// between rows and between columns, a 7 x 7 crossing where they meet, and
// the split boxes of a splitter with one row or one column and scroll bars.

#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt::splitter {

inline constexpr int kBar = 7;

struct Input {
    Rect client;
    std::vector<int> rowHeights;
    std::vector<int> columnWidths;
    Point firstPane;               // the first pane's top-left in client coordinates
    bool horizontalScroll = false; // WS_HSCROLL in the splitter's scroll style
    bool verticalScroll = false;   // WS_VSCROLL
    int scrollWidth = 0;           // SM_CXVSCROLL
    int scrollHeight = 0;          // SM_CYHSCROLL
};

struct Plan {
    std::vector<Rect> rowBars;    // between rows (image 601)
    std::vector<Rect> columnBars; // between columns (image 602)
    std::vector<Rect> crossings;  // where they cross (image 603)
    Rect rowSplitBox;             // one row with a vertical scroll bar (image 604); empty when none
    Rect columnSplitBox;          // one column with a horizontal scroll bar (image 605); empty when none
};

Plan PlanStrips(const Input& in);

} // namespace hexmoor::rt::splitter
