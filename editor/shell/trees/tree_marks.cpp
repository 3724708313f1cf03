// The colour-adjustment marks of the trees' items: which items an
// adjustment takes in (0), leaves out (1) or never touches (2, locked).
#include "editor/shell/trees/element_tree.h"

#include <algorithm>

namespace hexmoor::shell {

namespace {

constexpr int kMarkWidth = 16;
constexpr int kLocked = 2;

} // namespace

bool IsOnMark(int x, int indent, int depth, int scroll, int stateImageWidth) {
    const int start = indent * depth - scroll + stateImageWidth;
    return x >= start && x < start + kMarkWidth;
}

int ElementTree::MarkOf(TreeHandle item) const {
    const Record* r = RecordOf(item);
    return r ? r->mark : 1;
}

std::vector<TreeHandle> ElementTree::Items() const {
    std::vector<TreeHandle> items;
    std::vector<TreeHandle> pending;
    for (TreeHandle c = store_.FirstChild(root_); c; c = store_.NextSibling(c)) pending.push_back(c);
    std::reverse(pending.begin(), pending.end());
    while (!pending.empty()) {
        TreeHandle item = pending.back();
        pending.pop_back();
        items.push_back(item);
        const std::size_t first = pending.size();
        for (TreeHandle c = store_.FirstChild(item); c; c = store_.NextSibling(c)) pending.push_back(c);
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(first), pending.end());
    }
    return items;
}

void ElementTree::SetMarkRecursive(TreeHandle item, int state, bool force) {
    Record* r = RecordOf(item);
    if (!r) return;
    if (state < 0) {
        if (onMark_) onMark_(item, r->mark);
    } else if (force || r->mark != kLocked) {
        r->mark = state;
        store_.SetMark(item, state);
        if (onMark_) onMark_(item, state);
    }
    for (TreeHandle c = store_.FirstChild(item); c; c = store_.NextSibling(c)) SetMarkRecursive(c, state, force);
}

bool ElementTree::ClickMark(TreeHandle item) {
    const Record* r = RecordOf(item);
    if (!r || colorAdjust_ || r->mark == kLocked) return false;
    SetMarkRecursive(item, r->mark == 0 ? 1 : 0, false);
    return true;
}

void ElementTree::ToggleLock(TreeHandle item) {
    const Record* r = RecordOf(item);
    if (!r) return;
    SetMarkRecursive(item, r->mark == kLocked ? 0 : kLocked, true);
}

void ElementTree::SetColorAdjustMode(bool on) {
    colorAdjust_ = on;
    SetMarkRecursive(root_, -1, false);
}

} // namespace hexmoor::shell
