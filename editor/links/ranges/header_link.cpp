#include "editor/links/ranges/header_link.h"

#include "editor/links/page_rows.h"
#include "model/elements/header_properties.h"
#include "resources/range_strip_pages_ids.h"

namespace hexmoor::links {
namespace {

const PageTable& HeaderPage() {
    namespace ids = header_props;
    enum {
        kImageNormal,
        kImageDisabled,
        kImageHot,
        kImagePressed,
        kTextNormal,
        kTextDisabled,
        kTextHot,
        kTextPressed,
        kOffsetHot,
        kOffsetPressed,
    };
    static const PageTable t = [] {
        PageTable p;
        p.className = "CHeaderLink";
        p.element = Text(IDS_LINK_HEADER);
        // The runtime draws a disabled item too, so its page is offered.
        p.states = {StateDecl::kList, {0, 1, 2, 3}};
        const Label image = Text(IDS_LINK_IMAGE);
        const Label text = Text(IDS_LINK_STATE_TEXT_COLOR);
        // Signed halves the page writes back; a group gets its two rows once
        // the grid shows it, and is shown closed.
        auto offset = [](WORD pair) {
            return rows::PairGroup(Text(IDS_LINK_TEXT_OFFSET), rows::OffsetPair(pair, kKindSigned, true, true),
                                   PairChildren::kWhenShown, GroupExpansion::kCollapsed);
        };
        p.rows = {
            rows::Image(image, ids::kImageNormal, ids::kImageNormal),
            rows::Image(image, ids::kImageDisabled, ids::kImageNormal),
            rows::Image(image, ids::kImageHot, ids::kImageNormal),
            rows::Image(image, ids::kImagePressed, ids::kImageNormal),
            rows::Color(text, ids::kTextNormal, ids::kTextNormal),
            rows::Color(text, ids::kTextDisabled, ids::kTextNormal),
            rows::Color(text, ids::kTextHot, ids::kTextNormal),
            rows::Color(text, ids::kTextPressed, ids::kTextNormal),
            offset(ids::kTextOffsetHot),
            offset(ids::kTextOffsetPressed),
        };
        p.fills[0] = {Row(kImageNormal), Row(kTextNormal)};
        p.fills[1] = {Row(kImageHot), Row(kTextHot), Row(kOffsetHot),
                      Key(L"Text Offset", kKindSigned, ids::kTextOffsetHot)};
        p.fills[2] = {Row(kImagePressed), Row(kTextPressed), Row(kOffsetPressed),
                      Key(L"Text Offset", kKindSigned, ids::kTextOffsetPressed)};
        p.fills[3] = {Row(kImageDisabled), Row(kTextDisabled)};
        // The offsets' rows are made by the page when it shows them, never
        // by a build.
        p.build = {kImageNormal, kTextNormal, kImagePressed,  kTextPressed,
                   kImageHot,    kTextHot,    kImageDisabled, kTextDisabled};
        p.pairCommit = PairCommit::kSelected;
        return p;
    }();
    return t;
}

} // namespace

CHeaderLink::CHeaderLink(TreeItem item, WORD typeId, int controlId, std::wstring schemeName)
    : CPageLink(HeaderPage(), item, typeId, controlId, std::move(schemeName)) {}

} // namespace hexmoor::links
