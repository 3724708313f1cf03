// The progress bars and spin controls: for each kind one table of what
// differs between the two orientations (caption, labels, ids); each page is
// made from its line.
#include "editor/links/ranges/range_pages.h"

#include <vector>

#include "editor/links/page_rows.h"
#include "editor/links/state_rows.h"
#include "model/elements/range_properties.h"
#include "resources/range_strip_pages_ids.h"

namespace hexmoor::links {
namespace {

// --- progress bars -------------------------------------------------------------

struct ProgressSpec {
    const char* className;
    UINT element;
    UINT background, item;
    progress_props::BarIds ids;
};

PageTable MakeProgressPage(const ProgressSpec& b) {
    PageTable p;
    p.className = b.className;
    p.element = Text(b.element);
    p.states = {StateDecl::kList, {0}};
    enum { kBackground, kItem, kBorders };
    p.rows = {
        rows::Image(Text(b.background), b.ids.background, 0),
        rows::Image(Text(b.item), b.ids.item, 0),
        rows::Group(Text(IDS_LINK_BORDERS)),
        rows::Number(Text(IDS_LINK_TOP_BORDER), b.ids.topBorder, b.ids.topBorder, kBorders),
        rows::Number(Text(IDS_LINK_BOTTOM_BORDER), b.ids.bottomBorder, b.ids.bottomBorder, kBorders),
        rows::Number(Text(IDS_LINK_LEFT_BORDER), b.ids.leftBorder, b.ids.leftBorder, kBorders),
        rows::Number(Text(IDS_LINK_RIGHT_BORDER), b.ids.rightBorder, b.ids.rightBorder, kBorders),
    };
    p.fills[0] = {Row(kBackground), Row(kItem), Row(kBorders)};
    p.build = {kBackground, kItem, kBorders};
    // A reset takes this orientation's two images; the borders stay.
    p.clear = {ClearSpec::kSteps, {rows::RemoveImage(b.ids.background), rows::RemoveImage(b.ids.item)}};
    return p;
}

const PageTable& ProgressPage(int index) {
    static const std::vector<PageTable> pages = [] {
        const ProgressSpec bars[] = {
            {"CProgressHLink", IDS_LINK_HORIZONTAL_PROGRESS_BAR, IDS_LINK_HORIZONTAL_BACKGROUND_PROGRESS,
             IDS_LINK_HORIZONTAL_PROGRESS_ITEM, progress_props::kHorz},
            {"CProgressVLink", IDS_LINK_VERTICAL_PROGRESS_BAR, IDS_LINK_VERTICAL_BACKGROUND_PROGRESS,
             IDS_LINK_VERTICAL_PROGRESS_ITEM, progress_props::kVert},
        };
        std::vector<PageTable> all;
        for (const ProgressSpec& b : bars) all.push_back(MakeProgressPage(b));
        return all;
    }();
    return pages[static_cast<size_t>(index)];
}

// --- spin controls ---------------------------------------------------------------

struct SpinSpec {
    const char* className;
    UINT element;
    UINT first, second;
    spin_props::ArrowIds firstIds, secondIds;
};

PageTable MakeSpinPage(const SpinSpec& s) {
    PageTable p;
    p.className = s.className;
    p.element = Text(s.element);
    // The focused images are not offered on the state bar; an export asks
    // for them.
    p.states = {StateDecl::kList, {0, 2, 1, 3}};
    auto arrow = [](UINT label, const spin_props::ArrowIds& a) {
        return StateRow{Text(label), kKindImage, {a.normal, a.hot, a.pressed, a.disabled, a.focused}, true};
    };
    // A build goes state by state (normal, pressed, highlighted, disabled,
    // focused), the first arrow before the second.
    AddStateRows(p, {arrow(s.first, s.firstIds), arrow(s.second, s.secondIds)},
                 BuildOrder{BuildOrder::kStateByState, {0, 2, 1, 3, 4}});
    p.clear = RemoveOwnImages(p);
    return p;
}

const PageTable& SpinPage(int index) {
    static const std::vector<PageTable> pages = [] {
        const SpinSpec spins[] = {
            {"CSpinHLink", IDS_LINK_HORIZONTAL_SPIN_CONTROL, IDS_LINK_ARROW_LEFT_SPIN, IDS_LINK_ARROW_RIGHT_SPIN,
             spin_props::kLeftArrow, spin_props::kRightArrow},
            {"CSpinVLink", IDS_LINK_VERTICAL_SPIN_CONTROL, IDS_LINK_ARROW_UP_SPIN, IDS_LINK_ARROW_DOWN_SPIN,
             spin_props::kUpArrow, spin_props::kDownArrow},
        };
        std::vector<PageTable> all;
        for (const SpinSpec& s : spins) all.push_back(MakeSpinPage(s));
        return all;
    }();
    return pages[static_cast<size_t>(index)];
}

} // namespace

CProgressHLink::CProgressHLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(ProgressPage(0), item, typeId, controlId, std::move(schemeName)) {}
CProgressVLink::CProgressVLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(ProgressPage(1), item, typeId, controlId, std::move(schemeName)) {}
CSpinHLink::CSpinHLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(SpinPage(0), item, typeId, controlId, std::move(schemeName)) {}
CSpinVLink::CSpinVLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(SpinPage(1), item, typeId, controlId, std::move(schemeName)) {}

} // namespace hexmoor::links
