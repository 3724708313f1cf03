// The four scroll bars: one table of what differs between them (caption,
// labels, ids, the internal bars' sizes and the copy that fills a bar from
// its sibling); each bar's page is made from its line.
#include "editor/links/ranges/scroll_bar_pages.h"

#include <vector>

#include "editor/links/page_rows.h"
#include "editor/links/state_rows.h"
#include "model/elements/scrollbar_properties.h"
#include "model/elements/scrollbars.h"
#include "resources/range_strip_pages_ids.h"

namespace hexmoor::links {
namespace {

namespace ids = scrollbar_props;

struct BarSpec {
    const char* className;
    UINT element;
    UINT background, thumb, firstArrow, secondArrow;
    ids::BarIds bar;
    // An internal bar's sizes in pixels (labels 0 for a standalone bar).
    UINT sizeLabel;
    WORD sizeId;
    UINT arrowLabel;
    WORD arrowId;
    void (CTwfScrollbars::*fillFromSibling)();
};

ScrollBarPage MakeBarPage(const BarSpec& b) {
    ScrollBarPage page;
    PageTable& p = page.table;
    p.className = b.className;
    p.element = Text(b.element);
    p.states = {StateDecl::kList, {0, 1, 2, 3}};
    auto part = [](UINT label, const ids::PartIds& i) {
        return StateRow{Text(label), kKindImage, {i.normal, i.hot, i.pressed, i.disabled, 0}, true};
    };
    // The background has an enabled and a disabled image only.
    const StateRow background{
        Text(b.background), kKindImage, {b.bar.background, 0, 0, b.bar.backgroundDisabled, 0}, true};
    // Within a part a build goes normal, pressed, highlighted, disabled.
    AddStateRows(p,
                 {background, part(b.thumb, b.bar.thumb), part(b.firstArrow, b.bar.firstArrow),
                  part(b.secondArrow, b.bar.secondArrow)},
                 BuildOrder{BuildOrder::kLineByLine, {0, 2, 1, 3, 4}});
    // A reset takes this bar's images only: the other bars and the sizes
    // stay.
    p.clear = RemoveOwnImages(p);
    if (b.sizeLabel != 0) {
        for (auto [label, id] : {std::pair{b.sizeLabel, b.sizeId}, std::pair{b.arrowLabel, b.arrowId}}) {
            const int row = static_cast<int>(p.rows.size());
            p.rows.push_back(rows::Number(Text(label), id, 0));
            p.fills[0].push_back(Row(row));
            p.build.push_back(row);
        }
    }
    page.fillFromSibling = b.fillFromSibling;
    return page;
}

const ScrollBarPage& Page(int index) {
    static const std::vector<ScrollBarPage> pages = [] {
        const BarSpec bars[] = {
            {"CSBHLink", IDS_LINK_STANDALONE_HSCROLLBAR, IDS_LINK_HORIZONTAL_BACKGROUND_BAR,
             IDS_LINK_HORIZONTAL_THUMB_BAR, IDS_LINK_ARROW_LEFT_BAR, IDS_LINK_ARROW_RIGHT_BAR, ids::kStandaloneHorz, 0,
             0, 0, 0, &CTwfScrollbars::CopyInternalHorzToStandalone},
            {"CSBVLink", IDS_LINK_STANDALONE_VSCROLLBAR, IDS_LINK_VERTICAL_BACKGROUND_BAR, IDS_LINK_VERTICAL_THUMB_BAR,
             IDS_LINK_ARROW_UP_BAR, IDS_LINK_ARROW_DOWN_BAR, ids::kStandaloneVert, 0, 0, 0, 0,
             &CTwfScrollbars::CopyInternalVertToStandalone},
            {"CISBHLink", IDS_LINK_INTERNAL_HSCROLLBAR, IDS_LINK_HORIZONTAL_BACKGROUND_BAR,
             IDS_LINK_HORIZONTAL_THUMB_BAR, IDS_LINK_ARROW_LEFT_BAR, IDS_LINK_ARROW_RIGHT_BAR, ids::kInternalHorz,
             IDS_LINK_HEIGHT, ids::kInternalHorzHeight, IDS_LINK_ARROW_WIDTH_BAR, ids::kInternalHorzArrowWidth,
             &CTwfScrollbars::CopyStandaloneHorzToInternal},
            {"CISBVLink", IDS_LINK_INTERNAL_VSCROLLBAR, IDS_LINK_VERTICAL_BACKGROUND_BAR, IDS_LINK_VERTICAL_THUMB_BAR,
             IDS_LINK_ARROW_UP_BAR, IDS_LINK_ARROW_DOWN_BAR, ids::kInternalVert, IDS_LINK_WIDTH,
             ids::kInternalVertWidth, IDS_LINK_ARROW_HEIGHT, ids::kInternalVertArrowHeight,
             &CTwfScrollbars::CopyStandaloneVertToInternal},
        };
        std::vector<ScrollBarPage> all;
        for (const BarSpec& b : bars) all.push_back(MakeBarPage(b));
        return all;
    }();
    return pages[static_cast<size_t>(index)];
}

// The folder: a caption and no rows; the state bar, the grid and the
// options stay hidden whatever state is asked for.
const PageTable& FolderPage() {
    static const PageTable t = [] {
        PageTable p;
        p.className = "CScrollBarsLink";
        p.element = Text(IDS_LINK_SCROLLBARS);
        p.states = {StateDecl::kHideAll, {}};
        p.image = ImageDisplay::kNone;
        // The folder holds nothing of its own: the bars reset themselves.
        p.clear = {ClearSpec::kSteps, {}};
        return p;
    }();
    return t;
}

} // namespace

CScrollBarsLink::CScrollBarsLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(FolderPage(), item, typeId, controlId, std::move(schemeName)) {}

CScrollBarLink::CScrollBarLink(const ScrollBarPage& page, TreeItem item, WORD typeId, int controlId,
                               SchemeName schemeName)
    : CPageLink(page.table, item, typeId, controlId, std::move(schemeName)), fillFromSibling_(page.fillFromSibling) {}

void CScrollBarLink::FillFromSiblingScrollBar() {
    auto* bars = dynamic_cast<CTwfScrollbars*>(GetTwfObj());
    if (!bars || !fillFromSibling_) return;
    (bars->*fillFromSibling_)();
    // The rows stay the objects the grid shows; only their texts change.
    BuildPropertyItems(1);
    for (size_t i = 0; i < Table().rows.size(); ++i) RedrawListItem(Row(static_cast<int>(i)));
    ShowSelectedPropertyImage(*this);
    RefreshPreview();
    SetDocumentModified();
}

CSBHLink::CSBHLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CScrollBarLink(Page(0), item, typeId, controlId, std::move(schemeName)) {}
CSBVLink::CSBVLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CScrollBarLink(Page(1), item, typeId, controlId, std::move(schemeName)) {}
CISBHLink::CISBHLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CScrollBarLink(Page(2), item, typeId, controlId, std::move(schemeName)) {}
CISBVLink::CISBVLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CScrollBarLink(Page(3), item, typeId, controlId, std::move(schemeName)) {}

} // namespace hexmoor::links
