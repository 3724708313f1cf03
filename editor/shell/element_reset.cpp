// Clear's side of the properties seam: each part of an element is emptied
// through its item's link, whose rows are built again from what is left;
// the page shown is filled again once, through the link that shows it.
#include "editor/links/family.h"
#include "editor/links/grid_model.h"
#include "editor/links/item_link.h"
#include "editor/links/link_env.h"
#include "editor/shell/main_frame.h"
#include "editor/shell/runtime_link.h"

namespace hexmoor::shell {

bool CPropertiesSeam::CanReset(int kind) const { return links::FamilyForKind(kind) != nullptr; }

void CPropertiesSeam::Reset(int kind, WORD type, const std::wstring&, links::CItemLinkObj* link, bool refreshPreview) {
    if (!link || !link->GetTwfObj() || !CanReset(kind)) return;
    link->ClearElementImages();
    // The part's rows show what its element holds now; the grid lets go of
    // them first when it shows them.
    link->RebuildRows();
    if (refreshPreview) {
        links::RefreshPreview();
        if (links::PreviewSink* preview = links::Links().preview) preview->RefreshSkinnedWindows(type);
    }
}

void CPropertiesSeam::RefillPage() {
    links::CItemLinkObj* link = Link();
    if (!link) return;
    // The grid lets go of the old rows before they are freed; the row that
    // was selected stays selected.
    links::PropertyGridModel* grid = links::Links().grid;
    const int selected = grid ? grid->GetSelectedIndex() : -1;
    if (grid) grid->ClearProperties();
    link->RebuildRows();
    const int state = links::GetSelectedState();
    link->FillPropertyPage(state < 0 ? 0 : state, nullptr);
    if (grid && selected >= 0 && selected < grid->Count()) grid->SetSelectedIndex(selected);
}

void CPropertiesSeam::RefreshPreview() {
    links::RefreshPreview();
    if (links::PreviewSink* preview = links::Links().preview)
        if (hasCurrent_) preview->RefreshSkinnedWindows(current_.type);
}

} // namespace hexmoor::shell
