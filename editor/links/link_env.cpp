#include "editor/links/link_env.h"

#include "editor/links/grid_model.h"
#include "editor/links/item_link.h"

namespace hexmoor::links {

void ExportSink::AddExportGroupKey(CItemLinkObj& link, const std::wstring& key, int kind, WORD id, void* context) {
    CPropertyItem row(key, L"", kind, L"", id, FALSE, nullptr, 0);
    AddExportProperty(link, row, context, -1);
}

LinkEnv& Links() {
    static LinkEnv env;
    return env;
}

void SetDocumentModified() {
    if (Links().modified) *Links().modified = true;
}

bool IsDocumentModified() { return Links().modified && *Links().modified; }

void RestoreDocumentModified(bool value) {
    if (Links().modified) *Links().modified = value;
}

void RefreshPreview() {
    if (Links().preview) Links().preview->RefreshPreview();
}

void ShowSelectedPropertyImage(const CItemLinkObj& link) {
    if (!Links().options) return;
    PropertyGridModel* grid = Links().grid;
    const CPropertyItem* row = grid ? grid->Item(grid->GetSelectedIndex()) : nullptr;
    Links().options->SetImagePreview(row ? link.GetImage(row->Id()) : nullptr);
}

void ShowStateButtons(bool show, std::span<const int> states) {
    PageHost* host = Links().host;
    if (!host) return;
    bool visible[kStateCount];
    for (bool& v : visible) v = !show;
    for (int s : states)
        if (s >= 0 && s < kStateCount) visible[s] = show;
    bool any = false;
    for (int s = 0; s < kStateCount; ++s) {
        if (host->IsStateButtonVisible(s) != visible[s]) host->SetStateButtonVisible(s, visible[s]);
        any = any || visible[s];
    }
    host->ShowPage(any);
    if (!any) host->HideOptionsPages();
}

int GetSelectedState() { return Links().host ? Links().host->CheckedState() : -1; }

BOOL SelectState(int state) {
    PageHost* host = Links().host;
    if (host) host->CheckState(state);
    if (!Links().current) return 0;
    const BOOL result = Links().current->FillPropertyPage(GetSelectedState(), nullptr);
    if (host) host->FocusGrid();
    if (Links().grid) Links().grid->SetSelectedIndex(0);
    return result;
}

} // namespace hexmoor::links
