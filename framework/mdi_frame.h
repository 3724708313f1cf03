#pragma once
// An MDI frame with control bars: the MDI client fills what the bars docked
// at the top and bottom edges leave, commands go to the active child first,
// then to the frame and then to the application, and a menu's items take
// their states from that route when it opens. MDI children carry a menu of
// their own, which the frame shows while the child is active.

#include <windows.h>

#include <string>
#include <vector>

#include "base/win/handles.h"
#include "framework/command.h"
#include "framework/window.h"

namespace hexmoor::fw {

class MdiChildWindow;

struct MdiFrameArgs {
    std::wstring title;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    HMENU menu = nullptr; // shown while no child is active; the frame owns it
    HICON icon = nullptr;
    RECT place{0, 0, 400, 400};
    // The index of the menu bar's popup that lists the children; -1: none.
    int windowMenuIndex = -1;
};

class MdiFrameWindow : public Window {
public:
    MdiFrameWindow();
    ~MdiFrameWindow() override;

    bool CreateMdiFrame(const MdiFrameArgs& args);
    HWND Client() const { return client_; }
    // A bar docked at the top or bottom edge, laid out at its own height.
    void AddBar(HWND bar, bool top);
    void RecalcLayout();
    // The active MDI child, or null.
    HWND ActiveChild() const;
    // Keeps a menu the frame shows for a child alive as long as the frame.
    HMENU KeepMenu(win::Menu menu);
    // The window-list popup of a menu, by the frame's index.
    HMENU WindowMenuOf(HMENU menu) const;

    CommandTable* Commands() override { return &commands_; }
    // Active child, frame, application.
    std::vector<CommandTable*> Route() const;
    bool RunCommand(unsigned id);
    bool PreTranslateMessage(MSG& msg) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefaultOwnClassProc(UINT msg, WPARAM wp, LPARAM lp) override;
    virtual int OnCreateFrame(CREATESTRUCTW*) { return 0; }

    CommandTable commands_;

private:
    void UpdatePopup(HMENU popup);

    HWND client_ = nullptr;
    int windowMenuIndex_ = -1;
    struct Bar {
        HWND hwnd;
        bool top;
    };
    std::vector<Bar> bars_;
    std::vector<win::Menu> menus_;
};

class MdiChildWindow : public Window {
public:
    // A child of the frame's MDI client with the title, showing `menu`
    // (kept by the frame; null: the frame's own) while it is active.
    bool CreateChild(MdiFrameWindow& frame, const std::wstring& title, HMENU menu, DWORD style = WS_OVERLAPPEDWINDOW,
                     HICON icon = nullptr);
    CommandTable* Commands() override { return &commands_; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefaultOwnClassProc(UINT msg, WPARAM wp, LPARAM lp) override;

    CommandTable commands_;

private:
    MdiFrameWindow* frame_ = nullptr;
    HMENU menu_ = nullptr;
};

} // namespace hexmoor::fw
