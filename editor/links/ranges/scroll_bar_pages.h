#pragma once
// The scroll bars' pages. One element holds four bars: the standalone
// horizontal and vertical scroll-bar controls and the internal bars that
// skinned windows draw for themselves. Each bar's page shows its
// background, thumb and arrows state by state (an internal bar also its
// sizes) and resets only its own images; each bar can be filled from the
// other kind's bar of its orientation. The "Scrollbars" folder above them
// has no rows: selecting it hides the state bar, the grid and the options.

#include "editor/links/page_link.h"

class CTwfScrollbars;

namespace hexmoor::links {

class CScrollBarsLink : public CPageLink {
public:
    CScrollBarsLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

// One bar's page, with the copy that fills it from its sibling bar.
struct ScrollBarPage {
    PageTable table;
    void (CTwfScrollbars::*fillFromSibling)() = nullptr;
};

class CScrollBarLink : public CPageLink {
public:
    CScrollBarLink(const ScrollBarPage& page, TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
    // Replaces this bar's 14 images with copies of the sibling bar's (an
    // absent image leaves its counterpart empty), refreshes the rows' texts
    // in place, shows the selected row's image again, refreshes the preview
    // and marks the skin modified, also when nothing was copied. Nothing
    // without a scroll-bar element.
    void FillFromSiblingScrollBar();

private:
    void (CTwfScrollbars::*fillFromSibling_)();
};

class CSBHLink : public CScrollBarLink {
public:
    CSBHLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CSBVLink : public CScrollBarLink {
public:
    CSBVLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CISBHLink : public CScrollBarLink {
public:
    CISBHLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CISBVLink : public CScrollBarLink {
public:
    CISBVLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

} // namespace hexmoor::links
