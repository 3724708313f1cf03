// Clear's side of the properties seam: each part of an element is emptied
// through a link of its kind's class made for the moment, and the page
// shown is filled again once, through the link that shows it.
#include <string_view>

#include "editor/links/family.h"
#include "editor/links/item_link.h"
#include "editor/links/link_env.h"
#include "editor/shell/main_frame.h"
#include "model/twf_skin.h"
#include "editor/links/grid_model.h"
#include "editor/shell/runtime_link.h"

namespace hexmoor::shell {

namespace {

// Kinds whose link is a group node: it shows a caption and holds nothing
// of its own to reset.
bool IsGroupNodeKind(int kind) { return kind == 24 || kind == 27 || kind == 39 || kind == 42 || kind == 72; }

} // namespace

bool CPropertiesSeam::CanReset(int kind) const {
    const char* name = LinkClassForKind(kind);
    return name && !IsGroupNodeKind(kind) && links::FamilyByClass(name);
}

void CPropertiesSeam::Reset(int kind, WORD type, const std::wstring& scheme, bool refreshPreview) {
    CTwfSkin* skin = runtime::MainSkin();
    CTwfObj* object = skin ? skin->FindObject(type, scheme) : nullptr;
    const char* name = LinkClassForKind(kind);
    const links::LinkFamily* family = name ? links::FamilyByClass(name) : nullptr;
    if (!object || !family || !CanReset(kind)) return;
    std::unique_ptr<links::CItemLinkObj> link = family->make(nullptr, type, family->controlId, scheme);
    link->SetTwfObj(object);
    link->ClearElementImages();
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
