// The five caption buttons: one table of buttons, each row the ids and texts
// of one button; every button's page is made from its row.
#include <vector>

#include "editor/links/frame/frame_pages.h"
#include "editor/links/frame/button_pages.h"
#include "model/elements/frame_properties.h"
#include "resources/property_grid_ids.h"

namespace hexmoor::links {
namespace {

namespace ids = frame_props;

// The buttons of the caption, in the tree's order. Help's disabled image is
// built and cleared, never shown.
ButtonPageSpec Caption(const char* className, UINT name, UINT imageLabel, WORD normal, WORD pressed, WORD hot,
                       WORD disabled, DisabledPage disabledPage, WORD size, const wchar_t* sizeKey, WORD offset,
                       const wchar_t* offsetKey) {
    return {className, name,      imageLabel,           normal, pressed,
            hot,       disabled,  disabledPage,         size,   sizeKey,
            offset,    offsetKey, PageTarget::kElement, true,   LegacyClear::kNone};
}

const PageTable& Page(int index) {
    static const std::vector<PageTable> pages = [] {
        const ButtonPageSpec buttons[] = {
            Caption("CWinCloseLink", IDS_LINK_CLOSE_BUTTON, IDS_LINK_CLOSE_IMAGE, ids::kCloseImageNormal,
                    ids::kCloseImagePressed, ids::kCloseImageHot, ids::kCloseImageDisabled, DisabledPage::kOffered,
                    ids::kCloseButtonSize, L"closebox_size", ids::kCloseButtonOffset, L"closebox_offset"),
            Caption("CWinMaxLink", IDS_LINK_MAXIMIZE_BUTTON, IDS_LINK_MAXIMIZE_IMAGE, ids::kMaximizeImageNormal,
                    ids::kMaximizeImagePressed, ids::kMaximizeImageHot, ids::kMaximizeImageDisabled,
                    DisabledPage::kOffered, ids::kMaximizeButtonSize, L"maxbox_size", ids::kMaximizeButtonOffset,
                    L"maxbox_offset"),
            Caption("CWinRestLink", IDS_LINK_RESTORE_BUTTON, IDS_LINK_RESTORE_IMAGE, ids::kRestoreImageNormal,
                    ids::kRestoreImagePressed, ids::kRestoreImageHot, ids::kRestoreImageDisabled,
                    DisabledPage::kOffered, 0, nullptr, 0, nullptr),
            Caption("CWinMinLink", IDS_LINK_MINIMIZE_BUTTON, IDS_LINK_MINIMIZE_IMAGE, ids::kMinimizeImageNormal,
                    ids::kMinimizeImagePressed, ids::kMinimizeImageHot, ids::kMinimizeImageDisabled,
                    DisabledPage::kOffered, ids::kMinimizeButtonSize, L"minbox_size", ids::kMinimizeButtonOffset,
                    L"minbox_offset"),
            Caption("CWinHelpLink", IDS_LINK_HELP_BUTTON, IDS_LINK_HELP_IMAGE, ids::kHelpImageNormal,
                    ids::kHelpImagePressed, ids::kHelpImageHot, ids::kHelpImageDisabled, DisabledPage::kNever,
                    ids::kHelpButtonSize, L"helpbox_size", ids::kHelpButtonOffset, L"helpbox_offset"),
        };
        std::vector<PageTable> all;
        for (const ButtonPageSpec& b : buttons) all.push_back(MakeButtonPage(b));
        return all;
    }();
    return pages[static_cast<size_t>(index)];
}

} // namespace

CWinCloseLink::CWinCloseLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(Page(0), item, typeId, controlId, std::move(schemeName)) {}
CWinMaxLink::CWinMaxLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(Page(1), item, typeId, controlId, std::move(schemeName)) {}
CWinRestLink::CWinRestLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(Page(2), item, typeId, controlId, std::move(schemeName)) {}
CWinMinLink::CWinMinLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(Page(3), item, typeId, controlId, std::move(schemeName)) {}
CWinHelpLink::CWinHelpLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(Page(4), item, typeId, controlId, std::move(schemeName)) {}

} // namespace hexmoor::links
