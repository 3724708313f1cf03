#include "editor/shell/color_adjust/adjust_links.h"

#include <algorithm>
#include <set>

#include "editor/links/item_link.h"
#include "editor/links/link_env.h"
#include "editor/links/property_item.h"
#include "model/elements/wnd_frame.h"
#include "model/twf_skin.h"

namespace hexmoor::shell {

CTwfObj* AdjustObjectOf(int kind, WORD type, const std::wstring& scheme, CTwfSkin* skin) {
    if (!skin || type == 0) return nullptr;
    if (kind == kKindUserData || kind == kKindFolder || kind == kKindUserDataRoot || kind >= kKindDefaultRoot)
        return nullptr;
    CTwfObj* object = skin->FindObject(type, scheme);
    if (!object) return nullptr;
    // A frame's side items show the side's own images.
    if (kind >= 1 && kind <= 4) {
        auto* frame = dynamic_cast<CTwfWndFrame*>(object);
        return frame ? frame->GetSide(kind - 1) : nullptr;
    }
    return object;
}

CTwfObj* AdjustObjectOf(const ElementTree& tree, TreeHandle item, CTwfSkin* skin) {
    if (!item) return nullptr;
    return AdjustObjectOf(tree.KeyOf(item).kind, tree.TypeOf(item), tree.SchemeOf(item), skin);
}

preview::AdjustState ElementAdjustLink::GetAdjustState() const {
    if (!tree_ || !object_) return preview::AdjustState::Excluded;
    switch (tree_->MarkOf(item_)) {
    case 0: return preview::AdjustState::Included;
    case 2: return preview::AdjustState::Locked;
    default: return preview::AdjustState::Excluded;
    }
}

CTwfSideFrame* ElementAdjustLink::GetSideFrame() { return dynamic_cast<CTwfSideFrame*>(object_); }

void ElementAdjustLink::RenewSnapshot() {
    snapshot_ = {};
    if (!object_) return;
    for (const auto& [id, image] : object_->GetImageMap())
        if (image) snapshot_.images.emplace_back(id, std::make_shared<const CMrgBitmap>(*image));
    for (const auto& [id, color] : object_->GetColorMap()) snapshot_.colors.emplace_back(id, color);
}

void ElementAdjustLink::ShowColor(WORD id, COLORREF color) {
    links::CItemLinkObj* link = links::Links().current;
    if (!object_ || !link || link->GetTwfObj() != object_) return;
    links::CPropertyItem* row = link->GetPropertyItem(id);
    if (!row || row->Kind() != links::kKindColor) return;
    row->SetValue(link->ColorToText(color));
    link->RedrawListItem(row);
}

void ElementAdjustLink::Bind(const ElementTree* tree, TreeHandle item, CTwfObj* object, WORD type) {
    tree_ = tree;
    item_ = item;
    object_ = object;
    type_ = type;
    RenewSnapshot();
}

void ElementAdjustLink::Detach() {
    tree_ = nullptr;
    item_ = nullptr;
    object_ = nullptr;
    type_ = 0;
    snapshot_ = {};
}

void AdjustLinkSet::SetTrees(std::vector<const ElementTree*> trees) {
    DetachAll();
    trees_ = std::move(trees);
}

ElementAdjustLink* AdjustLinkSet::Take() {
    for (const auto& link : owned_)
        if (!link->Tree()) return link.get();
    owned_.push_back(std::make_unique<ElementAdjustLink>());
    return owned_.back().get();
}

std::vector<preview::AdjustLink*> AdjustLinkSet::Links() {
    CTwfSkin* skin = skin_ ? skin_() : nullptr;
    std::vector<preview::AdjustLink*> links;
    std::set<const CTwfObj*> seen;
    std::map<std::pair<const ElementTree*, TreeHandle>, ElementAdjustLink*> kept;
    // First the links whose item still shows the same element; then new
    // links (taken from the detached ones first) in tree order.
    struct Wanted {
        const ElementTree* tree;
        TreeHandle item;
        CTwfObj* object;
    };
    std::vector<Wanted> wanted;
    for (const ElementTree* tree : trees_) {
        if (!tree) continue;
        for (TreeHandle item : tree->Items()) {
            CTwfObj* object = AdjustObjectOf(*tree, item, skin);
            if (!object || !seen.insert(object).second) continue;
            wanted.push_back({tree, item, object});
            auto it = bound_.find({tree, item});
            if (it != bound_.end() && it->second->IsBoundTo(tree, item, object)) {
                if (renewSnapshots_) it->second->RenewSnapshot();
                kept.emplace(it->first, it->second);
                bound_.erase(it);
            }
        }
    }
    for (auto& [key, link] : bound_) link->Detach();
    bound_ = std::move(kept);
    renewSnapshots_ = false;
    for (const Wanted& w : wanted) {
        ElementAdjustLink*& link = bound_[{w.tree, w.item}];
        if (!link) {
            link = Take();
            link->Bind(w.tree, w.item, w.object, w.tree->TypeOf(w.item));
        }
        links.push_back(link);
    }
    return links;
}

ElementAdjustLink* AdjustLinkSet::LinkOf(const ElementTree* tree, TreeHandle item) {
    Links();
    auto it = bound_.find({tree, item});
    if (it != bound_.end()) return it->second;
    // A part that shows an element another item stands for.
    if (!tree) return nullptr;
    return LinkOfObject(AdjustObjectOf(*tree, item, skin_ ? skin_() : nullptr));
}

ElementAdjustLink* AdjustLinkSet::LinkOfObject(const CTwfObj* object) {
    if (!object) return nullptr;
    for (preview::AdjustLink* link : Links())
        if (link->GetTwfObj() == object) return static_cast<ElementAdjustLink*>(link);
    return nullptr;
}

void AdjustLinkSet::DetachAll() {
    for (const auto& link : owned_) link->Detach();
    bound_.clear();
}

} // namespace hexmoor::shell
