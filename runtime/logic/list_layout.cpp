#include "runtime/logic/list_layout.h"

#include <algorithm>

#include "runtime/logic/classifier.h"

namespace hexmoor::rt::lists {

Insets BorderInsets(int left, int top, int right, int bottom, bool layoutRtl) {
    if (layoutRtl) std::swap(left, right);
    return {std::max(0, left), std::max(0, top), std::max(0, right), std::max(0, bottom)};
}

Rect InsideBorders(const Rect& window, const Insets& b) {
    Rect r{window.left + b.left, window.top + b.top, window.right - b.right, window.bottom - b.bottom};
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

CheckMode ListBoxCheckMode(std::uint32_t style) {
    if (!(style & lbs::kOwnerDrawFixed)) return CheckMode::Plain;
    constexpr std::uint32_t kSelectionChecks =
        lbs::kNotify | lbs::kMultipleSel | lbs::kOwnerDrawFixed | lbs::kHasStrings | lbs::kUseTabStops;
    if ((style & kSelectionChecks) == kSelectionChecks) return CheckMode::SelectionChecks;
    if ((style & lbs::kHasStrings) && !(style & lbs::kUseTabStops)) return CheckMode::HostChecks;
    return CheckMode::Unskinned;
}

bool ListBoxRowsHaveText(std::uint32_t style) {
    if (!(style & (lbs::kOwnerDrawFixed | lbs::kOwnerDrawVariable))) return true;
    return (style & lbs::kHasStrings) != 0;
}

CheckRow CheckRowLayout(const Rect& item, bool rightAligned) {
    const int top = item.top + (item.Height() - kCheckBoxSide) / 2;
    CheckRow row{};
    row.text = item;
    if (rightAligned) {
        row.box = {item.right - 13, top, item.right - 2, top + kCheckBoxSide};
        row.text.right = item.right - 15;
    } else {
        row.box = {item.left + 2, top, item.left + 13, top + kCheckBoxSide};
        row.text.left = item.left + 15;
    }
    return row;
}

Rect PlainRowTextRect(const Rect& item, bool rightAligned, int horizontalScroll) {
    // The text sits 2 pixels in from the row's near edge; right-aligned text
    // keeps 2 pixels off the right and starts 5 in.
    Rect r = item;
    if (rightAligned) {
        r.right -= 2;
        r.left += 5;
    } else {
        r.left += 2;
        r.right += 3;
    }
    r.left -= horizontalScroll;
    return r;
}

Rect CheckRowTextRect(const CheckRow& row, bool rightAligned) {
    Rect r = row.text;
    if (rightAligned)
        r.right -= 3;
    else
        r.left += 3;
    return r;
}

Selection SelectionOfStyle(std::uint32_t style) {
    if (style & lbs::kExtendedSel) return Selection::Extended;
    if (style & lbs::kMultipleSel) return Selection::Multiple;
    return Selection::Single;
}

SelectionState ExtendedRange(SelectionState s, int anchor, int caret) {
    s.rangeFirst = s.rangeLast = -1;
    if (s.kind == Selection::Extended && anchor != caret && anchor >= 0 && caret >= 0) {
        s.rangeFirst = std::min(anchor, caret);
        s.rangeLast = std::max(anchor, caret);
    }
    return s;
}

bool RowSelected(const SelectionState& s, int index, bool selectedBySystem) {
    if (s.rangeFirst >= 0 && index >= s.rangeFirst && index <= s.rangeLast) return true;
    if (s.kind == Selection::Single) return index == s.current;
    return selectedBySystem;
}

int CheckImageIndex(int checkState) { return checkState == 0 ? 0 : checkState == 1 ? 1 : 2; }

int CheckImageId(int checkState, bool disabled) { return 791 + 2 * CheckImageIndex(checkState) + (disabled ? 1 : 0); }

Rect ListViewSelectionRect(const SelectionInput& in) {
    if (in.fullRow) {
        Rect r = in.rowBounds;
        if (in.firstShownFirst) r.left = std::min(in.label.left, in.columnRight + 1);
        return r;
    }
    if (in.label.left > in.columnRight) return {};
    Rect r = in.label;
    r.right = std::min(r.right, r.left + in.textWidth + 4 * in.edge);
    return r;
}

TextPlace ListViewTextPlace(const Rect& label, int column, int columnWidth, int edge) {
    const int indent = column == 0 ? edge : 4 * edge;
    TextPlace place;
    place.rect = {label.left + indent, label.top, label.right - edge, label.bottom};
    place.drawn = indent + edge < columnWidth;
    return place;
}

int EmptyTextWidth(int edge) { return 47 - 4 * edge; }

std::vector<Line> GridLines(int firstLine, int rowHeight, const Rect& client, const std::vector<int>& headerRights,
                            int headerOffsetX, int headerBottom) {
    std::vector<Line> lines;
    if (rowHeight > 0)
        for (int y = firstLine; y < client.bottom; y += rowHeight)
            lines.push_back({{client.left, y}, {client.right, y}});
    for (int right : headerRights) {
        const int x = right + headerOffsetX;
        if (x > client.left && x < client.right) lines.push_back({{x, headerBottom}, {x, client.bottom}});
    }
    return lines;
}

TreeMetrics TreeMetricsFor(int imageWidth, bool hasImages, int indent, int itemHeight) {
    TreeMetrics m;
    m.w2 = hasImages ? imageWidth / 2 : indent / 2;
    m.h2 = (itemHeight / 2 + 1) & ~1;
    m.r = std::min(m.w2, m.h2) / 2;
    return m;
}

TreeButton TreeGdiButton(int cx, int cy, int r, bool collapsed) {
    TreeButton b;
    b.square = {cx - r, cy - r, cx + r + 1, cy + r + 1};
    const int a = 7 * r / 10;
    if (a >= 5) {
        // Wide buttons get bars three pixels thick.
        b.bars.push_back({cx - a, cy - 1, cx + a + 1, cy + 2});
        if (collapsed) b.bars.push_back({cx - 1, cy - a, cx + 2, cy + a + 1});
    } else {
        b.bars.push_back({cx - a, cy, cx + a + 1, cy + 1});
        if (collapsed) b.bars.push_back({cx, cy - a, cx + 1, cy + a + 1});
    }
    return b;
}

Point TreeButtonCentre(int itemX, int indent, const TreeMetrics& m, int rowTop) {
    return {itemX - indent + m.w2, rowTop + m.h2};
}

int TreeLevel(int depth, bool linesAtRoot) { return linesAtRoot ? depth : depth - 1; }

bool IsFolderBrowserTree(int versionCode, std::string_view className, std::string_view parentClassName) {
    return versionCode == 9 && ClassNameIs(className, "SysTreeView32") &&
           ClassNameIs(parentClassName, "SHBrowseForFolder ShellNameSpace Control");
}

ButtonHalves TreeButtonHalves(int bw, int bh) { return {bw - bw / 2, bh / 2, bh - bh / 2}; }

} // namespace hexmoor::rt::lists
