// The twin pages: the horizontal and vertical sliders, and the horizontal
// and vertical tab controls. Each pair edits one element, each page its own
// block of ids; a twin is one table made from a row of differences, and its
// reset clears its own block only.
#include "editor/links/controls/control_pages.h"
#include "editor/links/controls/control_rows.h"
#include "model/elements/slider_properties.h"
#include "model/elements/tab_properties.h"

namespace hexmoor::links {
namespace {

using rows::Add;

// --- sliders ------------------------------------------------------------------------

struct SliderSpec {
    const char* className;
    UINT name, thumb, line, background, selection;
    WORD base;
};

PageTable MakeSliderPage(const SliderSpec& s) {
    namespace ids = slider_props;
    PageTable p = rows::NewPage(s.className, s.name, {0, 2, 1, 3, 4});
    const UINT labels[] = {s.thumb, s.line, s.background};
    const WORD parts[] = {ids::kThumb, ids::kLine, ids::kBackground};
    int images[5][3];
    for (int state = 0; state < 5; ++state) {
        const WORD block = static_cast<WORD>(s.base + 3 * ids::kBlockOfState[state]);
        for (int i = 0; i < 3; ++i) {
            images[state][i] = Add(p, rows::Image(Text(labels[i]), block + parts[i], s.base + parts[i]));
            p.fills[static_cast<size_t>(state)].push_back(Row(images[state][i]));
        }
    }
    // The selection shows in the normal state only and has no series.
    const WORD selectionId = s.base + ids::kSelection;
    const int selection = Add(p, rows::Image(Text(s.selection), selectionId, 0));
    p.fills[0].push_back(Row(selection));
    for (int state : rows::kBlockOrder) {
        p.build.insert(p.build.end(), {images[state][0], images[state][1], images[state][2]});
        if (state == 0) p.build.push_back(selection);
    }
    // A reset removes this orientation's sixteen images and nothing else.
    p.clear.mode = ClearSpec::kSteps;
    for (int index : p.build) p.clear.steps.push_back(rows::RemoveImage(p.rows[static_cast<size_t>(index)].id));
    return p;
}

// --- tab controls --------------------------------------------------------------------

struct TabSpec {
    const char* className;
    UINT name, item, panel;
    WORD base;
    WORD transparentDialog;
    // The export key of the icon offset, shown while "Use Offset" is chosen.
    ExportKey iconOffsetKey;
};

PageTable MakeTabPage(const TabSpec& s) {
    namespace ids = tab_props;
    PageTable p = rows::NewPage(s.className, s.name, {0, 2, 1, 3, 4});
    const WORD itemNormal = s.base + ids::kItemOfState[0];
    const WORD textNormal = itemNormal + 1;
    int item[5], text[5];
    for (int state = 0; state < 5; ++state) {
        const WORD id = s.base + ids::kItemOfState[state];
        item[state] = Add(p, rows::Image(Text(s.item), id, itemNormal));
        text[state] = Add(p, rows::Color(Text(IDS_LINK_STATE_TEXT_COLOR), id + 1, textNormal));
    }
    const int panel = Add(p, rows::Image(Text(s.panel), s.base + ids::kPanel, 0));
    // "Use Offset" shows the icon's offset below the choice, signed halves
    // written back by the page; "Standard" takes them away and keeps the
    // stored pair.
    RowSpec location =
        rows::Choice(Text(IDS_LINK_TAB_ICON_LOCATION), s.base + ids::kIconLocation, Literal(L"Standard|Use Offset"));
    location.pair = rows::OffsetPair(s.base + ids::kIconOffset, kKindSigned, false, true);
    location.pairEntry = 1;
    location.keyWhileHolding = s.iconOffsetKey;
    const int iconLocation = Add(p, location);
    const int transparent = Add(p, rows::FalseTrue(Text(IDS_LINK_TRANSPARENT_DIALOG_BOX), s.transparentDialog));
    p.fills[0] = {Row(item[0]), Row(panel), Row(text[0]), Row(iconLocation), Row(transparent)};
    for (int state : {1, 2, 3, 4}) p.fills[static_cast<size_t>(state)] = {Row(item[state]), Row(text[state])};
    // The text offsets as on the push button: shown closed, the key always
    // handed to an export.
    for (const auto& [state, pair] : {std::pair{1, ids::kTextOffsetHot}, std::pair{2, ids::kTextOffsetPressed}}) {
        const WORD id = s.base + pair;
        const int offset =
            Add(p, rows::PairGroup(Text(IDS_LINK_TEXT_OFFSET), rows::OffsetPair(id, kKindSigned, true, true),
                                   PairChildren::kWhenShown, GroupExpansion::kCollapsed));
        p.fills[static_cast<size_t>(state)].insert(p.fills[static_cast<size_t>(state)].end(),
                                                   {Row(offset), Key(L"Text Offset", kKindSigned, id)});
    }
    p.build = {item[0], text[0], panel};
    for (int state : {2, 1, 3, 4}) p.build.insert(p.build.end(), {item[state], text[state]});
    p.build.insert(p.build.end(), {iconLocation, transparent});
    // A reset removes this orientation's images and colours; its numbers
    // and the other orientation's properties stay.
    p.clear.mode = ClearSpec::kSteps;
    p.clear.steps = {rows::RemoveImage(itemNormal), rows::RemoveImage(s.base + ids::kPanel)};
    for (int state : {2, 1, 3, 4}) p.clear.steps.push_back(rows::RemoveImage(s.base + ids::kItemOfState[state]));
    for (int state : rows::kBlockOrder)
        p.clear.steps.push_back(rows::RemoveColor(s.base + ids::kItemOfState[state] + 1));
    p.pairCommit = PairCommit::kSelected;
    return p;
}

} // namespace

const PageTable& HorizontalSliderPage() {
    static const PageTable t =
        MakeSliderPage({"CSliderHLink", IDS_LINK_HORIZONTAL_SLIDER, IDS_LINK_HORIZONTAL_THUMB, IDS_LINK_HORIZONTAL_LINE,
                        IDS_LINK_HORIZONTAL_BACKGROUND, IDS_LINK_HORIZONTAL_SELECTION, slider_props::kHorizontalBase});
    return t;
}

const PageTable& VerticalSliderPage() {
    static const PageTable t =
        MakeSliderPage({"CSliderVLink", IDS_LINK_VERTICAL_SLIDER, IDS_LINK_VERTICAL_THUMB, IDS_LINK_VERTICAL_LINE,
                        IDS_LINK_VERTICAL_BACKGROUND, IDS_LINK_VERTICAL_SELECTION, slider_props::kVerticalBase});
    return t;
}

const PageTable& HorizontalTabPage() {
    namespace ids = tab_props;
    static const PageTable t = MakeTabPage({"CTabHLink",
                                            IDS_LINK_HORIZONTAL_TAB_CONTROL,
                                            IDS_LINK_HORIZONTAL_TAB_ITEM,
                                            IDS_LINK_HORIZONTAL_TAB_PANEL,
                                            ids::kHorizontalBase,
                                            ids::kHorizontalTransparentDialog,
                                            {L"hicon_offset", kKindNumber, ids::kHorizontalBase + ids::kIconOffset}});
    return t;
}

const PageTable& VerticalTabPage() {
    namespace ids = tab_props;
    static const PageTable t = MakeTabPage({"CTabVLink",
                                            IDS_LINK_VERTICAL_TAB_CONTROL,
                                            IDS_LINK_VERTICAL_TAB_ITEM,
                                            IDS_LINK_VERTICAL_TAB_PANEL,
                                            ids::kVerticalBase,
                                            ids::kVerticalTransparentDialog,
                                            {L"vicon_offset", kKindSigned, ids::kVerticalBase + ids::kIconOffset}});
    return t;
}

} // namespace hexmoor::links
