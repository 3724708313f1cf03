#include "editor/links/family.h"

#include "editor/links/frame/side_links.h"
#include "editor/links/small_links.h"
#include "model/element_types.h"

namespace hexmoor::links {
namespace {

template <class Link>
std::unique_ptr<CItemLinkObj> Make(TreeItem item, WORD type, int controlId, const std::wstring& scheme) {
    return std::make_unique<Link>(item, type, controlId, scheme);
}

} // namespace

const std::vector<LinkFamily>& LinkFamilies() {
    static const std::vector<LinkFamily> table = {
        // The frame's four sides, in the tree's order.
        {kElemWndFrame, 0, "CTopSideFrame", &Make<CTopSideFrame>},
        {kElemWndFrame, 0, "CBottomSideFrame", &Make<CBottomSideFrame>},
        {kElemWndFrame, 0, "CLeftSideFrame", &Make<CLeftSideFrame>},
        {kElemWndFrame, 0, "CRightSideFrame", &Make<CRightSideFrame>},
        {kElemSlider, 1009, "CSSlidersLink", &Make<CSSlidersLink>},
        {kElemTabCtrl, 1012, "CSTabsLink", &Make<CSTabsLink>},
        {kElemSpinCtrl, 1015, "CSSpinsLink", &Make<CSSpinsLink>},
        {kElemProgressBar, 1008, "CSProgressesLink", &Make<CSProgressesLink>},
        {kElemStaticText, 1044, "CStaticTextLink", &Make<CStaticTextLink>},
        {kElemGrip, 0, "CSBGripLink", &Make<CSBGripLink>},
        {kElemFolder, 0, "CFolderLink", &Make<CFolderLink>},
        {kElemUserData, 0, "CUserDataLink", &Make<CUserDataLink>},
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

} // namespace hexmoor::links
