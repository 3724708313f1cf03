// The pages of the common controls: tooltip, tree view, splitter, list
// view, date-time picker and month calendar.
#include "editor/links/controls/control_pages.h"
#include "editor/links/controls/control_rows.h"
#include "model/elements/common_control_properties.h"
#include "model/elements/list_properties.h"

namespace hexmoor::links {
namespace {

using rows::Add;

// A row of a property shown in the normal and the disabled state.
struct TwoStates {
    int normal;
    int disabled;
};

TwoStates AddTwoStates(PageTable& p, Label label, int kind, WORD normal, WORD disabled) {
    return {Add(p, rows::Make(label, kind, normal, normal)), Add(p, rows::Make(label, kind, disabled, normal))};
}

} // namespace

const PageTable& ToolTipPage() {
    static const PageTable t = [] {
        namespace ids = tooltip_props;
        PageTable p = rows::NewPage("CToolTipLink", IDS_LINK_TOOLTIP, {0});
        // The background's label says which road made the row.
        RowSpec background = rows::Image(Text(IDS_LINK_IMAGE), ids::kBackground, 0);
        background.fillLabel = Text(IDS_LINK_TOOLTIP_BACKGROUND);
        const int image = Add(p, background);
        const int text = Add(p, rows::Color(Text(IDS_LINK_TOOLTIP_TEXT_COLOR), ids::kTextColor, 0));
        p.fills[0] = {Row(image), Row(text)};
        p.build = {image, text};
        return p;
    }();
    return t;
}

const PageTable& TreeViewPage() {
    static const PageTable t = [] {
        namespace ids = tree_props;
        PageTable p = rows::NewPage("CTreeViewLink", IDS_LINK_TREE_CONTROL, {0, 3});
        const TwoStates background = AddTwoStates(p, Text(IDS_LINK_TREE_BACKGROUND), kKindImage, ids::kBackgroundNormal,
                                                  ids::kBackgroundDisabled);
        const TwoStates box = AddTwoStates(p, Text(IDS_LINK_BOX), kKindImage, ids::kBoxNormal, ids::kBoxDisabled);
        const TwoStates expanded = AddTwoStates(p, Text(IDS_LINK_EXPANDED_BOX), kKindImage, ids::kExpandedBoxNormal,
                                                ids::kExpandedBoxDisabled);
        const TwoStates horLine =
            AddTwoStates(p, Text(IDS_LINK_HOR_LINE), kKindImage, ids::kHorLineNormal, ids::kHorLineDisabled);
        const TwoStates vertLine =
            AddTwoStates(p, Text(IDS_LINK_VERT_LINE), kKindImage, ids::kVertLineNormal, ids::kVertLineDisabled);
        const TwoStates text =
            AddTwoStates(p, Text(IDS_LINK_STATE_TEXT_COLOR), kKindColor, ids::kTextNormal, ids::kTextDisabled);
        const TwoStates selectedText = AddTwoStates(p, Text(IDS_LINK_SELECTED_TEXT_COLOR), kKindColor,
                                                    ids::kSelectedTextNormal, ids::kSelectedTextDisabled);
        const TwoStates selection =
            AddTwoStates(p, Text(IDS_LINK_SELECTION_COLOR), kKindColor, ids::kSelectionNormal, ids::kSelectionDisabled);
        const int borders =
            rows::AddFourBorders(p, ids::kTopBorder, ids::kBottomBorder, ids::kLeftBorder, ids::kRightBorder);
        p.fills[0] = {Row(background.normal),   Row(box.normal),       Row(expanded.normal),
                      Row(horLine.normal),      Row(vertLine.normal),  Row(text.normal),
                      Row(selectedText.normal), Row(selection.normal), Row(borders)};
        p.fills[3] = {Row(background.disabled),   Row(box.disabled),      Row(expanded.disabled),
                      Row(horLine.disabled),      Row(vertLine.disabled), Row(text.disabled),
                      Row(selectedText.disabled), Row(selection.disabled)};
        p.build = {background.normal,
                   background.disabled,
                   box.normal,
                   expanded.normal,
                   box.disabled,
                   expanded.disabled,
                   horLine.normal,
                   horLine.disabled,
                   vertLine.normal,
                   vertLine.disabled,
                   text.normal,
                   text.disabled,
                   selectedText.normal,
                   selectedText.disabled,
                   selection.normal,
                   selection.disabled,
                   borders};
        return p;
    }();
    return t;
}

const PageTable& SplitterPage() {
    static const PageTable t = [] {
        namespace ids = splitter_props;
        PageTable p = rows::NewPage("CSplitterLink", IDS_LINK_SPLITTER_CONTROL, {});
        // No state: the grid alone, and the page's texts refreshed on every
        // showing.
        p.states.mode = StateDecl::kNoneButGrid;
        const std::pair<UINT, WORD> images[] = {
            {IDS_LINK_BORDER_IMAGE, ids::kBorderImage},  {IDS_LINK_HOR_SPLITTER_BAR, ids::kHorBar},
            {IDS_LINK_VERT_SPLITTER_BAR, ids::kVertBar}, {IDS_LINK_INTERSECTION_SPLITTER_BARS, ids::kIntersection},
            {IDS_LINK_HOR_SPLITTER_BOX, ids::kHorBox},   {IDS_LINK_VERT_SPLITTER_BOX, ids::kVertBox},
        };
        for (const auto& [label, id] : images) {
            RowSpec row = rows::Image(Text(label), id, id);
            row.fillText = FillText::kAlways;
            const int index = Add(p, row);
            p.fills[0].push_back(Row(index));
            p.build.push_back(index);
        }
        return p;
    }();
    return t;
}

const PageTable& ListViewPage() {
    static const PageTable t = [] {
        namespace ids = list_view_props;
        PageTable p = rows::NewPage("CListViewLink", IDS_LINK_LIST_CONTROL, {0, 3});
        // The image's label says which road made the row.
        RowSpec imageRow = rows::Image(Text(IDS_LINK_IMAGE), ids::kImageNormal, ids::kImageNormal);
        imageRow.fillLabel = Text(IDS_LINK_LIST_BACKGROUND);
        const int imageNormal = Add(p, imageRow);
        imageRow.id = ids::kImageDisabled;
        const int imageDisabled = Add(p, imageRow);
        const TwoStates grid =
            AddTwoStates(p, Text(IDS_LINK_GRID_COLOR), kKindColor, ids::kGridNormal, ids::kGridDisabled);
        const TwoStates text =
            AddTwoStates(p, Text(IDS_LINK_LIST_TEXT_COLOR), kKindColor, ids::kTextNormal, ids::kTextDisabled);
        const int selection = Add(p, rows::Color(Text(IDS_LINK_LIST_SELECTION_COLOR), ids::kSelection, 0));
        const int selectedText = Add(p, rows::Color(Text(IDS_LINK_LIST_SELECTED_TEXT_COLOR), ids::kSelectedText, 0));
        const int hotItem = Add(p, rows::Color(Text(IDS_LINK_HOT_ITEM_COLOR), ids::kHotItem, 0));
        const int borders =
            rows::AddFourBorders(p, ids::kTopBorder, ids::kBottomBorder, ids::kLeftBorder, ids::kRightBorder);
        p.fills[0] = {Row(imageNormal),  Row(grid.normal), Row(text.normal), Row(selection),
                      Row(selectedText), Row(hotItem),     Row(borders)};
        p.fills[3] = {Row(imageDisabled), Row(grid.disabled), Row(text.disabled)};
        p.build = {imageNormal,   imageDisabled, grid.normal,  grid.disabled, text.normal,
                   text.disabled, selection,     selectedText, hotItem,       borders};
        return p;
    }();
    return t;
}

const PageTable& DateTimePage() {
    static const PageTable t = [] {
        namespace ids = date_time_props;
        PageTable p = rows::NewPage("CDateTimeLink", IDS_LINK_DATETIME_PICKER, {0, 2, 3});
        const TwoStates background = AddTwoStates(p, Text(IDS_LINK_DATETIME_BACKGROUND), kKindImage,
                                                  ids::kBackgroundNormal, ids::kBackgroundDisabled);
        const Label arrow = Text(IDS_LINK_ARROW_BUTTON);
        const int arrowNormal = Add(p, rows::Image(arrow, ids::kArrowNormal, ids::kArrowNormal));
        const int arrowPressed = Add(p, rows::Image(arrow, ids::kArrowPressed, ids::kArrowNormal));
        const int arrowDisabled = Add(p, rows::Image(arrow, ids::kArrowDisabled, ids::kArrowNormal));
        const TwoStates checked =
            AddTwoStates(p, Text(IDS_LINK_CHECKBOX_CHECKED), kKindImage, ids::kCheckedNormal, ids::kCheckedDisabled);
        const TwoStates unchecked = AddTwoStates(p, Text(IDS_LINK_CHECKBOX_UNCHECKED), kKindImage,
                                                 ids::kUncheckedNormal, ids::kUncheckedDisabled);
        const TwoStates text =
            AddTwoStates(p, Text(IDS_LINK_DATETIME_TEXT_COLOR), kKindColor, ids::kTextNormal, ids::kTextDisabled);
        const int selection = Add(p, rows::Color(Text(IDS_LINK_DATETIME_SELECTION_COLOR), ids::kSelection, 0));
        const int selectedText =
            Add(p, rows::Color(Text(IDS_LINK_DATETIME_SELECTED_TEXT_COLOR), ids::kSelectedText, 0));
        const int borders =
            rows::AddFourBorders(p, ids::kTopBorder, ids::kBottomBorder, ids::kLeftBorder, ids::kRightBorder);
        p.fills[0] = {Row(background.normal), Row(arrowNormal), Row(checked.normal), Row(unchecked.normal),
                      Row(text.normal),       Row(selection),   Row(selectedText),   Row(borders)};
        p.fills[2] = {Row(arrowPressed)};
        p.fills[3] = {Row(background.disabled), Row(arrowDisabled), Row(checked.disabled), Row(unchecked.disabled),
                      Row(text.disabled)};
        p.build = {background.normal,  background.disabled,
                   arrowNormal,        arrowPressed,
                   arrowDisabled,      checked.normal,
                   checked.disabled,   unchecked.normal,
                   unchecked.disabled, text.normal,
                   text.disabled,      selection,
                   selectedText,       borders};
        return p;
    }();
    return t;
}

const PageTable& MonthCalPage() {
    static const PageTable t = [] {
        namespace ids = month_cal_props;
        PageTable p = rows::NewPage("CMonthCalLink", IDS_LINK_MONTHCAL_CONTROL, {0, 2, 3});
        const int background = Add(p, rows::Image(Text(IDS_LINK_MONTHCAL_BACKGROUND), ids::kBackground, 0));
        const int title = Add(p, rows::Image(Text(IDS_LINK_MONTHCAL_TITLE), ids::kTitle, 0));
        const int today = Add(p, rows::Image(Text(IDS_LINK_TODAY_LABEL), ids::kTodayLabel, 0));
        const int month = Add(p, rows::Image(Text(IDS_LINK_MONTH_BACKGROUND), ids::kMonthBackground, 0));
        // The buttons' pressed and disabled images form a series with the
        // normal one, so "Fill all states" reaches them.
        const Label previous = Text(IDS_LINK_PREVIOUS_BUTTON);
        const Label next = Text(IDS_LINK_NEXT_BUTTON);
        const int previousNormal = Add(p, rows::Image(previous, ids::kPreviousNormal, ids::kPreviousNormal));
        const int nextNormal = Add(p, rows::Image(next, ids::kNextNormal, ids::kNextNormal));
        const int previousPressed = Add(p, rows::Image(previous, ids::kPreviousPressed, ids::kPreviousNormal));
        const int nextPressed = Add(p, rows::Image(next, ids::kNextPressed, ids::kNextNormal));
        const int previousDisabled = Add(p, rows::Image(previous, ids::kPreviousDisabled, ids::kPreviousNormal));
        const int nextDisabled = Add(p, rows::Image(next, ids::kNextDisabled, ids::kNextNormal));
        const std::pair<UINT, WORD> colors[] = {
            {IDS_LINK_MONTHCAL_SELECTION_COLOR, ids::kSelection},
            {IDS_LINK_MONTHCAL_SELECTED_TEXT_COLOR, ids::kSelectedText},
            {IDS_LINK_MONTHCAL_TEXT_COLOR, ids::kTextColor},
            {IDS_LINK_TITLE_TEXT_COLOR, ids::kTitleText},
            {IDS_LINK_TRAILING_TEXT_COLOR, ids::kTrailingText},
            {IDS_LINK_WEEKDAYS_COLOR, ids::kWeekdays},
        };
        p.fills[0] = {Row(background), Row(title), Row(today), Row(month), Row(previousNormal), Row(nextNormal)};
        p.fills[2] = {Row(previousPressed), Row(nextPressed)};
        p.fills[3] = {Row(previousDisabled), Row(nextDisabled)};
        p.build = {background,       title,       today,           month,
                   previousNormal,   nextNormal,  previousPressed, nextPressed,
                   previousDisabled, nextDisabled};
        for (const auto& [label, id] : colors) {
            const int color = Add(p, rows::Color(Text(label), id, 0));
            p.fills[0].push_back(Row(color));
            p.build.push_back(color);
        }
        return p;
    }();
    return t;
}

} // namespace hexmoor::links
