#pragma once
// The element links the colour-adjustment pane works on: one for every
// element an item of the default or custom tree stands for, carrying that
// item's adjustment mark and the unadjusted images and colours taken when
// the link is first handed out. The editor builds grid links only for the
// selected item, so these are kept apart, keyed by tree and item, and
// brought in line with the trees each time they are asked for.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editor/imaging/color_adjuster.h"
#include "editor/shell/trees/element_tree.h"

class CTwfSkin;

namespace hexmoor::shell {

// The skin object an item shows: a frame side item its side, any other
// element item its element; null for roots, groups, folders and user data.
CTwfObj* AdjustObjectOf(const ElementTree& tree, TreeHandle item, CTwfSkin* skin);
// The same for an item of the kind, element type and scheme.
CTwfObj* AdjustObjectOf(int kind, WORD type, const std::wstring& scheme, CTwfSkin* skin);

class ElementAdjustLink final : public preview::AdjustLink {
public:
    ElementAdjustLink() = default;
    preview::AdjustState GetAdjustState() const override;
    CTwfObj* GetTwfObj() override { return object_; }
    WORD GetTypeId() const override { return type_; }
    CTwfSideFrame* GetSideFrame() override;
    const preview::AdjustSnapshot& GetSnapshot() const override { return snapshot_; }
    void RenewSnapshot() override;
    // Rewrites the colour row of the grid's link when it shows this element.
    void ShowColor(WORD id, COLORREF color) override;

    // Binds the link to an item, its object and its element type and takes
    // the snapshot.
    void Bind(const ElementTree* tree, TreeHandle item, CTwfObj* object, WORD type);
    // Lets go of the element: the link stays as an excluded link with
    // nothing to adjust, so that a pointer kept to it never dangles.
    void Detach();
    bool IsBoundTo(const ElementTree* tree, TreeHandle item, const CTwfObj* object) const {
        return tree_ == tree && item_ == item && object_ == object;
    }
    const ElementTree* Tree() const { return tree_; }
    TreeHandle Item() const { return item_; }

private:
    const ElementTree* tree_ = nullptr;
    TreeHandle item_ = nullptr;
    CTwfObj* object_ = nullptr;
    WORD type_ = 0;
    preview::AdjustSnapshot snapshot_;
};

// Every adjustment link of the trees. Links are owned here for the set's
// whole life: a link whose item went away is detached and reused for the
// next item, never freed, as the adjuster may still hold it.
class AdjustLinkSet {
public:
    explicit AdjustLinkSet(std::function<CTwfSkin*()> skin) : skin_(std::move(skin)) {}
    void SetTrees(std::vector<const ElementTree*> trees);
    // The links of the trees' elements, in tree order, each element once
    // (the first item that shows it); links of items that went away, or
    // whose element changed, are detached first.
    std::vector<preview::AdjustLink*> Links();
    // The link of the element an item shows, null when it shows none.
    ElementAdjustLink* LinkOf(const ElementTree* tree, TreeHandle item);
    // The link of the element object, null when no item shows it.
    ElementAdjustLink* LinkOfObject(const CTwfObj* object);
    // The skin is replaced or reset: every link lets go of its element and
    // its snapshot.
    void DetachAll();
    // The adjustment session ended (the pane was hidden): the next time the
    // links are asked for, each kept link takes its snapshot again, so that
    // edits made in between are not undone by the next adjustment.
    void EndSession() { renewSnapshots_ = true; }

private:
    ElementAdjustLink* Take();

    std::function<CTwfSkin*()> skin_;
    std::vector<const ElementTree*> trees_;
    std::map<std::pair<const ElementTree*, TreeHandle>, ElementAdjustLink*> bound_;
    std::vector<std::unique_ptr<ElementAdjustLink>> owned_;
    bool renewSnapshots_ = false;
};

} // namespace hexmoor::shell
