#include "runtime/wnd/orphan_links.h"

#include <map>
#include <cstddef>
#include <mutex>
#include <utility>

namespace hexmoor::rt {

namespace {
struct OrphanLink {
    SubclassLink link;
    LONG_PTR topProcedure = 0;
};

using OrphanKey = std::pair<HWND, WNDPROC>;

struct OrphanLinks {
    std::mutex lock;
    std::map<OrphanKey, OrphanLink> links;
};

OrphanLinks& Orphans() {
    static OrphanLinks o;
    return o;
}

LONG_PTR CurrentProcedure(HWND hwnd, bool wide) {
    return wide ? GetWindowLongPtrW(hwnd, GWLP_WNDPROC) : GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
}

// Remembers the link of a window whose object detached under a later
// subclasser, with the procedure then on top of ours.
void KeepOrphanLink(HWND hwnd, WNDPROC ours, const SubclassLink& link) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    o.links[{hwnd, ours}] = OrphanLink{link, CurrentProcedure(hwnd, link.wide)};
}

// The window's link, when it has one (the entry stays).
bool FindOrphanLink(HWND hwnd, WNDPROC ours, SubclassLink* out) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    const auto it = o.links.find({hwnd, ours});
    if (it == o.links.end()) return false;
    *out = it->second.link;
    return true;
}

// The window's link, removing the entry; `out` may be null.
bool TakeOrphanLink(HWND hwnd, WNDPROC ours, SubclassLink* out) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    const auto it = o.links.find({hwnd, ours});
    if (it == o.links.end()) return false;
    if (out) *out = it->second.link;
    o.links.erase(it);
    return true;
}

} // namespace

SubclassLink AttachWindowProc(HWND hwnd, WNDPROC ours) {
    {
        auto& o = Orphans();
        std::lock_guard<std::mutex> g(o.lock);
        const auto it = o.links.find({hwnd, ours});
        if (it != o.links.end()) {
            const OrphanLink kept = it->second;
            o.links.erase(it);
            // Ours is still in the chain when the walk from the current
            // procedure down through the links of our other orphaned
            // procedures reaches it, or reaches the procedure that sat on
            // top of it when it let go. Bounded: each link is followed once.
            LONG_PTR p = CurrentProcedure(hwnd, kept.link.wide);
            for (std::size_t steps = 0; steps <= o.links.size(); ++steps) {
                if (p == reinterpret_cast<LONG_PTR>(ours) || p == kept.topProcedure) return kept.link;
                const auto next = o.links.find({hwnd, reinterpret_cast<WNDPROC>(p)});
                if (next == o.links.end()) break;
                p = reinterpret_cast<LONG_PTR>(next->second.link.previous);
            }
        }
    }
    return InstallWindowProc(hwnd, ours);
}

void DetachWindowProc(HWND hwnd, WNDPROC ours, const SubclassLink& link) {
    if (!IsWindow(hwnd) || RestoreWindowProc(hwnd, ours, link)) return;
    if (link.previous) KeepOrphanLink(hwnd, ours, link);
}

void ForgetOrphanLink(HWND hwnd, WNDPROC ours) { TakeOrphanLink(hwnd, ours, nullptr); }

LRESULT ForwardOrphanMessage(HWND hwnd, WNDPROC ours, UINT msg, WPARAM wp, LPARAM lp) {
    SubclassLink link;
    if (FindOrphanLink(hwnd, ours, &link)) {
        const LRESULT result = CallSavedProc(link, hwnd, msg, wp, lp);
        if (msg == WM_NCDESTROY) TakeOrphanLink(hwnd, ours, nullptr);
        return result;
    }
    return IsWindowUnicode(hwnd) ? DefWindowProcW(hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
}

} // namespace hexmoor::rt
