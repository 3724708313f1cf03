#include "editor/links/family.h"

#include "editor/links/controls/button_link.h"
#include "editor/links/controls/control_pages.h"
#include "editor/links/frame/frame_pages.h"
#include "editor/links/frame/side_links.h"
#include "editor/links/item_kinds.h"
#include "editor/links/ranges/header_link.h"
#include "editor/links/ranges/range_pages.h"
#include "editor/links/ranges/scroll_bar_pages.h"
#include "editor/links/small_links.h"
#include "editor/links/strips/strip_pages.h"
#include "model/element_types.h"

namespace hexmoor::links {
namespace {

template <class Link>
std::shared_ptr<CItemLinkObj> Make(TreeItem item, WORD type, int controlId, const SchemeName& scheme) {
    return std::make_shared<Link>(item, type, controlId, scheme);
}

// A root or group of a tree: it edits nothing and shows "Properties - ".
std::shared_ptr<CItemLinkObj> MakeEmpty(TreeItem item, WORD type, int controlId, const SchemeName& scheme) {
    return std::make_shared<CEmptyLink>(item, type, controlId, scheme, L"");
}

} // namespace

const std::vector<LinkFamily>& LinkFamilies() {
    static const std::vector<LinkFamily> table = {
        // A window frame: its own page, then its parts in the tree's order.
        {kItemFrame, kElemWndFrame, 0, "CFrameLink", &Make<CFrameLink>},
        {kItemFrameSides, kElemWndFrame, 0, "CFrameSides", &Make<CFrameSides>},
        {kItemTopSide, kElemWndFrame, 0, "CTopSideFrame", &Make<CTopSideFrame>},
        {kItemBottomSide, kElemWndFrame, 0, "CBottomSideFrame", &Make<CBottomSideFrame>},
        {kItemLeftSide, kElemWndFrame, 0, "CLeftSideFrame", &Make<CLeftSideFrame>},
        {kItemRightSide, kElemWndFrame, 0, "CRightSideFrame", &Make<CRightSideFrame>},
        {kItemCaptionButtons, kElemWndFrame, 0, "CCaptionButtons", &Make<CCaptionButtons>},
        {kItemCloseButton, kElemWndFrame, 0, "CWinCloseLink", &Make<CWinCloseLink>},
        {kItemMaximizeButton, kElemWndFrame, 0, "CWinMaxLink", &Make<CWinMaxLink>},
        {kItemRestoreButton, kElemWndFrame, 0, "CWinRestLink", &Make<CWinRestLink>},
        {kItemMinimizeButton, kElemWndFrame, 0, "CWinMinLink", &Make<CWinMinLink>},
        {kItemHelpButton, kElemWndFrame, 0, "CWinHelpLink", &Make<CWinHelpLink>},
        {kItemMenuBar, kElemWndFrame, 0, "CMenuBarLink", &Make<CMenuBarLink>},
        {kItemMdiCloseButton, kElemWndFrame, 0, "CMBCloseLink", &Make<CMBCloseLink>},
        {kItemMdiRestoreButton, kElemWndFrame, 0, "CMBRestLink", &Make<CMBRestLink>},
        {kItemMdiMinimizeButton, kElemWndFrame, 0, "CMBMinLink", &Make<CMBMinLink>},
        {kItemMinimizedFrame, kElemWndFrame, 0, "CMinimizedLink", &Make<CMinimizedLink>},
        // A region-defined window is a frame element shown as one item.
        {kItemRegionDefined, kElemWndFrame, 0, "CFrameFixedLink", &Make<CFrameFixedLink>},
        {kItemDialog, kElemDialogFrame, 0, "CDialogLink", &Make<CDialogLink>},
        {kItemEdit, kElemEdit, 1000, "CEditLink", &Make<CEditLink>},
        {kItemButton, kElemButton, 1019, "CButtonLink", &Make<CButtonLink>},
        {kItemCheckBox, kElemCheckBox, 1001, "CCheckLink", &Make<CCheckLink>},
        {kItemRadioBox, kElemRadioBox, 1002, "CRadioLink", &Make<CRadioLink>},
        {kItemCheckButton, kElemCheckButton, 1002, "CCheckButtonLink", &Make<CCheckButtonLink>},
        {kItemGroupBox, kElemGroupBox, 1014, "CGroupLink", &Make<CGroupLink>},
        {kItemMenu, kElemMenu, 0, "CMenuLink", &Make<CMenuLink>},
        // The slider and tab elements: a group node, then each orientation.
        {kItemSliders, kElemSlider, 1009, "CSSlidersLink", &Make<CSSlidersLink>},
        {kItemHorizontalSlider, kElemSlider, 1009, "CSliderHLink", &Make<CSliderHLink>},
        {kItemVerticalSlider, kElemSlider, 1016, "CSliderVLink", &Make<CSliderVLink>},
        {kItemTabs, kElemTabCtrl, 1012, "CSTabsLink", &Make<CSTabsLink>},
        {kItemHorizontalTabs, kElemTabCtrl, 1012, "CTabHLink", &Make<CTabHLink>},
        {kItemVerticalTabs, kElemTabCtrl, 1018, "CTabVLink", &Make<CTabVLink>},
        {kItemToolBar, kElemToolBar, 1034, "CToolBrLink", &Make<CToolBrLink>},
        {kItemStatusBar, kElemStatusBar, 1035, "CStatusLink", &Make<CStatusLink>},
        {kItemComboBox, kElemComboBox, 1003, "CComboBoxLink", &Make<CComboBoxLink>},
        {kItemListBox, kElemListBox, 1004, "CListBoxLink", &Make<CListBoxLink>},
        {kItemListView, kElemListView, 1010, "CListViewLink", &Make<CListViewLink>},
        {kItemTreeView, kElemTreeCtrl, 1011, "CTreeViewLink", &Make<CTreeViewLink>},
        {kItemToolTip, kElemToolTip, 1010, "CToolTipLink", &Make<CToolTipLink>},
        {kItemSplitter, kElemSplitter, 0, "CSplitterLink", &Make<CSplitterLink>},
        {kItemDateTime, kElemDateTime, 1084, "CDateTimeLink", &Make<CDateTimeLink>},
        {kItemMonthCal, kElemMonthCal, 1089, "CMonthCalLink", &Make<CMonthCalLink>},
        {kItemSpins, kElemSpinCtrl, 1015, "CSSpinsLink", &Make<CSSpinsLink>},
        {kItemSpinH, kElemSpinCtrl, 1015, "CSpinHLink", &Make<CSpinHLink>},
        {kItemSpinV, kElemSpinCtrl, 1007, "CSpinVLink", &Make<CSpinVLink>},
        {kItemProgressBars, kElemProgressBar, 1008, "CSProgressesLink", &Make<CSProgressesLink>},
        {kItemProgressH, kElemProgressBar, 1008, "CProgressHLink", &Make<CProgressHLink>},
        {kItemProgressV, kElemProgressBar, 1017, "CProgressVLink", &Make<CProgressVLink>},
        // The scroll bars: the folder, then the standalone and internal bars.
        {kItemScrollBars, kElemScrollbars, 1005, "CScrollBarsLink", &Make<CScrollBarsLink>},
        {kItemStandaloneHScroll, kElemScrollbars, 1005, "CSBHLink", &Make<CSBHLink>},
        {kItemStandaloneVScroll, kElemScrollbars, 1006, "CSBVLink", &Make<CSBVLink>},
        {kItemInternalHScroll, kElemScrollbars, 1005, "CISBHLink", &Make<CISBHLink>},
        {kItemInternalVScroll, kElemScrollbars, 1006, "CISBVLink", &Make<CISBVLink>},
        {kItemHeader, kElemHeaderCtrl, 1010, "CHeaderLink", &Make<CHeaderLink>},
        {kItemToolStrip, kElemToolStrip, 0, "CToolStripLink", &Make<CToolStripLink>},
        {kItemStatusStrip, kElemStatusStrip, 0, "CStatusStripLink", &Make<CStatusStripLink>},
        {kItemDropDownMenu, kElemDropDownMenu, 0, "CDropDownMenuLink", &Make<CDropDownMenuLink>},
        {kItemMenuStrip, kElemMenuStrip, 0, "CMenuStripLink", &Make<CMenuStripLink>},
        {kItemStaticText, kElemStaticText, 1044, "CStaticTextLink", &Make<CStaticTextLink>},
        {kItemGrip, kElemGrip, 0, "CSBGripLink", &Make<CSBGripLink>},
        {kItemFolder, kElemFolder, 0, "CFolderLink", &Make<CFolderLink>},
        {kItemUserData, kElemUserData, 0, "CUserDataLink", &Make<CUserDataLink>},
        {kItemDefaultRoot, 0, 0, "CEmptyLink", &MakeEmpty},
        {kItemWindowsGroup, 0, 0, "CEmptyLink", &MakeEmpty},
        {kItemControlsGroup, 0, 0, "CEmptyLink", &MakeEmpty},
        {kItemCommonControlsGroup, 0, 0, "CEmptyLink", &MakeEmpty},
        {kItemDotNetGroup, 0, 0, "CEmptyLink", &MakeEmpty},
        {kItemCustomRoot, 0, 0, "CEmptyLink", &MakeEmpty},
        {kItemUserDataRoot, 0, 0, "CEmptyLink", &MakeEmpty},
    };
    return table;
}

std::vector<const LinkFamily*> FamiliesForType(WORD type) {
    std::vector<const LinkFamily*> found;
    for (const LinkFamily& f : LinkFamilies())
        if (f.type == type) found.push_back(&f);
    return found;
}

const LinkFamily* FamilyByClass(const std::string& className) {
    for (const LinkFamily& f : LinkFamilies())
        if (className == f.className) return &f;
    return nullptr;
}

const LinkFamily* FamilyForKind(int kind) {
    for (const LinkFamily& f : LinkFamilies())
        if (f.kind == kind) return &f;
    return nullptr;
}

std::shared_ptr<CItemLinkObj> MakeLinkForKind(int kind, TreeItem item, const SchemeName& scheme) {
    const LinkFamily* family = FamilyForKind(kind);
    return family ? family->make(item, family->type, family->controlId, scheme) : nullptr;
}

} // namespace hexmoor::links
