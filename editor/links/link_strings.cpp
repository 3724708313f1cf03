#include "editor/links/link_strings.h"

#include <vector>

#include "resources/property_grid_ids.h"
#include "resources/range_strip_pages_ids.h"

namespace hexmoor::links {
namespace {

struct Entry {
    UINT id;
    const wchar_t* text;
};

constexpr Entry kTable[] = {
    {IDS_LINK_IMAGE, L"Image"},
    {IDS_PROPERTIES, L"Properties"},
    {IDS_LINK_INSERTED, L"Inserted"},
    {IDS_LINK_NO_IMAGE, L"No image"},
    {IDS_LINK_FRAME_TOP_SIDE, L"Frame Top Side"},
    {IDS_LINK_FRAME_BOTTOM_SIDE, L"Frame Bottom Side"},
    {IDS_LINK_FRAME_RIGHT_SIDE, L"Frame Right Side"},
    {IDS_LINK_FRAME_LEFT_SIDE, L"Frame Left Side"},
    {IDS_LINK_GRIP, L"Grip"},
    {IDS_LINK_SLIDER_CONTROLS, L"Slider Controls"},
    {IDS_LINK_TAB_CONTROLS, L"Tab Controls"},
    {IDS_LINK_PROGRESS_BARS, L"Progress Bars"},
    {IDS_LINK_SPIN_CONTROLS, L"Spin Controls"},
    {IDS_LINK_IMAGES, L"Images"},
    {IDS_LINK_REGIONS, L"Regions"},
    {IDS_LINK_REGION, L"Region"},
    {IDS_LINK_SIZE, L"Size"},
    {IDS_LINK_TEXT_COLOR, L"Text Color"},
    {IDS_LINK_STATIC_TEXT, L"Static Text"},
    {IDS_LINK_USER_DATA, L"User Data"},
    {IDS_LINK_TILE, L"Tile"},
    {IDS_LINK_STRETCH, L"Stretch"},
    {IDS_LINK_BLIT, L"Blit"},
};

LinkStringProvider& Provider() {
    static LinkStringProvider provider;
    return provider;
}

// The texts of the element pages' rows and captions.
constexpr Entry kPageTable[] = {
    {IDS_LINK_WINDOW_FRAME, L"Window Frame"},
    {IDS_LINK_CLOSE_BUTTON, L"Close Button"},
    {IDS_LINK_MAXIMIZE_BUTTON, L"Maximize Button"},
    {IDS_LINK_MINIMIZE_BUTTON, L"Minimize Button"},
    {IDS_LINK_RESTORE_BUTTON, L"Restore Button"},
    {IDS_LINK_DIALOG_BACKGROUND, L"Dialog Background"},
    {IDS_LINK_BUTTON, L"Button"},
    {IDS_LINK_MENU, L"Menu"},
    {IDS_LINK_MENUBAR, L"Menubar"},
    {IDS_LINK_MENU_ITEM, L"Menu Item"},
    {IDS_LINK_STATE_TEXT_COLOR, L"Text Color"},
    {IDS_LINK_MDI_CLIENT_BACKGROUND, L"MDI Client Background"},
    {IDS_LINK_X_OFFSET, L"X Offset"},
    {IDS_LINK_Y_OFFSET, L"Y Offset"},
    {IDS_LINK_OFFSETS, L"Offsets"},
    {IDS_LINK_HELP_BUTTON, L"Help Button"},
    {IDS_LINK_MINIMIZED_FRAME, L"Minimized Frame"},
    {IDS_LINK_CLOSE_BUTTON_OFFSET, L"Close Button Offset"},
    {IDS_LINK_MAXIMIZE_BUTTON_OFFSET, L"Maximize Button Offset"},
    {IDS_LINK_RESTORE_BUTTON_OFFSET, L"Restore Button Offset"},
    {IDS_LINK_TEXT_OFFSET, L"Text Offset"},
    {IDS_LINK_CLOSE_IMAGE, L"Close Image"},
    {IDS_LINK_MINIMIZE_IMAGE, L"Minimize Image"},
    {IDS_LINK_MAXIMIZE_IMAGE, L"Maximize Image"},
    {IDS_LINK_RESTORE_IMAGE, L"Restore Image"},
    {IDS_LINK_HELP_IMAGE, L"Help Image"},
    {IDS_LINK_MENUBAR_CLOSE_IMAGE, L"Menubar Close Image"},
    {IDS_LINK_MENUBAR_RESTORE_IMAGE, L"Menubar Restore Image"},
    {IDS_LINK_MENUBAR_MINIMIZE_IMAGE, L"Menubar Minimize Image"},
    {IDS_LINK_REGION_SHAPE, L"Region"},
    {IDS_LINK_REGION_SHAPES, L"None|RoundRectShape|EllipticShape|UserRegion"},
    {IDS_LINK_HEIGHT, L"Height"},
    {IDS_LINK_WIDTH, L"Width"},
    {IDS_LINK_TITLEBAR_TEXT, L"Titlebar Text"},
    {IDS_LINK_TEXT_LOCATION, L"Text Location"},
    {IDS_LINK_TEXT_LOCATIONS, L"Left|Center|Right|UserOffset"},
    {IDS_LINK_MENUBAR_BACKGROUND, L"Menubar Background"},
    {IDS_LINK_MENUBAR_TOP_BORDER, L"Top Border"},
    {IDS_LINK_MENUBAR_BOTTOM_BORDER, L"Bottom Border"},
    {IDS_LINK_MENUBAR_HEIGHT, L"Height"},
    {IDS_LINK_MENUBAR_BORDER, L"Menubar border"},
    {IDS_LINK_MENUBAR_OFFSETS, L"Offsets"},
    {IDS_LINK_ITEM_IMAGE, L"Item Image"},
    {IDS_LINK_SEPARATOR_IMAGE, L"Separator Image"},
    {IDS_LINK_SUBMENU_ARROW, L"Submenu Arrow"},
    {IDS_LINK_FRAME_SIDES, L"Frame Sides"},
    {IDS_LINK_CAPTION_BUTTONS, L"Caption Buttons"},
    {IDS_LINK_NO_REGION, L"No Region"},
    {IDS_LINK_ICON_LOCATION, L"Icon Location"},
    {IDS_LINK_ICON_LOCATIONS, L"WithText|UserOffset"},
    {IDS_LINK_BORDERS, L"Borders"},
    {IDS_LINK_LEFT_BORDER, L"Left Border"},
    {IDS_LINK_TOP_BORDER, L"Top Border"},
    {IDS_LINK_RIGHT_BORDER, L"Right Border"},
    {IDS_LINK_BOTTOM_BORDER, L"Bottom Border"},
    {IDS_LINK_MENU_BORDERS, L"Menu Borders"},
    {IDS_LINK_CAPTION_BUTTON_ALIGNMENT, L"Caption button alignment"},
    {IDS_LINK_USE_SEMITRANSPARENCY, L"Use Semitransparency"},
    {IDS_LINK_CONTENT_WHILE_DRAGGING, L"Content While Dragging"},
};

// The texts of the control pages.
constexpr Entry kControlPageTable[] = {
    {IDS_LINK_EDIT, L"Edit"},
    {IDS_LINK_CHECK_BOX, L"Check Box"},
    {IDS_LINK_RADIO_BUTTON, L"Radio Button"},
    {IDS_LINK_GROUP_BOX, L"Group Box"},
    {IDS_LINK_HORIZONTAL_SLIDER, L"Horizontal Slider"},
    {IDS_LINK_HORIZONTAL_BACKGROUND, L"Horizontal Background"},
    {IDS_LINK_VERTICAL_BACKGROUND, L"Vertical Background"},
    {IDS_LINK_HORIZONTAL_LINE, L"Horizontal Line"},
    {IDS_LINK_VERTICAL_LINE, L"Vertical Line"},
    {IDS_LINK_HORIZONTAL_THUMB, L"Horizontal Thumb"},
    {IDS_LINK_VERTICAL_THUMB, L"Vertical Thumb"},
    {IDS_LINK_HORIZONTAL_TAB_CONTROL, L"Horizontal Tab Control"},
    {IDS_LINK_HORIZONTAL_TAB_ITEM, L"Horizontal Tab Item"},
    {IDS_LINK_HORIZONTAL_TAB_PANEL, L"Horizontal Tab Panel"},
    {IDS_LINK_TOOLBAR, L"Toolbar"},
    {IDS_LINK_TOOLBAR_BACKGROUND, L"Toolbar Background"},
    {IDS_LINK_STATUS_BAR, L"Status Bar"},
    {IDS_LINK_STATUSBAR_PANE, L"Statusbar Pane"},
    {IDS_LINK_COMBO_BOX, L"Combo Box"},
    {IDS_LINK_ARROW, L"Arrow"},
    {IDS_LINK_LIST_BOX, L"List Box"},
    {IDS_LINK_LIST_CONTROL, L"List Control"},
    {IDS_LINK_TREE_CONTROL, L"Tree Control"},
    {IDS_LINK_SELECTION_COLOR, L"Selection Color"},
    {IDS_LINK_IMAGE_CHECKED, L"Image (Checked)"},
    {IDS_LINK_IMAGE_UNCHECKED, L"Image (Unchecked)"},
    {IDS_LINK_LIGHT_LINE_COLOR, L"Light Line Color"},
    {IDS_LINK_DARK_LINE_COLOR, L"Dark Line Color"},
    {IDS_LINK_LIST_BACKGROUND, L"Background"},
    {IDS_LINK_TREE_BACKGROUND, L"Background"},
    {IDS_LINK_BOX, L"Box"},
    {IDS_LINK_EXPANDED_BOX, L"Expanded Box"},
    {IDS_LINK_VERTICAL_SLIDER, L"Vertical Slider"},
    {IDS_LINK_VERTICAL_TAB_CONTROL, L"Vertical Tab Control"},
    {IDS_LINK_DATETIME_PICKER, L"Datetime Picker"},
    {IDS_LINK_DATETIME_BACKGROUND, L"Background"},
    {IDS_LINK_PANEL_IMAGE, L"Panel Image"},
    {IDS_LINK_DISABLE_ICON_COLOR, L"Disable Icon Color"},
    {IDS_LINK_SPLITTER_CONTROL, L"Splitter Control"},
    {IDS_LINK_HOR_SPLITTER_BAR, L"Hor Splitter Bar"},
    {IDS_LINK_VERT_SPLITTER_BAR, L"Vert Splitter Bar"},
    {IDS_LINK_INTERSECTION_SPLITTER_BARS, L"Intersection Splitter Bars"},
    {IDS_LINK_HOR_SPLITTER_BOX, L"Hor Splitter Box"},
    {IDS_LINK_VERT_SPLITTER_BOX, L"Vert Splitter Box"},
    {IDS_LINK_BORDER_IMAGE, L"Border Image"},
    {IDS_LINK_IMAGE_INDETERMINATE, L"Image (Indeterminate)"},
    {IDS_LINK_VERTICAL_TAB_ITEM, L"Vertical Tab Item"},
    {IDS_LINK_VERTICAL_TAB_PANEL, L"Vertical Tab Panel"},
    {IDS_LINK_HORIZONTAL_SELECTION, L"Horizontal Selection"},
    {IDS_LINK_VERTICAL_SELECTION, L"Vertical Selection"},
    {IDS_LINK_LIST_CHECK_IMAGE, L"Check Image (for checked listbox only)"},
    {IDS_LINK_LIST_INDETERMINATE_IMAGE, L"Indeterminate Image (for checked listbox only)"},
    {IDS_LINK_LIST_UNCHECK_IMAGE, L"Uncheck Image (for checked listbox only)"},
    {IDS_LINK_TEXT_COLOR_CHECKED, L"Text Color (checked)"},
    {IDS_LINK_TEXT_COLOR_UNCHECKED, L"Text Color (unchecked)"},
    {IDS_LINK_COMBO_BACKGROUND, L"Background"},
    {IDS_LINK_ARROW_WIDTH, L"Arrow width"},
    {IDS_LINK_TOOLBAR_SEPARATOR, L"Toolbar Separator"},
    {IDS_LINK_COMBO_TEXT_COLOR, L"Text Color"},
    {IDS_LINK_TOOLTIP, L"Tooltip"},
    {IDS_LINK_TOOLTIP_BACKGROUND, L"Tooltip Background"},
    {IDS_LINK_TOOLTIP_TEXT_COLOR, L"Text Color"},
    {IDS_LINK_SELECTED_TEXT_COLOR, L"Selected Text Color"},
    {IDS_LINK_LISTBOX_BORDER_COLOR, L"ListBox Border Color"},
    {IDS_LINK_HOR_LINE, L"Hor line"},
    {IDS_LINK_VERT_LINE, L"Vert line"},
    {IDS_LINK_TAB_ICON_LOCATION, L"Icon Location"},
    {IDS_LINK_ARROW_BUTTON, L"Arrow Button"},
    {IDS_LINK_CHECKBOX_CHECKED, L"CheckBox (Checked)"},
    {IDS_LINK_CHECKBOX_UNCHECKED, L"CheckBox (Unchecked)"},
    {IDS_LINK_DATETIME_TEXT_COLOR, L"Text Color"},
    {IDS_LINK_DATETIME_SELECTION_COLOR, L"Selection Color"},
    {IDS_LINK_DATETIME_SELECTED_TEXT_COLOR, L"Selected Text Color"},
    {IDS_LINK_MONTHCAL_CONTROL, L"MonthCalendar Control"},
    {IDS_LINK_MONTHCAL_BACKGROUND, L"Background"},
    {IDS_LINK_MONTHCAL_TITLE, L"Title"},
    {IDS_LINK_TODAY_LABEL, L"Today Label"},
    {IDS_LINK_MONTH_BACKGROUND, L"Month Background"},
    {IDS_LINK_PREVIOUS_BUTTON, L"Previous Button"},
    {IDS_LINK_NEXT_BUTTON, L"Next Button"},
    {IDS_LINK_MONTHCAL_SELECTION_COLOR, L"Selection Color"},
    {IDS_LINK_MONTHCAL_SELECTED_TEXT_COLOR, L"Selected Text Color"},
    {IDS_LINK_LIST_TEXT_COLOR, L"Text Color"},
    {IDS_LINK_LIST_SELECTION_COLOR, L"Selection Color"},
    {IDS_LINK_LIST_SELECTED_TEXT_COLOR, L"Selected Text Color"},
    {IDS_LINK_GRID_COLOR, L"Grid Color"},
    {IDS_LINK_HOT_ITEM_COLOR, L"Hot Item Color"},
    {IDS_LINK_MONTHCAL_TEXT_COLOR, L"Text Color"},
    {IDS_LINK_TITLE_TEXT_COLOR, L"Title Text Color"},
    {IDS_LINK_TRAILING_TEXT_COLOR, L"Trailing Text Color"},
    {IDS_LINK_WEEKDAYS_COLOR, L"Weekdays Color"},
    {IDS_LINK_TRANSPARENT_EDIT, L"Transparent Edit"},
    {IDS_LINK_TRANSPARENT_DIALOG_BOX, L"Transparent Dialog Box"},
    {IDS_LINK_VERTICAL_CENTER_ALIGNMENT, L"Vertical center alignment"},
};

// The texts of the strip, scroll-bar, range and header pages.
constexpr Entry kRangeStripTable[] = {
    {IDS_LINK_ARROW_UP_BAR, L"Arrow Up"},
    {IDS_LINK_ARROW_DOWN_BAR, L"Arrow Down"},
    {IDS_LINK_ARROW_LEFT_BAR, L"Arrow Left"},
    {IDS_LINK_ARROW_RIGHT_BAR, L"Arrow Right"},
    {IDS_LINK_HORIZONTAL_THUMB_BAR, L"Horizontal Thumb"},
    {IDS_LINK_VERTICAL_THUMB_BAR, L"Vertical Thumb"},
    {IDS_LINK_VERTICAL_BACKGROUND_BAR, L"Vertical Background"},
    {IDS_LINK_HORIZONTAL_BACKGROUND_BAR, L"Horizontal Background"},
    {IDS_LINK_HEADER, L"Header"},
    {IDS_LINK_HORIZONTAL_SPIN_CONTROL, L"Horizontal Spin Control"},
    {IDS_LINK_VERTICAL_SPIN_CONTROL, L"Vertical Spin Control"},
    {IDS_LINK_ARROW_UP_SPIN, L"Arrow Up"},
    {IDS_LINK_ARROW_DOWN_SPIN, L"Arrow Down"},
    {IDS_LINK_ARROW_LEFT_SPIN, L"Arrow Left"},
    {IDS_LINK_ARROW_RIGHT_SPIN, L"Arrow Right"},
    {IDS_LINK_HORIZONTAL_PROGRESS_BAR, L"Horizontal Progress Bar"},
    {IDS_LINK_VERTICAL_PROGRESS_BAR, L"Vertical Progress Bar"},
    {IDS_LINK_STANDALONE_HSCROLLBAR, L"Standalone HScrollbar"},
    {IDS_LINK_STANDALONE_VSCROLLBAR, L"Standalone VScrollbar"},
    {IDS_LINK_HORIZONTAL_BACKGROUND_PROGRESS, L"Horizontal Background"},
    {IDS_LINK_HORIZONTAL_PROGRESS_ITEM, L"Horizontal Progress Item"},
    {IDS_LINK_VERTICAL_BACKGROUND_PROGRESS, L"Vertical Background"},
    {IDS_LINK_VERTICAL_PROGRESS_ITEM, L"Vertical Progress Item"},
    {IDS_LINK_TOOLSTRIP_CONTROL, L"ToolStrip Control"},
    {IDS_LINK_STATUSSTRIP_CONTROL, L"StatusStrip Control"},
    {IDS_LINK_DROPDOWNMENU, L"DropDownMenu"},
    {IDS_LINK_MENUSTRIP_CONTROL, L"MenuStrip Control"},
    {IDS_LINK_STRIP_GRIP, L"Grip"},
    {IDS_LINK_OVERFLOW_BUTTON, L"Overflow Button"},
    {IDS_LINK_SPLIT_BUTTON, L"Split Button"},
    {IDS_LINK_SPLIT_BUTTON_ARROW, L"Split Button Arrow"},
    {IDS_LINK_DROP_DOWN_BUTTON, L"Drop Down Button"},
    {IDS_LINK_DROP_DOWN_BUTTON_ARROW, L"Drop Down Button Arrow"},
    {IDS_LINK_BUTTON_CHECKED, L"Button (Checked)"},
    {IDS_LINK_BUTTON_INDETERMINATE, L"Button (Indeterminate)"},
    {IDS_LINK_TOOLSTRIP_LABEL, L"Label"},
    {IDS_LINK_TOOLSTRIP_TEXT_COLOR, L"Text Color"},
    {IDS_LINK_DROPDOWN_BACKGROUND, L"Background"},
    {IDS_LINK_SIDE_PANEL, L"Side Panel"},
    {IDS_LINK_ITEM_IMAGE_CHECKED, L"Item Image (Checked)"},
    {IDS_LINK_ITEM_IMAGE_INDETERMINATE, L"Item Image (Indeterminate)"},
    {IDS_LINK_SUBMENU_ARROW_LEFT, L"Submenu Arrow (Left)"},
    {IDS_LINK_MENUSTRIP_BACKGROUND, L"Background"},
    {IDS_LINK_MENUSTRIP_ITEM_IMAGE, L"Item Image"},
    {IDS_LINK_MENUSTRIP_TEXT_COLOR, L"Text Color"},
    {IDS_LINK_DROPDOWN_ITEM_IMAGE, L"Item Image"},
    {IDS_LINK_SUBMENU_ARROW_RIGHT, L"Submenu Arrow (Right)"},
    {IDS_LINK_DROPDOWN_SEPARATOR_IMAGE, L"Separator Image"},
    {IDS_LINK_DROPDOWN_TEXT_COLOR, L"Text Color"},
    {IDS_LINK_STATUSSTRIP_BACKGROUND, L"Background"},
    {IDS_LINK_STATUSSTRIP_LABEL, L"Label"},
    {IDS_LINK_SIZING_GRIP, L"Sizing Grip"},
    {IDS_LINK_STATUSSTRIP_TEXT_COLOR, L"Text Color"},
    {IDS_LINK_TOOLSTRIP_BACKGROUND, L"Background"},
    {IDS_LINK_TOOLSTRIP_SEPARATOR_IMAGE, L"Separator Image"},
    {IDS_LINK_TOOLSTRIP_BUTTON, L"Button"},
    {IDS_LINK_ARROW_WIDTH_BAR, L"Arrow Width"},
    {IDS_LINK_ARROW_HEIGHT, L"Arrow Height"},
    {IDS_LINK_INTERNAL_HSCROLLBAR, L"Internal HScrollbar"},
    {IDS_LINK_INTERNAL_VSCROLLBAR, L"Internal VScrollbar"},
    {IDS_LINK_SCROLLBARS, L"Scrollbars"},
};

} // namespace

std::wstring BuiltInLinkString(UINT id) {
    for (const Entry& e : kTable)
        if (e.id == id) return e.text;
    for (const Entry& e : kPageTable)
        if (e.id == id) return e.text;
    for (const Entry& e : kControlPageTable)
        if (e.id == id) return e.text;
    for (const Entry& e : kRangeStripTable)
        if (e.id == id) return e.text;
    return {};
}

const UINT* BuiltInLinkStringIds(size_t* count) {
    static const std::vector<UINT> ids = [] {
        std::vector<UINT> all;
        for (const Entry& e : kTable) all.push_back(e.id);
        for (const Entry& e : kPageTable) all.push_back(e.id);
        for (const Entry& e : kControlPageTable) all.push_back(e.id);
        for (const Entry& e : kRangeStripTable) all.push_back(e.id);
        return all;
    }();
    *count = ids.size();
    return ids.data();
}

std::wstring LinkString(UINT id) {
    if (Provider()) {
        std::wstring text = Provider()(id);
        if (!text.empty()) return text;
    }
    return BuiltInLinkString(id);
}

void SetLinkStringProvider(LinkStringProvider provider) { Provider() = std::move(provider); }

} // namespace hexmoor::links
