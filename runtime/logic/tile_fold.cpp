#include "runtime/logic/tile_fold.h"

#include <algorithm>

namespace hexmoor::rt {

namespace {

bool PlainCopy(const BlitOp& op) {
    return op.source.Width() == op.dest.Width() && op.source.Height() == op.dest.Height();
}

// The end of the column starting at `first`: consecutive plain copies with
// the same horizontal extent, each starting where the one before ends.
size_t ColumnEnd(const std::vector<BlitOp>& ops, size_t first) {
    if (!PlainCopy(ops[first])) return first + 1;
    size_t end = first + 1;
    while (end < ops.size() && PlainCopy(ops[end]) && ops[end].dest.left == ops[first].dest.left &&
           ops[end].dest.right == ops[first].dest.right && ops[end].dest.top == ops[end - 1].dest.bottom)
        ++end;
    return end;
}

// True when the column [next, next + count) repeats [first, first + count)
// shifted right by its width.
bool SameColumnShifted(const std::vector<BlitOp>& ops, size_t first, size_t next, size_t count, int dx) {
    if (next + count > ops.size()) return false;
    for (size_t i = 0; i < count; ++i) {
        const BlitOp& a = ops[first + i];
        const BlitOp& b = ops[next + i];
        if (!PlainCopy(b) || a.source != b.source) return false;
        const Rect shifted{a.dest.left + dx, a.dest.top, a.dest.right + dx, a.dest.bottom};
        if (shifted != b.dest) return false;
    }
    return true;
}

} // namespace

std::vector<FoldedCopy> FoldRepeatedColumns(const std::vector<BlitOp>& ops) {
    std::vector<FoldedCopy> out;
    out.reserve(ops.size());
    size_t i = 0;
    while (i < ops.size()) {
        const size_t end = ColumnEnd(ops, i);
        const size_t count = end - i;
        const int width = ops[i].dest.Width();
        size_t columns = 1;
        if (PlainCopy(ops[i]) && width > 0) {
            while (SameColumnShifted(ops, i, i + columns * count, count, int(columns) * width)) ++columns;
        }
        for (size_t k = i; k < end; ++k) out.push_back({ops[k].source, ops[k].dest, false});
        if (columns > 1) {
            // Every copy takes a whole number of columns from the start, so
            // the pixels it reads repeat with the column's width.
            const int left = ops[i].dest.left, top = ops[i].dest.top, bottom = ops[end - 1].dest.bottom;
            int filled = width;
            int remaining = int(columns - 1) * width;
            while (remaining > 0) {
                const int copy = std::min(filled, remaining);
                out.push_back({Rect{left, top, left + copy, bottom},
                               Rect{left + filled, top, left + filled + copy, bottom}, true});
                filled += copy;
                remaining -= copy;
            }
        }
        i += columns * count;
    }
    return out;
}

} // namespace hexmoor::rt
