// The commands every element tree offers on its selected item: Clear (the
// Edit menu's and the context menus'), Fill Inactive State on a frame side,
// and the copies into the custom-controls tree ("Duplicate to Custom
// Controls" from the default tree, "Copy Item" inside the custom tree) and
// Delete.
#include <commctrl.h>

#include <cstring>

#include "editor/links/item_link.h"
#include "editor/links/ranges/scroll_bar_pages.h"
#include "editor/shell/main_frame.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/dialogs/item_name_service.h"
#include "editor/shell/panes/panels.h"
#include "editor/shell/runtime_link.h"
#include "framework/application.h"
#include "framework/services.h"
#include "resources/command_ids.h"

namespace hexmoor::shell {

namespace {

CMainFrame* Frame() {
    fw::Application* app = fw::Application::Current();
    return app ? dynamic_cast<CMainFrame*>(app->MainWindow()) : nullptr;
}

bool IsSideKind(int kind) { return kind >= 1 && kind <= 4; }

// The link class each scroll-bar fill command acts on.
const char* ScrollBarClassFor(UINT command) {
    switch (command) {
    case ID_FILL_FROM_STANDALONE_HSCROLL: return "CISBHLink";
    case ID_FILL_FROM_STANDALONE_VSCROLL: return "CISBVLink";
    case ID_FILL_FROM_INTERNAL_HSCROLL: return "CSBHLink";
    case ID_FILL_FROM_INTERNAL_VSCROLL: return "CSBVLink";
    default: return nullptr;
    }
}

} // namespace

bool CPanelTree::CanClearSelected() const { return model_ && resetter_ && model_->CanClear(Selected(), *resetter_); }

bool CPanelTree::ClearSelected() { return CanClearSelected() && model_->ClearItem(Selected(), *resetter_); }

bool CPanelTree::CanFillInactive() const {
    CMainFrame* frame = Frame();
    return model_ && frame && IsSideKind(model_->KeyOf(Selected()).kind) && frame->PropertiesSeam().Link();
}

void CPanelTree::FillInactiveSelected() {
    CMainFrame* frame = Frame();
    fw::Application* app = fw::Application::Current();
    if (!CanFillInactive() || !app) return;
    const std::wstring text = store_.Text(Selected());
    const int answer =
        app->Messages().Show(nullptr, L"Are you sure you want to replace the content of " + text + L" inactive state?",
                             L"Hexmoor", MB_YESNO | MB_ICONEXCLAMATION);
    if (answer != IDYES) return;
    if (frame->PropertiesSeam().Link()->FillInactiveState() > 0) Editor().documentModified = true;
}

bool CPanelTree::CanFillScrollBar(UINT command) const {
    CMainFrame* frame = Frame();
    const links::CItemLinkObj* link = frame && model_ && Selected() ? frame->PropertiesSeam().Link() : nullptr;
    const char* wanted = ScrollBarClassFor(command);
    return link && wanted && std::strcmp(link->ClassName(), wanted) == 0;
}

void CPanelTree::FillScrollBarSelected(UINT command) {
    CMainFrame* frame = Frame();
    fw::Application* app = fw::Application::Current();
    if (!CanFillScrollBar(command) || !app) return;
    const std::wstring text = store_.Text(Selected());
    const int answer = app->Messages().Show(nullptr, L"Are you sure you want to replace the content of " + text + L"?",
                                            L"Hexmoor", MB_YESNO | MB_ICONEXCLAMATION);
    if (answer == IDNO) return;
    if (auto* bar = dynamic_cast<links::CScrollBarLink*>(frame->PropertiesSeam().Link()))
        bar->FillFromSiblingScrollBar();
}

bool CPanelTree::DeleteSelected(bool ask) {
    TreeHandle item = Selected();
    if (!model_ || !model_->CanRename(item)) return false;
    if (ask) {
        fw::Application* app = fw::Application::Current();
        if (app &&
            app->Messages().Show(GetAncestor(Handle(), GA_ROOT), L"Are you sure you want to delete the selected item?",
                                 app->AppName(), MB_YESNO) == IDNO)
            return false;
    }
    return model_->Delete(item);
}

TreeHandle CPanelTree::CopySelected() {
    CMainFrame* frame = Frame();
    CPanelTree* custom = frame ? frame->CustomControls() : nullptr;
    if (!model_ || !custom || !custom->Model()) return nullptr;
    TreeHandle source = Selected();
    // Inside the custom tree the copy goes where an addition would; from
    // the default tree it goes to the top of the custom tree.
    TreeHandle target = mode_ == 1 ? source : custom->Model()->Root();
    TreeHandle made = custom->Model()->Duplicate(*model_, source, target);
    if (!made) return nullptr;
    if (custom != this) frame->Docks().ShowPane(kPaneCustomControls, true);
    TreeView_SelectItem(custom->Tree(), TreeViewStore::ToItem(made));
    TreeView_EnsureVisible(custom->Tree(), TreeViewStore::ToItem(made));
    if (custom != this) SetFocus(custom->Tree());
    return made;
}

TreeHandle CPanelTree::AddNamedItem(int what, UINT adder) {
    if (!model_ || mode_ == 0 || !runtime::MainSkin()) return nullptr;
    const Adder* chosen = AdderForCommand(adder);
    // The dialog offers the kinds only when no adder chose one.
    const int dialogMode = what == 1 ? (chosen ? 0 : 1) : what;
    const std::wstring proposed = what == 1 ? (chosen ? chosen->name : L"") : what == 2 ? L"UserData" : L"Folder";
    std::optional<ItemNameAnswer> answer = ItemNames().Ask(GetAncestor(Handle(), GA_ROOT), dialogMode, proposed,
                                                           TreeView_GetImageList(tree_, TVSIL_NORMAL));
    if (!answer) return nullptr;
    TreeHandle made = nullptr;
    if (what == 0)
        made = model_->AddFolder(Selected(), answer->name);
    else if (what == 1 && chosen)
        made = model_->AddCustomControl(Selected(), adder, answer->name);
    else if (what == 1)
        made = model_->AddCustomControlNamed(Selected(), static_cast<WORD>(answer->elementType), answer->name);
    else
        made = model_->AddUserData(Selected(), answer->name);
    if (made) {
        TreeView_SelectItem(tree_, TreeViewStore::ToItem(made));
        TreeView_EnsureVisible(tree_, TreeViewStore::ToItem(made));
    }
    return made;
}

void CPanelTree::BindItemCommands() {
    for (UINT id : {ID_CONTEXT_CLEAR, ID_TREE_CLEAR_ITEM}) {
        commands_.On(id, [this] { ClearSelected(); });
        commands_.Update(id, [this](fw::CommandState& s) { s.enabled = CanClearSelected(); });
    }
    commands_.On(ID_CONTEXT_FILL_INACTIVE, [this] { FillInactiveSelected(); });
    commands_.Update(ID_CONTEXT_FILL_INACTIVE, [this](fw::CommandState& s) { s.enabled = CanFillInactive(); });
    // Locks the selected item's branch out of colour adjustments, or
    // unlocks it.
    commands_.On(ID_TREE_TOGGLE_LOCK, [this] { model_->ToggleLock(Selected()); });
    commands_.Update(ID_TREE_TOGGLE_LOCK, [this](fw::CommandState& s) {
        s.enabled = model_ && Selected() && model_->KeyOf(Selected()).kind != kKindUserDataRoot && mode_ != 2;
    });
    for (UINT id : {ID_FILL_FROM_STANDALONE_HSCROLL, ID_FILL_FROM_STANDALONE_VSCROLL, ID_FILL_FROM_INTERNAL_HSCROLL,
                    ID_FILL_FROM_INTERNAL_VSCROLL}) {
        commands_.On(id, [this, id] { FillScrollBarSelected(id); });
        commands_.Update(id, [this, id](fw::CommandState& s) { s.enabled = CanFillScrollBar(id); });
    }
}

} // namespace hexmoor::shell
