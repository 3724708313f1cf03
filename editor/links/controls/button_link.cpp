#include "editor/links/controls/button_link.h"

#include "editor/links/page_rows.h"
#include "model/elements/button_properties.h"

namespace hexmoor::links {
namespace {

const PageTable& ButtonPage() {
    namespace ids = button_props;
    enum {
        kImageNormal,
        kImageDisabled,
        kImageHot,
        kImagePressed,
        kImageFocused,
        kTextNormal,
        kTextDisabled,
        kTextHot,
        kTextPressed,
        kTextFocused,
        kOffsetHot,
        kOffsetPressed,
    };
    static const PageTable t = [] {
        PageTable p;
        p.className = "CButtonLink";
        p.element = Text(IDS_LINK_BUTTON);
        p.states = {StateDecl::kList, {0, 1, 2, 3, 4}};
        const Label image = Text(IDS_LINK_IMAGE);
        const Label text = Text(IDS_LINK_STATE_TEXT_COLOR);
        // The offsets are signed halves that the page writes back; a group
        // gets its two rows once the grid shows it, and is shown closed.
        auto offset = [](WORD pair) {
            return rows::PairGroup(Text(IDS_LINK_TEXT_OFFSET), rows::OffsetPair(pair, kKindSigned, true, true),
                                   PairChildren::kWhenShown, GroupExpansion::kCollapsed);
        };
        p.rows = {
            rows::Image(image, ids::kImageNormal, ids::kImageNormal),
            rows::Image(image, ids::kImageDisabled, ids::kImageNormal),
            rows::Image(image, ids::kImageHot, ids::kImageNormal),
            rows::Image(image, ids::kImagePressed, ids::kImageNormal),
            rows::Image(image, ids::kImageFocused, ids::kImageNormal),
            rows::Color(text, ids::kTextNormal, ids::kTextNormal),
            rows::Color(text, ids::kTextDisabled, ids::kTextNormal),
            rows::Color(text, ids::kTextHot, ids::kTextNormal),
            rows::Color(text, ids::kTextPressed, ids::kTextNormal),
            rows::Color(text, ids::kTextFocused, ids::kTextNormal),
            offset(ids::kTextOffsetHot),
            offset(ids::kTextOffsetPressed),
        };
        // The offset's key reaches an export whether or not the grid ever
        // showed the group's rows.
        p.fills[0] = {Row(kImageNormal), Row(kTextNormal)};
        p.fills[1] = {Row(kImageHot), Row(kTextHot), Row(kOffsetHot),
                      Key(L"Text Offset", kKindSigned, ids::kTextOffsetHot)};
        p.fills[2] = {Row(kImagePressed), Row(kTextPressed), Row(kOffsetPressed),
                      Key(L"Text Offset", kKindSigned, ids::kTextOffsetPressed)};
        p.fills[3] = {Row(kImageDisabled), Row(kTextDisabled)};
        p.fills[4] = {Row(kImageFocused), Row(kTextFocused)};
        p.build = {kImageNormal, kTextNormal,    kImagePressed, kTextPressed,  kImageHot,
                   kTextHot,     kImageDisabled, kTextDisabled, kImageFocused, kTextFocused};
        p.pairCommit = PairCommit::kSelected;
        return p;
    }();
    return t;
}

} // namespace

CButtonLink::CButtonLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(ButtonPage(), item, typeId, controlId, std::move(schemeName)) {}

} // namespace hexmoor::links
