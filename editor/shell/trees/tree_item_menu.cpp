// The element trees' context menus: the item under the mouse becomes the
// selection and its kind picks the menu and the entries shown.
#include <commctrl.h>

#include <memory>
#include <type_traits>

#include "editor/shell/panes/panels.h"
#include "editor/shell/trees/tree_menus.h"
#include "framework/application.h"
#include "framework/context_menus.h"
#include "framework/frame_window.h"

namespace hexmoor::shell {

void CPanelTree::ShowItemMenu() {
    if (!model_) return;
    const DWORD pos = GetMessagePos();
    POINT screen{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    TVHITTESTINFO hit{};
    hit.pt = screen;
    ScreenToClient(tree_, &hit.pt);
    SetFocus(tree_);
    HTREEITEM item = TreeView_HitTest(tree_, &hit);
    TreeView_SelectItem(tree_, item);
    if (!item || !(hit.flags & TVHT_ONITEM)) return;
    const TreeHandle handle = TreeViewStore::FromItem(item);
    const TreeHandle parent = store_.Parent(handle);
    const TreeMenuChoice choice =
        ChooseTreeMenu(mode_, model_->KeyOf(handle).kind, parent ? model_->KeyOf(parent).kind : 0, parent != nullptr);
    fw::Application* app = fw::Application::Current();
    auto* frame = app ? dynamic_cast<fw::FrameWindow*>(app->MainWindow()) : nullptr;
    const wchar_t* name = TreeMenuName(choice.menu);
    HMENU popup = name && app ? app->ContextMenus().GetMenuByName(name) : nullptr;
    if (!popup || !frame) return;
    if (choice.leftOut.empty()) {
        frame->TrackContextMenu(popup, screen, tree_);
        return;
    }
    std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&DestroyMenu)> shown(CopyMenuWithout(popup, choice.leftOut),
                                                                                &DestroyMenu);
    if (shown && GetMenuItemCount(shown.get()) > 0) frame->TrackContextMenu(shown.get(), screen, tree_);
}

} // namespace hexmoor::shell
