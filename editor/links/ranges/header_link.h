#pragma once
// The header control's page: an item image and a text colour per state, and
// the text offset of the highlighted and the pressed item as X and Y rows
// that the page writes back into the packed pair itself.

#include "editor/links/page_link.h"

namespace hexmoor::links {

class CHeaderLink : public CPageLink {
public:
    CHeaderLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

} // namespace hexmoor::links
