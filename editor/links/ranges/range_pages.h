#pragma once
// The progress bars' and spin controls' pages. Each kind has one element
// holding a horizontal and a vertical set; each orientation's page edits
// and resets only its own ids. A progress bar shows its background, its
// filled part and its four borders on the normal page; a spin control shows
// its two arrows' images state by state.

#include "editor/links/page_link.h"

namespace hexmoor::links {

class CProgressHLink : public CPageLink {
public:
    CProgressHLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CProgressVLink : public CPageLink {
public:
    CProgressVLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

class CSpinHLink : public CPageLink {
public:
    CSpinHLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CSpinVLink : public CPageLink {
public:
    CSpinVLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

} // namespace hexmoor::links
