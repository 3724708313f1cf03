#include "framework/context_menus.h"

#include "framework/application.h"
#include "framework/frame_window.h"

namespace hexmoor::fw {

ContextMenuManager::~ContextMenuManager() {
    for (auto& [name, menu] : menus_) DestroyMenu(menu);
}

bool ContextMenuManager::AddMenu(const std::wstring& name, UINT resourceId) {
    HMENU menu = LoadMenuW(ResourceModule(), MAKEINTRESOURCEW(resourceId));
    if (!menu) return false;
    if (!GetSubMenu(menu, 0)) {
        DestroyMenu(menu);
        return false;
    }
    if (auto it = menus_.find(name); it != menus_.end()) {
        DestroyMenu(it->second);
        it->second = menu;
    } else {
        menus_.emplace(name, menu);
    }
    return true;
}

HMENU ContextMenuManager::GetMenuByName(const std::wstring& name) const {
    auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : GetSubMenu(it->second, 0);
}

bool ContextMenuManager::ShowPopupMenu(const std::wstring& name, POINT screen, HWND owner) const {
    HMENU popup = GetMenuByName(name);
    Application* app = Application::Current();
    auto* frame = app ? dynamic_cast<FrameWindow*>(app->MainWindow()) : nullptr;
    if (!popup || !frame || !frame->Handle()) return false;
    frame->TrackContextMenu(popup, screen, owner);
    return true;
}

} // namespace hexmoor::fw
