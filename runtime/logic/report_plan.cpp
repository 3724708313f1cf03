#include "runtime/logic/report_plan.h"

#include <algorithm>

#include "runtime/logic/list_layout.h"

namespace hexmoor::rt::lists {

std::vector<ReportDraw> PlanReportRow(const ReportStyle& style, const ReportRow& row) {
    using Kind = ReportDraw::Kind;
    std::vector<ReportDraw> plan;
    std::uint32_t rowText = style.text;
    bool blend = false;
    const bool underlineRow =
        style.underlineFont && ((style.underlineHot && row.hot) || (style.underlineCold && row.selected && !row.hot));
    const int columns = int(std::min(style.columns.size(), row.cells.size()));
    for (int column = 0; column < columns; ++column) {
        const ReportStyle::Column& header = style.columns[std::size_t(column)];
        const ReportCell& cell = row.cells[std::size_t(column)];
        const int textWidth = cell.hasText ? cell.textWidth : EmptyTextWidth(style.edge);
        CellAlign align = header.align;
        // A sub-item's label is its column across the row (the control
        // answers the same), unless sub-items have images.
        Rect label{header.rect.left, row.bounds.top, header.rect.right, row.bounds.bottom};
        if (cell.labelAsked) label = cell.label;
        if (column > 0 && style.subItemImages && cell.image >= 0) label.left = cell.icon.right + 1;
        if (column == 0) {
            if (style.hotTracking && row.hot) rowText = style.hot;
            const bool focusedSelection = row.selected && style.focused;
            const bool shown = focusedSelection || (row.selected && style.showSelectionAlways);
            if (shown && !style.labelEditing) {
                SelectionInput in;
                in.fullRow = style.fullRow;
                in.rowBounds = row.bounds;
                in.label = label;
                in.columnRight = header.rect.right;
                in.firstShownFirst = style.firstShownFirst;
                in.textWidth = textWidth;
                in.edge = style.edge;
                Rect area = ListViewSelectionRect(in);
                if (!style.fullRow) align = CellAlign::Left;
                const std::uint32_t fill = style.hotTracking && row.hot ? style.hot : style.selection;
                if (!style.borderSelect || !focusedSelection) {
                    plan.push_back({Kind::Fill, area, fill});
                    rowText = style.selectedText;
                    blend = true;
                    if (focusedSelection) plan.push_back({Kind::Focus, area});
                } else {
                    area.bottom -= 1;
                    plan.push_back({Kind::Frame, area, fill});
                }
            }
            if (row.stateImage >= 0) {
                // Left of the small image (or of the label), cut at the
                // column's right edge.
                const int w = row.stateImageSize.cx;
                const int right = (style.smallImages ? cell.icon.left : label.left) - 1;
                const int width = std::min(w, header.rect.right - (right - w));
                if (width > 0) {
                    ReportDraw d{Kind::StateImage,
                                 {right - w, row.bounds.top, right, row.bounds.top + row.stateImageSize.cy}};
                    d.rect.right = d.rect.left + width;
                    d.image = row.stateImage;
                    plan.push_back(d);
                }
            }
        }
        if (style.smallImages && cell.image >= 0 && (column == 0 || style.subItemImages)) {
            const int width = std::min(cell.icon.Width(), header.rect.right - cell.icon.left);
            if (width > 0) {
                ReportDraw d{Kind::SmallImage,
                             {cell.icon.left, cell.icon.top, cell.icon.left + width, cell.icon.bottom}};
                d.column = column;
                d.image = cell.image;
                d.blend = blend;
                plan.push_back(d);
            }
        }
        const TextPlace place = ListViewTextPlace(label, column, header.rect.Width(), style.edge);
        if (place.drawn && cell.hasText) {
            ReportDraw d{Kind::Text, place.rect, rowText};
            d.column = column;
            d.align = textWidth > place.rect.Width() ? CellAlign::Left : align;
            d.underline = underlineRow && (column == 0 || style.fullRow);
            plan.push_back(d);
        }
        if (column == 0 && !style.fullRow) {
            rowText = style.text;
            blend = false;
        }
    }
    return plan;
}

} // namespace hexmoor::rt::lists
