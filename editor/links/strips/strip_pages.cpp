// The .NET strips' pages, each the lines of its table: a label, a kind and
// the id the row edits in the normal, highlighted, pressed and disabled
// states. No strip row belongs to a group of states (base-state id 0), so
// "Fill all states" never copies across them.
#include "editor/links/strips/strip_pages.h"

#include "editor/links/page_rows.h"
#include "editor/links/state_rows.h"
#include "model/elements/strip_properties.h"
#include "resources/range_strip_pages_ids.h"

namespace hexmoor::links {
namespace {

constexpr WORD kNone = 0;

StateRow Line(UINT label, int kind, WORD normal, WORD hot, WORD pressed, WORD disabled) {
    return {Text(label), kind, {normal, hot, pressed, disabled, kNone}, false};
}
StateRow Images(UINT label, const WORD (&ids)[4]) { return Line(label, kKindImage, ids[0], ids[1], ids[2], ids[3]); }
StateRow Colors(UINT label, const WORD (&ids)[4]) { return Line(label, kKindColor, ids[0], ids[1], ids[2], ids[3]); }
StateRow NormalImage(UINT label, WORD id) { return Line(label, kKindImage, id, kNone, kNone, kNone); }

PageTable StripPage(const char* className, UINT element) {
    PageTable p;
    p.className = className;
    p.element = Text(element);
    p.states = {StateDecl::kList, {0, 1, 2, 3}};
    return p;
}

const PageTable& ToolStripPage() {
    namespace ids = toolstrip_props;
    static const PageTable t = [] {
        PageTable p = StripPage("CToolStripLink", IDS_LINK_TOOLSTRIP_CONTROL);
        AddStateRows(p, {
                            NormalImage(IDS_LINK_TOOLSTRIP_BACKGROUND, ids::kBackground),
                            NormalImage(IDS_LINK_STRIP_GRIP, ids::kGrip),
                            NormalImage(IDS_LINK_TOOLSTRIP_SEPARATOR_IMAGE, ids::kSeparator),
                            Images(IDS_LINK_OVERFLOW_BUTTON, ids::kOverflow),
                            Images(IDS_LINK_TOOLSTRIP_BUTTON, ids::kButton),
                            Images(IDS_LINK_SPLIT_BUTTON, ids::kSplitButton),
                            Images(IDS_LINK_SPLIT_BUTTON_ARROW, ids::kSplitButtonArrow),
                            Images(IDS_LINK_DROP_DOWN_BUTTON, ids::kDropDownButton),
                            Images(IDS_LINK_DROP_DOWN_BUTTON_ARROW, ids::kDropDownButtonArrow),
                            Images(IDS_LINK_BUTTON_CHECKED, ids::kButtonChecked),
                            Images(IDS_LINK_BUTTON_INDETERMINATE, ids::kButtonIndeterminate),
                            Line(IDS_LINK_TOOLSTRIP_LABEL, kKindImage, ids::kLabel, kNone, kNone, ids::kLabelDisabled),
                            Colors(IDS_LINK_TOOLSTRIP_TEXT_COLOR, ids::kTextColor),
                        });
        return p;
    }();
    return t;
}

const PageTable& StatusStripPage() {
    namespace ids = statusstrip_props;
    static const PageTable t = [] {
        PageTable p = StripPage("CStatusStripLink", IDS_LINK_STATUSSTRIP_CONTROL);
        const std::vector<StateRowIndices> lines = AddStateRows(
            p, {
                   NormalImage(IDS_LINK_STATUSSTRIP_BACKGROUND, ids::kBackground),
                   NormalImage(IDS_LINK_STRIP_GRIP, ids::kGrip),
                   Line(IDS_LINK_SIZING_GRIP, kKindImage, ids::kSizingGrip, kNone, kNone, ids::kSizingGripDisabled),
                   Images(IDS_LINK_SPLIT_BUTTON, ids::kSplitButton),
                   Images(IDS_LINK_SPLIT_BUTTON_ARROW, ids::kSplitButtonArrow),
                   Images(IDS_LINK_DROP_DOWN_BUTTON, ids::kDropDownButton),
                   Images(IDS_LINK_DROP_DOWN_BUTTON_ARROW, ids::kDropDownButtonArrow),
                   Line(IDS_LINK_STATUSSTRIP_LABEL, kKindImage, ids::kLabel, kNone, kNone, ids::kLabelDisabled),
                   Colors(IDS_LINK_STATUSSTRIP_TEXT_COLOR, ids::kTextColor),
               });
        // A build visits the sizing grip before the grip.
        p.build.clear();
        for (size_t line : {0, 2, 1, 3, 4, 5, 6, 7, 8})
            for (int row : lines[line])
                if (row != kNoRow) p.build.push_back(row);
        return p;
    }();
    return t;
}

const PageTable& MenuStripPage() {
    namespace ids = menustrip_props;
    static const PageTable t = [] {
        PageTable p = StripPage("CMenuStripLink", IDS_LINK_MENUSTRIP_CONTROL);
        AddStateRows(p, {
                            NormalImage(IDS_LINK_MENUSTRIP_BACKGROUND, ids::kBackground),
                            NormalImage(IDS_LINK_STRIP_GRIP, ids::kGrip),
                            Images(IDS_LINK_MENUSTRIP_ITEM_IMAGE, ids::kItemImage),
                            Colors(IDS_LINK_MENUSTRIP_TEXT_COLOR, ids::kTextColor),
                        });
        return p;
    }();
    return t;
}

const PageTable& DropDownMenuPage() {
    namespace ids = dropdown_props;
    static const PageTable t = [] {
        PageTable p = StripPage("CDropDownMenuLink", IDS_LINK_DROPDOWNMENU);
        // A submenu arrow has no pressed image.
        auto arrow = [](UINT label, const WORD(&a)[3]) { return Line(label, kKindImage, a[0], a[1], kNone, a[2]); };
        AddStateRows(p, {
                            NormalImage(IDS_LINK_DROPDOWN_BACKGROUND, ids::kBackground),
                            NormalImage(IDS_LINK_SIDE_PANEL, ids::kSidePanel),
                            Images(IDS_LINK_DROPDOWN_ITEM_IMAGE, ids::kItemImage),
                            NormalImage(IDS_LINK_DROPDOWN_SEPARATOR_IMAGE, ids::kSeparator),
                            Images(IDS_LINK_ITEM_IMAGE_CHECKED, ids::kItemChecked),
                            Images(IDS_LINK_ITEM_IMAGE_INDETERMINATE, ids::kItemIndeterminate),
                            arrow(IDS_LINK_SUBMENU_ARROW_RIGHT, ids::kSubmenuArrowRight),
                            arrow(IDS_LINK_SUBMENU_ARROW_LEFT, ids::kSubmenuArrowLeft),
                            Colors(IDS_LINK_DROPDOWN_TEXT_COLOR, ids::kTextColor),
                        });
        // The normal page ends with the borders, each at most 2 pixels.
        const int borders = static_cast<int>(p.rows.size());
        p.rows.push_back(rows::Group(Text(IDS_LINK_BORDERS)));
        for (auto [label, id] :
             {std::pair{IDS_LINK_LEFT_BORDER, ids::kLeftBorder}, std::pair{IDS_LINK_RIGHT_BORDER, ids::kRightBorder}}) {
            RowSpec border = rows::Number(Text(label), id, id, borders);
            border.maximum = 2;
            p.rows.push_back(border);
        }
        p.fills[0].push_back(Row(borders));
        p.build.push_back(borders);
        return p;
    }();
    return t;
}

} // namespace

CToolStripLink::CToolStripLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(ToolStripPage(), item, typeId, controlId, std::move(schemeName)) {}
CStatusStripLink::CStatusStripLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(StatusStripPage(), item, typeId, controlId, std::move(schemeName)) {}
CMenuStripLink::CMenuStripLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(MenuStripPage(), item, typeId, controlId, std::move(schemeName)) {}
CDropDownMenuLink::CDropDownMenuLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(DropDownMenuPage(), item, typeId, controlId, std::move(schemeName)) {}

} // namespace hexmoor::links
