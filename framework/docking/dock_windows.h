#pragma once
// The container windows of the dock manager: a docked (or slid-out) group
// with caption bar and tabs, a floating pane's tool window, and the hint
// that shows where a dragged pane would dock.

#include <windows.h>

#include "framework/docking/dock_layout.h"
#include "base/win/gdi.h"
#include "framework/window.h"

namespace hexmoor::fw {

class DockManager;

class DockGroupWindow : public Window {
public:
    explicit DockGroupWindow(DockManager& manager) : manager_(manager) {}
    bool CreateIn(HWND frame);
    // Geometry relative to this window, from the layout.
    void SetGeometry(const GroupGeometry& geo);
    const GroupGeometry& Geometry() const { return geo_; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }

private:
    void Draw(HDC dc);
    DockManager& manager_;
    GroupGeometry geo_;
    bool pressed_ = false;
    int pressPane_ = 0;
    POINT pressAt_{};
    hexmoor::win::Font font_;
};

class DockFloatWindow : public Window {
public:
    DockFloatWindow(DockManager& manager, int pane) : manager_(manager), pane_(pane) {}
    bool CreateFor(HWND frame, const std::wstring& caption);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    DockManager& manager_;
    int pane_;
};

class DockHintWindow : public Window {
public:
    // Shows the hint over screenRect (hides it for an empty one).
    void ShowAt(HWND owner, const Rect& screenRect, COLORREF color);
    void Hide();

protected:
    bool OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }

private:
    COLORREF hintColor_ = 0;
};

} // namespace hexmoor::fw
