#include "editor/links/ranges/header_link.h"

#include "editor/links/state_rows.h"
#include "model/elements/header_properties.h"
#include "resources/property_grid_ids.h"
#include "resources/range_strip_pages_ids.h"

namespace hexmoor::links {
namespace {

const PageTable& HeaderPage() {
    namespace ids = header_props;
    static const PageTable t = [] {
        PageTable p;
        p.className = "CHeaderLink";
        p.element = Text(IDS_LINK_HEADER);
        // The runtime draws a disabled item too, so its page is offered.
        p.states = {StateDecl::kList, {0, 1, 2, 3}};
        // Each state shows its item image and text colour, tied to the
        // normal ones for "Fill all states"; a build goes normal, pressed,
        // highlighted, disabled, the image before the colour.
        AddStateRows(p,
                     {{Text(IDS_LINK_IMAGE),
                       kKindImage,
                       {ids::kImageNormal, ids::kImageHot, ids::kImagePressed, ids::kImageDisabled, 0},
                       true},
                      {Text(IDS_LINK_STATE_TEXT_COLOR),
                       kKindColor,
                       {ids::kTextNormal, ids::kTextHot, ids::kTextPressed, ids::kTextDisabled, 0},
                       true}},
                     BuildOrder{BuildOrder::kStateByState, {0, 2, 1, 3, 4}});
        // The offsets' rows are made by the page when it shows them, never
        // by a build.
        AddTextOffsets(p, ids::kTextOffsetHot, ids::kTextOffsetPressed);
        return p;
    }();
    return t;
}

} // namespace

CHeaderLink::CHeaderLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(HeaderPage(), item, typeId, controlId, std::move(schemeName)) {}

} // namespace hexmoor::links
