#pragma once
// The main frame: menu bar and accelerators from one resource id, a main
// toolbar, a status bar with command prompts, the docking panes and the
// view between them. Commands from the menu, the accelerators, the toolbar
// and context menus go through one route (focus chain, frame, application)
// and run only when their update handler leaves them enabled.

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/command.h"
#include "framework/docking/dock_manager.h"
#include "base/win/gdi.h"
#include "framework/menu_images.h"
#include "framework/status_bar.h"
#include "framework/toolbar.h"
#include "framework/window.h"

namespace hexmoor::fw {

// A command's name for messages: the tool-tip part of its string-table
// prompt ("Import from .msstyles"), else the prompt, else "The command".
std::wstring CommandName(unsigned id);

class FrameWindow : public Window {
public:
    FrameWindow();
    ~FrameWindow() override;

    // Creates the frame with menu, accelerators and icon from resourceId.
    bool CreateFrame(UINT resourceId, const std::wstring& title, DWORD style, DWORD exStyle = 0);

    CommandTable* Commands() override { return &commands_; }
    bool PreTranslateMessage(MSG& msg) override;

    // The route for a command: the windows from start (default: the focus)
    // up to the frame, then the frame, then the application.
    std::vector<CommandTable*> Route(HWND start = nullptr) const;
    CommandState QueryCommand(unsigned id, HWND start = nullptr) const;
    // Runs an enabled command; false when it is disabled or unknown. An
    // exception from the command is reported (Application::ReportFailure,
    // with the command's name) and goes no further.
    bool RunCommand(unsigned id, HWND start = nullptr);

    // Sets enable, check and radio marks of a menu's items from the route;
    // with `nested`, of its sub-popups' items too.
    void UpdateMenu(HMENU menu, HWND start = nullptr, bool nested = false);
    // Shows a context menu for owner (whose commands come first) and runs
    // the chosen command when it is enabled. Its items, sub-popups included,
    // get their states and images before it opens.
    void TrackContextMenu(HMENU popup, POINT screen, HWND owner);

    // Idle work: toolbar states, indicators.
    virtual void OnIdleUpdate();
    void RecalcLayout();

    ToolBar& Bar() { return toolbar_; }
    StatusBar& Status() { return status_; }
    DockManager& Docks() { return *docks_; }
    // Images shown beside the menu items of their commands, in the menu
    // bar's popups and in context menus.
    MenuImages& Images() { return menuImages_; }
    HACCEL Accelerators() const { return accel_; }
    HMENU MenuBar() const { return GetMenu(Handle()); }
    void SetView(HWND view) { view_ = view; }
    HWND View() const { return view_; }
    bool StatusBarVisible() const;
    void ShowStatusBar(bool show);
    // Colours of the panes, bars and menu bar; the menu bar keeps the
    // system's colour when systemMenuBar is set.
    void SetLookColors(const LookColors& colors, bool systemMenuBar = false);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // A popup of the menu bar is about to open, before its items' states
    // are set: the place to change its items.
    virtual void OnMenuOpening(HMENU popup) {}
    // Makes the dock manager; every change of its layout lays the frame out
    // again, so the view always fills what the panes leave.
    void CreateDocks();
    // Paints the menu bar in the look's colours (nothing for the system's).
    void PaintMenuBar();

    CommandTable commands_;
    ToolBar toolbar_;
    StatusBar status_;
    std::unique_ptr<DockManager> docks_;
    HWND view_ = nullptr;
    HACCEL accel_ = nullptr;
    hexmoor::win::Brush menuBrush_;
    LookColors lookColors_{};
    bool systemMenuBar_ = true;
    MenuImages menuImages_;
    bool inMenu_ = false;
    // The client size of the last layout.
    Size laidOut_{-1, -1};
    bool creating_ = false;
};

} // namespace hexmoor::fw
