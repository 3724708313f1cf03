#include "runtime/wnd/orphan_links.h"

#include <map>
#include <mutex>
#include <utility>

namespace hexmoor::rt {

namespace {
struct OrphanLink {
    SubclassLink link;
    LONG_PTR topProcedure = 0;
};

struct OrphanLinks {
    std::mutex lock;
    std::map<std::pair<HWND, WNDPROC>, OrphanLink> links;
};

OrphanLinks& Orphans() {
    static OrphanLinks o;
    return o;
}

LONG_PTR CurrentProcedure(HWND hwnd, bool wide) {
    return wide ? GetWindowLongPtrW(hwnd, GWLP_WNDPROC) : GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
}
} // namespace

void KeepOrphanLink(HWND hwnd, WNDPROC ours, const SubclassLink& link) {
    auto& o = Orphans();
    const OrphanLink entry{link, CurrentProcedure(hwnd, link.wide)};
    std::lock_guard<std::mutex> g(o.lock);
    o.links[{hwnd, ours}] = entry;
}

bool FindOrphanLink(HWND hwnd, WNDPROC ours, SubclassLink* out) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    const auto it = o.links.find({hwnd, ours});
    if (it == o.links.end()) return false;
    *out = it->second.link;
    return true;
}

bool TakeOrphanLink(HWND hwnd, WNDPROC ours, SubclassLink* out) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    const auto it = o.links.find({hwnd, ours});
    if (it == o.links.end()) return false;
    if (out) *out = it->second.link;
    o.links.erase(it);
    return true;
}

bool TakeLiveOrphanLink(HWND hwnd, WNDPROC ours, SubclassLink* out) {
    OrphanLink entry;
    {
        auto& o = Orphans();
        std::lock_guard<std::mutex> g(o.lock);
        const auto it = o.links.find({hwnd, ours});
        if (it == o.links.end()) return false;
        entry = it->second;
        o.links.erase(it);
    }
    // Read outside the lock: under Wine it is a round trip to the server.
    if (CurrentProcedure(hwnd, entry.link.wide) != entry.topProcedure) return false;
    *out = entry.link;
    return true;
}

} // namespace hexmoor::rt
