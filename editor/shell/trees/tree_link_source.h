#pragma once
// The export's walk over the links the element trees own: the items of the
// default and custom trees in the order the trees show them, each item's
// link once, where it is bound to an element. The export borrows them for
// the walk; it makes no links of its own.

#include <vector>

#include "editor/exchange/xml/link_source.h"
#include "editor/shell/trees/element_tree.h"

namespace hexmoor::shell {

class TreeLinkSource : public exchange::xml::ElementLinkSource {
public:
    explicit TreeLinkSource(std::vector<ElementTree*> trees) : trees_(std::move(trees)) {}
    void ForEachLink(const std::function<void(links::CItemLinkObj&)>& visit) override {
        for (ElementTree* tree : trees_) {
            if (!tree) continue;
            // Elements made since the trees filled are exported too.
            tree->BindUnboundLinks();
            for (TreeHandle item : tree->Items())
                if (links::CItemLinkObj* link = tree->LinkOf(item); link && link->GetTwfObj()) visit(*link);
        }
    }

private:
    std::vector<ElementTree*> trees_;
};

} // namespace hexmoor::shell
