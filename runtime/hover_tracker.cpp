#include "runtime/hover_tracker.h"

namespace hexmoor::rt {

namespace {
void Track(HWND window, DWORD flags) {
    TRACKMOUSEEVENT tme{};
    tme.cbSize = sizeof tme;
    tme.dwFlags = flags;
    tme.hwndTrack = window;
    tme.dwHoverTime = 0;
    TrackMouseEvent(&tme);
}
} // namespace

void HoverTracker::Refresh() const {
    if (!owner_) return;
    if (flags_ & kInvalidate) InvalidateRect(owner_, nullptr, FALSE);
    if (flags_ & kRedrawNow) RedrawWindow(owner_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool HoverTracker::OnMouseMove(HWND window) {
    if (!window) window = owner_;
    if (!hovering_) {
        hovering_ = true;
        Refresh();
        Track(window, TME_LEAVE);
        tracked_ = window;
        return true;
    }
    if (window == tracked_) return false;
    if (tracked_) Track(tracked_, TME_LEAVE | TME_CANCEL);
    Track(window, TME_LEAVE);
    tracked_ = window;
    return false;
}

bool HoverTracker::OnMouseLeave(HWND window) {
    if (!window) window = owner_;
    if (window != tracked_) return false;
    hovering_ = false;
    Refresh();
    return true;
}

} // namespace hexmoor::rt
