#pragma once
// The pages of the four .NET strips: ToolStrip, StatusStrip, MenuStrip and
// DropDownMenu. Each shows its images and text colour in the normal,
// highlighted, pressed and disabled states (the drop-down menu also its two
// border widths); each is a page table run by the page engine.

#include "editor/links/page_link.h"

namespace hexmoor::links {

class CToolStripLink : public CPageLink {
public:
    CToolStripLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

class CStatusStripLink : public CPageLink {
public:
    CStatusStripLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

class CMenuStripLink : public CPageLink {
public:
    CMenuStripLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

class CDropDownMenuLink : public CPageLink {
public:
    CDropDownMenuLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

} // namespace hexmoor::links
