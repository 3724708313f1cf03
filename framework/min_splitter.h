#pragma once
// A static splitter window with flat bars that keeps every pane at its
// minimum size: the layout never gives a pane less, the window refuses to
// become smaller than the panes' minimums, and a dragged bar stops where a
// neighbouring pane would fall below its own.

#include <string>
#include <vector>

#include "base/geometry.h"
#include "base/win/hosts.h"
#include "framework/splitter_layout.h"
#include "framework/window.h"

namespace hexmoor::fw {

// How a splitter looks to others: its bar thickness, and the window class
// it is made of (empty: our own), which a skinning runtime may recognise.
struct SplitterOptions {
    int barSize = 8;
    std::wstring className;
};

// The splitter also answers the skinning runtime's splitter questions
// (rows, columns and their sizes) through the host interface it publishes.
class MinSplitterWindow : public Window, public win::SplitterHost {
public:
    static constexpr int kBorder = 2;  // pane border on each side
    static constexpr int kBarSize = 8; // bar thickness and gap between panes

    ~MinSplitterWindow() override;
    // A visible child with rows x columns panes, all of minimum 0 and ideal 0.
    bool Create(HWND parent, int rows, int columns, int id, const SplitterOptions& options = {});
    int BarSize() const { return barSize_; }

    int RowCount() const override { return static_cast<int>(rows_.size()); }
    int ColumnCount() const override { return static_cast<int>(columns_.size()); }
    int RowHeight(int row) const override;
    int ColumnWidth(int column) const override;
    DWORD ScrollStyle() const override { return 0; }
    HWND FirstPane() const override { return Pane(0, 0); }

    // Places an existing window as the pane (it becomes this window's child).
    void SetPane(int row, int column, HWND pane);
    HWND Pane(int row, int column) const;
    void SetRowInfo(int row, int ideal, int minimum);
    void SetColumnInfo(int column, int ideal, int minimum);
    const std::vector<SplitterTrack>& Rows() const { return rows_; }
    const std::vector<SplitterTrack>& Columns() const { return columns_; }
    // The smallest client size the panes allow.
    Size MinimumSize() const;
    // Lays the panes out over the client area.
    void RecalcLayout();
    // A bar's rectangle in client coordinates: the bar below row index
    // (vertical false) or right of column index (vertical true).
    Rect BarRect(bool vertical, int index) const;
    // True while the pointer rests on a bar with the left button up: the
    // bars then show a raised frame.
    bool IsHot() const { return hot_; }

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    struct Hit {
        bool vertical = false; // a column bar
        int index = -1;
    };
    Hit HitTest(Point p) const;
    void InvertTracker(const Rect& r);
    // Follows the pointer (client coordinates; outside the window when it
    // left) and repaints the bar it entered or left when the hot state changes.
    void UpdateHotBar(Point p);
    void OnWindowPosChanging(WINDOWPOS* pos);

    std::vector<SplitterTrack> rows_, columns_;
    std::vector<HWND> panes_;
    int barSize_ = kBarSize;
    Hit tracking_;
    int trackOffset_ = 0;
    Rect tracker_;
    bool hot_ = false;
    bool leaveTracked_ = false;
    Rect hotBar_;
};

} // namespace hexmoor::fw
