// Filling a custom-controls or user-data tree from the skin's stored folders
// and elements. The items are planned first, each in its place among its
// siblings, and then made parents before children in the order the tree
// shows them, every one inserted last under its parent where nothing that
// was there before follows it. A tree view keeps its items in a list in the
// order they were made and looks an item up there by walking it for every
// message that names one, deletion included: made in the order shown, a
// folder's items sit together in that list and its later deletion walks
// only them.

#include <algorithm>

#include "editor/shell/trees/element_tree.h"
#include "model/element_types.h"
#include "model/elements/frame_properties.h"
#include "model/twf_skin.h"

namespace hexmoor::shell {

namespace {

// An element's shown name: its scheme after the folder number.
std::wstring AfterFirstBracket(const std::wstring& scheme) {
    auto at = scheme.find(L'>');
    return at == std::wstring::npos ? scheme : scheme.substr(at + 1);
}

} // namespace

struct ElementTree::FillPlan {
    struct Node {
        TreeHandle item = nullptr; // an item that was there, or once made
        bool fresh = false;        // made by this fill
        bool read = false;         // children known (the items that were there read)
        // The children as (stored order, node) in the order the tree shows them.
        std::vector<std::pair<WORD, int>> children;
        // A new folder or user-data item: its text and record.
        std::wstring text;
        Record record;
        // A new custom control: its adder, scheme and instance number.
        const Adder* adder = nullptr;
        const std::wstring* scheme = nullptr;
        unsigned number = 0;
    };
    std::vector<Node> nodes;
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
        CTwfObj* o = (skin && r) ? skin->FindObject(r->type, r->scheme) : nullptr;
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
            const bool match = n.fresh ? n.record.key.kind == kKindFolder && n.text == part
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
            n.text = std::move(part);
            n.record.key = {kKindFolder, numbers_.Take(kKindFolder)};
            n.record.type = kElemFolder;
            n.record.scheme = path;
            n.record.ownsNumber = n.record.ownsObject = true;
            n.record.folderId = object->GetFolderId();
            plan.folders.emplace(n.record.folderId, found);
            PlaceChild(plan, at, object->GetOrder(), found);
        }
        at = found;
    }
    return at;
}

void ElementTree::MakePlanned(FillPlan& plan) {
    // Depth first without recursion (a stored path may nest deep): each
    // level remembers the child it is at, the item made before it and the
    // last child that was there before the fill.
    struct Level {
        int node;
        std::size_t next = 0;
        TreeHandle previous = nullptr;
        std::size_t lastOld = 0; // one past the last child that was there
    };
    std::vector<bool> visited(plan.nodes.size());
    auto enter = [&](std::vector<Level>& stack, int node) {
        visited[static_cast<std::size_t>(node)] = true;
        const auto& children = plan.nodes[static_cast<std::size_t>(node)].children;
        std::size_t lastOld = 0;
        for (std::size_t i = 0; i < children.size(); ++i)
            if (!plan.nodes[static_cast<std::size_t>(children[i].second)].fresh) lastOld = i + 1;
        stack.push_back({node, 0, nullptr, lastOld});
    };
    auto walk = [&](int top) {
        std::vector<Level> stack;
        enter(stack, top);
        while (!stack.empty()) {
            Level& level = stack.back();
            const FillPlan::Node& parent = plan.nodes[static_cast<std::size_t>(level.node)];
            if (level.next == parent.children.size()) {
                stack.pop_back();
                continue;
            }
            const std::size_t i = level.next++;
            const int c = parent.children[i].second;
            FillPlan::Node& n = plan.nodes[static_cast<std::size_t>(c)];
            if (n.fresh) {
                const TreeHandle after = i >= level.lastOld ? kInsertLast
                                         : level.previous   ? level.previous
                                                            : kInsertFirst;
                if (n.adder) {
                    n.item =
                        InsertParts(n.adder->parts, n.adder->type, parent.item, after, AfterFirstBracket(*n.scheme),
                                    n.adder->parts[0].icon, *n.scheme, true, n.number);
                } else {
                    const bool folder = n.record.key.kind == kKindFolder;
                    const std::wstring text = folder ? std::move(n.text) : AfterFirstBracket(n.record.scheme);
                    n.item =
                        Insert(parent.item, after, text, folder ? kFolderIcon : kUserDataIcon, std::move(n.record));
                }
            }
            level.previous = n.item;
            if (!n.children.empty()) enter(stack, c);
        }
    };
    walk(0);
    // A folder that was there, taking new items, where its own level was
    // never read.
    for (std::size_t i = 0; i < plan.nodes.size(); ++i)
        if (!visited[i] && !plan.nodes[i].fresh && !plan.nodes[i].children.empty()) walk(static_cast<int>(i));
    for (const auto& [id, node] : plan.folders)
        folderItems_.emplace(id, plan.nodes[static_cast<std::size_t>(node)].item);
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
        WORD type;
        CTwfObj* object;
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
                items.push_back({&name, type, object.get()});
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
    std::stable_sort(items.begin(), items.end(),
                     [](const Pending& a, const Pending& b) { return a.object->GetOrder() < b.object->GetOrder(); });
    std::size_t records = records_.size();
    for (const Pending& p : items) {
        CTwfObj* object = p.object;
        // An element whose folder number names no folder goes under the root.
        int parent = PlannedFolderById(plan, object->GetFolderId());
        if (parent < 0) parent = 0;
        FillPlan::Node n;
        n.fresh = n.read = true;
        if (p.type == kElemUserData) {
            n.record.key = {kKindUserData, numbers_.Take(kKindUserData)};
            n.record.type = kElemUserData;
            n.record.scheme = *p.scheme;
            n.record.ownsNumber = n.record.ownsObject = true;
            ++records;
        } else {
            const bool regionDefined =
                object->GetNumber(frame_props::kRegionShape) == frame_props::kRegionDefinedWindow;
            n.adder = AdderForType(p.type, regionDefined);
            if (!n.adder) continue;
            n.scheme = p.scheme;
            n.number = numbers_.Take(n.adder->parts[0].kind);
            object->SetEnabled(TRUE);
            records += n.adder->parts.size();
        }
        const int node = static_cast<int>(plan.nodes.size());
        plan.nodes.push_back(std::move(n));
        PlaceChild(plan, parent, object->GetOrder(), node);
    }
    records_.reserve(records + plan.folders.size());
    MakePlanned(plan);
}

} // namespace hexmoor::shell
