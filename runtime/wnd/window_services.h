#pragma once
// What skinned-window objects ask of the layers above them. The controls
// manager, the runtime's composition root (runtime/manager), installs the
// answers when it makes a thread's manager; until then each request does
// nothing. So the objects under wnd/, frame/ and controls/ never reach up
// into the manager or across into each other's folders.

#include <windows.h>

class WindowServices {
public:
    virtual ~WindowServices() = default;
    // Skins a window an object found for itself (a combo box's drop list),
    // as the creation hook would.
    virtual void AddControl(HWND hwnd) = 0;
    // Skins a window an object shows for itself as the given control type (a
    // date-time picker's drop-down calendar), as SkinWindowAsType would.
    virtual void SkinAsType(HWND hwnd, int controlType) = 0;
    // Forgets the object of a window that is being destroyed.
    virtual void RemoveControl(HWND hwnd) = 0;
    // Brings the thread's skinned popup menus up to date with their menus'
    // selection.
    virtual void SyncPopupMenus() = 0;
    // Refits a window around its client area under its skinned frame.
    virtual void FitFrameToClient(HWND hwnd) = 0;
};

// Installs the answers (they live as long as the process); null takes them
// away.
void InstallWindowServices(WindowServices* services);
// The installed answers, or ones that do nothing.
WindowServices& Services();
