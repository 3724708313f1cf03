#pragma once
// The family table: which link class stands for each kind of tree item, with
// the element type it edits and the sample control it previews with. The
// rows of one element type come in the order the element tree makes its
// items. A new page is one row here and one page table.

#include <memory>
#include <string>
#include <vector>

#include "editor/links/item_link.h"

namespace hexmoor::links {

struct LinkFamily {
    int kind; // the tree item's kind (item_kinds.h)
    WORD type;
    int controlId;
    const char* className;
    // The link and its shared count are made as one allocation.
    std::shared_ptr<CItemLinkObj> (*make)(TreeItem item, WORD type, int controlId, const SchemeName& scheme);
};

// Every row of the table, in table order.
const std::vector<LinkFamily>& LinkFamilies();
// The rows for one element type, in table order (empty when none).
std::vector<const LinkFamily*> FamiliesForType(WORD type);
// The row of a class name, or null.
const LinkFamily* FamilyByClass(const std::string& className);
// The row of a tree item's kind, or null for a kind without a link.
const LinkFamily* FamilyForKind(int kind);
// A link for an item of the kind, made with the row's type and sample
// control (and the scheme); null for a kind without a link.
std::shared_ptr<CItemLinkObj> MakeLinkForKind(int kind, TreeItem item, const SchemeName& scheme);

} // namespace hexmoor::links
