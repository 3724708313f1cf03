// The pages of the text fields: edit, list box and combo box. Each shows its
// normal and disabled looks (the combo box all five states), its colours and
// a "Borders" group with the widths of its frame.
#include "editor/links/controls/control_pages.h"
#include "editor/links/controls/control_rows.h"
#include "model/elements/combo_box.h"
#include "model/elements/combo_box_properties.h"
#include "model/elements/edit_properties.h"
#include "model/elements/list_properties.h"

namespace hexmoor::links {
namespace {

using rows::Add;

// The combo box's arrow width is a field of its element, not a property.
DWORD ArrowWidth(const CTwfObj& object) {
    const auto* combo = dynamic_cast<const CTwfComboBox*>(&object);
    return combo ? combo->GetArrowWidth() : 0;
}

void SetArrowWidth(CTwfObj& object, DWORD width) {
    if (auto* combo = dynamic_cast<CTwfComboBox*>(&object)) combo->SetArrowWidth(width);
}

} // namespace

const PageTable& EditPage() {
    static const PageTable t = [] {
        namespace ids = edit_props;
        PageTable p = rows::NewPage("CEditLink", IDS_LINK_EDIT, {0, 3});
        const Label image = Text(IDS_LINK_IMAGE);
        const Label text = Text(IDS_LINK_STATE_TEXT_COLOR);
        const int imageNormal = Add(p, rows::Image(image, ids::kImageNormal, ids::kImageNormal));
        const int imageDisabled = Add(p, rows::Image(image, ids::kImageDisabled, ids::kImageNormal));
        const int selection = Add(p, rows::Color(Text(IDS_LINK_SELECTION_COLOR), ids::kSelection, 0));
        const int textNormal = Add(p, rows::Color(text, ids::kTextNormal, ids::kTextNormal));
        const int textDisabled = Add(p, rows::Color(text, ids::kTextDisabled, ids::kTextNormal));
        // Made by a fill, the selected text colour belongs to no series.
        RowSpec selected = rows::Color(Text(IDS_LINK_SELECTED_TEXT_COLOR), ids::kSelectedText, ids::kSelectedText);
        selected.fillBaseId = 0;
        const int selectedText = Add(p, selected);
        const int borders =
            rows::AddFourBorders(p, ids::kTopBorder, ids::kBottomBorder, ids::kLeftBorder, ids::kRightBorder);
        p.fills[0] = {Row(imageNormal), Row(textNormal), Row(selection), Row(selectedText), Row(borders)};
        p.fills[3] = {Row(imageDisabled), Row(textDisabled)};
        p.build = {imageNormal, imageDisabled, textNormal, textDisabled, selection, selectedText, borders};
        return p;
    }();
    return t;
}

const PageTable& ListBoxPage() {
    static const PageTable t = [] {
        namespace ids = list_box_props;
        PageTable p = rows::NewPage("CListBoxLink", IDS_LINK_LIST_BOX, {0, 3});
        const Label image = Text(IDS_LINK_IMAGE);
        const Label uncheck = Text(IDS_LINK_LIST_UNCHECK_IMAGE);
        const Label check = Text(IDS_LINK_LIST_CHECK_IMAGE);
        const Label indeterminate = Text(IDS_LINK_LIST_INDETERMINATE_IMAGE);
        const Label text = Text(IDS_LINK_STATE_TEXT_COLOR);
        const int imageNormal = Add(p, rows::Image(image, ids::kImageNormal, ids::kImageNormal));
        const int imageDisabled = Add(p, rows::Image(image, ids::kImageDisabled, ids::kImageNormal));
        const int uncheckNormal = Add(p, rows::Image(uncheck, ids::kUncheckNormal, ids::kUncheckNormal));
        const int uncheckDisabled = Add(p, rows::Image(uncheck, ids::kUncheckDisabled, ids::kUncheckNormal));
        const int checkNormal = Add(p, rows::Image(check, ids::kCheckNormal, ids::kCheckNormal));
        const int checkDisabled = Add(p, rows::Image(check, ids::kCheckDisabled, ids::kCheckNormal));
        const int indeterminateNormal =
            Add(p, rows::Image(indeterminate, ids::kIndeterminateNormal, ids::kIndeterminateNormal));
        const int indeterminateDisabled =
            Add(p, rows::Image(indeterminate, ids::kIndeterminateDisabled, ids::kIndeterminateNormal));
        const int selection = Add(p, rows::Color(Text(IDS_LINK_SELECTION_COLOR), ids::kSelection, 0));
        const int textNormal = Add(p, rows::Color(text, ids::kTextNormal, ids::kTextNormal));
        // Made by a build, the selected text colour belongs to no series.
        RowSpec selected = rows::Color(Text(IDS_LINK_SELECTED_TEXT_COLOR), ids::kSelectedText, 0);
        selected.fillBaseId = ids::kSelectedText;
        const int selectedText = Add(p, selected);
        const int textDisabled = Add(p, rows::Color(text, ids::kTextDisabled, ids::kTextNormal));
        const int borders =
            rows::AddFourBorders(p, ids::kTopBorder, ids::kBottomBorder, ids::kLeftBorder, ids::kRightBorder);
        p.fills[0] = {Row(imageNormal), Row(uncheckNormal), Row(checkNormal), Row(indeterminateNormal),
                      Row(textNormal),  Row(selectedText),  Row(selection),   Row(borders)};
        p.fills[3] = {Row(imageDisabled), Row(uncheckDisabled), Row(checkDisabled), Row(indeterminateDisabled),
                      Row(textDisabled)};
        p.build = {imageNormal, imageDisabled, uncheckNormal,       uncheckDisabled,
                   checkNormal, checkDisabled, indeterminateNormal, indeterminateDisabled,
                   textNormal,  textDisabled,  selectedText,        selection,
                   borders};
        return p;
    }();
    return t;
}

const PageTable& ComboBoxPage() {
    static const PageTable t = [] {
        namespace ids = combo_box_props;
        PageTable p = rows::NewPage("CComboBoxLink", IDS_LINK_COMBO_BOX, {0, 2, 1, 3, 4});
        const Label arrow = Text(IDS_LINK_ARROW);
        const Label background = Text(IDS_LINK_COMBO_BACKGROUND);
        const Label text = Text(IDS_LINK_COMBO_TEXT_COLOR);
        // Only the arrows form a series: backgrounds and text colours are
        // each their state's own.
        const int arrowNormal = Add(p, rows::Image(arrow, ids::kArrowNormal, ids::kArrowNormal));
        const int backgroundNormal = Add(p, rows::Image(background, ids::kBackgroundNormal, 0));
        const int arrowDisabled = Add(p, rows::Image(arrow, ids::kArrowDisabled, ids::kArrowNormal));
        const int backgroundDisabled = Add(p, rows::Image(background, ids::kBackgroundDisabled, 0));
        const int arrowHot = Add(p, rows::Image(arrow, ids::kArrowHot, ids::kArrowNormal));
        const int arrowPressed = Add(p, rows::Image(arrow, ids::kArrowPressed, ids::kArrowNormal));
        const int backgroundFocused = Add(p, rows::Image(background, ids::kBackgroundFocused, 0));
        const int textFocused = Add(p, rows::Color(text, ids::kTextFocused, 0));
        const int textDisabled = Add(p, rows::Color(text, ids::kTextDisabled, 0));
        // The one row bound to a field of the element: typed digits, written
        // back by the page (an empty text keeps the width).
        RowSpec width = rows::Make(Text(IDS_LINK_ARROW_WIDTH), kKindNumber, 0, 0);
        width.field = {&ArrowWidth, &SetArrowWidth};
        const int arrowWidth = Add(p, width);
        const int textNormal = Add(p, rows::Color(text, ids::kTextNormal, 0));
        const int listBorder = Add(p, rows::Color(Text(IDS_LINK_LISTBOX_BORDER_COLOR), ids::kListBorderColor, 0));
        const int transparent = Add(p, rows::FalseTrue(Text(IDS_LINK_TRANSPARENT_EDIT), ids::kTransparentEdit));
        const int borders =
            rows::AddBorders(p, {{IDS_LINK_LEFT_BORDER, ids::kLeftBorder}, {IDS_LINK_RIGHT_BORDER, ids::kRightBorder}});
        p.fills[0] = {Row(arrowNormal), Row(backgroundNormal), Row(arrowWidth), Row(textNormal),
                      Row(listBorder),  Row(transparent),      Row(borders)};
        p.fills[1] = {Row(arrowHot)};
        p.fills[2] = {Row(arrowPressed)};
        p.fills[3] = {Row(arrowDisabled), Row(backgroundDisabled), Row(textDisabled)};
        p.fills[4] = {Row(backgroundFocused), Row(textFocused)};
        p.build = {arrowNormal,   backgroundNormal,   arrowPressed, arrowHot,   backgroundFocused,
                   arrowDisabled, backgroundDisabled, arrowWidth,   textNormal, textDisabled,
                   textFocused,   listBorder,         transparent,  borders};
        return p;
    }();
    return t;
}

} // namespace hexmoor::links
