#include "runtime/logic/scroll_geometry.h"

#include <algorithm>
#include <cstdint>

namespace hexmoor::rt::scroll {

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    std::int64_t num = std::int64_t(a) * b;
    std::int64_t den = c;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const std::int64_t q = num >= 0 ? (num + den / 2) / den : (num - den / 2) / den;
    if (q > INT32_MAX || q < -INT32_MAX) return -1;
    return int(q);
}

bool IsActive(const ScrollData& d) {
    return std::int64_t(d.nPage) <= std::int64_t(d.nMax) && d.nMax > d.nMin && d.nMax != 0;
}

int MaxPosition(const ScrollData& d) {
    const std::int64_t below = d.nPage > 0 ? std::int64_t(d.nPage) - 1 : 0;
    return int(std::max<std::int64_t>(std::int64_t(d.nMax) - below, INT32_MIN));
}

Thumb CalcThumb(int left, int right, int arrow, const ScrollData& d, int minThumb) {
    Thumb t;
    t.arrow = arrow;
    t.work = (right - left) - 2 * arrow;
    const std::int64_t range = std::int64_t(d.nMax) - d.nMin + 1;
    if (d.nPage == 0) {
        t.length = arrow;
    } else if (range > 0) {
        t.length = std::max(MulDiv(int(d.nPage), t.work, int(range)), minThumb);
    }
    int offset = 0;
    if (range > 0) {
        const int free = t.work - t.length;
        offset = MulDiv(d.nPos - d.nMin, free, int(range - std::max<std::int64_t>(d.nPage, 1)));
        offset = std::max(std::min(offset, free), 0);
    }
    t.start = left + arrow + offset;
    return t;
}

int HitTest(const Rect& bar, int arrow, const Thumb& thumb, Point p) {
    if (p.y < bar.top || p.y >= bar.bottom) return part::kNone;
    int a = arrow;
    if (bar.Width() <= 2 * a) a = bar.Width() / 2;
    if (p.x >= bar.left && p.x < bar.left + a) return part::kArrowBefore;
    if (p.x >= bar.right - a && p.x < bar.right) return part::kArrowAfter;
    if (thumb.length >= thumb.work) return part::kNone;
    if (p.x >= thumb.start && p.x < thumb.End()) return part::kThumb;
    if (p.x >= bar.left + a && p.x < thumb.start) return part::kTrackBefore;
    if (p.x >= thumb.End() && p.x < bar.right - a) return part::kTrackAfter;
    return part::kNone;
}

std::vector<Piece> PlanBar(int left, int right, int arrow, const ScrollData& d, int minThumb, int pressed, int hot) {
    std::vector<Piece> pieces;
    const int width = right - left;
    if (width < 1) return pieces;
    const bool active = IsActive(d);
    auto stateOf = [&](int code) {
        if (code == pressed) return state::kSelected;
        const bool hotPart = code == part::kArrowBefore || code == part::kArrowAfter || code == part::kThumb;
        if (hotPart && code == hot && active) return state::kHot;
        return active ? state::kDefault : state::kDisabled;
    };
    if (width <= 2 * arrow) {
        const int half = width / 2;
        pieces.push_back({part::kArrowBefore, left, left + half, stateOf(part::kArrowBefore)});
        if (right - half > left + half)
            pieces.push_back({part::kTrackAfter, left + half, right - half, stateOf(part::kTrackAfter)});
        pieces.push_back({part::kArrowAfter, right - half, right, stateOf(part::kArrowAfter)});
        return pieces;
    }
    const Thumb t = CalcThumb(left, right, arrow, d, minThumb);
    pieces.push_back({part::kArrowBefore, left, left + arrow, stateOf(part::kArrowBefore)});
    if (t.length > 0 && t.length <= t.work && active) {
        pieces.push_back({part::kTrackBefore, left + arrow, t.start, stateOf(part::kTrackBefore)});
        pieces.push_back({part::kTrackAfter, t.End(), right - arrow, stateOf(part::kTrackAfter)});
        pieces.push_back({part::kThumb, t.start, t.End(), stateOf(part::kThumb)});
    } else {
        pieces.push_back({part::kTrackAfter, left + arrow, right - arrow, state::kDefault});
    }
    pieces.push_back({part::kArrowAfter, right - arrow, right, stateOf(part::kArrowAfter)});
    return pieces;
}

DragResult DragThumb(const Drag& drag, const ScrollData& d, Point p) {
    const Rect snap{drag.bar.left - 48, drag.bar.top - 24, drag.bar.right + 48, drag.bar.bottom + 24};
    const int trackLeft = drag.bar.left + drag.arrow;
    const int trackRight = drag.bar.right - drag.arrow;
    DragResult r;
    if (snap.Contains(p)) {
        r.thumbStart = std::min(std::max(p.x - drag.mouseOffset, trackLeft), trackRight - drag.thumbLength);
    } else {
        r.thumbStart = drag.startAtPress;
    }
    const int room = trackRight - drag.thumbLength - trackLeft;
    if (std::int64_t(d.nMax) - d.nMin >= 1) {
        const std::int64_t span = std::int64_t(d.nMax) - d.nMin - std::int64_t(d.nPage) + 1;
        r.position = room > 0 ? d.nMin + MulDiv(r.thumbStart - trackLeft, int(span), room) : d.nMin;
    } else {
        r.position = d.nMin + r.thumbStart - trackLeft;
    }
    // A page of 0 would otherwise let the end of the track map to nMax + 1.
    r.position = std::max(std::min(r.position, MaxPosition(d)), d.nMin);
    return r;
}

int ClampPosition(const ScrollData& d, int pos) { return std::min(std::max(pos, d.nMin), MaxPosition(d)); }

SetInfoResult ApplyScrollInfo(const ScrollData& stored, unsigned fMask, const ScrollData& info) {
    SetInfoResult r{false, stored};
    if (info.nMin == stored.nMin && info.nMax == stored.nMax && info.nPage == stored.nPage && info.nPos == stored.nPos)
        return r;
    r.changed = true;
    if (fMask & mask::kRange) {
        r.data.nMin = info.nMin;
        r.data.nMax = info.nMax;
    }
    if (fMask & mask::kPage) {
        const std::int64_t range = std::int64_t(r.data.nMax) - r.data.nMin + 1;
        r.data.nPage = unsigned(std::max<std::int64_t>(std::min<std::int64_t>(info.nPage, range), 0));
    }
    if (fMask & mask::kPos) r.data.nPos = ClampPosition(r.data, info.nPos);
    return r;
}

CodeTarget PositionForCode(const ScrollData& d, int code, int thumb) {
    CodeTarget t;
    std::int64_t pos = d.nPos;
    switch (code) {
    case 0: pos = std::int64_t(d.nPos) - 1; break;
    case 1: pos = std::int64_t(d.nPos) + 1; break;
    case 2: pos = std::int64_t(d.nPos) - d.nPage; break;
    case 3: pos = std::int64_t(d.nPos) + d.nPage; break;
    case 4:
    case 5: pos = thumb; break;
    case 6:
        t.top = true;
        t.position = 0;
        return t;
    case 7: pos = MaxPosition(d); break;
    default: break;
    }
    pos = std::max<std::int64_t>(pos, 0);
    pos = std::min<std::int64_t>(pos, MaxPosition(d));
    t.position = int(pos);
    return t;
}

NcLayout LayOutBars(const NcLayoutInput& in) {
    NcLayout out;
    out.borders = {in.client.left - in.proposed.left, in.client.top - in.proposed.top,
                   in.proposed.right - in.client.right, in.proposed.bottom - in.client.bottom};
    out.client = in.client;
    if (in.horz.wanted && in.horz.thickness < out.client.Height()) {
        out.client.bottom -= in.horz.thickness;
        out.horzVisible = true;
    }
    if (in.vert.wanted && in.vert.thickness <= out.client.Width()) {
        out.vertVisible = true;
        if (in.leftScrollBar != in.rtl)
            out.client.left += in.vert.thickness;
        else
            out.client.right -= in.vert.thickness;
    }
    return out;
}

BarRects CalcBarRects(const BarRectsInput& in) {
    int nearBorder = in.borders.left, farBorder = in.borders.right;
    if (in.rtl) std::swap(nearBorder, farBorder);
    const int vt = in.vertVisible ? in.vertThickness : 0;
    const int ht = in.horzVisible ? in.horzThickness : 0;
    BarRects r;
    r.horz.bottom = in.window.bottom - in.borders.bottom;
    r.horz.top = r.horz.bottom - ht;
    if (in.leftScrollBar) {
        r.horz.left = in.window.left + nearBorder + vt;
        r.horz.right = in.window.right - farBorder;
    } else {
        r.horz.left = in.window.left + nearBorder;
        r.horz.right = in.window.right - farBorder - vt;
    }
    r.vert.top = in.window.top + in.borders.top;
    r.vert.bottom = in.window.bottom - in.borders.bottom - ht;
    if (in.leftScrollBar) {
        r.vert.left = in.window.left + nearBorder;
        r.vert.right = r.vert.left + vt;
    } else {
        r.vert.right = in.window.right - farBorder;
        r.vert.left = r.vert.right - vt;
    }
    r.corner.bottom = in.window.bottom - in.borders.bottom;
    r.corner.top = r.corner.bottom - in.horzThickness;
    if (in.leftScrollBar) {
        r.corner.left = in.window.left + nearBorder;
        r.corner.right = r.corner.left + in.vertThickness;
    } else {
        r.corner.right = in.window.right - farBorder;
        r.corner.left = r.corner.right - in.vertThickness;
    }
    return r;
}

std::vector<ControlItem> PlanControlParts(const ControlPaintInput& in) {
    std::vector<ControlItem> items;
    int a = in.systemArrow;
    const int len = in.axisLength;
    if (len < 2 * a) a = len / 2;
    const int s = in.axisStart;
    items.push_back({-1, s + a, s + len - a});
    items.push_back({0, s, s + a});
    items.push_back({1, s + len - a, s + len});
    if (in.checkEnabled && !in.windowEnabled) return items;
    if (!in.haveData) return items;
    const ScrollData& d = in.data;
    const std::int64_t range = std::int64_t(d.nMax) - d.nMin + 1;
    if (range == 0) return items;
    const int L = len - 2 * a;
    int thumb = d.nPage != 0 ? std::max(MulDiv(int(d.nPage), L, int(range)), in.minThumb) : in.systemThumb;
    if (thumb >= L) {
        if (!in.checkEnabled) return items;
        thumb = L;
    }
    int offset = 0;
    if (range != std::int64_t(d.nPage)) {
        offset = MulDiv(d.nPos - d.nMin, L - thumb, int(range - std::int64_t(d.nPage)));
    } else {
        thumb -= 1;
    }
    const int start = s + a + offset;
    if (thumb <= L) items.push_back({5, start, start + thumb});
    return items;
}

} // namespace hexmoor::rt::scroll
