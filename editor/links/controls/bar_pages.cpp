// The pages of the bars: the toolbar (its button image in four states, the
// bar's background, separator, colours, alignment and border widths) and the
// status bar (bar, grip and text by state, the pane image, border widths).
#include "editor/links/controls/control_pages.h"
#include "editor/links/controls/control_rows.h"
#include "model/elements/bar_properties.h"

namespace hexmoor::links {
namespace {

using rows::Add;

} // namespace

const PageTable& ToolBarPage() {
    static const PageTable t = [] {
        namespace ids = toolbar_props;
        PageTable p = rows::NewPage("CToolBrLink", IDS_LINK_TOOLBAR, {0, 2, 1, 3});
        const Label image = Text(IDS_LINK_IMAGE);
        const int normal = Add(p, rows::Image(image, ids::kButtonNormal, ids::kButtonNormal));
        const int background = Add(p, rows::Image(Text(IDS_LINK_TOOLBAR_BACKGROUND), ids::kBackground, 0));
        const int text = Add(p, rows::Color(Text(IDS_LINK_STATE_TEXT_COLOR), ids::kTextColor, 0));
        const int separator = Add(p, rows::Image(Text(IDS_LINK_TOOLBAR_SEPARATOR), ids::kSeparator, 0));
        const int disabled = Add(p, rows::Image(image, ids::kButtonDisabled, ids::kButtonNormal));
        const int hot = Add(p, rows::Image(image, ids::kButtonHot, ids::kButtonNormal));
        const int pressed = Add(p, rows::Image(image, ids::kButtonPressed, ids::kButtonNormal));
        const int iconColor = Add(p, rows::Color(Text(IDS_LINK_DISABLE_ICON_COLOR), ids::kDisabledIconColor, 0));
        const int alignment = Add(p, rows::FalseTrue(Text(IDS_LINK_VERTICAL_CENTER_ALIGNMENT), ids::kVerticalCenter));
        const int borders =
            rows::AddBorders(p, {{IDS_LINK_LEFT_BORDER, ids::kLeftBorder}, {IDS_LINK_RIGHT_BORDER, ids::kRightBorder}});
        p.fills[0] = {Row(normal), Row(background), Row(separator), Row(text), Row(alignment), Row(borders)};
        p.fills[1] = {Row(hot)};
        p.fills[2] = {Row(pressed)};
        p.fills[3] = {Row(disabled), Row(iconColor)};
        p.build = {normal, background, text, pressed, hot, disabled, separator, iconColor, alignment, borders};
        return p;
    }();
    return t;
}

const PageTable& StatusBarPage() {
    static const PageTable t = [] {
        namespace ids = status_bar_props;
        // The grip's highlighted and pressed images are offered to an export
        // only: the state bar shows the normal and disabled states.
        PageTable p = rows::NewPage("CStatusLink", IDS_LINK_STATUS_BAR, {0, 3});
        const Label pane = Text(IDS_LINK_STATUSBAR_PANE);
        const Label grip = Text(IDS_LINK_GRIP);
        const Label text = Text(IDS_LINK_STATE_TEXT_COLOR);
        const int paneNormal = Add(p, rows::Image(pane, ids::kBarNormal, ids::kBarNormal));
        const int gripNormal = Add(p, rows::Image(grip, ids::kGripNormal, ids::kGripNormal));
        const int textNormal = Add(p, rows::Color(text, ids::kTextNormal, ids::kTextNormal));
        const int gripHot = Add(p, rows::Image(grip, ids::kGripHot, ids::kGripNormal));
        const int gripPressed = Add(p, rows::Image(grip, ids::kGripPressed, ids::kGripNormal));
        const int paneDisabled = Add(p, rows::Image(pane, ids::kBarDisabled, ids::kBarNormal));
        const int gripDisabled = Add(p, rows::Image(grip, ids::kGripDisabled, ids::kGripNormal));
        const int textDisabled = Add(p, rows::Color(text, ids::kTextDisabled, ids::kTextNormal));
        const int paneImage = Add(p, rows::Image(Text(IDS_LINK_PANEL_IMAGE), ids::kPaneImage, 0));
        const int borders =
            rows::AddBorders(p, {{IDS_LINK_LEFT_BORDER, ids::kLeftBorder}, {IDS_LINK_RIGHT_BORDER, ids::kRightBorder}});
        p.fills[0] = {Row(paneNormal), Row(gripNormal), Row(textNormal), Row(paneImage), Row(borders)};
        p.fills[1] = {Row(gripHot)};
        p.fills[2] = {Row(gripPressed)};
        p.fills[3] = {Row(paneDisabled), Row(gripDisabled), Row(textDisabled)};
        p.build = {paneImage, paneNormal,   gripNormal,   textNormal,   gripPressed,
                   gripHot,   paneDisabled, gripDisabled, textDisabled, borders};
        return p;
    }();
    return t;
}

} // namespace hexmoor::links
