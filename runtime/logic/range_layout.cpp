#include "runtime/logic/range_layout.h"

#include <algorithm>
#include <cstdint>

namespace hexmoor::rt::range {

Rect SliderLineBox(const Rect& client, const Rect& channel, bool vertical) {
    if (!vertical) return channel;
    const int middle = (client.left + client.right) / 2;
    return {middle - 2, client.top + 8, middle + 2, client.bottom - 8};
}

Rect SliderSelectionBox(const Rect& line, int thumbLength, bool vertical, const SliderSelection& s) {
    if (s.start == s.end) return {};
    Rect box = line;
    if (s.max == s.min) return box;
    const int lineStart = vertical ? line.top : line.left;
    const int lineEnd = vertical ? line.bottom : line.right;
    const int usable = (lineEnd - thumbLength / 2) - lineStart + 1;
    // The scale is a 32-bit float and each end is truncated towards zero;
    // the range is taken in 64 bits so that extreme ranges do not overflow.
    const float scale = float(usable) / float(std::int64_t(s.max) - s.min);
    const int first = int(float(std::int64_t(s.start) - s.min) * scale);
    const int last = int(float(std::int64_t(s.end) - s.min) * scale);
    const int from = lineStart + first;
    const int to = lineStart + last + thumbLength / 2 + 1;
    if (vertical) {
        box.top = from;
        box.bottom = to;
    } else {
        box.left = from;
        box.right = to;
    }
    return box;
}

namespace {
constexpr int kThumbBase = 170, kVerticalShift = 24;
constexpr int PartOffset(SliderPart part) { return part == SliderPart::Thumb ? 0 : part == SliderPart::Line ? 1 : 2; }
// Rows of the element: normal, pressed, hot, disabled, focused, each three
// ids (thumb, line, background) apart.
constexpr int kNormalRow = 0, kPressedRow = 3, kHotRow = 6, kDisabledRow = 9, kFocusedRow = 12;
} // namespace

int SliderImageId(SliderPart part, const SliderLook& look) {
    int row = kNormalRow;
    if (look.focused && look.state == 0) {
        row = kFocusedRow;
    } else if (look.state == 1) {
        row = kPressedRow;
    } else if (look.state == 2) {
        row = kHotRow;
    } else if (!look.enabled) {
        row = kDisabledRow;
    }
    return kThumbBase + (look.vertical ? kVerticalShift : 0) + row + PartOffset(part);
}

int SliderNormalImageId(SliderPart part, bool vertical) {
    return kThumbBase + (vertical ? kVerticalShift : 0) + PartOffset(part);
}

int SliderSelectionImageId(bool vertical) { return vertical ? 209 : 185; }

SpinLayout LayoutSpin(const Rect& c, bool horizontal) {
    SpinLayout out;
    out.horizontal = horizontal;
    if (horizontal) {
        const int m = (c.left + c.right) / 2;
        out.first = {c.left, c.top, m, c.bottom};
        out.second = {m, c.top, c.right, c.bottom};
        out.half = {m - c.left, c.bottom - c.top};
    } else {
        const int m = (c.top + c.bottom) / 2;
        out.first = {c.left, c.top, c.right, m};
        out.second = {c.left, m, c.right, c.bottom};
        out.half = {c.right - c.left, m - c.top};
    }
    return out;
}

SpinBoxes SpinDrawBoxes(const SpinLayout& layout, int gap, bool hasBuddy) {
    SpinBoxes b{Rect::XYWH(layout.first.left, layout.first.top, layout.half.cx, layout.half.cy),
                Rect::XYWH(layout.second.left, layout.second.top, layout.half.cx, layout.half.cy)};
    if (!layout.horizontal) {
        b.first.right -= gap;
        b.second.right -= gap;
    }
    if (hasBuddy) {
        if (layout.horizontal) {
            for (Rect* r : {&b.first, &b.second}) {
                r->top += 2;
                r->bottom -= 2;
            }
        } else {
            b.first.top += 2;
            b.second.bottom -= 2;
            b.first.right -= 1;
            b.second.right -= 1;
        }
    }
    return b;
}

int SpinBuddySide(bool alignLeft, bool alignRight, bool rightToLeft) {
    const bool left = rightToLeft ? alignRight : alignLeft;
    return left ? kSpinOnLeft : kSpinOnRight;
}

Rect EditBoxJoinedWithSpin(const Rect& edit, const Rect& spin, int side) {
    Rect joined = edit;
    if (side == kSpinOnRight)
        joined.right = std::max(edit.right, spin.right);
    else if (side == kSpinOnLeft)
        joined.left = std::min(edit.left, spin.left);
    return joined;
}

int SpinImageId(bool horizontal, int arrow, int state, bool enabled) {
    const int base = horizontal ? (arrow == 0 ? 258 : 263) : (arrow == 0 ? 277 : 282);
    if (state == 1) return base + 1;
    if (state == 2) return base + 2;
    return enabled ? base : base + 3;
}

int ProgressFilled(int extent, int low, int high, int pos) {
    if (extent <= 0 || pos <= low || high <= low) return 0;
    const double done = double(std::int64_t(pos) - low);
    const double span = double(std::int64_t(high) - low);
    const double filled = double(extent) * done / span;
    if (filled >= extent) return extent;
    return int(filled);
}

Rect ProgressFillBox(const Rect& client, bool vertical, int filled) {
    if (vertical) return {client.left, client.bottom - filled, client.right, client.bottom};
    return {client.left, client.top, client.left + filled, client.bottom};
}

MarqueeFrame MarqueeStepAt(int position, const Rect& client) {
    MarqueeFrame out;
    const int right = client.right;
    if (position > right) position -= right;
    if (position + kMarqueeWidth > right) {
        out.pieces.push_back({position, client.top, right, client.bottom});
        out.pieces.push_back({0, client.top, position + kMarqueeWidth - right, client.bottom});
    } else {
        out.pieces.push_back({position, client.top, position + kMarqueeWidth, client.bottom});
    }
    out.next = position + kMarqueeStep;
    return out;
}

} // namespace hexmoor::rt::range
