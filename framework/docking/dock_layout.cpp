#include "framework/docking/dock_layout.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

namespace hexmoor::fw {

namespace {

bool Horizontal(int side) {
    return side == static_cast<int>(DockSide::Left) || side == static_cast<int>(DockSide::Right);
}

// A strip b wide along one side of area, no wider than area.
Rect AlongSide(Rect area, DockSide side, int b) {
    switch (side) {
    case DockSide::Left: return {area.left, area.top, std::min(area.left + b, area.right), area.bottom};
    case DockSide::Right: return {std::max(area.right - b, area.left), area.top, area.right, area.bottom};
    case DockSide::Top: return {area.left, area.top, area.right, std::min(area.top + b, area.bottom)};
    case DockSide::Bottom: return {area.left, std::max(area.bottom - b, area.top), area.right, area.bottom};
    }
    return {};
}

} // namespace

DockLayout::Pane* DockLayout::Find(int id) {
    for (auto& p : panes_)
        if (p.id == id) return &p;
    return nullptr;
}

const DockLayout::Pane* DockLayout::Find(int id) const {
    for (const auto& p : panes_)
        if (p.id == id) return &p;
    return nullptr;
}

bool DockLayout::Locate(int id, int& side, int& group) const {
    for (int s = 0; s < 4; ++s)
        for (int g = 0; g < static_cast<int>(sides_[s].groups.size()); ++g) {
            const auto& ps = sides_[s].groups[g].panes;
            if (std::find(ps.begin(), ps.end(), id) != ps.end()) {
                side = s;
                group = g;
                return true;
            }
        }
    return false;
}

void DockLayout::AddPane(int id, DockSide side, int breadth, int extent, bool canAutoHide) {
    if (Has(id)) return;
    Pane p;
    p.id = id;
    p.canAutoHide = canAutoHide;
    p.homeSide = side;
    p.autoHideBreadth = breadth;
    panes_.push_back(p);
    auto& s = sides_[static_cast<int>(side)];
    if (s.groups.empty()) s.breadth = breadth;
    s.groups.push_back(Group{{id}, id, extent});
}

void DockLayout::AddTab(int id, int withPane) {
    int s, g;
    if (!Has(id) || id == withPane || !Locate(withPane, s, g)) return;
    RemoveFromGroup(id);
    if (!Locate(withPane, s, g)) return;
    Find(id)->mode = PaneMode::Docked;
    sides_[s].groups[g].panes.push_back(id);
}

void DockLayout::DockNextTo(int id, int target, bool below, int extent) {
    int s, g;
    if (!Has(id) || id == target || !Locate(target, s, g)) return;
    RemoveFromGroup(id);
    if (!Locate(target, s, g)) return;
    Find(id)->mode = PaneMode::Docked;
    auto& groups = sides_[s].groups;
    groups.insert(groups.begin() + g + (below ? 1 : 0), Group{{id}, id, extent});
}

void DockLayout::RemoveFromGroup(int id) {
    for (auto& s : sides_) {
        for (auto it = s.groups.begin(); it != s.groups.end(); ++it) {
            auto& ps = it->panes;
            auto pos = std::find(ps.begin(), ps.end(), id);
            if (pos == ps.end()) continue;
            ps.erase(pos);
            if (ps.empty())
                s.groups.erase(it);
            else if (it->active == id)
                it->active = ps.front();
            return;
        }
    }
}

bool DockLayout::Has(int id) const { return Find(id) != nullptr; }

std::vector<int> DockLayout::PaneIds() const {
    std::vector<int> ids;
    for (const auto& p : panes_) ids.push_back(p.id);
    return ids;
}

bool DockLayout::IsVisible(int id) const {
    const Pane* p = Find(id);
    return p && p->visible;
}

void DockLayout::Show(int id, bool show) {
    Pane* p = Find(id);
    if (!p) return;
    p->visible = show;
    if (show) Activate(id);
    if (!show && slidOut_ == id) slidOut_ = 0;
}

PaneMode DockLayout::Mode(int id) const {
    const Pane* p = Find(id);
    return p ? p->mode : PaneMode::Docked;
}

std::optional<DockSide> DockLayout::SideOf(int id) const {
    int s, g;
    if (Locate(id, s, g)) return static_cast<DockSide>(s);
    const Pane* p = Find(id);
    if (p && p->mode == PaneMode::AutoHidden) return p->homeSide;
    return std::nullopt;
}

void DockLayout::Activate(int id) {
    int s, g;
    if (Locate(id, s, g)) sides_[s].groups[g].active = id;
}

int DockLayout::ActiveInGroupOf(int id) const {
    int s, g;
    if (!Locate(id, s, g)) return id;
    return VisibleActive(sides_[s].groups[g]);
}

std::vector<int> DockLayout::GroupMates(int id) const {
    int s, g;
    std::vector<int> out;
    if (!Locate(id, s, g)) return out;
    for (int p : sides_[s].groups[g].panes)
        if (IsVisible(p)) out.push_back(p);
    return out;
}

bool DockLayout::GroupVisible(const Group& g) const {
    return std::any_of(g.panes.begin(), g.panes.end(), [&](int p) { return IsVisible(p); });
}

int DockLayout::VisibleActive(const Group& g) const {
    if (IsVisible(g.active)) return g.active;
    for (int p : g.panes)
        if (IsVisible(p)) return p;
    return 0;
}

std::vector<int> DockLayout::VisibleGroups(int side) const {
    std::vector<int> out;
    for (int g = 0; g < static_cast<int>(sides_[side].groups.size()); ++g)
        if (GroupVisible(sides_[side].groups[g])) out.push_back(g);
    return out;
}

bool DockLayout::SideVisible(int side) const { return !VisibleGroups(side).empty(); }

void DockLayout::RememberHome(Pane& pane, int side, int group) const {
    pane.homeSide = static_cast<DockSide>(side);
    pane.homeIndex = group;
    pane.homeTabWith = 0;
    for (int other : sides_[side].groups[group].panes)
        if (other != pane.id) {
            pane.homeTabWith = other;
            break;
        }
}

void DockLayout::Float(int id, Rect screenRect) {
    Pane* p = Find(id);
    if (!p || p->mode == PaneMode::Floating) return;
    int s, g;
    if (Locate(id, s, g)) {
        RememberHome(*p, s, g);
        RemoveFromGroup(id);
    }
    if (slidOut_ == id) slidOut_ = 0;
    p->mode = PaneMode::Floating;
    p->floatRect = screenRect;
}

Rect DockLayout::FloatRect(int id) const {
    const Pane* p = Find(id);
    return p ? p->floatRect : Rect{};
}

void DockLayout::SetFloatRect(int id, Rect screenRect) {
    if (Pane* p = Find(id)) p->floatRect = screenRect;
}

void DockLayout::DockHome(int id) {
    Pane* p = Find(id);
    if (!p || p->mode == PaneMode::Docked) return;
    p->mode = PaneMode::Docked;
    if (slidOut_ == id) slidOut_ = 0;
    int s, g;
    if (p->homeTabWith && p->homeTabWith != id && Locate(p->homeTabWith, s, g)) {
        sides_[s].groups[g].panes.push_back(id);
        return;
    }
    auto& groups = sides_[static_cast<int>(p->homeSide)].groups;
    int at = std::clamp(p->homeIndex, 0, static_cast<int>(groups.size()));
    groups.insert(groups.begin() + at, Group{{id}, id, 200});
}

void DockLayout::DockAt(int id, const DockTarget& target) {
    Pane* p = Find(id);
    if (!p || target.kind == DockTarget::Kind::None) return;
    RemoveFromGroup(id);
    p->mode = PaneMode::Docked;
    if (slidOut_ == id) slidOut_ = 0;
    auto& groups = sides_[static_cast<int>(target.side)].groups;
    int at = std::clamp(target.groupIndex, 0, static_cast<int>(groups.size()));
    switch (target.kind) {
    case DockTarget::Kind::Tab:
        if (at < static_cast<int>(groups.size())) {
            groups[at].panes.push_back(id);
            groups[at].active = id;
            return;
        }
        break;
    case DockTarget::Kind::Above: groups.insert(groups.begin() + at, Group{{id}, id, 200}); return;
    case DockTarget::Kind::Below:
        groups.insert(groups.begin() + std::min(at + 1, static_cast<int>(groups.size())), Group{{id}, id, 200});
        return;
    default: break;
    }
    if (groups.empty())
        sides_[static_cast<int>(target.side)].breadth = std::max(p->autoHideBreadth, metrics_.minBreadth);
    groups.push_back(Group{{id}, id, 200});
}

bool DockLayout::CanAutoHide(int id) const {
    const Pane* p = Find(id);
    return p && p->canAutoHide;
}

void DockLayout::SetAutoHide(int id, bool hide) {
    Pane* p = Find(id);
    if (!p || !p->canAutoHide) return;
    if (hide && p->mode == PaneMode::Docked) {
        int s, g;
        if (!Locate(id, s, g)) return;
        RememberHome(*p, s, g);
        p->autoHideBreadth = sides_[s].breadth;
        RemoveFromGroup(id);
        p->mode = PaneMode::AutoHidden;
    } else if (!hide && p->mode == PaneMode::AutoHidden) {
        DockHome(id);
    }
}

LayoutGeometry DockLayout::Compute(Rect area, const TabLength& tabLength) const {
    LayoutGeometry out;
    Rect inner = LayAutoHideStrips(area, tabLength, out.autoHideTabs);
    SideRects sides = LaySides(inner);
    out.center = sides.center;
    for (int s = 0; s < 4; ++s) LayGroups(s, sides.side[s], tabLength, out);
    LaySlideOut(inner, out);
    return out;
}

Rect DockLayout::LayAutoHideStrips(Rect area, const TabLength& tabLength, std::vector<AutoHideTab>& tabs) const {
    // Left and right strips run the full height; top and bottom fit between them.
    std::vector<int> hidden[4];
    for (const auto& p : panes_)
        if (p.mode == PaneMode::AutoHidden && p.visible) hidden[static_cast<int>(p.homeSide)].push_back(p.id);
    Rect inner = area;
    Rect strips[4];
    if (!hidden[0].empty()) {
        strips[0] = {inner.left, inner.top, inner.left + metrics_.strip, inner.bottom};
        inner.left += metrics_.strip;
    }
    if (!hidden[1].empty()) {
        strips[1] = {inner.right - metrics_.strip, inner.top, inner.right, inner.bottom};
        inner.right -= metrics_.strip;
    }
    if (!hidden[2].empty()) {
        strips[2] = {inner.left, inner.top, inner.right, inner.top + metrics_.strip};
        inner.top += metrics_.strip;
    }
    if (!hidden[3].empty()) {
        strips[3] = {inner.left, inner.bottom - metrics_.strip, inner.right, inner.bottom};
        inner.bottom -= metrics_.strip;
    }
    for (int s = 0; s < 4; ++s) {
        int pos = Horizontal(s) ? strips[s].top + 2 : strips[s].left + 2;
        for (int id : hidden[s]) {
            int len = std::max(tabLength ? tabLength(id) : 80, 24);
            Rect r = Horizontal(s) ? Rect{strips[s].left, pos, strips[s].right, pos + len}
                                   : Rect{pos, strips[s].top, pos + len, strips[s].bottom};
            tabs.push_back({id, static_cast<DockSide>(s), r});
            pos += len + 2;
        }
    }
    return inner;
}

DockLayout::SideRects DockLayout::LaySides(Rect inner) const {
    // Each side keeps its own breadth unless the centre would get less than
    // its minimum, then both sides of an axis give way evenly. Left and right
    // run the full height; top and bottom fit between them.
    auto breadthOf = [&](int s) {
        return SideVisible(s) ? std::max(sides_[s].breadth, metrics_.minBreadth) + metrics_.splitter : 0;
    };
    auto giveWay = [&](int& a, int& b, int length) {
        int room = std::max(length - metrics_.minCenter, 0);
        if (a + b > room && a + b > 0) {
            int total = a + b;
            a = a * room / total;
            b = room - a;
        }
    };
    SideRects out;
    int bl = breadthOf(0), br = breadthOf(1);
    giveWay(bl, br, inner.Width());
    out.side[0] = {inner.left, inner.top, inner.left + bl, inner.bottom};
    out.side[1] = {inner.right - br, inner.top, inner.right, inner.bottom};
    Rect mid{out.side[0].right, inner.top, out.side[1].left, inner.bottom};
    int bt = breadthOf(2), bb = breadthOf(3);
    giveWay(bt, bb, mid.Height());
    out.side[2] = {mid.left, mid.top, mid.right, mid.top + bt};
    out.side[3] = {mid.left, mid.bottom - bb, mid.right, mid.bottom};
    out.center = {mid.left, mid.top + bt, mid.right, mid.bottom - bb};
    return out;
}

void DockLayout::LayGroups(int s, Rect sr, const TabLength& tabLength, LayoutGeometry& out) const {
    std::vector<int> vis = VisibleGroups(s);
    if (vis.empty()) return;
    // The splitter between the side and the centre.
    SplitterGeometry edge;
    edge.side = static_cast<DockSide>(s);
    edge.groupIndex = -1;
    edge.vertical = Horizontal(s);
    switch (s) {
    case 0:
        edge.rect = {sr.right - metrics_.splitter, sr.top, sr.right, sr.bottom};
        sr.right -= metrics_.splitter;
        break;
    case 1:
        edge.rect = {sr.left, sr.top, sr.left + metrics_.splitter, sr.bottom};
        sr.left += metrics_.splitter;
        break;
    case 2:
        edge.rect = {sr.left, sr.bottom - metrics_.splitter, sr.right, sr.bottom};
        sr.bottom -= metrics_.splitter;
        break;
    default:
        edge.rect = {sr.left, sr.top, sr.right, sr.top + metrics_.splitter};
        sr.top += metrics_.splitter;
        break;
    }
    out.splitters.push_back(edge);

    // Groups share the side's length in proportion to their extents.
    int length = Horizontal(s) ? sr.Height() : sr.Width();
    int avail = std::max(length - metrics_.splitter * (static_cast<int>(vis.size()) - 1), 0);
    long long sum = 0;
    for (int g : vis) sum += std::max(sides_[s].groups[g].extent, 1);
    int pos = Horizontal(s) ? sr.top : sr.left;
    long long acc = 0;
    for (std::size_t i = 0; i < vis.size(); ++i) {
        long long before = acc;
        acc += std::max(sides_[s].groups[vis[i]].extent, 1);
        int start = static_cast<int>(before * avail / sum);
        int end = static_cast<int>(acc * avail / sum);
        int size = end - start;
        Rect gr = Horizontal(s) ? Rect{sr.left, pos, sr.right, pos + size} : Rect{pos, sr.top, pos + size, sr.bottom};
        pos += size;
        if (i + 1 < vis.size()) {
            SplitterGeometry sp;
            sp.side = static_cast<DockSide>(s);
            sp.groupIndex = vis[i];
            sp.vertical = !Horizontal(s);
            sp.rect = Horizontal(s) ? Rect{sr.left, pos, sr.right, pos + metrics_.splitter}
                                    : Rect{pos, sr.top, pos + metrics_.splitter, sr.bottom};
            out.splitters.push_back(sp);
            pos += metrics_.splitter;
        }
        out.groups.push_back(LayGroup(s, vis[i], gr, tabLength));
    }
}

GroupGeometry DockLayout::LayGroup(int s, int groupIndex, Rect gr, const TabLength& tabLength) const {
    const Group& grp = sides_[s].groups[groupIndex];
    GroupGeometry gg;
    gg.side = static_cast<DockSide>(s);
    gg.groupIndex = groupIndex;
    gg.rect = gr;
    gg.activePane = VisibleActive(grp);
    int w = gr.Width(), h = gr.Height();
    gg.caption = {0, 0, w, std::min(metrics_.caption, h)};
    int by = (metrics_.caption - metrics_.button) / 2;
    gg.closeButton = Rect::XYWH(w - metrics_.button - 2, by, metrics_.button, metrics_.button);
    if (CanAutoHide(gg.activePane))
        gg.pinButton = Rect::XYWH(w - 2 * metrics_.button - 4, by, metrics_.button, metrics_.button);
    std::vector<int> tabs;
    for (int p : grp.panes)
        if (IsVisible(p)) tabs.push_back(p);
    int contentBottom = h;
    if (tabs.size() > 1) {
        // The tab strip along the bottom; each tab as long as it asks, at
        // most an even share, the last one clipped to the group.
        contentBottom = std::max(h - metrics_.tab, gg.caption.bottom);
        int tx = 0;
        int each = std::max(w / static_cast<int>(tabs.size()), 1);
        for (std::size_t t = 0; t < tabs.size(); ++t) {
            int len = tabLength ? std::min(tabLength(tabs[t]), each) : each;
            if (t + 1 == tabs.size() && tx + len > w) len = w - tx;
            gg.tabs.emplace_back(tabs[t], Rect{tx, contentBottom, tx + len, h});
            tx += len;
        }
    }
    gg.content = {0, gg.caption.bottom, w, contentBottom};
    return gg;
}

void DockLayout::LaySlideOut(Rect inner, LayoutGeometry& out) const {
    // The slid-out auto-hide pane lies over the centre next to its strip.
    if (!slidOut_) return;
    const Pane* p = Find(slidOut_);
    if (!p || p->mode != PaneMode::AutoHidden || !p->visible) return;
    out.slideOut = AlongSide(inner, p->homeSide, std::max(p->autoHideBreadth, metrics_.minBreadth));
    out.slidOutPane = slidOut_;
}

void DockLayout::MoveSplitter(const SplitterGeometry& sp, int delta, Rect area) {
    int s = static_cast<int>(sp.side);
    if (sp.groupIndex < 0) {
        int sign = (s == 0 || s == 2) ? 1 : -1;
        int limit = std::max((Horizontal(s) ? area.Width() : area.Height()) - metrics_.minCenter, metrics_.minBreadth);
        sides_[s].breadth = std::clamp(sides_[s].breadth + sign * delta, metrics_.minBreadth, limit);
        return;
    }
    // Between two groups: both take their current pixel sizes as extents,
    // then the pixels move from one to the other.
    LayoutGeometry geo = Compute(area, nullptr);
    std::map<int, int> sizes;
    for (const auto& g : geo.groups)
        if (static_cast<int>(g.side) == s) sizes[g.groupIndex] = Horizontal(s) ? g.rect.Height() : g.rect.Width();
    auto it = sizes.find(sp.groupIndex);
    if (it == sizes.end()) return;
    auto next = std::next(it);
    if (next == sizes.end()) return;
    for (auto [g, size] : sizes) sides_[s].groups[g].extent = std::max(size, 1);
    int a = it->second, b = next->second;
    int lo = std::min(metrics_.minExtent, a + b), hi = std::max(a + b - metrics_.minExtent, lo);
    int na = std::clamp(a + delta, lo, hi);
    sides_[s].groups[it->first].extent = std::max(na, 1);
    sides_[s].groups[next->first].extent = std::max(a + b - na, 1);
}

DockTarget DockLayout::HitTest(Rect area, Point p, int edge) const {
    DockTarget t;
    if (!area.Contains(p)) return t;
    LayoutGeometry geo = Compute(area, nullptr);
    for (const auto& g : geo.groups) {
        if (!g.rect.Contains(p)) continue;
        t.side = g.side;
        t.groupIndex = g.groupIndex;
        Rect cap = g.caption.Offset(g.rect.left, g.rect.top);
        if (cap.Contains(p))
            t.kind = DockTarget::Kind::Tab;
        else if (Horizontal(static_cast<int>(g.side)))
            t.kind = p.y < (g.rect.top + g.rect.bottom) / 2 ? DockTarget::Kind::Above : DockTarget::Kind::Below;
        else
            t.kind = p.x < (g.rect.left + g.rect.right) / 2 ? DockTarget::Kind::Above : DockTarget::Kind::Below;
        return t;
    }
    struct {
        DockSide side;
        bool hit;
    } edges[] = {
        {DockSide::Left, p.x < area.left + edge},
        {DockSide::Right, p.x >= area.right - edge},
        {DockSide::Top, p.y < area.top + edge},
        {DockSide::Bottom, p.y >= area.bottom - edge},
    };
    for (const auto& e : edges)
        if (e.hit) {
            t.kind = DockTarget::Kind::SideEdge;
            t.side = e.side;
            t.groupIndex = static_cast<int>(sides_[static_cast<int>(e.side)].groups.size());
            return t;
        }
    return t;
}

Rect DockLayout::TargetRect(Rect area, const DockTarget& t) const {
    if (t.kind == DockTarget::Kind::None) return {};
    if (t.kind == DockTarget::Kind::SideEdge) {
        return AlongSide(area, t.side, std::max(sides_[static_cast<int>(t.side)].breadth, metrics_.minBreadth));
    }
    LayoutGeometry geo = Compute(area, nullptr);
    for (const auto& g : geo.groups) {
        if (g.side != t.side || g.groupIndex != t.groupIndex) continue;
        Rect r = g.rect;
        bool vertical = Horizontal(static_cast<int>(g.side));
        int midY = (r.top + r.bottom) / 2, midX = (r.left + r.right) / 2;
        if (t.kind == DockTarget::Kind::Above)
            return vertical ? Rect{r.left, r.top, r.right, midY} : Rect{r.left, r.top, midX, r.bottom};
        if (t.kind == DockTarget::Kind::Below)
            return vertical ? Rect{r.left, midY, r.right, r.bottom} : Rect{midX, r.top, r.right, r.bottom};
        return r;
    }
    return {};
}

std::wstring DockLayout::Save() const {
    std::wostringstream os;
    os << L"dock1";
    for (int s = 0; s < 4; ++s) {
        os << L" side " << s << L' ' << sides_[s].breadth << L' ' << sides_[s].groups.size();
        for (const auto& g : sides_[s].groups) {
            os << L" group " << g.extent << L' ' << g.active << L' ' << g.panes.size();
            for (int p : g.panes) os << L' ' << p;
        }
    }
    for (const auto& p : panes_) {
        os << L" pane " << p.id << L' ' << (p.visible ? 1 : 0) << L' ' << static_cast<int>(p.mode) << L' '
           << p.floatRect.left << L' ' << p.floatRect.top << L' ' << p.floatRect.right << L' ' << p.floatRect.bottom
           << L' ' << static_cast<int>(p.homeSide) << L' ' << p.homeIndex << L' ' << p.homeTabWith << L' '
           << p.autoHideBreadth;
    }
    return os.str();
}

bool DockLayout::Load(const std::wstring& text) {
    std::wistringstream is(text);
    std::wstring word;
    if (!(is >> word) || word != L"dock1") return false;
    SideState sides[4];
    std::set<int> known;
    for (const auto& p : panes_) known.insert(p.id);
    std::set<int> seenDocked, seenPanes;
    constexpr int kMaxCount = 64, kMaxSize = 100000;
    for (int s = 0; s < 4; ++s) {
        int side = -1, breadth = 0, count = 0;
        if (!(is >> word >> side >> breadth >> count) || word != L"side" || side != s) return false;
        if (breadth < 0 || breadth > kMaxSize || count < 0 || count > kMaxCount) return false;
        sides[s].breadth = breadth;
        for (int g = 0; g < count; ++g) {
            Group grp;
            int n = 0;
            if (!(is >> word >> grp.extent >> grp.active >> n) || word != L"group") return false;
            if (grp.extent < 1 || grp.extent > kMaxSize || n < 1 || n > kMaxCount) return false;
            for (int i = 0; i < n; ++i) {
                int id = 0;
                if (!(is >> id) || !known.count(id) || !seenDocked.insert(id).second) return false;
                grp.panes.push_back(id);
            }
            if (std::find(grp.panes.begin(), grp.panes.end(), grp.active) == grp.panes.end()) grp.active = grp.panes[0];
            sides[s].groups.push_back(std::move(grp));
        }
    }
    std::vector<Pane> panes = panes_;
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        int id = 0, visible = 0, mode = 0, home = 0;
        Rect r;
        Pane loaded;
        if (!(is >> word >> id >> visible >> mode >> r.left >> r.top >> r.right >> r.bottom >> home >>
              loaded.homeIndex >> loaded.homeTabWith >> loaded.autoHideBreadth) ||
            word != L"pane")
            return false;
        Pane* p = nullptr;
        for (auto& q : panes)
            if (q.id == id) p = &q;
        if (!p || !seenPanes.insert(id).second) return false;
        if (mode < 0 || mode > 2 || home < 0 || home > 3 || loaded.autoHideBreadth < 0 ||
            loaded.autoHideBreadth > kMaxSize)
            return false;
        p->visible = visible != 0;
        p->mode = static_cast<PaneMode>(mode);
        if (p->mode == PaneMode::AutoHidden && !p->canAutoHide) return false;
        // A docked pane must be in a group; the others must not.
        if ((p->mode == PaneMode::Docked) != (seenDocked.count(id) != 0)) return false;
        p->floatRect = r;
        p->homeSide = static_cast<DockSide>(home);
        p->homeIndex = loaded.homeIndex;
        p->homeTabWith = loaded.homeTabWith;
        p->autoHideBreadth = loaded.autoHideBreadth;
    }
    if (seenPanes.size() != known.size()) return false;
    for (int s = 0; s < 4; ++s) sides_[s] = std::move(sides[s]);
    panes_ = std::move(panes);
    slidOut_ = 0;
    return true;
}

} // namespace hexmoor::fw
