#pragma once
// The pages of the window-frame family: the frame's own settings, the
// region-defined frame, the five caption buttons, the menu bar with its
// three MDI buttons, the minimized frame, the popup menu and the dialog
// background. Each is a page table run by the page engine; the classes only
// hand over their table, and add what no row expresses (the frame's warning
// about emulated semitransparency, the region-defined frame's region row).
// The "Frame Sides" and "Caption Buttons" folder nodes show a caption only.

#include "editor/links/page_link.h"
#include "editor/links/small_links.h"

namespace hexmoor::links {

// The frame as a whole: caption text and icon, font, MDI client background,
// region shape, caption-button alignment, semitransparency.
class CFrameLink : public CPageLink {
public:
    CFrameLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
    BOOL CommitEditedValues(PropertyGridModel* grid) override;
    BOOL BuildPropertyItems(int mode) override;

    // The message shown when semitransparent frames are emulated in software
    // and the content is to be shown while dragging.
    static const wchar_t* const kSoftwareAlphaWarning;

private:
    // Shows the warning when the frame asks for semitransparency, the
    // runtime has no hardware help for it and the content is shown.
    void WarnSoftwareAlphaFrames(bool contentShown);
};

// A region-defined window: one region row for the top side's region 0;
// showing it marks the frame as region-defined.
class CFrameFixedLink : public CPageLink {
public:
    CFrameFixedLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
    BOOL SetRegion(WORD id, ImageRgnPtr region) override;
    void ShowItemImage(CPropertyItem* row) override;
};

class CFrameSides : public CGroupNodeLink {
public:
    CFrameSides(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

class CCaptionButtons : public CGroupNodeLink {
public:
    CCaptionButtons(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

// The caption buttons.
class CWinCloseLink : public CPageLink {
public:
    CWinCloseLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CWinMaxLink : public CPageLink {
public:
    CWinMaxLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CWinRestLink : public CPageLink {
public:
    CWinRestLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CWinMinLink : public CPageLink {
public:
    CWinMinLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CWinHelpLink : public CPageLink {
public:
    CWinHelpLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

// The menu bar and the MDI buttons it draws.
class CMenuBarLink : public CPageLink {
public:
    CMenuBarLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CMBCloseLink : public CPageLink {
public:
    CMBCloseLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CMBRestLink : public CPageLink {
public:
    CMBRestLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CMBMinLink : public CPageLink {
public:
    CMBMinLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

// The popup menu, the minimized frame and the dialog background.
class CMenuLink : public CPageLink {
public:
    CMenuLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CMinimizedLink : public CPageLink {
public:
    CMinimizedLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CDialogLink : public CPageLink {
public:
    CDialogLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

} // namespace hexmoor::links
