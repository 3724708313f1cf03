// The menus of the frame family: the menu bar (its values live in the
// window frame's maps), the three MDI buttons it draws (in the frame's
// menu-bar object), and the popup menu.
#include <vector>

#include "editor/links/frame/button_pages.h"
#include "editor/links/frame/frame_pages.h"
#include "editor/links/page_rows.h"
#include "model/elements/frame_properties.h"
#include "model/elements/menu_properties.h"

namespace hexmoor::links {
namespace {

// --- the menu bar -------------------------------------------------------------------

const PageTable& MenuBarPage() {
    namespace ids = frame_props;
    enum {
        kItemNormal,
        kItemHot,
        kItemPressed,
        kItemDisabled,
        kBorder,
        kTopBorder,
        kBottomBorder,
        kOffsets,
        kHeight,
        kBackground,
        kTextNormal,
        kTextHot,
        kTextPressed,
        kTextDisabled,
    };
    static const PageTable t = [] {
        PageTable p;
        p.className = "CMenuBarLink";
        p.element = Text(IDS_LINK_MENUBAR);
        p.states = {StateDecl::kList, {0, 1, 2, 3}};
        const Label item = Joined(IDS_LINK_MENU_ITEM, IDS_LINK_IMAGE);
        const Label text = Text(IDS_LINK_STATE_TEXT_COLOR);
        // The bar's height shows the stored number whenever the page shows.
        RowSpec height = rows::Number(Text(IDS_LINK_MENUBAR_HEIGHT), ids::kMenuBarHeight, 0);
        height.fillText = FillText::kAlways;
        p.rows = {
            rows::Image(item, ids::kMenuBarItemNormal, ids::kMenuBarItemNormal),
            rows::Image(item, ids::kMenuBarItemHot, ids::kMenuBarItemNormal),
            rows::Image(item, ids::kMenuBarItemPressed, ids::kMenuBarItemNormal),
            rows::Image(item, ids::kMenuBarItemDisabled, ids::kMenuBarItemNormal),
            rows::Group(Text(IDS_LINK_MENUBAR_BORDER)),
            rows::Number(Text(IDS_LINK_MENUBAR_TOP_BORDER), ids::kMenuBarTopBorder, ids::kMenuBarTopBorder, kBorder),
            rows::Number(Text(IDS_LINK_MENUBAR_BOTTOM_BORDER), ids::kMenuBarBottomBorder, ids::kMenuBarBottomBorder,
                         kBorder),
            rows::PairGroup(Text(IDS_LINK_MENUBAR_OFFSETS), rows::OffsetPair(ids::kMenuBarItemOffset)),
            height,
            rows::Image(Text(IDS_LINK_MENUBAR_BACKGROUND), ids::kMenuBarBackground, 0),
            rows::Color(text, ids::kMenuBarTextNormal, ids::kMenuBarTextNormal),
            rows::Color(text, ids::kMenuBarTextHot, ids::kMenuBarTextNormal),
            rows::Color(text, ids::kMenuBarTextPressed, ids::kMenuBarTextNormal),
            rows::Color(text, ids::kMenuBarTextDisabled, ids::kMenuBarTextNormal),
        };
        p.fills[0] = {Row(kItemNormal), Row(kBorder), Key(L"menubar_offset", kKindNumber, ids::kMenuBarItemOffset),
                      Row(kOffsets),    Row(kHeight), Row(kBackground),
                      Row(kTextNormal)};
        p.fills[1] = {Row(kItemHot), Row(kTextHot)};
        p.fills[2] = {Row(kItemPressed), Row(kTextPressed)};
        p.fills[3] = {Row(kItemDisabled), Row(kTextDisabled)};
        p.build = {kItemNormal,  kBorder,      kOffsets, kHeight,  kTextNormal,   kBackground,
                   kItemPressed, kTextPressed, kItemHot, kTextHot, kItemDisabled, kTextDisabled};
        // The layout values of old files go; the bar's sizes and offsets stay.
        p.clear = {ClearSpec::kSteps,
                   {rows::RemoveImage(ids::kMenuBarItemNormal), rows::RemoveColor(ids::kMenuBarTextNormal),
                    rows::RemoveImage(ids::kMenuBarBackground), rows::RemoveImage(ids::kMenuBarItemPressed),
                    rows::RemoveColor(ids::kMenuBarTextPressed), rows::RemoveImage(ids::kMenuBarItemHot),
                    rows::RemoveColor(ids::kMenuBarTextHot), rows::RemoveImage(ids::kMenuBarItemDisabled),
                    rows::RemoveColor(ids::kMenuBarTextDisabled)},
                   LegacyClear::kMenuBar};
        p.pairCommit = PairCommit::kAll;
        return p;
    }();
    return t;
}

// --- the MDI buttons ------------------------------------------------------------------

const PageTable& MdiPage(int index) {
    static const std::vector<PageTable> pages = [] {
        namespace ids = frame_props;
        // The state bar never offers the close button's disabled image; an
        // export asks for it.
        const ButtonPageSpec buttons[] = {
            {"CMBCloseLink", IDS_LINK_CLOSE_BUTTON, IDS_LINK_MENUBAR_CLOSE_IMAGE, ids::kMdiCloseNormal,
             ids::kMdiClosePressed, ids::kMdiCloseHot, ids::kMdiCloseDisabled, DisabledPage::kExportOnly,
             ids::kMdiCloseSize, L"mbclose_size", ids::kMdiCloseOffset, L"mbclose_offset", PageTarget::kMenuBar, false,
             LegacyClear::kClose},
            {"CMBRestLink", IDS_LINK_RESTORE_BUTTON, IDS_LINK_MENUBAR_RESTORE_IMAGE, ids::kMdiRestoreNormal,
             ids::kMdiRestorePressed, ids::kMdiRestoreHot, 0, DisabledPage::kNever, ids::kMdiRestoreSize, L"mbres_size",
             ids::kMdiRestoreOffset, L"mbres_offset", PageTarget::kMenuBar, false, LegacyClear::kRestore},
            {"CMBMinLink", IDS_LINK_MINIMIZE_BUTTON, IDS_LINK_MENUBAR_MINIMIZE_IMAGE, ids::kMdiMinimizeNormal,
             ids::kMdiMinimizePressed, ids::kMdiMinimizeHot, 0, DisabledPage::kNever, ids::kMdiMinimizeSize,
             L"mbmin_size", ids::kMdiMinimizeOffset, L"mbmin_offset", PageTarget::kMenuBar, false,
             LegacyClear::kMinimize},
        };
        std::vector<PageTable> all;
        for (const ButtonPageSpec& b : buttons) all.push_back(MakeButtonPage(b));
        return all;
    }();
    return pages[static_cast<size_t>(index)];
}

// --- the popup menu ---------------------------------------------------------------------

const PageTable& MenuPage() {
    namespace ids = menu_props;
    enum {
        kItemNormal,
        kItemDisabled,
        kItemHot,
        kItemPressed,
        kSeparator,
        kArrowNormal,
        kArrowHot,
        kArrowDisabled,
        kBorderImage,
        kBorderColor,
        kTextNormal,
        kTextDisabled,
        kTextHot,
        kTextPressed,
        kBorders,
        kTop,
        kBottom,
        kLeft,
        kRight,
    };
    static const PageTable t = [] {
        PageTable p;
        p.className = "CMenuLink";
        p.element = Text(IDS_LINK_MENU);
        p.states = {StateDecl::kList, {0, 2, 1, 3}};
        const Label item = Text(IDS_LINK_ITEM_IMAGE);
        const Label arrow = Text(IDS_LINK_SUBMENU_ARROW);
        const Label text = Text(IDS_LINK_STATE_TEXT_COLOR);
        RowSpec borderColor = rows::Color(Literal(L"BorderColor"), ids::kBorderColor, ids::kBorderColor);
        borderColor.fillLabel = Literal(L"Border Color");
        p.rows = {
            rows::Image(item, ids::kItemNormal, ids::kItemNormal),
            rows::Image(item, ids::kItemDisabled, ids::kItemNormal),
            rows::Image(item, ids::kItemHot, ids::kItemNormal),
            rows::Image(item, ids::kItemPressed, ids::kItemNormal),
            rows::Image(Text(IDS_LINK_SEPARATOR_IMAGE), ids::kSeparator, 0),
            rows::Image(arrow, ids::kArrowNormal, ids::kArrowNormal),
            rows::Image(arrow, ids::kArrowHot, ids::kArrowNormal),
            rows::Image(arrow, ids::kArrowDisabled, ids::kArrowNormal),
            rows::Image(Text(IDS_LINK_MENU_BORDERS), ids::kBorderImage, ids::kBorderImage),
            borderColor,
            rows::Color(text, ids::kTextNormal, ids::kTextNormal),
            rows::Color(text, ids::kTextDisabled, ids::kTextNormal),
            rows::Color(text, ids::kTextHot, ids::kTextNormal),
            rows::Color(text, ids::kTextPressed, ids::kTextNormal),
            rows::Group(Text(IDS_LINK_BORDERS)),
            rows::Number(Text(IDS_LINK_TOP_BORDER), ids::kTopBorder, ids::kTopBorder, kBorders),
            rows::Number(Text(IDS_LINK_BOTTOM_BORDER), ids::kBottomBorder, ids::kBottomBorder, kBorders),
            rows::Number(Text(IDS_LINK_LEFT_BORDER), ids::kLeftBorder, ids::kLeftBorder, kBorders),
            rows::Number(Text(IDS_LINK_RIGHT_BORDER), ids::kRightBorder, ids::kRightBorder, kBorders),
        };
        p.fills[0] = {Row(kItemNormal), Row(kSeparator),   Row(kArrowNormal), Row(kBorderImage),
                      Row(kTextNormal), Row(kBorderColor), Row(kBorders)};
        p.fills[1] = {Row(kItemHot), Row(kArrowHot), Row(kTextHot)};
        p.fills[2] = {Row(kItemPressed), Row(kTextPressed)};
        p.fills[3] = {Row(kItemDisabled), Row(kArrowDisabled), Row(kTextDisabled)};
        p.build = {kItemNormal, kSeparator,    kArrowNormal,  kArrowHot,    kArrowDisabled,
                   kTextNormal, kBorderColor,  kItemPressed,  kTextPressed, kItemHot,
                   kTextHot,    kItemDisabled, kTextDisabled, kBorderImage, kBorders};
        return p;
    }();
    return t;
}

} // namespace

CMenuBarLink::CMenuBarLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(MenuBarPage(), item, typeId, controlId, std::move(schemeName)) {}
CMBCloseLink::CMBCloseLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(MdiPage(0), item, typeId, controlId, std::move(schemeName)) {}
CMBRestLink::CMBRestLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(MdiPage(1), item, typeId, controlId, std::move(schemeName)) {}
CMBMinLink::CMBMinLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(MdiPage(2), item, typeId, controlId, std::move(schemeName)) {}
CMenuLink::CMenuLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(MenuPage(), item, typeId, controlId, std::move(schemeName)) {}

} // namespace hexmoor::links
