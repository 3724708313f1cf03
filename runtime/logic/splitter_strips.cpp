#include "runtime/logic/splitter_strips.h"

namespace hexmoor::rt::splitter {

Plan PlanStrips(const Input& in) {
    Plan plan;
    const Rect& c = in.client;
    const int insetX = in.firstPane.x - c.left;
    const int insetY = in.firstPane.y - c.top;
    // Bars sit after each row or column but the last, positions running from
    // the first pane; a bar that would pass the far edge ends that direction.
    int y = in.firstPane.y;
    for (size_t i = 0; i + 1 < in.rowHeights.size(); ++i) {
        y += in.rowHeights[i];
        if (y + kBar > c.bottom) break;
        plan.rowBars.push_back({c.left + insetX, y, c.right - insetX, y + kBar});
        y += kBar;
    }
    int x = in.firstPane.x;
    for (size_t i = 0; i + 1 < in.columnWidths.size(); ++i) {
        x += in.columnWidths[i];
        if (x + kBar > c.right) break;
        plan.columnBars.push_back({x, c.top + insetY, x + kBar, c.bottom - insetY});
        x += kBar;
    }
    for (const Rect& row : plan.rowBars)
        for (const Rect& column : plan.columnBars)
            plan.crossings.push_back({column.left, row.top, column.right, row.bottom});
    if (in.columnWidths.size() == 1 && in.horizontalScroll)
        plan.columnSplitBox = {c.left, c.bottom - in.scrollHeight, c.left + kBar, c.bottom};
    if (in.rowHeights.size() == 1 && in.verticalScroll)
        plan.rowSplitBox = {c.right - in.scrollWidth, c.top, c.right, c.top + kBar};
    return plan;
}

} // namespace hexmoor::rt::splitter
