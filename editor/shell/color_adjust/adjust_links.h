#pragma once
// The element links the colour-adjustment pane works on: the links of the
// default and custom trees' items, borrowed. For each item with a bound link
// the set keeps one small adjustment view, which reads the item's
// adjustment mark from its tree and the element, its type and its snapshot
// from the item's link. The snapshot is the link's own, taken when the
// view is first handed out. Views are kept apart from the links, keyed by
// tree and item, and brought in line with the trees each time they are
// asked for: a view whose item went away lets go of its link and stays, so
// that a pointer the adjuster kept never dangles.

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "editor/imaging/color_adjuster.h"
#include "editor/shell/trees/element_tree.h"

namespace hexmoor::shell {

class ElementAdjustLink final : public preview::AdjustLink {
public:
    ElementAdjustLink() = default;
    preview::AdjustState GetAdjustState() const override;
    CTwfObj* GetTwfObj() override;
    WORD GetTypeId() const override;
    CTwfSideFrame* GetSideFrame() override;
    // The link's snapshot (empty once the link is gone).
    const preview::AdjustSnapshot& GetSnapshot() const override;
    // The link takes its snapshot again (its rows built first when it has
    // none yet: the snapshot copies what its rows show).
    void RenewSnapshot() override;
    // Rewrites the link's colour row for the property.
    void ShowColor(WORD id, COLORREF color) override;

    // Borrows the item's link and takes its snapshot.
    void Bind(const ElementTree* tree, TreeHandle item, std::weak_ptr<links::CItemLinkObj> link);
    // Lets go of the link: the view stays as an excluded one with nothing
    // to adjust.
    void Detach();
    bool IsBoundTo(const ElementTree* tree, TreeHandle item, const links::CItemLinkObj* link) const;
    // The borrowed link while it lives, else null.
    std::shared_ptr<links::CItemLinkObj> Link() const { return link_.lock(); }
    const ElementTree* Tree() const { return tree_; }
    TreeHandle Item() const { return item_; }

private:
    const ElementTree* tree_ = nullptr;
    TreeHandle item_ = nullptr;
    std::weak_ptr<links::CItemLinkObj> link_;
};

// The adjustment views of the trees' links. Views are owned here for the
// set's whole life: a view whose item went away is detached and reused for
// the next item, never freed, as the adjuster may still hold it.
class AdjustLinkSet {
public:
    AdjustLinkSet() = default;
    void SetTrees(std::vector<const ElementTree*> trees);
    // A view of every item link bound to an element, in tree order; views
    // of items that went away, or whose link changed, are detached first.
    std::vector<preview::AdjustLink*> Links();
    // The view of an item's link, null when the item has no bound link.
    ElementAdjustLink* LinkOf(const ElementTree* tree, TreeHandle item);
    // The view of a link (the grid's current link), or null.
    ElementAdjustLink* LinkOfItemLink(const links::CItemLinkObj* link);
    // Every view of a link bound to the element.
    std::vector<ElementAdjustLink*> LinksOfObject(const CTwfObj* object);
    // The skin is replaced or reset: every view lets go of its link.
    void DetachAll();
    // The adjustment session ended (the pane was hidden): the next time the
    // views are asked for, each kept view's link takes its snapshot again,
    // so that edits made in between are not undone by the next adjustment.
    void EndSession() { renewSnapshots_ = true; }

private:
    ElementAdjustLink* Take();

    std::vector<const ElementTree*> trees_;
    std::map<std::pair<const ElementTree*, TreeHandle>, ElementAdjustLink*> bound_;
    std::vector<std::unique_ptr<ElementAdjustLink>> owned_;
    bool renewSnapshots_ = false;
};

} // namespace hexmoor::shell
