#pragma once
// The application's registry of named context menus. Each entry is loaded
// once from a menu resource and shows that resource's first popup; showing
// one by name routes its commands like any context menu of the main frame
// (its owner first, update handlers decide, disabled commands do not run).

#include <windows.h>

#include <map>
#include <string>

namespace hexmoor::fw {

class ContextMenuManager {
public:
    ContextMenuManager() = default;
    ~ContextMenuManager();
    ContextMenuManager(const ContextMenuManager&) = delete;
    ContextMenuManager& operator=(const ContextMenuManager&) = delete;

    // Loads the menu resource under the name, replacing an entry of the same
    // name. False when the resource cannot be loaded or has no popup.
    bool AddMenu(const std::wstring& name, UINT resourceId);
    // The popup shown for the name, or null.
    HMENU GetMenuByName(const std::wstring& name) const;
    // Shows the named menu at a screen point for owner through the
    // application's main frame and runs the chosen command when it is
    // enabled. False when there is no such menu or no main frame.
    bool ShowPopupMenu(const std::wstring& name, POINT screen, HWND owner) const;

private:
    std::map<std::wstring, HMENU> menus_; // owned: the loaded menu resources
};

} // namespace hexmoor::fw
