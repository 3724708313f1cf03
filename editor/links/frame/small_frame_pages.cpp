// The dialog background (one image) and the minimized frame (its image and
// the offsets of its three caption buttons, kept in the window frame).
#include "editor/links/frame/frame_pages.h"
#include "editor/links/page_rows.h"
#include "model/elements/dialog_properties.h"
#include "model/elements/frame_properties.h"

namespace hexmoor::links {
namespace {

const PageTable& DialogPage() {
    static const PageTable t = [] {
        PageTable p;
        p.className = "CDialogLink";
        p.element = Text(IDS_LINK_DIALOG_BACKGROUND);
        p.states = {StateDecl::kList, {0}};
        p.rows = {rows::Image(Text(IDS_LINK_DIALOG_BACKGROUND), dialog_props::kBackground, 0)};
        p.fills[0] = {Row(0)};
        p.build = {0};
        return p;
    }();
    return t;
}

const PageTable& MinimizedPage() {
    namespace ids = frame_props;
    enum { kImage, kClose, kMaximize, kRestore };
    static const PageTable t = [] {
        PageTable p;
        p.className = "CMinimizedLink";
        p.element = Text(IDS_LINK_MINIMIZED_FRAME);
        p.states = {StateDecl::kNoneButGrid, {}};
        RowSpec image = rows::Image(Text(IDS_LINK_MINIMIZED_FRAME), ids::kMinimizedImage, 0);
        image.fillLabel = Text(IDS_LINK_IMAGE);
        p.rows = {
            image,
            rows::PairGroup(Text(IDS_LINK_CLOSE_BUTTON_OFFSET), rows::OffsetPair(ids::kMinimizedCloseOffset)),
            rows::PairGroup(Text(IDS_LINK_MAXIMIZE_BUTTON_OFFSET), rows::OffsetPair(ids::kMinimizedMaximizeOffset)),
            rows::PairGroup(Text(IDS_LINK_RESTORE_BUTTON_OFFSET), rows::OffsetPair(ids::kMinimizedMinimizeOffset)),
        };
        // The three keys come before the groups.
        p.fills[0] = {Row(kImage),
                      Key(L"minclosebox_offset", kKindNumber, ids::kMinimizedCloseOffset),
                      Key(L"minmaxbox_offset", kKindNumber, ids::kMinimizedMaximizeOffset),
                      Key(L"minresbox_offset", kKindNumber, ids::kMinimizedMinimizeOffset),
                      Row(kClose),
                      Row(kMaximize),
                      Row(kRestore)};
        p.build = {kImage, kClose, kMaximize, kRestore};
        p.clear = {ClearSpec::kSteps,
                   {rows::StoreZero(ids::kMinimizedCloseOffset), rows::StoreZero(ids::kMinimizedMaximizeOffset),
                    rows::StoreZero(ids::kMinimizedMinimizeOffset), rows::RemoveImage(ids::kMinimizedImage)}};
        p.pairCommit = PairCommit::kAll;
        return p;
    }();
    return t;
}

} // namespace

CDialogLink::CDialogLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(DialogPage(), item, typeId, controlId, std::move(schemeName)) {}
CMinimizedLink::CMinimizedLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(MinimizedPage(), item, typeId, controlId, std::move(schemeName)) {}

} // namespace hexmoor::links
