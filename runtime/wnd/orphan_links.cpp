#include "runtime/wnd/orphan_links.h"

#include <map>
#include <mutex>

namespace hexmoor::rt {

namespace {
struct OrphanLink {
    SubclassLink link;
    LONG_PTR topProcedure = 0;
};

struct OrphanLinks {
    std::mutex lock;
    std::map<HWND, OrphanLink> links;
};

OrphanLinks& Orphans() {
    static OrphanLinks o;
    return o;
}

LONG_PTR CurrentProcedure(HWND hwnd, bool wide) {
    return wide ? GetWindowLongPtrW(hwnd, GWLP_WNDPROC) : GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
}
} // namespace

void KeepOrphanLink(HWND hwnd, const SubclassLink& link) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    o.links[hwnd] = OrphanLink{link, CurrentProcedure(hwnd, link.wide)};
}

bool FindOrphanLink(HWND hwnd, SubclassLink* out) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    const auto it = o.links.find(hwnd);
    if (it == o.links.end()) return false;
    *out = it->second.link;
    return true;
}

bool TakeOrphanLink(HWND hwnd, SubclassLink* out) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    const auto it = o.links.find(hwnd);
    if (it == o.links.end()) return false;
    if (out) *out = it->second.link;
    o.links.erase(it);
    return true;
}

bool TakeLiveOrphanLink(HWND hwnd, SubclassLink* out) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    const auto it = o.links.find(hwnd);
    if (it == o.links.end()) return false;
    const bool live = CurrentProcedure(hwnd, it->second.link.wide) == it->second.topProcedure;
    if (live) *out = it->second.link;
    o.links.erase(it);
    return live;
}

} // namespace hexmoor::rt
