// The pages of the check-like buttons and the group box: the check box and
// the radio box (one shape, the check box with a third, indeterminate image),
// the push-like check button (checked and unchecked looks in five states,
// with the text offsets of the push button) and the group box's colours.
#include "editor/links/controls/control_pages.h"
#include "editor/links/controls/control_rows.h"
#include "model/elements/check_properties.h"
#include "model/elements/group_box_properties.h"

namespace hexmoor::links {
namespace {

using rows::Add;

struct BoxPageSpec {
    const char* className;
    UINT name;
    WORD base;          // the first block: unchecked, checked, text colour
    WORD indeterminate; // the indeterminate images' first id; 0: none
};

PageTable MakeBoxPage(const BoxPageSpec& b) {
    namespace ids = check_props;
    PageTable p = rows::NewPage(b.className, b.name, {0, 1, 2, 3, 4});
    int unchecked[5], checked[5], text[5], indeterminate[5];
    for (int s = 0; s < 5; ++s) {
        const WORD block = static_cast<WORD>(b.base + 3 * ids::kBlockOfState[s]);
        unchecked[s] = Add(p, rows::Image(Text(IDS_LINK_IMAGE_UNCHECKED), block + ids::kUncheckedImage,
                                          b.base + ids::kUncheckedImage));
        checked[s] =
            Add(p, rows::Image(Text(IDS_LINK_IMAGE_CHECKED), block + ids::kCheckedImage, b.base + ids::kCheckedImage));
        text[s] =
            Add(p, rows::Color(Text(IDS_LINK_STATE_TEXT_COLOR), block + ids::kTextColor, b.base + ids::kTextColor));
        indeterminate[s] = b.indeterminate == 0
                               ? kNoRow
                               : Add(p, rows::Image(Text(IDS_LINK_IMAGE_INDETERMINATE),
                                                    b.indeterminate + ids::kBlockOfState[s], b.indeterminate));
        p.fills[static_cast<size_t>(s)] = {Row(checked[s]), Row(unchecked[s])};
        if (indeterminate[s] != kNoRow) p.fills[static_cast<size_t>(s)].push_back(Row(indeterminate[s]));
        p.fills[static_cast<size_t>(s)].push_back(Row(text[s]));
    }
    for (int s : rows::kBlockOrder) p.build.insert(p.build.end(), {unchecked[s], checked[s], text[s]});
    if (b.indeterminate != 0)
        for (int s : {0, 3, 1, 2, 4}) p.build.push_back(indeterminate[s]);
    return p;
}

} // namespace

const PageTable& CheckBoxPage() {
    static const PageTable t = MakeBoxPage(
        {"CCheckLink", IDS_LINK_CHECK_BOX, check_props::kCheckBoxBase, check_props::kCheckBoxIndeterminate});
    return t;
}

const PageTable& RadioBoxPage() {
    static const PageTable t = MakeBoxPage({"CRadioLink", IDS_LINK_RADIO_BUTTON, check_props::kRadioBoxBase, 0});
    return t;
}

const PageTable& CheckButtonPage() {
    static const PageTable t = [] {
        namespace ids = check_button_props;
        PageTable p = rows::NewPage("CCheckButtonLink", IDS_LINK_RADIO_BUTTON, {0, 1, 2, 3, 4});
        int unchecked[5], checked[5], uncheckedText[5], checkedText[5];
        for (int s = 0; s < 5; ++s) {
            unchecked[s] =
                Add(p, rows::Image(Text(IDS_LINK_IMAGE_UNCHECKED), ids::kUncheckedImage[s], ids::kUncheckedImage[0]));
            checked[s] =
                Add(p, rows::Image(Text(IDS_LINK_IMAGE_CHECKED), ids::kCheckedImage[s], ids::kCheckedImage[0]));
            uncheckedText[s] = Add(
                p, rows::Color(Text(IDS_LINK_TEXT_COLOR_UNCHECKED), ids::kUncheckedText[s], ids::kUncheckedText[0]));
            checkedText[s] =
                Add(p, rows::Color(Text(IDS_LINK_TEXT_COLOR_CHECKED), ids::kCheckedText[s], ids::kCheckedText[0]));
            p.fills[static_cast<size_t>(s)] = {Row(checked[s]), Row(unchecked[s]), Row(uncheckedText[s]),
                                               Row(checkedText[s])};
        }
        // The text offsets as on the push button: signed halves written back
        // by the page, shown closed, the key always handed to an export.
        for (const auto& [state, pair] : {std::pair{1, ids::kTextOffsetHot}, std::pair{2, ids::kTextOffsetPressed}}) {
            const int offset =
                Add(p, rows::PairGroup(Text(IDS_LINK_TEXT_OFFSET), rows::OffsetPair(pair, kKindSigned, true, true),
                                       PairChildren::kWhenShown, GroupExpansion::kCollapsed));
            p.fills[static_cast<size_t>(state)].insert(p.fills[static_cast<size_t>(state)].end(),
                                                       {Row(offset), Key(L"Text Offset", kKindSigned, pair)});
        }
        for (int s : rows::kBlockOrder)
            p.build.insert(p.build.end(), {unchecked[s], checked[s], uncheckedText[s], checkedText[s]});
        p.pairCommit = PairCommit::kSelected;
        return p;
    }();
    return t;
}

const PageTable& GroupBoxPage() {
    static const PageTable t = [] {
        namespace ids = group_box_props;
        PageTable p = rows::NewPage("CGroupLink", IDS_LINK_GROUP_BOX, {0, 3});
        const Label text = Text(IDS_LINK_STATE_TEXT_COLOR);
        const Label light = Text(IDS_LINK_LIGHT_LINE_COLOR);
        const Label dark = Text(IDS_LINK_DARK_LINE_COLOR);
        const int textNormal = Add(p, rows::Color(text, ids::kTextNormal, ids::kTextNormal));
        const int lightNormal = Add(p, rows::Color(light, ids::kLightLineNormal, ids::kLightLineNormal));
        const int darkNormal = Add(p, rows::Color(dark, ids::kDarkLineNormal, ids::kDarkLineNormal));
        const int textDisabled = Add(p, rows::Color(text, ids::kTextDisabled, ids::kTextNormal));
        const int lightDisabled = Add(p, rows::Color(light, ids::kLightLineDisabled, ids::kLightLineNormal));
        const int darkDisabled = Add(p, rows::Color(dark, ids::kDarkLineDisabled, ids::kDarkLineNormal));
        p.fills[0] = {Row(textNormal), Row(lightNormal), Row(darkNormal)};
        p.fills[3] = {Row(textDisabled), Row(lightDisabled), Row(darkDisabled)};
        p.build = {textNormal, lightNormal, darkNormal, textDisabled, lightDisabled, darkDisabled};
        return p;
    }();
    return t;
}

} // namespace hexmoor::links
