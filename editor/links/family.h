#pragma once
// The family table: which link classes stand for an element type, with the
// sample control each previews with, in the order the element tree makes
// them. Later families add their rows here.

#include <memory>
#include <string>
#include <vector>

#include "editor/links/item_link.h"

namespace hexmoor::links {

struct LinkFamily {
    WORD type;
    int controlId;
    const char* className;
    std::unique_ptr<CItemLinkObj> (*make)(TreeItem item, WORD type, int controlId, const std::wstring& scheme);
};

// Every row of the table, in table order.
const std::vector<LinkFamily>& LinkFamilies();
// The rows for one element type, in table order (empty when none).
std::vector<const LinkFamily*> FamiliesForType(WORD type);
// The row of a class name, or null.
const LinkFamily* FamilyByClass(const std::string& className);

} // namespace hexmoor::links
