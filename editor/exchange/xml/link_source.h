#pragma once
// What the export walks: every element link the editor has, each bound to
// its element object, in the editor's order. The export asks only this, so
// whatever holds the links (the trees' items, or links made for the export)
// can stand behind it.

#include <functional>
#include <memory>
#include <vector>

#include "editor/links/item_link.h"

class CTwfSkin;

namespace hexmoor::exchange::xml {

class ElementLinkSource {
public:
    virtual ~ElementLinkSource() = default;
    // Calls visit once per link. A link is borrowed for the call only.
    virtual void ForEachLink(const std::function<void(links::CItemLinkObj&)>& visit) = 0;
};

// Links made for the walk and freed after it, without windows: for every
// element of every scheme of the skin, one link per row of the family table
// for its kind, bound to the element as the trees bind theirs (the default
// scheme's links named "Default", the others by their scheme) with its rows
// built.
class SkinFamilyLinks : public ElementLinkSource {
public:
    explicit SkinFamilyLinks(CTwfSkin& skin) : skin_(skin) {}
    void ForEachLink(const std::function<void(links::CItemLinkObj&)>& visit) override;

private:
    CTwfSkin& skin_;
};

} // namespace hexmoor::exchange::xml
