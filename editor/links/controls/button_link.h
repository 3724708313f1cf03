#pragma once
// The push button's page: an image and a text colour in each of the five
// states, and the text offset of the highlighted and the pressed state.

#include "editor/links/page_link.h"

namespace hexmoor::links {

class CButtonLink : public CPageLink {
public:
    CButtonLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

} // namespace hexmoor::links
