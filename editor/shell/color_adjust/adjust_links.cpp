#include "editor/shell/color_adjust/adjust_links.h"

#include "editor/links/item_link.h"
#include "editor/links/property_item.h"
#include "model/elements/wnd_frame.h"

namespace hexmoor::shell {

preview::AdjustState ElementAdjustLink::GetAdjustState() const {
    const std::shared_ptr<links::CItemLinkObj> link = Link();
    if (!tree_ || !link || !link->GetTwfObj()) return preview::AdjustState::Excluded;
    switch (tree_->MarkOf(item_)) {
    case 0: return preview::AdjustState::Included;
    case 2: return preview::AdjustState::Locked;
    default: return preview::AdjustState::Excluded;
    }
}

CTwfObj* ElementAdjustLink::GetTwfObj() {
    const std::shared_ptr<links::CItemLinkObj> link = Link();
    return link ? link->GetTwfObj() : nullptr;
}

WORD ElementAdjustLink::GetTypeId() const {
    const std::shared_ptr<links::CItemLinkObj> link = Link();
    return link ? link->GetTypeId() : 0;
}

CTwfSideFrame* ElementAdjustLink::GetSideFrame() {
    const std::shared_ptr<links::CItemLinkObj> link = Link();
    return link && link->IsSideFrame() ? dynamic_cast<CTwfSideFrame*>(link->GetTwfObj()) : nullptr;
}

const preview::AdjustSnapshot& ElementAdjustLink::GetSnapshot() const {
    static const preview::AdjustSnapshot kNone;
    // The tree owns the link: the reference stays good while the item lives.
    const std::shared_ptr<links::CItemLinkObj> link = Link();
    return link ? link->GetSnapshot() : kNone;
}

void ElementAdjustLink::RenewSnapshot() {
    const std::shared_ptr<links::CItemLinkObj> link = Link();
    if (!link) return;
    if (link->RowMap().empty() && !link->IsSideFrame()) link->BuildPropertyItems(1);
    link->CaptureSnapshot();
}

void ElementAdjustLink::ShowColor(WORD id, COLORREF color) {
    const std::shared_ptr<links::CItemLinkObj> link = Link();
    links::CPropertyItem* row = link ? link->GetPropertyItem(id) : nullptr;
    if (!row || row->Kind() != links::kKindColor) return;
    row->SetValue(link->ColorToText(color));
    link->RedrawListItem(row);
}

void ElementAdjustLink::Bind(const ElementTree* tree, TreeHandle item, std::weak_ptr<links::CItemLinkObj> link) {
    tree_ = tree;
    item_ = item;
    link_ = std::move(link);
    RenewSnapshot();
}

void ElementAdjustLink::Detach() {
    tree_ = nullptr;
    item_ = nullptr;
    link_.reset();
}

bool ElementAdjustLink::IsBoundTo(const ElementTree* tree, TreeHandle item, const links::CItemLinkObj* link) const {
    return tree_ == tree && item_ == item && link && Link().get() == link;
}

void AdjustLinkSet::SetTrees(std::vector<const ElementTree*> trees) {
    DetachAll();
    trees_ = std::move(trees);
}

ElementAdjustLink* AdjustLinkSet::Take() {
    for (const auto& view : owned_)
        if (!view->Tree()) return view.get();
    owned_.push_back(std::make_unique<ElementAdjustLink>());
    return owned_.back().get();
}

std::vector<preview::AdjustLink*> AdjustLinkSet::Links() {
    std::vector<preview::AdjustLink*> views;
    std::map<std::pair<const ElementTree*, TreeHandle>, ElementAdjustLink*> kept;
    // First the views whose item still has the same link; then new views
    // (taken from the detached ones first) in tree order.
    struct Wanted {
        const ElementTree* tree;
        TreeHandle item;
    };
    std::vector<Wanted> wanted;
    for (const ElementTree* tree : trees_) {
        if (!tree) continue;
        for (TreeHandle item : tree->Items()) {
            const links::CItemLinkObj* link = tree->LinkOf(item);
            if (!link || !link->GetTwfObj()) continue;
            wanted.push_back({tree, item});
            auto it = bound_.find({tree, item});
            if (it != bound_.end() && it->second->IsBoundTo(tree, item, link)) {
                if (renewSnapshots_) it->second->RenewSnapshot();
                kept.emplace(it->first, it->second);
                bound_.erase(it);
            }
        }
    }
    for (auto& [key, view] : bound_) view->Detach();
    bound_ = std::move(kept);
    renewSnapshots_ = false;
    for (const Wanted& w : wanted) {
        ElementAdjustLink*& view = bound_[{w.tree, w.item}];
        if (!view) {
            view = Take();
            view->Bind(w.tree, w.item, w.tree->WeakLinkOf(w.item));
        }
        views.push_back(view);
    }
    return views;
}

ElementAdjustLink* AdjustLinkSet::LinkOf(const ElementTree* tree, TreeHandle item) {
    Links();
    auto it = bound_.find({tree, item});
    return it != bound_.end() ? it->second : nullptr;
}

ElementAdjustLink* AdjustLinkSet::LinkOfItemLink(const links::CItemLinkObj* link) {
    if (!link) return nullptr;
    for (preview::AdjustLink* view : Links())
        if (static_cast<ElementAdjustLink*>(view)->Link().get() == link) return static_cast<ElementAdjustLink*>(view);
    return nullptr;
}

std::vector<ElementAdjustLink*> AdjustLinkSet::LinksOfObject(const CTwfObj* object) {
    std::vector<ElementAdjustLink*> found;
    if (!object) return found;
    for (preview::AdjustLink* view : Links())
        if (view->GetTwfObj() == object) found.push_back(static_cast<ElementAdjustLink*>(view));
    return found;
}

void AdjustLinkSet::DetachAll() {
    for (const auto& view : owned_) view->Detach();
    bound_.clear();
}

} // namespace hexmoor::shell
