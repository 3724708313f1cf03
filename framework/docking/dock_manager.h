#pragma once
// Puts the docking model on the screen: one container window per visible
// group (caption with close and pin buttons, tabs, the active pane's content
// window), one tool window per floating pane, the auto-hide strips and the
// slid-out pane, and the splitters the frame's own client area shows
// between them. The frame hands over its client-area mouse input, painting
// and a timer; everything else happens here.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/docking/dock_layout.h"
#include "framework/look.h"
#include "framework/window.h"

namespace hexmoor::fw {

class DockGroupWindow;
class DockFloatWindow;

// The pane after (or before) current in a cycle of panes; the first (or
// last) when current is not among them, 0 for none.
int NextPaneInCycle(const std::vector<int>& panes, int current, bool forward);
class DockHintWindow;

class DockManager {
public:
    explicit DockManager(HWND frame);
    ~DockManager();
    DockManager(const DockManager&) = delete;
    DockManager& operator=(const DockManager&) = delete;

    // content is a child window of the frame; the manager moves it between
    // containers. The caption shows on the caption bar, tab and strip.
    void AddPane(int id, const std::wstring& caption, HWND content);
    // A pane whose content window is made the first time the pane shows, or
    // when MakeContent asks for it: make returns a child window of the frame
    // (or null when it could not be made, asked again next time).
    void AddPane(int id, const std::wstring& caption, std::function<HWND()> make);
    void SetCaption(int id, const std::wstring& caption);
    std::wstring Caption(int id) const;
    // The content window, or null while it has not been made.
    HWND Content(int id) const;
    // The content window, made now when it has not been; one made while its
    // pane is not on the screen stays hidden until the pane shows.
    HWND MakeContent(int id);
    DockLayout& Layout() { return layout_; }

    // Lays everything out in the frame's area between its bars.
    void Apply(Rect area);
    // Lays out again after a change of the layout: through onChanged when
    // set (the frame then places its bars, the panes and its view), else
    // in the last area.
    void Reapply();
    Rect Area() const { return area_; }
    const LayoutGeometry& Geometry() const { return geo_; }

    bool IsPaneVisible(int id) const { return layout_.IsVisible(id); }
    // Shows or hides a pane; showing makes it the front tab of its group.
    void ShowPane(int id, bool show);
    void TogglePane(int id) { ShowPane(id, !IsPaneVisible(id)); }
    void FloatPane(int id, Rect screenRect);
    void DockPaneHome(int id);
    void SetAutoHide(int id, bool hide);
    // The window that holds a pane's content now (group, float or slide).
    HWND Container(int id) const;

    // The panes the user sees, in screen order: the front pane of each
    // docked group side by side, the slid-out pane, the floating panes.
    std::vector<int> VisiblePanes() const;
    // The pane whose content holds the keyboard focus, or 0.
    int FocusedPane() const;
    // Gives the focus to the next (or previous) visible pane, wrapping
    // round; from outside every pane to the first (or the last).
    void FocusNextPane(bool forward);

    void SetLook(const LookColors& colors);
    const LookColors& Colors() const { return colors_; }

    // Frame client-area input and painting.
    bool OnSetCursor(Point client);
    bool OnLButtonDown(Point client);
    void OnMouseMove(Point client);
    void OnLButtonUp(Point client);
    void Paint(HDC dc);
    void OnTimer();
    // Idle: captions follow the keyboard focus (the group holding it shows
    // the active caption colour).
    void OnIdle();
    // A floating window is being moved: shows where it would dock.
    void OnFloatMoving(int id);
    void HideHint();
    // Posted by a floating window whose move ended.
    void OnFloatMoveEnded(int id);
    // The dock target under a screen point.
    DockTarget TargetAt(POINT screen) const;

    std::wstring SaveState() const { return layout_.Save(); }
    bool LoadState(const std::wstring& text);

    // Called for every change of the layout (a pane shown, hidden, floated,
    // docked, pinned, slid out, a tab chosen, a splitter dragged) in place
    // of laying out in the last area; the frame sets it to its own layout,
    // which calls Apply, so the view between the panes follows.
    std::function<void()> onChanged;

    // Message the floating windows post to the frame when a move ended.
    static constexpr UINT kFloatMoved = WM_APP + 0x4D;
    static constexpr UINT_PTR kTimerId = 0x4D4B;

    // Group-window requests.
    void RequestClose(int pane);
    void RequestPin(int pane);
    void RequestActivate(int pane);
    void BeginFloatDrag(int pane, Point screen, Size size);
    HWND Frame() const { return frame_; }
    int TabLength(int pane) const;

private:
    struct PaneEntry {
        int id;
        std::wstring caption;
        HWND content;
        std::unique_ptr<DockFloatWindow> floating;
        std::function<HWND()> make;
    };
    PaneEntry* Entry(int id);
    const PaneEntry* Entry(int id) const;
    void PlaceContent(HWND content, HWND container, const Rect& rect);

    HWND frame_;
    DockLayout layout_;
    LayoutGeometry geo_;
    Rect area_;
    LookColors colors_{};
    std::vector<PaneEntry> panes_;
    std::vector<std::unique_ptr<DockGroupWindow>> groups_;
    std::unique_ptr<DockGroupWindow> slide_;
    std::unique_ptr<DockHintWindow> hint_;
    // Splitter drag.
    bool dragging_ = false;
    SplitterGeometry dragSplitter_;
    Point dragStart_;
    int dragApplied_ = 0;
    HWND focusGroup_ = nullptr;
    // While Apply runs: content made then is placed by it.
    bool applying_ = false;
};

} // namespace hexmoor::fw
