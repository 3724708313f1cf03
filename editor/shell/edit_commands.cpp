#include "editor/shell/edit_commands.h"

#include <memory>

#include "editor/links/item_link.h"
#include "editor/links/link_env.h"
#include "editor/links/page_dump.h"
#include "editor/links/win/property_list.h"
#include "editor/preview/view/compos_view.h"
#include "editor/preview/view/preview_roads.h"
#include "resources/command_ids.h"
#include "runtime/twf_api.h"

namespace hexmoor::shell {
namespace {

struct Bound {
    EditCommandSeams seams;

    links::CPropertyList* Grid() const { return seams.grid ? seams.grid() : nullptr; }
    links::CPropertyItem* Row() const {
        links::CPropertyList* grid = Grid();
        return grid ? grid->Model().Item(grid->Model().GetSelectedIndex()) : nullptr;
    }
    bool Enabled(links::EditCommand command) const {
        links::CPropertyList* grid = Grid();
        links::CPropertyItem* row = Row();
        links::CItemLinkObj* link = links::Links().current;
        if (!grid || !row || !link) return false;
        // Only the rules that read the clipboard open it.
        links::ClipboardFormats formats{true, false, false};
        if (row->Kind() == links::kKindImage || command == links::EditCommand::kPasteWithMargins)
            if (command == links::EditCommand::kPaste || command == links::EditCommand::kPasteWithMargins)
                formats = seams.formats(seams.owner ? seams.owner() : nullptr);
        return links::IsEditCommandEnabled(command, links::GatherEditFacts(link, row, grid->Clipboard(), formats));
    }
};

} // namespace

links::ClipboardFormats ReadClipboardFormats(HWND owner) {
    links::ClipboardFormats formats;
    if (!OpenClipboard(owner)) {
        formats.opened = false;
        return formats;
    }
    formats.bitmap = IsClipboardFormatAvailable(CF_BITMAP) != 0;
    formats.marginBitmap = IsClipboardFormatAvailable(RegisterClipboardFormatW(L"MARGIN_BITMAP")) != 0;
    CloseClipboard();
    return formats;
}

void RefreshCurrentPreview() {
    links::CItemLinkObj* link = links::Links().current;
    if (!link) return;
    if (preview::CSkinComposView* view = preview::ComposView())
        preview::RefreshPreview(*view, link->GetTypeId());
    else if (preview::RefreshPlanFor(link->GetTypeId()).runtimeRefresh)
        ::RefreshSkinnedWindows(link->GetTypeId());
}

void BindEditCommands(fw::CommandTable& table, EditCommandSeams seams) {
    auto bound = std::make_shared<Bound>(Bound{std::move(seams)});
    using links::EditCommand;
    auto rule = [&table, bound](unsigned id, EditCommand command) {
        table.Update(id, [bound, command](fw::CommandState& s) { s.enabled = bound->Enabled(command); });
    };
    auto run = [&table, bound](unsigned id, std::function<void(links::CPropertyList&, links::CPropertyItem*)> act) {
        table.On(id, [bound, act] {
            links::CPropertyList* grid = bound->Grid();
            links::CPropertyItem* row = bound->Row();
            if (grid && row) act(*grid, row);
        });
    };
    run(ID_EDIT_COPY_VALUE,
        [](links::CPropertyList& g, links::CPropertyItem* row) { g.Clipboard().CopyItem(row, false); });
    run(ID_EDIT_COPY_WITH_MARGINS,
        [](links::CPropertyList& g, links::CPropertyItem* row) { g.Clipboard().CopyItem(row, true); });
    run(ID_EDIT_PASTE_VALUE,
        [](links::CPropertyList& g, links::CPropertyItem* row) { g.Clipboard().PasteItem(row, false); });
    run(ID_EDIT_PASTE_WITH_MARGINS,
        [](links::CPropertyList& g, links::CPropertyItem* row) { g.Clipboard().PasteItem(row, true); });
    // Delete (Alt+Delete) acts only while the grid holds the focus: the key
    // elsewhere belongs to the window that has it.
    run(ID_EDIT_DELETE_VALUE, [](links::CPropertyList& g, links::CPropertyItem* row) {
        if (g.IsFocusInside()) g.Clipboard().DeleteItemValue(row);
    });
    run(ID_EDIT_FILL_ALL_STATES, [](links::CPropertyList& g, links::CPropertyItem*) {
        links::RunFillAllStates(links::Links().current, &g.Model());
    });
    rule(ID_EDIT_COPY_VALUE, EditCommand::kCopy);
    rule(ID_EDIT_COPY_WITH_MARGINS, EditCommand::kCopyWithMargins);
    rule(ID_EDIT_PASTE_VALUE, EditCommand::kPaste);
    rule(ID_EDIT_PASTE_WITH_MARGINS, EditCommand::kPasteWithMargins);
    rule(ID_EDIT_DELETE_VALUE, EditCommand::kDelete);
    rule(ID_EDIT_FILL_ALL_STATES, EditCommand::kFillAllStates);
    table.On(ID_VIEW_REFRESH, [] { RefreshCurrentPreview(); });
}

} // namespace hexmoor::shell
