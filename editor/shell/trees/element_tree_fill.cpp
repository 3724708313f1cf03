// Filling a custom-controls or user-data tree from the skin's stored folders
// and elements. The items are planned first, each in its place among its
// siblings, and then made parents before children in the order the tree
// shows them, every one inserted last under its parent where nothing that
// was there before follows it. A tree view keeps its items in a list in the
// order they were made and looks an item up there by walking it for every
// message that names one, deletion included: made in the order shown, a
// folder's items sit together in that list and its later deletion walks
// only them. The plan asks the control nothing for a tree that starts empty.

#include <algorithm>

#include "editor/shell/trees/element_tree.h"
#include "model/element_types.h"
#include "model/elements/frame_properties.h"
#include "model/twf_skin.h"

namespace hexmoor::shell {

namespace {

// An element's shown name: its scheme after the folder number.
const wchar_t* AfterFirstBracket(const std::wstring& scheme) {
    auto at = scheme.find(L'>');
    return scheme.c_str() + (at == std::wstring::npos ? 0 : at + 1);
}

} // namespace

struct ElementTree::FillPlan {
    struct Node {
        TreeHandle item = nullptr; // an item that was there, or once made
        bool fresh = false;        // made by this fill
        bool read = false;         // children known (the items that were there read)
        // The children as (stored order, node) in the order the tree shows them.
        std::vector<std::pair<WORD, int>> children;
        // A new folder: its place in `newFolders`.
        int folder = -1;
        // New user data or a new custom control (with its adder): its
        // scheme and instance number.
        const Adder* adder = nullptr;
        const std::wstring* scheme = nullptr;
        unsigned number = 0;
    };
    struct NewFolder {
        std::wstring name;
        Record record;
    };
    std::vector<Node> nodes;
    std::vector<NewFolder> newFolders;
    // The node of an item that was there before the fill.
    std::map<TreeHandle, int> existing;
    // Folder number -> the new folder that has it (the first one keeps it).
    std::map<WORD, int> folders;
};

int ElementTree::PlanNodeOf(FillPlan& plan, TreeHandle item) const {
    auto [at, added] = plan.existing.try_emplace(item, static_cast<int>(plan.nodes.size()));
    if (added) plan.nodes.emplace_back().item = item;
    return at->second;
}

void ElementTree::ReadPlannedChildren(FillPlan& plan, int node) const {
    if (plan.nodes[static_cast<std::size_t>(node)].read) return;
    plan.nodes[static_cast<std::size_t>(node)].read = true;
    CTwfSkin* skin = skin_();
    for (TreeHandle c = store_.FirstChild(plan.nodes[static_cast<std::size_t>(node)].item); c;
         c = store_.NextSibling(c)) {
        const Record* r = RecordOf(c);
        CTwfObj* o = (skin && r) ? skin->FindObject(r->type, r->scheme.Str()) : nullptr;
        const int child = PlanNodeOf(plan, c);
        plan.nodes[static_cast<std::size_t>(node)].children.emplace_back(o ? o->GetOrder() : 0, child);
    }
}

// The child goes after the siblings whose stored order is not above its own.
void ElementTree::PlaceChild(FillPlan& plan, int parent, WORD order, int child) const {
    ReadPlannedChildren(plan, parent);
    auto& list = plan.nodes[static_cast<std::size_t>(parent)].children;
    auto next = std::upper_bound(list.begin(), list.end(), order,
                                 [](WORD o, const std::pair<WORD, int>& e) { return o < e.first; });
    list.insert(next, {order, child});
}

int ElementTree::PlannedFolderById(FillPlan& plan, WORD id) const {
    if (id == 0) return 0;
    if (auto it = folderItems_.find(id); it != folderItems_.end()) return PlanNodeOf(plan, it->second);
    auto it = plan.folders.find(id);
    return it == plan.folders.end() ? -1 : it->second;
}

int ElementTree::PlanFolderPath(FillPlan& plan, const std::wstring& scheme) {
    CTwfSkin* skin = skin_();
    const std::wstring prefix = FolderPrefix();
    if (!skin || !scheme.starts_with(prefix)) return 0;
    const std::wstring rest = scheme.substr(prefix.size());
    int at = 0;
    std::wstring path = prefix;
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = rest.find(L'\\', start);
        if (end == std::wstring::npos) end = rest.size();
        std::wstring part = rest.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        path += (path == prefix ? L"" : L"\\") + part;
        // The last folder of that name among the level's items.
        ReadPlannedChildren(plan, at);
        int found = -1;
        for (const auto& [order, c] : plan.nodes[static_cast<std::size_t>(at)].children) {
            const FillPlan::Node& n = plan.nodes[static_cast<std::size_t>(c)];
            const bool match = n.fresh
                                   ? n.folder >= 0 && plan.newFolders[static_cast<std::size_t>(n.folder)].name == part
                                   : KeyOf(n.item).kind == kKindFolder && store_.Text(n.item) == part;
            if (match) found = c;
        }
        if (found < 0) {
            CTwfObj* object = skin->FindObject(kElemFolder, path);
            if (!object) {
                // A level the file did not store: made, so the next save has it.
                object = skin->GetOrCreateObject(kElemFolder, path);
                if (!object) return at;
                object->SetFolderId(nextFolderId_++);
                Modified();
            }
            nextFolderId_ = std::max<WORD>(nextFolderId_, static_cast<WORD>(object->GetFolderId() + 1));
            found = static_cast<int>(plan.nodes.size());
            FillPlan::Node& n = plan.nodes.emplace_back();
            n.fresh = n.read = true;
            n.folder = static_cast<int>(plan.newFolders.size());
            FillPlan::NewFolder& f = plan.newFolders.emplace_back();
            f.name = std::move(part);
            f.record.key = {kKindFolder, numbers_.Take(kKindFolder)};
            f.record.type = kElemFolder;
            f.record.scheme = path;
            f.record.ownsNumber = f.record.ownsObject = true;
            f.record.folderId = object->GetFolderId();
            plan.folders.emplace(f.record.folderId, found);
            PlaceChild(plan, at, object->GetOrder(), found);
        }
        at = found;
    }
    return at;
}

void ElementTree::MakePlanned(FillPlan& plan) {
    // Depth first without recursion (a stored path may nest deep): each
    // level remembers the child it is at, the item before it and the last
    // child that was there before the fill.
    struct Level {
        int node;
        std::size_t next = 0;
        TreeHandle previous = nullptr;
        std::size_t lastThere = 0; // one past the last child that was there
    };
    auto node = [&plan](int i) -> FillPlan::Node& { return plan.nodes[static_cast<std::size_t>(i)]; };
    std::vector<bool> visited;
    auto walk = [&](int top) {
        std::vector<Level> stack;
        auto enter = [&](int parent) {
            visited[static_cast<std::size_t>(parent)] = true;
            const auto& children = node(parent).children;
            std::size_t lastThere = 0;
            for (std::size_t i = 0; i < children.size(); ++i) {
                const FillPlan::Node& c = node(children[i].second);
                if (!c.fresh) lastThere = i + 1;
            }
            stack.push_back({parent, 0, nullptr, lastThere});
        };
        enter(top);
        while (!stack.empty()) {
            Level& level = stack.back();
            const FillPlan::Node& parent = node(level.node);
            if (level.next == parent.children.size()) {
                stack.pop_back();
                continue;
            }
            const std::size_t i = level.next++;
            const int c = parent.children[i].second;
            FillPlan::Node& n = node(c);
            if (n.fresh) {
                const TreeHandle after = i >= level.lastThere ? kInsertLast
                                         : level.previous     ? level.previous
                                                              : kInsertFirst;
                if (n.adder) {
                    n.item =
                        InsertParts(n.adder->parts, n.adder->type, parent.item, after, AfterFirstBracket(*n.scheme),
                                    n.adder->parts[0].icon, *n.scheme, true, n.number);
                } else if (n.folder >= 0) {
                    FillPlan::NewFolder& f = plan.newFolders[static_cast<std::size_t>(n.folder)];
                    n.item = Insert(parent.item, after, f.name.c_str(), kFolderIcon, std::move(f.record));
                } else {
                    Record r;
                    r.key = {kKindUserData, n.number};
                    r.type = kElemUserData;
                    r.scheme = *n.scheme;
                    r.ownsNumber = r.ownsObject = true;
                    n.item = Insert(parent.item, after, AfterFirstBracket(*n.scheme), kUserDataIcon, std::move(r));
                }
            }
            if (n.item) level.previous = n.item;
            if (!n.children.empty()) enter(c);
        }
    };
    visited.assign(plan.nodes.size(), false);
    walk(0);
    // A folder that was there, taking new items, where its own level was
    // never read.
    for (std::size_t i = 0; i < plan.nodes.size(); ++i)
        if (!visited[i] && !plan.nodes[i].fresh && !plan.nodes[i].children.empty()) walk(static_cast<int>(i));
    for (const auto& [id, n] : plan.folders) folderItems_.emplace(id, node(n).item);
}

void ElementTree::FillFromSkin() {
    CTwfSkin* skin = skin_();
    if (!skin) return;
    // The links the items have show the new elements once asked for.
    InvalidateLinks();
    if (mode_ == 0) {
        SyncCheckStates();
        return;
    }
    const std::wstring defaultScheme = skin->GetDefaultSchemeName();
    auto skipped = [&](const std::wstring& name) {
        return name.empty() || name == L"Default" || name == defaultScheme || name == kRootSchemeName;
    };
    // The elements as the skin holds them: no item adds or removes an
    // object while the tree fills, and each is looked up only once.
    struct Pending {
        const std::wstring* scheme;
        CTwfObj* object;
        WORD type;
        WORD order;
        WORD folderId;
    };
    std::vector<Pending> items;
    std::vector<const std::wstring*> folderSchemes;
    for (const auto& [name, elements] : skin->GetSchemes()) {
        for (const auto& [type, object] : elements) {
            // Folder numbers already stored come first, so new ones never clash.
            if (type == kElemFolder && object)
                nextFolderId_ = std::max<WORD>(nextFolderId_, static_cast<WORD>(object->GetFolderId() + 1));
            if (skipped(name)) continue;
            if (type == kElemFolder) {
                if (name.starts_with(FolderPrefix())) folderSchemes.push_back(&name);
            } else if (object && (mode_ == 2) == (type == kElemUserData)) {
                items.push_back({&name, object.get(), type, object->GetOrder(), object->GetFolderId()});
            }
        }
    }
    FillPlan plan;
    plan.nodes.reserve(items.size() + folderSchemes.size() + 1);
    plan.nodes.emplace_back().item = root_;
    plan.existing.emplace(root_, 0);
    for (const std::wstring* f : folderSchemes) PlanFolderPath(plan, *f);

    // Taken in their stored order (equal orders in scheme order), each item
    // is placed after its siblings, mostly at the end of its parent.
    std::stable_sort(items.begin(), items.end(), [](const Pending& a, const Pending& b) { return a.order < b.order; });
    std::size_t records = records_.size() + plan.newFolders.size();
    for (const Pending& p : items) {
        // A frame's kind tells a region-defined one from the others.
        const Adder* adder = nullptr;
        if (p.type != kElemUserData) {
            adder = AdderForType(p.type, p.type == kElemWndFrame && p.object->GetNumber(frame_props::kRegionShape) ==
                                                                        frame_props::kRegionDefinedWindow);
            if (!adder) continue;
        }
        // An element whose folder number names no folder goes under the root.
        int parent = PlannedFolderById(plan, p.folderId);
        if (parent < 0) parent = 0;
        const int node = static_cast<int>(plan.nodes.size());
        FillPlan::Node& n = plan.nodes.emplace_back();
        n.fresh = n.read = true;
        n.scheme = p.scheme;
        n.adder = adder;
        if (adder) {
            n.number = numbers_.Take(adder->parts[0].kind);
            p.object->SetEnabled(TRUE);
            records += adder->parts.size();
        } else {
            n.number = numbers_.Take(kKindUserData);
            ++records;
        }
        PlaceChild(plan, parent, p.order, node);
    }
    records_.reserve(records);
    MakePlanned(plan);
}

} // namespace hexmoor::shell
